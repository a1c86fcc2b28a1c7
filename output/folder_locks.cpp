#include "output/folder_locks.h"

#include <algorithm>
#include <cerrno>
#include <tuple>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

FolderLocks::FolderLocks(std::span<const std::filesystem::path> folders)
{
    struct Opened {
        dev_t device;
        ino_t inode;
        int descriptor;
    };
    std::vector<Opened> opened;
    for (const auto& folder : folders) {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat status {};
        if (fd < 0) {
            continue;
        }
        if (::fstat(fd, &status) != 0) {
            ::close(fd);
            continue;
        }
        opened.push_back({status.st_dev, status.st_ino, fd});
    }
    std::sort(opened.begin(), opened.end(), [](const Opened& a, const Opened& b) {
        return std::tie(a.device, a.inode) < std::tie(b.device, b.inode);
    });
    for (std::size_t i = 0; i < opened.size(); ++i) {
        const Opened& folder = opened[i];
        // A second lock through another descriptor of the same folder would
        // wait for the first forever.
        if (i > 0 && folder.device == opened[i - 1].device && folder.inode == opened[i - 1].inode) {
            ::close(folder.descriptor);
            continue;
        }
        int result = 0;
        do {
            result = ::flock(folder.descriptor, LOCK_EX);
        } while (result != 0 && errno == EINTR);
        m_descriptors.push_back(folder.descriptor);
    }
}

FolderLocks::~FolderLocks()
{
    // Closing the last descriptor of a lock releases it.
    for (const int fd : m_descriptors) {
        ::close(fd);
    }
}
