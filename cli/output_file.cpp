#include "cli/output_file.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// ---------------------------------------------------------------------------
// Temporary files removed when a signal ends the program.
//
// The handler may only make async-signal-safe calls: it unlinks the paths
// registered here and lets the signal's default action end the process, so
// that the exit status still says which signal it was.

constexpr std::array kFatalSignals{SIGHUP, SIGINT, SIGPIPE, SIGTERM};

struct CleanupSlot {
    std::atomic<bool> used{false};
    char path[PATH_MAX]{};
};
static_assert(std::atomic<bool>::is_always_lock_free, "read by a signal handler");

// The program writes at most two files at once; the rest is room to spare.
std::array<CleanupSlot, 8> g_cleanupSlots;

extern "C" void RemoveTemporariesAndStop(int signal)
{
    for (CleanupSlot& slot : g_cleanupSlots) {
        if (slot.used.load()) {
            ::unlink(slot.path);
        }
    }
    // SA_RESETHAND has put back the default action. The signal stays blocked
    // while this handler runs and ends the process as soon as it returns.
    ::raise(signal);
}

sigset_t FatalSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kFatalSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

void InstallInterruptHandlers()
{
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_handler = RemoveTemporariesAndStop;
        action.sa_mask = FatalSignalSet();
        action.sa_flags = SA_RESETHAND;
        for (const int signal : kFatalSignals) {
            // A signal ignored since the start (nohup, a background job)
            // stays ignored, and a handler someone else installed is kept.
            struct sigaction current {};
            if (::sigaction(signal, nullptr, &current) == 0 && (current.sa_flags & SA_SIGINFO) == 0 &&
                current.sa_handler == SIG_DFL) {
                ::sigaction(signal, &action, nullptr);
            }
        }
        return true;
    }();
    (void)installed;
}

// Holds the fatal signals back for its lifetime, so that a temporary file
// never exists unregistered.
class FatalSignalsHeld {
public:
    FatalSignalsHeld()
    {
        const sigset_t set = FatalSignalSet();
        ::sigprocmask(SIG_BLOCK, &set, &m_previous);
    }
    ~FatalSignalsHeld() { ::sigprocmask(SIG_SETMASK, &m_previous, nullptr); }
    FatalSignalsHeld(const FatalSignalsHeld&) = delete;
    FatalSignalsHeld& operator=(const FatalSignalsHeld&) = delete;

private:
    sigset_t m_previous;
};

// The slot now holding `path`, or -1 when it cannot be held (the file is then
// only removed on an ordinary failure).
int RegisterTemporary(const std::string& path)
{
    if (path.size() >= PATH_MAX) {
        return -1;
    }
    for (std::size_t i = 0; i < g_cleanupSlots.size(); ++i) {
        CleanupSlot& slot = g_cleanupSlots[i];
        if (!slot.used.load()) {
            std::memcpy(slot.path, path.c_str(), path.size() + 1);
            slot.used.store(true);
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ReleaseTemporary(int& slot)
{
    if (slot >= 0) {
        g_cleanupSlots[static_cast<std::size_t>(slot)].used.store(false);
        slot = -1;
    }
}

// ---------------------------------------------------------------------------
// Names.

// The permissions a plain fopen() would give a new file; mkstemp's 0600
// would make pictures unreadable to others for no reason.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// ".NAME.XXXXXX", with NAME cut short enough that the whole stays within the
// directory's limit on name length: a 255-byte name is legal, so its
// temporary must be too. The cut never splits a UTF-8 character.
std::string TemporaryName(const std::filesystem::path& directory, const std::string& name)
{
    constexpr std::size_t kAdded = 8;  // "." and ".XXXXXX"
    const long limit = ::pathconf(directory.c_str(), _PC_NAME_MAX);
    const std::size_t longest = limit > static_cast<long>(kAdded) ? static_cast<std::size_t>(limit)
                                                                    : std::size_t{NAME_MAX};
    std::size_t keep = std::min(name.size(), longest - kAdded);
    while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) {
        --keep;
    }
    return "." + name.substr(0, keep) + ".XXXXXX";
}

std::string ErrorText(int error)
{
    return std::strerror(error != 0 ? error : EIO);
}

}  // namespace

// ---------------------------------------------------------------------------

PendingFile::PendingFile(std::filesystem::path target) : m_target(std::move(target))
{
    if (m_target.empty() || !m_target.has_filename()) {
        throw Failure("not a file name");
    }
    struct stat status {};
    if (::stat(m_target.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            throw Failure(ErrorText(EISDIR));
        }
        if (!S_ISREG(status.st_mode)) {
            OpenInPlace();
            return;
        }
        // The file the name leads to, links followed, is the one replaced.
        errno = 0;
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(m_target.c_str(), nullptr),
                                                               &std::free);
        if (real == nullptr) {
            throw Failure(ErrorText(errno));
        }
        CreateTemporary(real.get(), true);
        return;
    }

    // Nothing there yet, or a link to nothing: follow the links to the name
    // that is to be created.
    std::filesystem::path destination = m_target;
    constexpr int kMostLinks = 40;  // as the kernel's own limit
    for (int hop = 0;; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(destination, error))) {
            break;
        }
        const std::filesystem::path link = std::filesystem::read_symlink(destination, error);
        if (error) {
            throw Failure(error.message());
        }
        if (hop == kMostLinks) {
            throw Failure(ErrorText(ELOOP));
        }
        destination = link.is_absolute() ? link : destination.parent_path() / link;
    }
    CreateTemporary(destination, false);
}

void PendingFile::OpenInPlace()
{
    // No O_CREAT: only what exists is written in place. Opening a FIFO waits
    // for its reader, as any writer does.
    errno = 0;
    const int fd = ::open(m_target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        throw Failure(ErrorText(errno));
    }
    m_stream = ::fdopen(fd, "wb");
    if (m_stream == nullptr) {
        const int error = errno;
        ::close(fd);
        throw Failure(ErrorText(error));
    }
}

void PendingFile::CreateTemporary(const std::filesystem::path& destination, bool replacing)
{
    InstallInterruptHandlers();
    m_destination = destination;
    const std::filesystem::path directory =
        destination.has_parent_path() ? destination.parent_path() : std::filesystem::path(".");
    const std::string pattern =
        (directory / TemporaryName(directory, destination.filename().string())).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');

    int fd = -1;
    {
        const FatalSignalsHeld held;
        errno = 0;
        fd = ::mkstemp(name.data());
        if (fd < 0) {
            throw Failure(ErrorText(errno));
        }
        m_temporary = name.data();
        m_cleanupSlot = RegisterTemporary(m_temporary.string());
    }

    // A replaced file keeps its owner (where the system lets us) and its
    // permissions; a new one gets what fopen() would give it.
    mode_t mode = NewFileMode();
    struct stat status {};
    if (replacing && ::stat(destination.c_str(), &status) == 0) {
        if ((status.st_uid != ::geteuid() || status.st_gid != ::getegid()) &&
            ::fchown(fd, status.st_uid, status.st_gid) != 0) {
            // Not allowed for a user who does not own it: the new file is theirs.
        }
        mode = status.st_mode & 0777;
    }
    errno = 0;
    if (::fchmod(fd, mode) != 0 || (m_stream = ::fdopen(fd, "wb")) == nullptr) {
        const int error = errno;
        // A throwing constructor runs no destructor: clean up here.
        ::close(fd);
        ::unlink(m_temporary.c_str());
        ReleaseTemporary(m_cleanupSlot);
        throw Failure(ErrorText(error));
    }
}

PendingFile::~PendingFile()
{
    if (m_stream != nullptr) {
        std::fclose(m_stream);
    }
    if (!m_committed && !m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
    }
    ReleaseTemporary(m_cleanupSlot);
}

void PendingFile::Write(std::string_view bytes)
{
    errno = 0;
    if (m_stream == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), m_stream) != bytes.size()) {
        throw Failure(ErrorText(m_stream == nullptr ? EBADF : errno));
    }
}

void PendingFile::Finish()
{
    if (m_finished) {
        return;
    }
    std::FILE* stream = std::exchange(m_stream, nullptr);
    if (stream == nullptr) {
        throw Failure(ErrorText(EBADF));
    }
    m_finished = true;
    // The first failure is the one reported, with the reason it gave then.
    int error = 0;
    errno = 0;
    if (std::fflush(stream) != 0) {
        error = errno != 0 ? errno : EIO;
    } else if (std::ferror(stream) != 0) {
        error = EIO;  // an earlier write failed; its writer reported why
    } else if (!m_temporary.empty() && ::fsync(::fileno(stream)) != 0) {
        // (A device or a FIFO written in place cannot be synced.)
        error = errno != 0 ? errno : EIO;
    }
    errno = 0;
    if (std::fclose(stream) != 0 && error == 0) {
        error = errno != 0 ? errno : EIO;
    }
    if (error != 0) {
        throw Failure(ErrorText(error));
    }
}

void PendingFile::Commit()
{
    if (m_committed) {
        throw Failure(ErrorText(EBADF));  // committed twice
    }
    Finish();
    if (!m_temporary.empty()) {
        errno = 0;
        if (std::rename(m_temporary.c_str(), m_destination.c_str()) != 0) {
            throw Failure(ErrorText(errno));
        }
    }
    m_committed = true;
    // Only now: until the rename, an interrupt must remove the temporary.
    ReleaseTemporary(m_cleanupSlot);
}

OutputError PendingFile::Failure(const std::string& reason) const
{
    return OutputError("cannot write " + m_target.string() + ": " + reason);
}
