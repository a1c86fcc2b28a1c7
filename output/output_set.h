// The files one run writes, replaced together or not at all.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "output/pending_file.h"

// Every file the program writes goes through a set: Add() each file (which
// opens it at once, so that a name that cannot be written fails before any
// work), write each, then CommitAll().
//
// Until CommitAll() nothing that exists is touched, except what is written
// in place (a device, a FIFO, /dev/stdout). CommitAll() finishes every file
// (all bytes on disk), then, holding an advisory lock on each folder, checks
// that every target can still be replaced and renames them into place with
// the fatal signals held: if one cannot be renamed, the files already
// renamed are put back as they were. A picture and its numbers therefore
// always come from one run, even when runs meet. A set dropped without
// CommitAll() (a failure, an exception) removes its temporary files, and so
// does a fatal signal at any moment.
class OutputSet {
public:
    OutputSet() = default;
    ~OutputSet();
    OutputSet(const OutputSet&) = delete;
    OutputSet& operator=(const OutputSet&) = delete;

    // Opens `target` for writing; the file belongs to the set. Throws
    // OutputError.
    PendingFile& Add(std::filesystem::path target, const OutputOptions& options = {});

    // Throws OutputError, with the set's files removed and every target as
    // it was. Once it has returned, the set is empty.
    void CommitAll();

private:
    std::vector<std::unique_ptr<PendingFile>> m_files;
};

// `bytes` as the whole of the file `target`, through a set of its own.
// Throws OutputError.
void WriteWholeFile(const std::filesystem::path& target, std::string_view bytes,
                    const OutputOptions& options = {});
