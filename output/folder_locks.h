// Advisory locks on the folders that output files are renamed into.
#pragma once

#include <filesystem>
#include <span>
#include <vector>

// Holds an exclusive flock() on each folder for its lifetime, waiting for
// whoever holds one now: two runs that replace the same files then do it one
// after the other, never interleaved. The folders are locked in one order
// (by device and inode, each once), so that two runs never wait for each
// other. A folder that cannot be opened or locked (no read permission, a
// file system without locks) is left unlocked: the lock only keeps
// cooperating runs apart and is no reason to fail.
class FolderLocks {
public:
    explicit FolderLocks(std::span<const std::filesystem::path> folders);
    ~FolderLocks();
    FolderLocks(const FolderLocks&) = delete;
    FolderLocks& operator=(const FolderLocks&) = delete;

private:
    std::vector<int> m_descriptors;
};
