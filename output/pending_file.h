// One output file of an OutputSet, written in full before it replaces
// anything.
#pragma once

#include <sys/types.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "output/output_error.h"
#include "output/signal_cleanup.h"

struct OutputOptions {
    // The file's permission bits, whether new or replaced. Unset: a new file
    // gets what fopen() would give it, a replaced one keeps its own.
    std::optional<mode_t> mode;
    // Only a regular file, new or replaced, is written: a device, FIFO or
    // descriptor in the file's place is refused and left alone.
    bool regularFileOnly = false;
};

// An output file named by the user (see ResolveOutputTarget for what a name
// leads to).
//
// A regular file, new or existing, is written under a short hidden
// temporary name in its own real folder (so that the final rename never
// crosses file systems) that a fatal signal removes; its OutputSet renames it
// into place. A replaced file keeps its permission bits (and its owner where
// the system allows). A symbolic link is followed: its target is replaced,
// or created when the link dangles; the link stays a link.
//
// A device, FIFO or socket is opened and written in place, and a descriptor
// of this process (/dev/stdout, /dev/fd/N, ...) is written through where it
// stands: nothing is replaced, and what reached them cannot be taken back.
class PendingFile {
public:
    // Throws OutputError when the name cannot be written: a missing or
    // unwritable folder, a folder under the name, a file that cannot be
    // replaced (WhyNotReplaceable), a descriptor that is not open for
    // writing. Opening a FIFO waits for a reader.
    PendingFile(std::filesystem::path target, const OutputOptions& options);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // The open stream, for a writer that produces bytes into a FILE*; valid
    // until the set commits.
    std::FILE* Stream() { return m_stream; }
    // Writes `bytes`. Throws OutputError.
    void Write(std::string_view bytes);
    // Runs a writer that fills Stream(); an OutputError it throws (with
    // only the reason, as the PNG writer's) comes back naming this file.
    void WriteWith(const std::function<void(std::FILE*)>& writer);

    // "cannot write TARGET: reason".
    OutputError Failure(const std::string& reason) const;

private:
    friend class OutputSet;

    void OpenInPlace(const std::filesystem::path& path);
    void BorrowDescriptor(int descriptor);
    void CreateTemporary(const std::filesystem::path& destination, bool replacing,
                         const OutputOptions& options);
    // What is written in place goes out in the order written, even when two
    // outputs share a device.
    void FlushInPlace();
    bool WrittenInPlace() const { return m_temporary.empty(); }

    // For the set's commit, in this order: Finish() every file; with the
    // folders locked, CheckReplaceable() every file; then, with the fatal
    // signals held, Replace() each, and DropOld() each once all are in
    // place, or PutBack() those replaced when one fails.
    void Finish();  // flushes, syncs a temporary file to disk, closes
    void CheckReplaceable() const;
    void Replace();
    void PutBack() noexcept;
    void DropOld() noexcept;

    enum class State {
        Writing,    // the temporary name holds the new contents
        Exchanged,  // the new contents are in place, the old ones at the temporary name
        Created,    // the new contents are in place, there was no file before
        Final,      // in place for good (or written in place)
    };

    std::filesystem::path m_target;       // as the user named it, for messages
    std::filesystem::path m_destination;  // what is replaced: links followed
    std::filesystem::path m_temporary;    // empty when written in place
    std::optional<RemovedOnSignal> m_removedOnSignal;
    std::FILE* m_stream = nullptr;
    bool m_finished = false;
    State m_state = State::Writing;
};
