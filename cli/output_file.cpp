#include "cli/output_file.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The permissions a plain fopen() would give a new file; mkstemp's 0600
// would make pictures unreadable to others for no reason.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

OutputError CannotWrite(const std::filesystem::path& target, const char* reason)
{
    return OutputError("cannot write " + target.string() + ": " + reason);
}

OutputError CannotWrite(const std::filesystem::path& target, int error)
{
    return CannotWrite(target, std::strerror(error));
}

}  // namespace

PendingFile::PendingFile(std::filesystem::path target) : m_target(std::move(target))
{
    if (m_target.empty() || !m_target.has_filename()) {
        throw CannotWrite(m_target, "not a file name");
    }
    std::error_code ignored;
    if (std::filesystem::is_directory(m_target, ignored)) {
        throw CannotWrite(m_target, EISDIR);
    }
    const std::filesystem::path directory =
        m_target.has_parent_path() ? m_target.parent_path() : std::filesystem::path(".");
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about
    // "literal" + string in optimised builds.
    std::string hidden = ".";
    hidden += m_target.filename().string();
    hidden += ".XXXXXX";
    const std::string pattern = (directory / hidden).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        throw CannotWrite(m_target, errno);
    }
    m_temporary = name.data();
    if (::fchmod(fd, NewFileMode()) != 0 || (m_stream = ::fdopen(fd, "wb")) == nullptr) {
        const int error = errno;
        // A throwing constructor runs no destructor: clean up here.
        ::close(fd);
        ::unlink(m_temporary.c_str());
        throw CannotWrite(m_target, error);
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
}

void PendingFile::Commit()
{
    std::FILE* stream = std::exchange(m_stream, nullptr);
    if (stream == nullptr) {
        throw CannotWrite(m_target, EBADF);  // committed twice
    }
    const bool written = std::fflush(stream) == 0 && std::ferror(stream) == 0 &&
                         ::fsync(::fileno(stream)) == 0;
    const int writeError = errno != 0 ? errno : EIO;
    if (std::fclose(stream) != 0 || !written) {
        throw CannotWrite(m_target, written ? errno : writeError);
    }
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        throw CannotWrite(m_target, errno);
    }
    m_committed = true;
}
