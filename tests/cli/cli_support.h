// Shared helpers of the vorlen-render tests: a private work folder, the
// program run in-process or as the real executable, and reading back what
// it wrote.
#pragma once

#include <gtest/gtest.h>

#include <png.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/render.h"
#include "workspace/workspace.h"

namespace cli_test {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

struct Picture {
    int width;
    int height;
    std::vector<std::uint8_t> rgb;
};

inline std::optional<Picture> ReadPng(const fs::path& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) {
        return std::nullopt;
    }
    return Picture{static_cast<int>(image.width), static_cast<int>(image.height), std::move(rgb)};
}

inline std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline bool IsOneLine(const std::string& text)
{
    return !text.empty() && text.find('\n') == text.size() - 1;
}

// A fresh workspace and an empty work folder for each test.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetWorkspace();
        std::string pattern = (fs::temp_directory_path() / "vorlen-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
        m_work = m_root / "work";
        fs::create_directory(m_work);
    }
    void TearDown() override { fs::remove_all(m_root); }

    std::string In(const std::string& name) const { return (m_work / name).string(); }

    // Everything in a folder (the work folder by default), hidden files
    // included, sorted.
    std::vector<std::string> Files() const { return Files(m_work); }
    static std::vector<std::string> Files(const fs::path& folder)
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // vorlen-render in this process.
    Outcome Run(const std::vector<std::string>& args) const
    {
        std::vector<const char*> argv{"vorlen-render"};
        for (const std::string& arg : args) {
            argv.push_back(arg.c_str());
        }
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunRenderer(static_cast<int>(argv.size()), argv.data(), out, err);
        return Outcome{status, out.str(), err.str()};
    }

    // Bad usage: exit 2 with one line on stderr naming the program, nothing
    // on stdout and no file in the work folder.
    void ExpectBadUsage(const std::vector<std::string>& args) const
    {
        std::string shown;
        for (const auto& arg : args) {
            shown += " '" + arg + "'";
        }
        const Outcome outcome = Run(args);
        EXPECT_EQ(2, outcome.status) << shown;
        EXPECT_TRUE(IsOneLine(outcome.err)) << shown << ": " << outcome.err;
        EXPECT_EQ(0u, outcome.err.rfind("vorlen-render: ", 0)) << shown;
        EXPECT_EQ("", outcome.out) << shown;
        EXPECT_TRUE(Files().empty()) << shown;
    }

    // The real executable; `args` is shell text.
    Outcome RunBinary(const std::string& args) const
    {
        const fs::path out = m_root / "stdout";
        const fs::path err = m_root / "stderr";
        const std::string command = std::string(VORLEN_RENDER_PATH) + " " + args + " >" +
                                    out.string() + " 2>" + err.string();
        const int raw = std::system(command.c_str());
        return Outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
    }

    fs::path m_root;
    fs::path m_work;
};

}  // namespace cli_test
