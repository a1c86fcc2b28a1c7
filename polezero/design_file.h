// The design file: a design's markers as JSON text, and back.
//
//   {"vorlenDesign": 1,
//    "markers": [{"kind": "zero" | "pole", "x": int, "y": int}, ...]}
//
// with the markers in placement order; other keys, anywhere, are ignored.
// A file is at most 1 MiB. Reading refuses anything else with one line that
// says what is wrong, so that the design in use is never half replaced.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "polezero/design.h"

namespace polezero {

inline constexpr std::size_t kMostDesignFileBytes = std::size_t{1} << 20;

// The file's text for these markers: one marker a line, ending in a newline.
std::string DesignFileText(std::span<const Marker> markers);

// The markers of a design file's text, or the reason it is refused (one
// line, no file name): more than 1 MiB; not JSON; not an object with
// "vorlenDesign": 1; no list "markers"; a marker that is not an object with
// "kind" "zero" or "pole" and integers "x" and "y" in the design area; more
// than 499 markers of a kind.
std::variant<std::vector<Marker>, std::string> ParseDesignFile(std::string_view text);

struct DesignFileRead {
    enum class Status {
        Loaded,      // markers holds the design
        CannotRead,  // the file could not be opened or read: message says why
        Refused,     // its text is no design (ParseDesignFile): message says why
    };
    Status status = Status::CannotRead;
    std::vector<Marker> markers;
    std::string message;  // one line, without the file name
};

// Reads and parses a design file, reading no more than 1 MiB and a byte.
DesignFileRead ReadDesignFile(const std::filesystem::path& path);

}  // namespace polezero
