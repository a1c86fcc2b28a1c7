// vorlen-render's output files: what they replace is never damaged.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <png.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/render.h"
#include "tests/cli/child_support.h"
#include "workspace/workspace.h"

namespace fs = std::filesystem;
using cli_test::Argv;
using cli_test::BecomeOrdinaryUser;
using cli_test::kNobody;
using cli_test::Outcome;
using cli_test::ReadToEnd;
using cli_test::RunInChild;
using cli_test::StartBinary;

namespace {

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The size of the PNG held in `bytes`, or {0, 0} when it is not one.
std::pair<unsigned, unsigned> PngSize(const std::string& bytes)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) {
        return {0, 0};
    }
    png_image_free(&image);
    return {image.width, image.height};
}

mode_t Kind(const fs::path& path)
{
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

class OutputFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetWorkspace();
        std::string pattern = (fs::temp_directory_path() / "vorlen-out-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_work = pattern;
    }
    void TearDown() override { fs::remove_all(m_work); }

    std::string In(const std::string& name) const { return (m_work / name).string(); }

    // Everything in the work folder and its real subfolders, hidden files
    // included; links are not followed.
    std::vector<std::string> Files(const fs::path& folder = {}) const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_work / folder)) {
            const fs::path name = folder / entry.path().filename();
            names.push_back(name.string());
            if (fs::is_directory(entry.symlink_status())) {
                const auto inner = Files(name);
                names.insert(names.end(), inner.begin(), inner.end());
            }
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    Outcome Run(const std::vector<std::string>& args) const
    {
        const std::vector<const char*> argv = Argv(args);
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunRenderer(static_cast<int>(argv.size() - 1), argv.data(), out, err);
        return Outcome{status, out.str(), err.str()};
    }

    fs::path m_work;
};

const std::string kNoSpace = std::strerror(ENOSPC);

}  // namespace

TEST_F(OutputFileTest, AFifoIsWrittenInPlace)
{
    const std::string fifo = In("fifo");
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    // The reading end is open before the program starts, so that its writer
    // never waits; the small picture fits in the FIFO's buffer.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const Outcome outcome = Run({"blank", "--size", "5x4", "-o", fifo});
    const std::string received = ReadToEnd(reader);
    EXPECT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ((std::pair<unsigned, unsigned>{5, 4}), PngSize(received));
    EXPECT_EQ(S_IFIFO, Kind(fifo));
    EXPECT_EQ(std::vector<std::string>{"fifo"}, Files());
}

// Copies of /dev/null and /dev/full made in the test's own folder, so that
// nothing in /dev is at stake; only root may make them.
TEST_F(OutputFileTest, ACharacterDeviceIsWrittenInPlaceAndItsFailureKeepsTheOtherFile)
{
    const std::string null = In("null");
    const std::string full = In("full");
    if (::mknod(null.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0 ||
        ::mknod(full.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) != 0) {
        GTEST_SKIP() << "cannot make device nodes here: " << std::strerror(errno);
    }
    std::ofstream(In("old.png")) << "old";

    Outcome outcome = Run({"blank", "-o", null});
    EXPECT_EQ(0, outcome.status) << outcome.err;
    outcome = Run({"blank", "-o", full});
    EXPECT_EQ(1, outcome.status);
    EXPECT_NE(std::string::npos, outcome.err.find(kNoSpace)) << outcome.err;
    // Disk full for the dump after the whole picture was written: the old
    // picture stays.
    outcome = Run({"blank", "-o", In("old.png"), "--dump", full});
    EXPECT_EQ(1, outcome.status);
    EXPECT_NE(std::string::npos, outcome.err.find("cannot write " + full + ": " + kNoSpace))
        << outcome.err;
    EXPECT_EQ("old", ReadFile(In("old.png")));

    EXPECT_EQ(S_IFCHR, Kind(null));
    EXPECT_EQ(S_IFCHR, Kind(full));
    EXPECT_EQ((std::vector<std::string>{"full", "null", "old.png"}), Files());
}

// The real devices, by a user who cannot replace them (root runs this as
// nobody): nothing in /dev is at stake even if the program regresses.
TEST_F(OutputFileTest, TheSystemsDevicesWorkForAnOrdinaryUser)
{
    Outcome outcome = RunInChild({"blank", "-o", "/dev/null"}, BecomeOrdinaryUser);
    EXPECT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ("", outcome.err);

    outcome = RunInChild({"blank", "-o", "/dev/full"}, BecomeOrdinaryUser);
    EXPECT_EQ(1, outcome.status);
    EXPECT_EQ("vorlen-render: cannot write /dev/full: " + kNoSpace + "\n", outcome.err);

    outcome = RunInChild({"blank", "--size", "7x3", "-o", "/dev/stdout"}, BecomeOrdinaryUser);
    EXPECT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ((std::pair<unsigned, unsigned>{7, 3}), PngSize(outcome.out));
}

TEST_F(OutputFileTest, TheLongestLegalNamesAreWritten)
{
    const std::string picture = std::string(251, 'p') + ".png";
    const std::string numbers = std::string(250, 'd') + ".json";
    const Outcome outcome = Run({"blank", "-o", In(picture), "--dump", In(numbers)});
    EXPECT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ((std::vector<std::string>{numbers, picture}), Files());
}

// A file-size limit lets the picture through and stops the dump: neither
// file is replaced.
TEST_F(OutputFileTest, ADumpThatCannotBeWrittenLeavesThePictureAsItWas)
{
    const std::vector<std::string> args = {"blank",     "--size", "1x1",       "-o",
                                           In("p.png"), "--dump", In("p.json")};
    ASSERT_EQ(0, Run(args).status);
    const auto pictureSize = fs::file_size(In("p.png"));
    const auto dumpSize = fs::file_size(In("p.json"));
    ASSERT_LT(pictureSize + 2, dumpSize);
    std::ofstream(In("p.png"), std::ios::trunc) << "old picture";
    std::ofstream(In("p.json"), std::ios::trunc) << "old numbers";

    const rlim_t limit = (pictureSize + dumpSize) / 2;
    const Outcome outcome = RunInChild(args, [limit] {
        const rlimit size{limit, limit};
        return ::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &size) == 0;
    });
    EXPECT_EQ(1, outcome.status);
    EXPECT_EQ("vorlen-render: cannot write " + In("p.json") + ": " + std::strerror(EFBIG) + "\n",
              outcome.err);
    EXPECT_EQ("old picture", ReadFile(In("p.png")));
    EXPECT_EQ("old numbers", ReadFile(In("p.json")));
    EXPECT_EQ((std::vector<std::string>{"p.json", "p.png"}), Files());
}

TEST_F(OutputFileTest, AReplacedFileKeepsItsPermissionsAndOwnerAndLinksStayLinks)
{
    std::ofstream(In("private.png")) << "old";
    fs::permissions(In("private.png"), fs::perms::owner_read | fs::perms::owner_write);
    std::ofstream(In("shared.json")) << "old";
    fs::permissions(In("shared.json"), static_cast<fs::perms>(0640));
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(0, ::chown(In("private.png").c_str(), kNobody, kNobody));
    }
    fs::create_symlink("private.png", In("link.png"));
    fs::create_symlink("shared.json", In("link.json"));
    // A dangling chain through another folder: created at its end.
    fs::create_directory(In("sub"));
    fs::create_symlink("sub/next.png", In("dangling.png"));
    fs::create_symlink("end.png", In("sub/next.png"));
    fs::create_symlink("loop.png", In("loop.png"));

    Outcome outcome =
        Run({"blank", "--size", "3x2", "-o", In("link.png"), "--dump", In("link.json")});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ((std::pair<unsigned, unsigned>{3, 2}), PngSize(ReadFile(In("private.png"))));
    EXPECT_EQ('{', ReadFile(In("shared.json")).front());
    EXPECT_EQ(0600, static_cast<int>(fs::status(In("private.png")).permissions()));
    EXPECT_EQ(0640, static_cast<int>(fs::status(In("shared.json")).permissions()));
    struct stat status {};
    ASSERT_EQ(0, ::stat(In("private.png").c_str(), &status));
    if (root) {
        EXPECT_EQ(kNobody, status.st_uid);
    }

    outcome = Run({"blank", "--size", "3x2", "-o", In("dangling.png")});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ((std::pair<unsigned, unsigned>{3, 2}), PngSize(ReadFile(In("sub/end.png"))));

    outcome = Run({"blank", "-o", In("loop.png")});
    EXPECT_EQ(1, outcome.status);
    EXPECT_NE(std::string::npos, outcome.err.find(std::strerror(ELOOP))) << outcome.err;

    for (const char* link : {"link.png", "link.json", "dangling.png", "sub/next.png", "loop.png"}) {
        EXPECT_EQ(S_IFLNK, Kind(In(link))) << link;
    }
    EXPECT_EQ((std::vector<std::string>{"dangling.png", "link.json", "link.png", "loop.png",
                                        "private.png", "shared.json", "sub", "sub/end.png",
                                        "sub/next.png"}),
              Files());
}

// Stopped while its temporary files exist, the program removes them and
// still ends by the signal.
TEST_F(OutputFileTest, AnInterruptedRunLeavesNoTemporaryFiles)
{
    struct Case {
        int signal;
        std::vector<std::string> args;
        std::size_t temporaries;
        std::vector<std::string> left;
    };
    ASSERT_EQ(0, ::mkfifo(In("fifo").c_str(), 0600));
    const std::vector<Case> cases = {
        // Waits for a reader of the FIFO with the picture's temporary made.
        {SIGTERM, {"blank", "-o", In("p.png"), "--dump", In("fifo")}, 1, {"fifo"}},
        // A large picture takes a while to compress.
        {SIGINT,
         {"blank", "--size", "8192x8192", "-o", In("big.png"), "--dump", In("big.json")},
         2,
         {"fifo"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(strsignal(c.signal));
        const pid_t pid = StartBinary(c.args);
        ASSERT_GT(pid, 0);
        const auto hidden = [&] {
            const auto names = Files();
            return static_cast<std::size_t>(std::count_if(
                names.begin(), names.end(), [](const std::string& n) { return n.front() == '.'; }));
        };
        // The deadline only keeps a broken program from hanging the test.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        int raw = 0;
        bool exited = false;
        while (hidden() < c.temporaries && !(exited = ::waitpid(pid, &raw, WNOHANG) == pid) &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_FALSE(exited) << "the program ended before it could be stopped";
        if (hidden() < c.temporaries) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &raw, 0);
            FAIL() << "no temporary files appeared";
        }
        ::kill(pid, c.signal);
        ASSERT_EQ(pid, ::waitpid(pid, &raw, 0));
        EXPECT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == c.signal) << raw;
        EXPECT_EQ(c.left, Files());
        for (const std::string& name : Files()) {  // a failed case's leftovers
            if (name.front() == '.') {
                fs::remove(m_work / name);
            }
        }
    }
}
