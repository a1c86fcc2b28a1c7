#include "app/settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>

#include <wx/strconv.h>

#include "app/recent_files.h"
#include "output/output_set.h"

namespace settings {

namespace {

constexpr const char* kKey = "Local AppWizard-Generated Applications";
constexpr const char* kApplication = "Vorlen";
// Section names are compared without regard to case, as wxFileConfig does.
constexpr std::string_view kSectionLower = "recent file list";
// How wxFileConfig writes the section's name: blanks escaped.
constexpr std::string_view kSectionLine = "[Recent\\ File\\ List]";

// Four paths take far less; a bigger file is not a recent-file list and is
// not read at all.
constexpr std::size_t kMaxFileSize = 64 * 1024;

using Entries = std::array<std::optional<std::string>, RecentFileList::kCapacity>;

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view TrimLeft(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    return s;
}

std::string_view TrimRight(std::string_view s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// Position of the first `c` not escaped by a backslash, or npos.
std::size_t FindUnescaped(std::string_view s, char c)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\')
            ++i;
        else if (s[i] == c)
            return i;
    }
    return std::string_view::npos;
}

// A section or entry name: a backslash keeps the character after it.
std::string UnescapeName(std::string_view s)
{
    std::string name;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size())
            ++i;
        name += Lower(s[i]);
    }
    return name;
}

// A value as wxFileConfig writes it: a leading quote keeps leading blanks
// (its quotes are dropped); \n \r \t \\ \" stand for their characters.
std::string UnescapeValue(std::string_view s)
{
    std::string value;
    const bool quoted = !s.empty() && s.front() == '"';
    for (std::size_t i = quoted ? 1 : 0; i < s.size(); ++i) {
        if (s[i] == '\\') {
            if (++i == s.size())
                break;
            switch (s[i]) {
            case 'n': value += '\n'; break;
            case 'r': value += '\r'; break;
            case 't': value += '\t'; break;
            case '\\': value += '\\'; break;
            case '"': value += '"'; break;
            default: break;  // wxFileConfig drops unknown escapes too
            }
        } else if (s[i] != '"' || !quoted) {
            value += s[i];
        }
    }
    return value;
}

std::string EscapeValue(std::string_view s)
{
    const bool quoted = !s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '"');
    std::string out = quoted ? "\"" : "";
    for (char c : s) {
        switch (c) {
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\\': out += "\\\\"; break;
        case '"': out += quoted ? "\\\"" : "\""; break;
        default: out += c;
        }
    }
    if (quoted)
        out += '"';
    return out;
}

// Index of "File1" to "File4" (any case), or -1.
int EntryIndex(std::string_view lowerName)
{
    if (lowerName.size() != 5 || lowerName.substr(0, 4) != "file")
        return -1;
    const int index = lowerName[4] - '1';
    return index >= 0 && index < static_cast<int>(RecentFileList::kCapacity) ? index : -1;
}

// UTF-8 text without NULs or other control characters than tab and line ends.
bool IsText(std::string_view text)
{
    for (unsigned char c : text)
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7f)
            return false;
    return wxConvUTF8.ToWChar(nullptr, 0, text.data(), text.size()) != wxCONV_FAILED;
}

// The entries of the recent-file section, or nothing if the text is not a
// sound settings file.
std::optional<Entries> Parse(std::string_view text)
{
    if (!IsText(text))
        return std::nullopt;
    Entries entries;
    std::vector<std::string> sections;
    bool inList = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = TrimLeft(line);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const std::size_t close = FindUnescaped(line, ']');
            if (close == std::string_view::npos)
                return std::nullopt;
            const std::string_view rest = TrimLeft(line.substr(close + 1));
            if (!rest.empty() && rest.front() != ';' && rest.front() != '#')
                return std::nullopt;
            std::string name = UnescapeName(line.substr(1, close - 1));
            if (std::find(sections.begin(), sections.end(), name) != sections.end())
                return std::nullopt;
            inList = name == kSectionLower;
            sections.push_back(std::move(name));
            continue;
        }
        const std::size_t equals = FindUnescaped(line, '=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        const std::string name = UnescapeName(TrimRight(line.substr(0, equals)));
        if (name.empty())
            return std::nullopt;
        const int index = inList ? EntryIndex(name) : -1;
        if (index < 0)
            continue;  // another program's entry: not ours to judge
        if (entries[static_cast<std::size_t>(index)])
            return std::nullopt;
        entries[static_cast<std::size_t>(index)] = UnescapeValue(TrimLeft(line.substr(equals + 1)));
    }
    return entries;
}

std::string Format(const std::vector<std::string>& files)
{
    std::string text(kSectionLine);
    text += '\n';
    for (std::size_t i = 0; i < RecentFileList::kCapacity; ++i) {
        text += "File" + std::to_string(i + 1) + "=";
        if (i < files.size())
            text += EscapeValue(files[i]);
        text += '\n';
    }
    return text;
}

// The whole file if it is a regular file no bigger than kMaxFileSize. A
// missing file gives nothing and no problem.
std::optional<std::string> ReadSmallFile(const std::string& path, std::string& problem)
{
    // O_NONBLOCK: a FIFO in the file's place must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            problem = "cannot be read";
        return std::nullopt;
    }
    std::optional<std::string> text;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        problem = "is not a regular file";
    } else if (static_cast<std::size_t>(info.st_size) > kMaxFileSize) {
        problem = "is larger than any recent-file list";
    } else {
        text.emplace();
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 || text->size() + static_cast<std::size_t>(n) > kMaxFileSize) {
                problem = n < 0 ? "cannot be read" : "is larger than any recent-file list";
                text.reset();
                break;
            }
            if (n == 0)
                break;
            text->append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return text;
}

}  // namespace

wxString FilePath()
{
    wxString base;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/') {
        base = wxString::FromUTF8(xdg);
    } else {
        const char* home = std::getenv("HOME");
        base = wxString::FromUTF8(home ? home : "") + "/.config";
    }
    return base + "/" + kKey + "/" + kApplication + ".conf";
}

std::vector<std::string> LoadRecentFiles(std::string* problem)
{
    std::string why;
    std::vector<std::string> files;
    if (const auto text = ReadSmallFile(FilePath().ToStdString(wxConvUTF8), why)) {
        if (const auto entries = Parse(*text)) {
            for (const auto& entry : *entries)
                if (entry && !entry->empty())
                    files.push_back(*entry);
        } else {
            why = "is damaged";
        }
    }
    if (problem)
        *problem = why;
    return files;
}

bool SaveRecentFiles(const std::vector<std::string>& files)
{
    namespace fs = std::filesystem;
    const fs::path path(FilePath().ToStdString(wxConvUTF8));
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (error)
        return false;
    // Private, like any user's list of files; a folder, FIFO or device in
    // the file's place is not ours to replace.
    OutputOptions options;
    options.mode = 0600;
    options.regularFileOnly = true;
    try {
        WriteWholeFile(path, Format(files), options);
    } catch (const OutputError&) {
        return false;
    }
    return true;
}

}  // namespace settings
