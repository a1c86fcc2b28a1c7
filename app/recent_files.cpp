#include "app/recent_files.h"

#include <algorithm>

void RecentFileList::Add(const std::string& path)
{
    if (path.empty())
        return;
    std::erase(m_files, path);
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > kCapacity)
        m_files.resize(kCapacity);
}

void RecentFileList::Remove(std::size_t index)
{
    if (index < m_files.size())
        m_files.erase(m_files.begin() + static_cast<std::ptrdiff_t>(index));
}

void RecentFileList::Assign(const std::vector<std::string>& entries)
{
    m_files.clear();
    for (const std::string& entry : entries) {
        if (m_files.size() == kCapacity)
            break;
        if (!entry.empty() && std::find(m_files.begin(), m_files.end(), entry) == m_files.end())
            m_files.push_back(entry);
    }
}

std::string RecentFileList::MenuLabel(std::size_t index) const
{
    if (index >= m_files.size())
        return {};
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about
    // chained string additions in optimised builds.
    std::string label = "&";
    label += std::to_string(index + 1);
    label += ' ';
    for (char c : m_files[index]) {
        // A tab would start an accelerator text in a menu label.
        label += c == '\t' ? ' ' : c;
        if (c == '&')
            label += '&';
    }
    return label;
}
