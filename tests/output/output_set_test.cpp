// The output set: every file of a set in place, or every target as it was.
#include <gtest/gtest.h>

#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "output/output_set.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class OutputSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "vorlen-set-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_work = pattern;
    }
    void TearDown() override { fs::remove_all(m_work); }

    fs::path In(const std::string& name) const { return m_work / name; }

    std::vector<std::string> Files(const fs::path& folder) const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_work;
};

}  // namespace

// The third rename fails (a folder took the file's name after it was
// added): the file already swapped gets its old contents back, the file
// already created goes, and no temporary file stays.
TEST_F(OutputSetTest, ARenameThatFailsPutsTheEarlierFilesBack)
{
    std::ofstream(In("a.png")) << "old a";
    std::ofstream(In("c.json")) << "old c";
    {
        OutputSet set;
        set.Add(In("a.png")).Write("new a");
        set.Add(In("b.csv")).Write("new b");
        set.Add(In("c.json")).Write("new c");
        fs::remove(In("c.json"));
        fs::create_directories(In("c.json/inside"));
        EXPECT_THROW(set.CommitAll(), OutputError);
    }
    EXPECT_EQ("old a", ReadFile(In("a.png")));
    EXPECT_EQ((std::vector<std::string>{"a.png", "c.json"}), Files(m_work));
    EXPECT_EQ(std::vector<std::string>{"inside"}, Files(In("c.json")));

    // The same set without the obstacle: all three in place, nothing else.
    fs::remove_all(In("c.json"));
    OutputSet set;
    set.Add(In("a.png")).Write("new a");
    set.Add(In("b.csv")).WriteWith([](std::FILE* stream) { std::fputs("new b", stream); });
    set.Add(In("c.json")).Write("new c");
    set.CommitAll();
    EXPECT_EQ((std::vector<std::string>{"a.png", "b.csv", "c.json"}), Files(m_work));
    EXPECT_EQ("new b", ReadFile(In("b.csv")));
}

// Far more temporary files than any fixed table would hold are all removed
// when a fatal signal ends the program, which still ends by that signal.
TEST_F(OutputSetTest, ASignalRemovesEveryTemporaryFileOfALargeSet)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        OutputSet set;
        for (int i = 0; i < 50; ++i) {
            set.Add(In("file" + std::to_string(i))).Write("new");
        }
        ::kill(::getpid(), SIGTERM);
        ::_exit(0);
    }
    int raw = 0;
    ASSERT_EQ(pid, ::waitpid(pid, &raw, 0));
    EXPECT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == SIGTERM) << raw;
    EXPECT_EQ(std::vector<std::string>{}, Files(m_work));
}
