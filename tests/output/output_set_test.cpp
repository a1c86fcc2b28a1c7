// The output set: every file of a set in place, or every target as it was.
#include <gtest/gtest.h>

#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "output/output_set.h"
#include "output/output_target.h"

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

// A new file gets the permissions fopen() would give it under the umask in
// force, group-writable ones included.
TEST_F(OutputSetTest, ANewFileHasThePermissionsTheUmaskLeaves)
{
    for (const mode_t mask : {mode_t{022}, mode_t{002}, mode_t{077}}) {
        const mode_t before = ::umask(mask);
        const fs::path file = In("new-" + std::to_string(mask) + ".txt");
        WriteWholeFile(file, "x", {});
        ::umask(before);
        struct stat status {};
        ASSERT_EQ(0, ::stat(file.c_str(), &status));
        EXPECT_EQ(0666 & ~mask, status.st_mode & 0777) << std::oct << mask;
    }
}

// Links are followed as far as the kernel follows them: a chain of 40 leads
// to its file, one of 41 is refused as the kernel would refuse it.
TEST_F(OutputSetTest, AChainOfFortyLinksIsFollowedAndOneMoreIsNot)
{
    std::ofstream(In("end.txt")) << "end";
    std::string next = "end.txt";
    for (int i = 1; i <= 41; ++i) {
        const std::string name = "link" + std::to_string(i);
        fs::create_symlink(next, In(name));
        next = name;
    }
    const OutputTarget forty = ResolveOutputTarget(In("link40"));
    EXPECT_EQ(OutputTarget::Kind::ExistingFile, forty.kind);
    EXPECT_EQ(fs::canonical(In("end.txt")), forty.path);
    EXPECT_EQ("end", ReadFile(In("link40")));  // the kernel agrees

    const OutputTarget fortyOne = ResolveOutputTarget(In("link41"));
    EXPECT_EQ(OutputTarget::Kind::Failed, fortyOne.kind);
    EXPECT_EQ(ELOOP, fortyOne.error);
    EXPECT_TRUE(ReadFile(In("link41")).empty());
}
