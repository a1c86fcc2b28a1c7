// vorlen-render at the edges of its command line: help into a full device,
// options that would be ignored, one device for every output, and what the
// user typed quoted back without its control characters.
#include "tests/cli/child_support.h"

#include <sys/stat.h>

#include <cstdlib>

using namespace cli_test;

namespace {

class CommandLineEdges : public CliTest {};

}  // namespace

TEST_F(CommandLineEdges, HelpAndVersionThatCannotBeWrittenFail)
{
    const std::string err = (m_root / "err").string();
    for (const std::string option : {"--help", "--version"}) {
        for (const auto& [output, reason] :
             {std::pair<std::string, std::string>{">/dev/full", std::strerror(ENOSPC)},
              {">&-", std::strerror(EBADF)}}) {
            const int raw = std::system(
                (std::string(VORLEN_RENDER_PATH) + " " + option + " " + output + " 2>" + err)
                    .c_str());
            EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << option << output << ": " << raw;
            EXPECT_EQ("vorlen-render: cannot write standard output: " + reason + "\n",
                      ReadFile(err))
                << option << output;
        }
    }
}

// Only the JSON holds the impulse response: --impulse with the CSV alone
// would change nothing, which is bad usage as --points alone is.
TEST_F(CommandLineEdges, ImpulseWithoutTheJsonIsBadUsage)
{
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{"--analysis-csv", In("b.csv"), "--impulse", "5"},
          {"--analysis-csv", In("b.csv"), "--points", "9", "--impulse", "0"}}) {
        std::vector<std::string> args{"polezero", "-o", In("q.png")};
        args.insert(args.end(), extra.begin(), extra.end());
        const Outcome outcome = Run(args);
        EXPECT_EQ(2, outcome.status);
        EXPECT_EQ("vorlen-render: --impulse needs --analysis; see vorlen-render --help\n",
                  outcome.err);
        EXPECT_TRUE(Files().empty());
    }
    EXPECT_EQ(0, Run({"polezero", "-o", In("q.png"), "--analysis", In("b.json"), "--analysis-csv",
                      In("b.csv"), "--impulse", "5"})
                     .status);
}

// /dev/null takes every output at once; a FIFO or a file named twice still
// does not, as their contents would mix. (As "nobody", who can replace
// nothing in /dev even if the program regresses.)
TEST_F(CommandLineEdges, ADeviceMayTakeEveryOutputButAFifoNot)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"blank", "-o", "/dev/null", "--dump", "/dev/null"},
          {"polezero", "-o", "/dev/null", "--dump", "/dev/null", "--analysis", "/dev/null",
           "--analysis-csv", "/dev/null"}}) {
        const Outcome outcome = RunInChild(args, BecomeOrdinaryUser);
        EXPECT_EQ(0, outcome.status) << args[0] << ": " << outcome.err;
    }
    ASSERT_EQ(0, ::mkfifo(In("fifo").c_str(), 0600));
    fs::create_symlink("fifo", In("link"));
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"blank", "-o", In("fifo"), "--dump", In("link")},
          {"blank", "-o", In("x.png"), "--dump", In("./x.png")}}) {
        const Outcome outcome = Run(args);
        EXPECT_EQ(2, outcome.status) << args[2];
        EXPECT_NE(std::string::npos, outcome.err.find("name the same file")) << outcome.err;
    }
    EXPECT_EQ((std::vector<std::string>{"fifo", "link"}), Files());
}

// A message that quotes a name, an option or a step quotes it as typed,
// except for control characters and bytes that are not UTF-8, each shown as
// \xNN: what the user typed cannot clear the line and print its own.
TEST_F(CommandLineEdges, ControlCharactersInMessagesAreEscaped)
{
    const std::string png = In("x.png");
    const std::string lie = "\x1b[2K\rvorlen-render: all fine";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string shown;  // a part of the message
    };
    // A hex escape ends where its string literal does ("\x9b" "2K"), so the
    // table keeps those pairs of literals side by side.
    // clang-format off
    const std::vector<Case> cases = {
        {{"polezero", "-o", png, "--events", "bogus" + lie}, 2, "bogus\\x1b[2K\\x0dvorlen-render: all fine"},
        {{"dft" + lie, "-o", png}, 2, "dft\\x1b[2K\\x0dvorlen-render"},
        {{"blank", "-o", png, "--size", "\x9b" "2K"}, 2, "'\\x9b2K'"},
        {{"blank", "-o", png, "--signal", "sine\xc2\x9b" "2K\x7f"}, 2, "sine\\xc2\\x9b2K\\x7f"},
        {{"blank", "--bogus\x07", "-o", png}, 2, "--bogus\\x07"},
        {{"polezero", "-o", png, "--zero", "1,\x1b" "2"}, 2, "'1,\\x1b2'"},
        {{"blank", "-o", In("gone\x1b]0;title\x07/x.png")}, 1, "gone\\x1b]0;title\\x07/x.png"},
        // UTF-8 is kept; a byte that is not UTF-8 is escaped.
        {{"blank", "-o", In("nema/\xc5\xa1um\xff.png")}, 1, "nema/\xc5\xa1um\\xff.png"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Outcome outcome = Run(c.args);
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(c.status, outcome.status);
        EXPECT_TRUE(IsOneLine(outcome.err)) << outcome.err;
        EXPECT_NE(std::string::npos, outcome.err.find(c.shown)) << outcome.err;
        for (std::size_t i = 0; i + 1 < outcome.err.size(); ++i) {
            const auto byte = static_cast<unsigned char>(outcome.err[i]);
            EXPECT_TRUE(byte >= 0x20 && byte != 0x7f && byte != 0x9b)
                << "byte " << i << ": " << outcome.err;
        }
        EXPECT_TRUE(Files().empty());
    }
}
