// Files that appear whole or not at all.
#pragma once

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

// A file that cannot be written; what() is the message for the user.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Written under a temporary name in the target's own directory (so that the
// final rename never crosses file systems) and renamed onto the target by
// Commit(). Until then the target is untouched; if Commit() is never reached
// or fails, the temporary file is removed and nothing is left behind.
class PendingFile {
public:
    // Throws OutputError when the target's directory does not exist or is not
    // writable, or when the target is a directory.
    explicit PendingFile(std::filesystem::path target);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    std::FILE* Stream() { return m_stream; }
    // Flushes to disk and renames into place. Throws OutputError.
    void Commit();

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::FILE* m_stream = nullptr;
    bool m_committed = false;
};
