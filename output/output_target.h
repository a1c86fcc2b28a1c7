// What a file name given for output leads to, and whether it may be
// replaced. Nothing here opens, creates or changes anything.
#pragma once

#include <filesystem>

struct OutputTarget {
    enum class Kind {
        // Nothing there yet: created under `path`.
        NewFile,
        // A regular file at `path`, replaced by a new one renamed onto it.
        ExistingFile,
        // A device, FIFO or socket at `path`, opened and written in place.
        InPlace,
        // One of this process's own open descriptors, reached through
        // /dev/stdout, /dev/stderr, /dev/fd/N or /proc/self/fd/N: written
        // through `descriptor` where it stands, never reopened or replaced.
        Descriptor,
        // Unusable; `error` says why.
        Failed,
    };
    Kind kind = Kind::Failed;
    // Links followed, in the real folder; for a descriptor, its entry in
    // /proc.
    std::filesystem::path path;
    int descriptor = -1;
    int error = 0;

    // Written under a temporary name and renamed onto `path`.
    bool Replaced() const { return kind == Kind::NewFile || kind == Kind::ExistingFile; }
};

// Follows the name's symbolic links one by one, looking at each with lstat()
// before anything is followed further, up to the kernel's limit of 40. A
// link into a /proc/PID/fd folder is never followed to the file behind it:
// that would replace a file the shell opened (`> f`, `>> f`) instead of
// writing where its descriptor stands. A folder gives EISDIR.
OutputTarget ResolveOutputTarget(const std::filesystem::path& name);

// 0 when the file `destination` (that exists or not) can be replaced by
// renaming another file onto it, else the reason as an errno value:
// - the folder is not writable (EACCES, EROFS);
// - the file belongs to another user who does not let us write to it
//   (EACCES, as writing to it would say);
// - the folder is sticky, like /tmp, and neither it nor the file is ours
//   (EPERM, as the rename would say).
int WhyNotReplaceable(const std::filesystem::path& destination);
