// When vorlen-render's files replace what is there: all of a run's files or
// none, whatever stops it; never a file another user keeps; never a file
// the shell holds open; one run's set at a time.
#include "tests/cli/child_support.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

#include "views/analysis_views.h"

using namespace cli_test;

namespace {

class OutputCommit : public CliTest {
protected:
    // Hidden names (temporary files) anywhere in the work folder.
    std::vector<std::string> Hidden() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(m_work)) {
            if (entry.path().filename().string().front() == '.') {
                names.push_back(entry.path().string());
            }
        }
        return names;
    }

    void Store(const fs::path& path, const std::string& text) const
    {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    }

    // A shell command run in the work folder; its exit status.
    int Shell(const std::string& script) const
    {
        const int raw = std::system(("cd '" + m_work.string() + "' && " + script).c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    // Lets "nobody" into the work folder, as into any shared folder.
    void OpenWorkFolder() const
    {
        fs::permissions(m_root, static_cast<fs::perms>(0755));
        fs::permissions(m_work, static_cast<fs::perms>(0755));
    }
};

// "old" for a file as the test left it, "none" for none, "new" otherwise.
std::string State(const fs::path& path)
{
    if (!fs::exists(path)) {
        return "none";
    }
    return ReadFile(path) == "old" ? "old" : "new";
}

// The pictures and dumps that all writes into `folder`.
std::vector<fs::path> EveryFileOfAll(const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const AnalysisView& view : AnalysisViews()) {
        files.push_back(folder / (std::string(view.name) + ".png"));
        files.push_back(folder / (std::string(view.name) + ".json"));
    }
    return files;
}

bool StraceWorks()
{
    return std::system("strace -qq -o /dev/null true >/dev/null 2>&1") == 0;
}

// vorlen-render under strace, which sends it SIGTERM as it enters its nth
// call of `call`. The raw wait status.
int RunSignalledAt(const std::string& call, int nth, const std::vector<std::string>& args)
{
    // LeakSanitizer cannot work under a tracer and would fail a sanitized
    // build's every run that ends normally.
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    const std::string options =
        std::string("ASAN_OPTIONS=") + (sanitizer != nullptr ? sanitizer : "") + ":detect_leaks=0";
    std::vector<std::string> argv{
        "env",    options,
        "strace", "-qq",
        "-o",     "/dev/null",
        "-e",     "inject=" + call + ":signal=SIGTERM:when=" + std::to_string(nth),
        "--",     VORLEN_RENDER_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    const pid_t pid = StartProgram(argv);
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    return raw;
}

void Own(const fs::path& path, uid_t user, mode_t mode)
{
    ASSERT_EQ(0, ::chown(path.c_str(), user, user)) << path;
    ASSERT_EQ(0, ::chmod(path.c_str(), mode)) << path;
}

}  // namespace

// Stopped by a signal at any moment, a run leaves no temporary file and
// replaces all of its files or none. strace stops it as it enters its nth
// call of each system call that makes, writes, locks and renames its files,
// for every n in turn: a sweep that finds the moments a timer hits only by
// luck (between two renames; when all holds more temporary files than a
// fixed table would).
TEST_F(OutputCommit, ASignalAtAnyStepLeavesAllOrNothingAndNoTemporaryFile)
{
    if (!StraceWorks()) {
        GTEST_SKIP() << "strace cannot trace here";
    }
    struct Case {
        std::string name;
        std::vector<std::string> args;
        std::vector<fs::path> files;
        std::vector<std::string> calls;
    };
    fs::create_directory(m_work / "all");
    const std::vector<fs::path> everyFile = EveryFileOfAll(m_work / "all");
    const std::vector<Case> cases = {
        // A picture that replaces a file, and a dump that is new.
        {"one picture",
         {"conversion-frequency", "--size", "64x48", "-o", In("o.png"), "--dump", In("o.json")},
         {In("o.png"), In("o.json")},
         {"fchmod", "write", "fsync", "flock", "rename", "renameat2", "unlink"}},
        // Sixteen temporary files at once, each replacing a file.
        {"all",
         {"all", "--out-dir", In("all"), "--size", "32x24"},
         everyFile,
         {"fchmod", "rename", "renameat2"}},
    };
    for (const Case& c : cases) {
        for (const std::string& call : c.calls) {
            for (int nth = 1;; ++nth) {
                SCOPED_TRACE(c.name + ", signal at " + call + " " + std::to_string(nth));
                ASSERT_LT(nth, 200) << "the run never ended by itself";
                for (const fs::path& file : c.files) {
                    Store(file, "old");
                }
                fs::remove(In("o.json"));
                std::vector<std::string> before;
                for (const fs::path& file : c.files) {
                    before.push_back(State(file));
                }

                const int raw = RunSignalledAt(call, nth, c.args);
                EXPECT_EQ(std::vector<std::string>{}, Hidden());
                std::vector<std::string> after;
                for (const fs::path& file : c.files) {
                    after.push_back(State(file));
                }
                const bool allNew =
                    std::all_of(after.begin(), after.end(),
                                [](const std::string& state) { return state == "new"; });
                EXPECT_TRUE(allNew || after == before) << testing::PrintToString(after);
                for (const std::string& name : Hidden()) {  // a failed step's leftovers
                    fs::remove(name);
                }
                if (WIFEXITED(raw)) {  // the nth call never came
                    EXPECT_EQ(0, WEXITSTATUS(raw));
                    EXPECT_TRUE(allNew);
                    break;
                }
                ASSERT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == SIGTERM) << raw;
            }
        }
    }
}

// A signal that comes between two system calls, while the picture is drawn,
// compressed or written: the moments are spread evenly over the time an
// unstopped run of a large render takes here (so over the same stretches of
// its work on any machine), and the fatal signals take turns. No run leaves
// a temporary file; each replaces all its files or none, and ends by the
// signal unless it had finished first.
TEST_F(OutputCommit, ASignalAtAnyMomentOfALargeRenderLeavesNoTemporaryFile)
{
    struct Case {
        std::string name;
        std::vector<std::string> args;
        std::vector<fs::path> files;
    };
    fs::create_directory(m_work / "all");
    const std::vector<fs::path> everyFile = EveryFileOfAll(m_work / "all");
    // Twenty markers: the analysis, computed with its files open, takes a
    // while too.
    std::vector<std::string> designer = {"polezero", "--scale", "4", "--points", "65536"};
    designer.insert(designer.end(), {"-o", In("pz.png"), "--dump", In("pz.json")});
    designer.insert(designer.end(),
                    {"--analysis-picture", In("ap.png"), "--analysis", In("a.json")});
    for (int i = 0; i < 10; ++i) {
        designer.insert(designer.end(),
                        {"--zero", std::to_string(60 + 20 * i) + "," + std::to_string(40 + 5 * i),
                         "--pole",
                         std::to_string(70 + 18 * i) + "," + std::to_string(100 + 3 * i)});
    }
    const std::vector<Case> cases = {
        {"one picture",
         {"conversion-frequency", "--size", "5000x5000", "-o", In("o.png"), "--dump", In("o.json")},
         {In("o.png"), In("o.json")}},
        {"all", {"all", "--out-dir", In("all"), "--size", "2000x1500"}, everyFile},
        {"polezero", designer, {In("pz.png"), In("pz.json"), In("ap.png"), In("a.json")}},
    };
    constexpr int kMoments = 12;
    constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP, SIGQUIT};
    using Clock = std::chrono::steady_clock;
    for (const Case& c : cases) {
        const auto states = [&c] {
            std::vector<std::string> found;
            for (const fs::path& file : c.files) {
                found.push_back(State(file));
            }
            return found;
        };
        const auto run = [&](int signal, Clock::duration after) {
            for (const fs::path& file : c.files) {
                Store(file, "old");
            }
            const Clock::time_point start = Clock::now();
            const pid_t pid = StartBinary(c.args);
            if (signal != 0) {
                std::this_thread::sleep_until(start + after);
                ::kill(pid, signal);
            }
            int raw = 0;
            ::waitpid(pid, &raw, 0);
            return std::pair{raw, Clock::now() - start};
        };

        const auto [whole, duration] = run(0, {});
        ASSERT_TRUE(WIFEXITED(whole) && WEXITSTATUS(whole) == 0) << c.name << ": " << whole;
        const std::vector<std::string> allNew(c.files.size(), "new");
        const std::vector<std::string> allOld(c.files.size(), "old");
        ASSERT_EQ(allNew, states()) << c.name;

        for (int moment = 1; moment <= kMoments; ++moment) {
            const int signal = kSignals[static_cast<std::size_t>(moment) % kSignals.size()];
            const Clock::duration delay = duration * moment / kMoments;
            SCOPED_TRACE(c.name + ", " + strsignal(signal) + " after " + std::to_string(moment) +
                         "/" + std::to_string(kMoments) + " of the run");
            const int raw = run(signal, delay).first;
            EXPECT_EQ(std::vector<std::string>{}, Hidden());
            const std::vector<std::string> now = states();
            EXPECT_TRUE(now == allOld || now == allNew) << testing::PrintToString(now);
            if (WIFEXITED(raw)) {  // finished before the signal came
                EXPECT_EQ(0, WEXITSTATUS(raw));
                EXPECT_EQ(allNew, now);
            } else {
                EXPECT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == signal) << raw;
            }
            for (const std::string& name : Hidden()) {  // a failed moment's leftovers
                fs::remove(name);
            }
        }
    }
}

// The signals a run brings on itself: a pipe whose reader is gone (the dump
// written to it after the picture's temporary file was made), and a file
// grown past the size limit (`ulimit -f`) as the picture is written.
TEST_F(OutputCommit, APipeOrAFileSizeLimitThatStopsTheRunLeavesNoTemporaryFile)
{
    int pipe[2];
    ASSERT_EQ(0, ::pipe(pipe));
    ::close(pipe[0]);
    struct Case {
        int signal;
        std::vector<std::string> args;
        std::function<void()> prepare;
    };
    const std::vector<Case> cases = {
        {SIGPIPE,
         {"dft", "-o", In("p.png"), "--dump", "/dev/stdout"},
         [&pipe] { ::dup2(pipe[1], STDOUT_FILENO); }},
        {SIGXFSZ,
         {"conversion-frequency", "--size", "3000x3000", "-o", In("p.png"), "--dump", In("p.json")},
         [] {
             const rlimit size{8192, 8192};
             ::setrlimit(RLIMIT_FSIZE, &size);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(strsignal(c.signal));
        Store(In("p.png"), "old");
        Store(In("p.json"), "old");
        const pid_t pid = StartBinary(c.args, c.prepare);
        int raw = 0;
        ASSERT_EQ(pid, ::waitpid(pid, &raw, 0));
        EXPECT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == c.signal) << raw;
        EXPECT_EQ((std::vector<std::string>{"p.json", "p.png"}), Files());
        EXPECT_EQ("old", State(In("p.png")));
        EXPECT_EQ("old", State(In("p.json")));
        for (const std::string& name : Hidden()) {  // a failed case's leftovers
            fs::remove(name);
        }
    }
    ::close(pipe[1]);
}

// /dev/stdout, /proc/self/fd/N and /dev/fd/N are the shell's descriptors:
// written where they stand, after what the shell wrote and before what it
// writes next, and the file behind them is never replaced.
TEST_F(OutputCommit, DescriptorsAreWrittenWhereTheyStandAndNeverReplaced)
{
    const std::string program = std::string(VORLEN_RENDER_PATH) + " blank --size 3x2";
    ASSERT_EQ(0, Run({"blank", "--size", "3x2", "-o", In("ref.png")}).status);
    const std::string png = ReadFile(In("ref.png"));

    ASSERT_EQ(0, Shell("{ echo HEADER; " + program + " -o /dev/stdout; echo TRAILER; } >f"));
    EXPECT_TRUE(ReadFile(In("f")) == "HEADER\n" + png + "TRAILER\n");

    Store(In("g"), "OLD\n");
    struct stat before {};
    ASSERT_EQ(0, ::stat(In("g").c_str(), &before));
    ASSERT_EQ(0,
              Shell(program + " -o /dev/stdout >>g && " + program + " -o /proc/self/fd/1 >>g && " +
                    program + " -o /dev/fd/3 --dump /dev/stdout 3>>g >h"));
    EXPECT_TRUE(ReadFile(In("g")) == "OLD\n" + png + png + png);
    EXPECT_EQ('{', ReadFile(In("h")).front());
    struct stat after {};
    ASSERT_EQ(0, ::stat(In("g").c_str(), &after));
    EXPECT_EQ(before.st_ino, after.st_ino);

    // Two runs into one redirection: the second finds the descriptor as the
    // first left it.
    ASSERT_EQ(0, Shell("{ " + program + " -o /dev/stdout; " + program + " -o /dev/stdout; } >k"));
    EXPECT_TRUE(ReadFile(In("k")) == png + png);

    // A descriptor that is not open, or open only for reading.
    for (const std::string name : {"/dev/fd/9", "/dev/stdin", "/proc/self/fd/0"}) {
        EXPECT_EQ(1, Shell(program + " -o " + name + " 9>&- </dev/null 2>err")) << name;
        EXPECT_EQ("vorlen-render: cannot write " + name + ": Bad file descriptor\n",
                  ReadFile(In("err")));
    }
    EXPECT_EQ((std::vector<std::string>{"err", "f", "g", "h", "k", "ref.png"}), Files());
}

// As a plain user: a file the rename cannot replace (another user's, in a
// sticky folder such as /tmp) and a read-only file of another user stop the
// run before anything is replaced, with the reason the system would give.
TEST_F(OutputCommit, AFileThatCannotBeReplacedStopsTheWholeSet)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to make files of another user";
    }
    OpenWorkFolder();
    const fs::path sticky = m_work / "sticky";
    const fs::path out = sticky / "out";
    const fs::path open = m_work / "open";
    fs::create_directories(out);
    fs::create_directory(open);
    Own(sticky, 0, 01777);
    Own(out, 0, 01777);
    Own(open, 0, 0777);

    Store(sticky / "mine.png", "old");
    Own(sticky / "mine.png", kNobody, 0644);
    Store(sticky / "theirs.json", "old");
    Own(sticky / "theirs.json", 0, 0666);  // writable: only the sticky folder forbids
    Outcome outcome = RunInChild({"blank", "-o", (sticky / "mine.png").string(), "--dump",
                                  (sticky / "theirs.json").string()},
                                 BecomeOrdinaryUser);
    EXPECT_EQ(1, outcome.status);
    EXPECT_EQ("vorlen-render: cannot write " + (sticky / "theirs.json").string() +
                  ": Operation not permitted\n",
              outcome.err);
    EXPECT_EQ("old", ReadFile(sticky / "mine.png"));
    EXPECT_EQ((std::vector<std::string>{"mine.png", "out", "theirs.json"}), Files(sticky));

    // all: one file among the sixteen is another user's.
    for (const AnalysisView& view : AnalysisViews()) {
        for (const char* extension : {".png", ".json"}) {
            const fs::path file = out / (std::string(view.name) + extension);
            Store(file, "old");
            Own(file, file.filename() == "decimation-time.json" ? 0 : kNobody, 0666);
        }
    }
    outcome = RunInChild({"all", "--out-dir", out.string(), "--size", "32x24"}, BecomeOrdinaryUser);
    EXPECT_EQ(1, outcome.status);
    EXPECT_NE(std::string::npos, outcome.err.find("decimation-time.json: Operation not permitted"))
        << outcome.err;
    const std::vector<std::string> files = Files(out);
    EXPECT_EQ(16u, files.size());
    for (const std::string& name : files) {
        EXPECT_EQ("old", ReadFile(out / name)) << name;
    }

    // A read-only file of another user in a folder anyone may write to; a
    // read-only file of one's own is replaced and stays read-only.
    Store(open / "keep.png", "old");
    Own(open / "keep.png", 0, 0444);
    Store(open / "own.png", "old");
    Own(open / "own.png", kNobody, 0444);
    outcome = RunInChild({"blank", "-o", (open / "keep.png").string()}, BecomeOrdinaryUser);
    EXPECT_EQ(1, outcome.status);
    EXPECT_EQ("vorlen-render: cannot write " + (open / "keep.png").string() +
                  ": Permission denied\n",
              outcome.err);
    struct stat kept {};
    ASSERT_EQ(0, ::stat((open / "keep.png").c_str(), &kept));
    EXPECT_EQ(0u, kept.st_uid);
    EXPECT_EQ("old", ReadFile(open / "keep.png"));
    outcome = RunInChild({"blank", "-o", (open / "own.png").string()}, BecomeOrdinaryUser);
    EXPECT_EQ(0, outcome.status) << outcome.err;
    EXPECT_TRUE(ReadPng(open / "own.png").has_value());
    EXPECT_EQ(0444, static_cast<int>(fs::status(open / "own.png").permissions()));
    EXPECT_EQ((std::vector<std::string>{"keep.png", "own.png"}), Files(open));
}

// A run that is ready to replace its files while another holds the folder
// waits for it: the picture and the dump of two runs that meet never mix.
TEST_F(OutputCommit, ARunWaitsForTheFolderSoThatTwoRunsNeverMix)
{
    Store(In("p.png"), "old");
    Store(In("p.json"), "old");
    const int folder = ::open(m_work.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    ASSERT_EQ(0, ::flock(folder, LOCK_EX));

    const pid_t pid =
        StartBinary({"blank", "--size", "4x3", "-o", In("p.png"), "--dump", In("p.json")});
    ASSERT_GT(pid, 0);
    // The kernel lists a process that waits for a lock as "-> FLOCK ... PID".
    const auto waiting = [pid] {
        std::ifstream locks("/proc/locks");
        for (std::string line; std::getline(locks, line);) {
            if (line.find("-> FLOCK") != std::string::npos &&
                line.find(" " + std::to_string(pid) + " ") != std::string::npos) {
                return true;
            }
        }
        return false;
    };
    int raw = 0;
    bool ended = false;
    // The deadline only keeps a broken program from hanging the test.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!waiting() && !(ended = ::waitpid(pid, &raw, WNOHANG) == pid) &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_FALSE(ended) << "replaced the files without waiting for the folder";
    EXPECT_EQ("old", ReadFile(In("p.png")));
    EXPECT_EQ("old", ReadFile(In("p.json")));

    ::close(folder);
    if (!ended) {
        ASSERT_EQ(pid, ::waitpid(pid, &raw, 0));
    }
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << raw;
    EXPECT_TRUE(ReadPng(In("p.png")).has_value());
    EXPECT_EQ('{', ReadFile(In("p.json")).front());
    EXPECT_EQ((std::vector<std::string>{"p.json", "p.png"}), Files());
}
