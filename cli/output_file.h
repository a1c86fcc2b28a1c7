// Files that appear whole or not at all.
#pragma once

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

// A file that cannot be written; what() is the message for the user.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An output file named by the user.
//
// A regular file (new or existing) is written under a short hidden temporary
// name in its own directory (so that the final rename never crosses file
// systems) and renamed onto it by Commit(). Until then the file is
// untouched; if Commit() is never reached, fails, or the program is stopped
// by SIGHUP, SIGINT, SIGPIPE or SIGTERM, the temporary file is removed and
// nothing is left behind. A replaced file keeps its permission bits (and its
// owner where the system allows). A symbolic link is followed: its target is
// replaced, or created when the link dangles; the link stays a link.
//
// Anything else that exists under the name (a character device such as
// /dev/null, a FIFO, /dev/stdout) is opened and written in place, never
// replaced; what reached it cannot be taken back.
class PendingFile {
public:
    // Throws OutputError when the target's directory does not exist or is not
    // writable, when the target is a directory, or when it cannot be opened.
    // Opening a FIFO waits for a reader.
    explicit PendingFile(std::filesystem::path target);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    std::FILE* Stream() { return m_stream; }
    // Writes `bytes` to the stream. Throws OutputError.
    void Write(std::string_view bytes);

    // Makes sure every byte reached the file: flushes, syncs a temporary
    // file to disk and closes the stream. Nothing is renamed yet, so that
    // several files can be finished before any of them replaces its target.
    // Throws OutputError.
    void Finish();
    // Finishes if that was not done, then renames into place. Throws
    // OutputError.
    void Commit();

    // "cannot write TARGET: reason", for a failure found by a writer.
    OutputError Failure(const std::string& reason) const;

private:
    void OpenInPlace();
    void CreateTemporary(const std::filesystem::path& destination, bool replacing);

    std::filesystem::path m_target;       // as the user named it, for messages
    std::filesystem::path m_destination;  // what Commit() renames onto: links followed
    std::filesystem::path m_temporary;    // empty when written in place
    std::FILE* m_stream = nullptr;
    int m_cleanupSlot = -1;  // where the interrupt handler finds m_temporary
    bool m_finished = false;
    bool m_committed = false;
};
