#include "output/output_target.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <linux/capability.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kMostLinks = 40;  // as the kernel's own limit

OutputTarget Found(OutputTarget::Kind kind, fs::path path, int descriptor = -1)
{
    return OutputTarget{kind, std::move(path), descriptor, 0};
}

OutputTarget Failed(int error)
{
    return OutputTarget{OutputTarget::Kind::Failed, {}, -1, error != 0 ? error : EIO};
}

std::optional<int> Number(std::string_view text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.front() == '-' || error != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

// The process whose descriptors a real folder lists: /proc/PID/fd or
// /proc/PID/task/TID/fd on the proc file system.
std::optional<int> DescriptorFolderOwner(const fs::path& folder)
{
    if (folder.filename() != "fd") {
        return std::nullopt;
    }
    struct statfs mounted {};
    if (::statfs(folder.c_str(), &mounted) != 0 || mounted.f_type != PROC_SUPER_MAGIC) {
        return std::nullopt;
    }
    const fs::path above = folder.parent_path();
    if (above.parent_path().filename() == "task") {
        return Number(above.parent_path().parent_path().filename().string());
    }
    return Number(above.filename().string());
}

std::optional<fs::path> RealFolder(const fs::path& folder)
{
    errno = 0;
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(folder.c_str(), nullptr),
                                                           &std::free);
    if (real == nullptr) {
        return std::nullopt;
    }
    return fs::path(real.get());
}

bool HasCapability(int capability)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (::syscall(SYS_capget, &header, data) != 0) {
        return ::geteuid() == 0;
    }
    return (data[capability / 32].effective & (1U << (capability % 32))) != 0;
}

}  // namespace

OutputTarget ResolveOutputTarget(const fs::path& name)
{
    fs::path current = name;
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        const auto folder = RealFolder(current.has_parent_path() ? current.parent_path() : ".");
        if (!folder) {
            return Failed(errno);
        }
        const fs::path full = *folder / current.filename();
        if (const auto owner = DescriptorFolderOwner(*folder)) {
            const auto descriptor = Number(current.filename().string());
            if (!descriptor) {
                return Failed(ENOENT);
            }
            if (*owner == ::getpid()) {
                return Found(OutputTarget::Kind::Descriptor, full, *descriptor);
            }
            // Another process's descriptor cannot be borrowed; opening it
            // reaches the same file, written in place all the same.
            return Found(OutputTarget::Kind::InPlace, full);
        }
        struct stat status {};
        if (::lstat(full.c_str(), &status) != 0) {
            return errno == ENOENT ? Found(OutputTarget::Kind::NewFile, full) : Failed(errno);
        }
        if (S_ISDIR(status.st_mode)) {
            return Failed(EISDIR);
        }
        if (S_ISREG(status.st_mode)) {
            return Found(OutputTarget::Kind::ExistingFile, full);
        }
        if (!S_ISLNK(status.st_mode)) {
            return Found(OutputTarget::Kind::InPlace, full);
        }
        std::string link(PATH_MAX, '\0');
        errno = 0;
        const ssize_t length = ::readlink(full.c_str(), link.data(), link.size());
        if (length < 0 || static_cast<std::size_t>(length) >= link.size()) {
            return Failed(length < 0 ? errno : ENAMETOOLONG);
        }
        link.resize(static_cast<std::size_t>(length));
        const fs::path next(link);
        if (!next.has_filename()) {
            return Failed(EISDIR);  // "dir/": a folder, whatever it holds
        }
        current = next.is_absolute() ? next : *folder / next;
    }
    return Failed(ELOOP);
}

int WhyNotReplaceable(const fs::path& destination)
{
    const fs::path folder = destination.parent_path();
    errno = 0;
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        return errno != 0 ? errno : EACCES;
    }
    struct stat file {};
    if (::lstat(destination.c_str(), &file) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    if (file.st_uid == ::geteuid()) {
        return 0;
    }
    errno = 0;
    if (S_ISREG(file.st_mode) &&
        ::faccessat(AT_FDCWD, destination.c_str(), W_OK, AT_EACCESS) != 0) {
        return errno != 0 ? errno : EACCES;
    }
    struct stat above {};
    if (::stat(folder.c_str(), &above) == 0 && (above.st_mode & S_ISVTX) != 0 &&
        above.st_uid != ::geteuid() && !HasCapability(CAP_FOWNER)) {
        return EPERM;
    }
    return 0;
}
