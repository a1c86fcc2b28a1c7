// The list of recently used files that the File menu shows: newest first,
// at most four entries, each file once.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class RecentFileList {
public:
    static constexpr std::size_t kCapacity = 4;

    // Puts the file at the top, dropping an older entry for the same path
    // and whatever falls off the end.
    void Add(const std::string& path);
    // Removes the entry at index; an index past the end changes nothing.
    void Remove(std::size_t index);
    // Replaces the list with stored entries in order, skipping blanks and
    // repeats and keeping at most kCapacity.
    void Assign(const std::vector<std::string>& entries);

    const std::vector<std::string>& Files() const { return m_files; }
    bool Empty() const { return m_files.empty(); }

    // The menu text of entry index: "&1 /path/to/file"; ampersands in the
    // path are doubled so that they show instead of marking a mnemonic, and
    // tabs become blanks.
    std::string MenuLabel(std::size_t index) const;

private:
    std::vector<std::string> m_files;
};
