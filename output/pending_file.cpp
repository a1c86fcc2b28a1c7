#include "output/pending_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "output/output_target.h"

namespace fs = std::filesystem;

namespace {

// The permissions a plain fopen() would give a new file; mkstemp's 0600
// would make pictures unreadable to others for no reason.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// ".NAME.XXXXXX", with NAME cut short enough that the whole stays within the
// folder's limit on name length: a 255-byte name is legal, so its temporary
// must be too. The cut never splits a UTF-8 character.
std::string TemporaryName(const fs::path& folder, const std::string& name)
{
    constexpr std::size_t kAdded = 8;  // "." and ".XXXXXX"
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t longest =
        limit > static_cast<long>(kAdded) ? static_cast<std::size_t>(limit) : std::size_t{NAME_MAX};
    std::size_t keep = std::min(name.size(), longest - kAdded);
    while (keep > 0 && keep < name.size() &&
           (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) {
        --keep;
    }
    // Piece by piece: GCC 12 warns falsely (-Wrestrict) about a chain of +.
    std::string temporary = ".";
    temporary.append(name, 0, keep);
    temporary += ".XXXXXX";
    return temporary;
}

std::string ErrorText(int error)
{
    return std::strerror(error != 0 ? error : EIO);
}

// errno, or EIO when a failing call left none.
int LastError()
{
    return errno != 0 ? errno : EIO;
}

}  // namespace

PendingFile::PendingFile(fs::path target, const OutputOptions& options)
    : m_target(std::move(target))
{
    if (m_target.empty() || !m_target.has_filename()) {
        throw Failure("not a file name");
    }
    const OutputTarget where = ResolveOutputTarget(m_target);
    if (where.kind == OutputTarget::Kind::Failed) {
        throw Failure(ErrorText(where.error));
    }
    if (options.regularFileOnly && !where.Replaced()) {
        throw Failure("not a regular file");
    }
    switch (where.kind) {
    case OutputTarget::Kind::NewFile:
    case OutputTarget::Kind::ExistingFile:
        CreateTemporary(where.path, where.kind == OutputTarget::Kind::ExistingFile, options);
        break;
    case OutputTarget::Kind::InPlace: OpenInPlace(where.path); break;
    case OutputTarget::Kind::Descriptor: BorrowDescriptor(where.descriptor); break;
    case OutputTarget::Kind::Failed: break;
    }
}

void PendingFile::OpenInPlace(const fs::path& path)
{
    // No O_CREAT: only what exists is written in place. Opening a FIFO waits
    // for its reader, as any writer does.
    errno = 0;
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        throw Failure(ErrorText(errno));
    }
    m_stream = ::fdopen(fd, "wb");
    if (m_stream == nullptr) {
        const int error = LastError();
        ::close(fd);
        throw Failure(ErrorText(error));
    }
    m_state = State::Final;
}

void PendingFile::BorrowDescriptor(int descriptor)
{
    // A copy of the descriptor shares its offset and its append mode: the
    // bytes land after what the shell (or an earlier run) wrote, and closing
    // the copy leaves the original open.
    errno = 0;
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) {
        throw Failure(ErrorText(flags < 0 ? errno : EBADF));
    }
    const int fd = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (fd < 0) {
        throw Failure(ErrorText(errno));
    }
    m_stream = ::fdopen(fd, "wb");  // "w" here truncates nothing
    if (m_stream == nullptr) {
        const int error = LastError();
        ::close(fd);
        throw Failure(ErrorText(error));
    }
    m_state = State::Final;
}

void PendingFile::CreateTemporary(const fs::path& destination, bool replacing,
                                  const OutputOptions& options)
{
    m_destination = destination;
    if (const int error = WhyNotReplaceable(destination)) {
        throw Failure(ErrorText(error));
    }
    const fs::path folder = destination.parent_path();
    const std::string pattern =
        (folder / TemporaryName(folder, destination.filename().string())).string();
    if (!RemovedOnSignal::Fits(pattern)) {
        throw Failure(ErrorText(ENAMETOOLONG));
    }
    // The handler's place first: a file it could not find is never made.
    m_removedOnSignal.emplace();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = -1;
    {
        const FatalSignalsHeld held;
        errno = 0;
        fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0) {
            throw Failure(ErrorText(errno));
        }
        m_temporary = name.data();
        m_removedOnSignal->Hold(m_temporary.native());
    }

    // A replaced file keeps its owner (where the system lets us) and its
    // permissions; a new one gets what fopen() would give it.
    mode_t mode = options.mode.value_or(NewFileMode());
    struct stat status {};
    if (replacing && ::stat(destination.c_str(), &status) == 0) {
        if ((status.st_uid != ::geteuid() || status.st_gid != ::getegid()) &&
            ::fchown(fd, status.st_uid, status.st_gid) != 0) {
            // Not allowed for a user who does not own it: the new file is theirs.
        }
        if (!options.mode) {
            mode = status.st_mode & 0777;
        }
    }
    errno = 0;
    if (::fchmod(fd, mode) != 0 || (m_stream = ::fdopen(fd, "wb")) == nullptr) {
        const int error = LastError();
        // A constructor that throws runs no destructor: clean up here.
        ::close(fd);
        ::unlink(m_temporary.c_str());
        throw Failure(ErrorText(error));
    }
}

PendingFile::~PendingFile()
{
    if (m_stream != nullptr) {
        std::fclose(m_stream);
    }
    // Until it is final, the temporary name holds either the new contents
    // (never committed) or the old ones (replaced for good).
    if (!m_temporary.empty() && (m_state == State::Writing || m_state == State::Exchanged)) {
        ::unlink(m_temporary.c_str());
    }
}

void PendingFile::Write(std::string_view bytes)
{
    errno = 0;
    if (m_stream == nullptr ||
        std::fwrite(bytes.data(), 1, bytes.size(), m_stream) != bytes.size()) {
        throw Failure(ErrorText(m_stream == nullptr ? EBADF : errno));
    }
    FlushInPlace();
}

void PendingFile::WriteWith(const std::function<void(std::FILE*)>& writer)
{
    if (m_stream == nullptr) {
        throw Failure(ErrorText(EBADF));
    }
    try {
        writer(m_stream);
    } catch (const OutputError& error) {
        throw Failure(error.what());
    }
    FlushInPlace();
}

void PendingFile::FlushInPlace()
{
    errno = 0;
    if (WrittenInPlace() && std::fflush(m_stream) != 0) {
        throw Failure(ErrorText(errno));
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
        error = LastError();
    } else if (std::ferror(stream) != 0) {
        error = EIO;  // an earlier write failed; its writer reported why
    } else if (!WrittenInPlace() && ::fsync(::fileno(stream)) != 0) {
        // (A device or a FIFO written in place cannot be synced.)
        error = LastError();
    }
    errno = 0;
    if (std::fclose(stream) != 0 && error == 0) {
        error = LastError();
    }
    if (error != 0) {
        throw Failure(ErrorText(error));
    }
}

void PendingFile::CheckReplaceable() const
{
    if (WrittenInPlace()) {
        return;
    }
    if (const int error = WhyNotReplaceable(m_destination)) {
        throw Failure(ErrorText(error));
    }
}

void PendingFile::Replace()
{
    if (m_state != State::Writing) {
        return;  // written in place
    }
    struct stat status {};
    const bool existing = ::lstat(m_destination.c_str(), &status) == 0 && S_ISREG(status.st_mode);
    if (existing) {
        // Swapped, not overwritten: the old file stays at the temporary name
        // until every file of the set is in place, and can be put back.
        errno = 0;
        if (::renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_destination.c_str(),
                        RENAME_EXCHANGE) == 0) {
            m_state = State::Exchanged;
            return;
        }
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
            throw Failure(ErrorText(errno));
        }
        // A file system that cannot swap: a plain rename, not undone.
    }
    errno = 0;
    if (std::rename(m_temporary.c_str(), m_destination.c_str()) != 0) {
        throw Failure(ErrorText(errno));
    }
    m_removedOnSignal->Forget();
    m_state = existing ? State::Final : State::Created;
}

void PendingFile::PutBack() noexcept
{
    if (m_state == State::Exchanged &&
        std::rename(m_temporary.c_str(), m_destination.c_str()) == 0) {
        m_removedOnSignal->Forget();
        m_state = State::Final;
    } else if (m_state == State::Created && ::unlink(m_destination.c_str()) == 0) {
        m_state = State::Final;
    }
}

void PendingFile::DropOld() noexcept
{
    if (m_state == State::Exchanged) {
        ::unlink(m_temporary.c_str());
        m_removedOnSignal->Forget();
    }
    m_state = State::Final;
}

OutputError PendingFile::Failure(const std::string& reason) const
{
    return OutputError("cannot write " + m_target.string() + ": " + reason);
}
