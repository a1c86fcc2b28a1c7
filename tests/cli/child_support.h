// Running vorlen-render in a forked child, as another user or under limits
// that must not reach the test process.
#pragma once

#include <fcntl.h>
#include <grp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/render.h"
#include "tests/cli/cli_support.h"

namespace cli_test {

inline std::vector<const char*> Argv(const std::vector<std::string>& args)
{
    std::vector<const char*> argv{"vorlen-render"};
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    argv.push_back(nullptr);
    return argv;
}

inline std::string ReadToEnd(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

constexpr uid_t kNobody = 65534;

// As root, the child becomes "nobody", who can replace nothing in /dev
// whatever the program does. Returns false when that fails.
inline bool BecomeOrdinaryUser()
{
    if (::geteuid() != 0) {
        return true;
    }
    return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 &&
           // Keeps /proc/self (behind /dev/stdout) open to the new user.
           ::prctl(PR_SET_DUMPABLE, 1) == 0;
}

// Runs vorlen-render in-process in a forked child, so that whatever
// `prepare` does to the process (limits, privileges) stays there. The
// child's standard output and its error text come back.
inline Outcome RunInChild(const std::vector<std::string>& args,
                          const std::function<bool()>& prepare)
{
    int out[2];
    int err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0) {
        return Outcome{-1, "", "pipe failed"};
    }
    // The child's standard output, reopened through /dev/stdout, must be
    // open to the user the child may become, as a user's own pipe is.
    if (::geteuid() == 0 && ::fchown(out[1], kNobody, kNobody) != 0) {
        return Outcome{-1, "", "fchown failed"};
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        ::close(err[0]);
        if (!prepare()) {
            ::_exit(99);
        }
        std::ostringstream ignored;
        std::ostringstream message;
        const std::vector<const char*> argv = Argv(args);
        errno = EDOM;  // a stale reason that must never reach a message
        const int status =
            RunRenderer(static_cast<int>(argv.size() - 1), argv.data(), ignored, message);
        const std::string text = message.str();
        if (::write(err[1], text.data(), text.size()) < 0) {
            ::_exit(98);
        }
        ::_exit(status);
    }
    ::close(out[1]);
    ::close(err[1]);
    // The error text is one line: it waits in its pipe while the output,
    // however long, is read.
    Outcome outcome{-1, ReadToEnd(out[0]), ""};
    outcome.err = ReadToEnd(err[0]);
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return outcome;
}

// A program (`argv[0]`, then its arguments) started with the default signal
// actions whatever this test process ignores or blocks, without core dumps,
// its output thrown away; `prepare`, when given, runs in the child just
// before the program starts.
inline pid_t StartProgram(const std::vector<std::string>& argv,
                          const std::function<void()>& prepare = {})
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGTERM, SIGXCPU, SIGXFSZ}) {
            ::signal(signal, SIG_DFL);
        }
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        if (prepare) {
            prepare();
        }
        std::vector<char*> pointers;
        for (const std::string& arg : argv) {
            pointers.push_back(const_cast<char*>(arg.c_str()));
        }
        pointers.push_back(nullptr);
        ::execvp(pointers[0], pointers.data());
        ::_exit(127);
    }
    return pid;
}

// The real executable.
inline pid_t StartBinary(const std::vector<std::string>& args,
                         const std::function<void()>& prepare = {})
{
    std::vector<std::string> argv{VORLEN_RENDER_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    return StartProgram(argv, prepare);
}

}  // namespace cli_test
