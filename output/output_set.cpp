#include "output/output_set.h"

#include <utility>

#include "output/folder_locks.h"
#include "output/signal_cleanup.h"

OutputSet::~OutputSet() = default;

PendingFile& OutputSet::Add(std::filesystem::path target, const OutputOptions& options)
{
    m_files.push_back(std::make_unique<PendingFile>(std::move(target), options));
    return *m_files.back();
}

void OutputSet::CommitAll()
{
    // Drops the files (and so any temporary still there) however this ends.
    const std::vector<std::unique_ptr<PendingFile>> files = std::move(m_files);
    m_files.clear();

    for (const auto& file : files) {
        file->Finish();
    }
    std::vector<std::filesystem::path> folders;
    for (const auto& file : files) {
        if (!file->WrittenInPlace()) {
            folders.push_back(file->m_destination.parent_path());
        }
    }
    // Waiting for another run's lock can take a while: the fatal signals
    // stay free meanwhile, and remove the temporary files if they come.
    const FolderLocks locks(folders);
    for (const auto& file : files) {
        file->CheckReplaceable();
    }
    // From the first rename to the last, a signal waits: it must not leave
    // some files replaced and others not.
    const FatalSignalsHeld held;
    std::size_t replaced = 0;
    try {
        for (; replaced < files.size(); ++replaced) {
            files[replaced]->Replace();
        }
    } catch (...) {
        while (replaced > 0) {
            files[--replaced]->PutBack();
        }
        throw;
    }
    for (const auto& file : files) {
        file->DropOld();
    }
}

void WriteWholeFile(const std::filesystem::path& target, std::string_view bytes,
                    const OutputOptions& options)
{
    OutputSet set;
    set.Add(target, options).Write(bytes);
    set.CommitAll();
}
