// vorlen-catalogue: a compiled catalogue (.mo, as msgfmt writes it) turned
// into the table the desktop front ends build in, or into the JSON object
// the browser page reads.
//
//   vorlen-catalogue cpp OUT.cpp en=en.mo [...]   a BuiltInCatalogue() source
//   vorlen-catalogue json OUT.json en.mo          {"Serbian id": "translation", ...}
//
// Reading msgfmt's output instead of the .po leaves the .po syntax (escapes,
// continued lines, fuzzy and obsolete entries) to gettext itself.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

std::uint32_t Word(const std::string& data, std::size_t at, bool swapped)
{
    if (at > data.size() || data.size() - at < 4) {
        throw std::runtime_error("the catalogue is cut short");
    }
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const auto byte = static_cast<std::uint8_t>(data[at + static_cast<std::size_t>(i)]);
        value |= static_cast<std::uint32_t>(byte) << (swapped ? 8 * (3 - i) : 8 * i);
    }
    return value;
}

std::string Text(const std::string& data, std::size_t table, std::uint32_t index, bool swapped)
{
    const std::size_t entry = table + 8 * static_cast<std::size_t>(index);
    const std::uint32_t length = Word(data, entry, swapped);
    const std::uint32_t offset = Word(data, entry + 4, swapped);
    if (offset > data.size() || data.size() - offset < length) {
        throw std::runtime_error("a text lies outside the catalogue");
    }
    return data.substr(offset, length);
}

// Every translated message of a .mo file but its header (the empty id).
Entries ReadMo(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof()) {
        throw std::runtime_error("cannot read " + path);
    }
    constexpr std::uint32_t kMagic = 0x950412de;
    bool swapped = false;
    if (Word(data, 0, false) != kMagic) {
        swapped = true;
        if (Word(data, 0, true) != kMagic) {
            throw std::runtime_error(path + " is not a compiled catalogue");
        }
    }
    const std::uint32_t count = Word(data, 8, swapped);
    const std::size_t ids = Word(data, 12, swapped);
    const std::size_t texts = Word(data, 16, swapped);
    Entries entries;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string id = Text(data, ids, i, swapped);
        std::string text = Text(data, texts, i, swapped);
        if (id.empty() || id.find('\0') != std::string::npos) {
            continue;  // the header; plural forms are not used
        }
        entries.emplace_back(std::move(id), std::move(text));
    }
    return entries;
}

// A C++ string literal of any bytes: printable ASCII as it is, the rest as
// three-digit octal escapes (which, unlike \x, end by themselves).
std::string CppLiteral(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20 && byte < 0x7f && c != '?') {
            out += c;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            out += escape;
        }
    }
    return out + "\"";
}

// A JSON string: UTF-8 passed through, quotes, backslashes and control
// characters escaped.
std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[7];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string CppSource(const std::vector<std::pair<std::string, Entries>>& languages)
{
    std::string text =
        "// Made by vorlen-catalogue from po/*.po; do not edit.\n"
        "#include \"language/built_in.h\"\n\nnamespace {\n";
    for (const auto& [code, entries] : languages) {
        text += "\nconstexpr CatalogueEntry k_" + code + "[] = {\n";
        for (const auto& [id, translation] : entries) {
            text += "    {" + CppLiteral(id) + ", " + CppLiteral(translation) + "},\n";
        }
        text += "};\n";
    }
    text +=
        "\n}  // namespace\n\nstd::span<const CatalogueEntry> BuiltInCatalogue(Language "
        "language)\n{\n";
    for (const auto& [code, entries] : languages) {
        text += "    if (LanguageName(language) == \"" + code + "\") {\n        return k_" + code +
                ";\n    }\n";
    }
    return text + "    return {};\n}\n";
}

std::string JsonObject(const Entries& entries)
{
    std::string text = "{";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        text += i == 0 ? "\n  " : ",\n  ";
        text += JsonString(entries[i].first) + ": " + JsonString(entries[i].second);
    }
    return text + "\n}\n";
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool cpp = args.size() >= 3 && args[0] == "cpp";
    const bool json = args.size() == 3 && args[0] == "json";
    if (!cpp && !json) {
        std::fprintf(stderr,
                     "usage: vorlen-catalogue cpp OUT.cpp CODE=FILE.mo...\n"
                     "       vorlen-catalogue json OUT.json FILE.mo\n");
        return 2;
    }
    std::string text;
    try {
        if (json) {
            text = JsonObject(ReadMo(args[2]));
        } else {
            std::vector<std::pair<std::string, Entries>> languages;
            for (std::size_t i = 2; i < args.size(); ++i) {
                const std::size_t equals = args[i].find('=');
                if (equals == std::string::npos || equals == 0) {
                    std::fprintf(stderr, "vorlen-catalogue: '%s' is not CODE=FILE.mo\n",
                                 args[i].c_str());
                    return 2;
                }
                languages.emplace_back(args[i].substr(0, equals),
                                       ReadMo(args[i].substr(equals + 1)));
            }
            text = CppSource(languages);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vorlen-catalogue: %s\n", e.what());
        return 1;
    }
    // Written beside the output and renamed over it: a failed run never
    // leaves half a catalogue for the next build to take as made.
    const std::string partial = args[1] + ".partial";
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out || std::rename(partial.c_str(), args[1].c_str()) != 0) {
        std::remove(partial.c_str());
        std::fprintf(stderr, "vorlen-catalogue: cannot write %s\n", args[1].c_str());
        return 1;
    }
    return 0;
}
