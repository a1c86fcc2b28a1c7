#include "polezero/design_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#include <nlohmann/json.hpp>

#include "polezero/geometry.h"

namespace polezero {

namespace {

using Json = nlohmann::json;

constexpr int kVersion = 1;
constexpr const char* kVersionKey = "vorlenDesign";

const char* KindName(MarkerKind kind)
{
    return kind == MarkerKind::Zero ? "zero" : "pole";
}

// A JSON integer as a 64-bit value (larger ones as the largest): what the
// range check needs. Numbers written with a fraction or an exponent are no
// integers, whatever their value.
std::optional<std::int64_t> IntegerOf(const Json& value)
{
    if (value.is_number_unsigned()) {
        const auto u = value.get<std::uint64_t>();
        constexpr auto largest =
            static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
        return static_cast<std::int64_t>(u > largest ? largest : u);
    }
    if (value.is_number_integer()) {
        return value.get<std::int64_t>();
    }
    return std::nullopt;
}

std::string MarkerPrefix(std::size_t index)
{
    return "marker " + std::to_string(index + 1);
}

// One marker, or why it is refused.
std::variant<Marker, std::string> ReadMarker(const Json& item, std::size_t index)
{
    if (!item.is_object()) {
        return MarkerPrefix(index) + " is not an object";
    }
    const auto kind = item.find("kind");
    if (kind == item.end() || !kind->is_string() ||
        (*kind != KindName(MarkerKind::Zero) && *kind != KindName(MarkerKind::Pole))) {
        return MarkerPrefix(index) + ": \"kind\" is not \"zero\" or \"pole\"";
    }
    std::int64_t coordinates[2] = {};
    const char* names[2] = {"x", "y"};
    for (int i = 0; i < 2; ++i) {
        const auto found = item.find(names[i]);
        const auto value = found == item.end() ? std::nullopt : IntegerOf(*found);
        if (!value) {
            return MarkerPrefix(index) + ": \"" + names[i] + "\" is missing or not an integer";
        }
        coordinates[i] = *value;
    }
    const auto [x, y] = coordinates;
    if (!InDesignArea(x, y)) {
        return MarkerPrefix(index) + ": (" + std::to_string(x) + ", " + std::to_string(y) +
               ") lies outside the design area (x " + std::to_string(kDesignLeft) + " to " +
               std::to_string(kDesignRight) + ", y " + std::to_string(kDesignTop) + " to " +
               std::to_string(kDesignBottom) + ")";
    }
    const MarkerKind markerKind =
        *kind == KindName(MarkerKind::Zero) ? MarkerKind::Zero : MarkerKind::Pole;
    return Marker{markerKind,
                  PixelPoint{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)}};
}

}  // namespace

std::string DesignFileText(std::span<const Marker> markers)
{
    std::string text = "{\n  \"" + std::string(kVersionKey) + "\": " + std::to_string(kVersion) +
                       ",\n  \"markers\": [";
    for (std::size_t i = 0; i < markers.size(); ++i) {
        text += i == 0 ? "\n" : ",\n";
        text += "    {\"kind\": \"" + std::string(KindName(markers[i].kind)) +
                "\", \"x\": " + std::to_string(markers[i].at.x) +
                ", \"y\": " + std::to_string(markers[i].at.y) + "}";
    }
    text += markers.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return text;
}

std::variant<std::vector<Marker>, std::string> ParseDesignFile(std::string_view text)
{
    if (text.size() > kMostDesignFileBytes) {
        return "larger than 1 MiB, too large for a design";
    }
    Json json;
    try {
        json = Json::parse(text);
    } catch (const Json::exception& error) {
        // Where, not nlohmann's own text: that quotes the input.
        if (const auto* parse = dynamic_cast<const Json::parse_error*>(&error)) {
            return "not JSON (error at byte " + std::to_string(parse->byte) + ")";
        }
        return "not JSON";
    }
    if (!json.is_object()) {
        return "not a design: the text is not a JSON object";
    }
    const auto version = json.find(kVersionKey);
    if (version == json.end()) {
        return "not a design: \"" + std::string(kVersionKey) + "\" is missing";
    }
    if (IntegerOf(*version) != kVersion) {
        return "\"" + std::string(kVersionKey) + "\" is not " + std::to_string(kVersion) +
               ": a design of another version";
    }
    const auto list = json.find("markers");
    if (list == json.end() || !list->is_array()) {
        return "\"markers\" is missing or not a list";
    }
    std::vector<Marker> markers;
    int counts[2] = {0, 0};
    for (std::size_t i = 0; i < list->size(); ++i) {
        auto marker = ReadMarker((*list)[i], i);
        if (auto* reason = std::get_if<std::string>(&marker)) {
            return std::move(*reason);
        }
        const Marker read = std::get<Marker>(marker);
        if (++counts[read.kind == MarkerKind::Zero ? 0 : 1] > kMostMarkersOfAKind) {
            return "more than " + std::to_string(kMostMarkersOfAKind) + " " + KindName(read.kind) +
                   "s (" + MarkerPrefix(i) + " is one too many)";
        }
        markers.push_back(read);
    }
    return markers;
}

DesignFileRead ReadDesignFile(const std::filesystem::path& path)
{
    DesignFileRead result;
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               std::fclose);
    if (!file) {
        result.message = std::strerror(errno);
        return result;
    }
    // One byte more than allowed tells a file that is too large.
    std::string text(kMostDesignFileBytes + 1, '\0');
    const std::size_t read = std::fread(text.data(), 1, text.size(), file.get());
    if (std::ferror(file.get())) {
        result.message = std::strerror(errno);
        return result;
    }
    text.resize(read);
    auto parsed = ParseDesignFile(text);
    if (auto* reason = std::get_if<std::string>(&parsed)) {
        result.status = DesignFileRead::Status::Refused;
        result.message = std::move(*reason);
        return result;
    }
    result.status = DesignFileRead::Status::Loaded;
    result.markers = std::move(std::get<std::vector<Marker>>(parsed));
    return result;
}

}  // namespace polezero
