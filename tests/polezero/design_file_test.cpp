// The design file: what is written reads back the same, what no design is
// gets one line saying why, and files that cannot be read are told apart
// from files that are no design. The coefficients as Octave text.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include "polezero/design_file.h"
#include "polezero/octave_text.h"

namespace {

using polezero::Marker;
using polezero::MarkerKind;
using polezero::ParseDesignFile;

constexpr MarkerKind Z = MarkerKind::Zero;
constexpr MarkerKind P = MarkerKind::Pole;

std::vector<Marker> Parsed(const std::string& text)
{
    auto result = ParseDesignFile(text);
    if (auto* reason = std::get_if<std::string>(&result)) {
        ADD_FAILURE() << text << ": " << *reason;
        return {};
    }
    return std::get<std::vector<Marker>>(result);
}

std::string Refusal(const std::string& text)
{
    auto result = ParseDesignFile(text);
    if (!std::holds_alternative<std::string>(result)) {
        ADD_FAILURE() << "accepted: " << text.substr(0, 200);
        return {};
    }
    return std::get<std::string>(result);
}

std::string Marker1(const std::string& body)
{
    return R"({"vorlenDesign": 1, "markers": [)" + body + "]}";
}

}  // namespace

TEST(DesignFile, WhatIsWrittenReadsBackInOrder)
{
    const std::vector<Marker> design = {
        {Z, {16, 16}}, {P, {246, 241}}, {Z, {130, 130}}, {P, {16, 16}}, {Z, {200, 100}}};
    const std::string text = polezero::DesignFileText(design);
    EXPECT_EQ(design, Parsed(text));
    EXPECT_EQ(std::vector<Marker>{}, Parsed(polezero::DesignFileText({})));
    // One marker a line, for people and for version control.
    EXPECT_NE(std::string::npos,
              text.find("\n    {\"kind\": \"pole\", \"x\": 246, \"y\": 241},\n"));
    EXPECT_EQ('\n', text.back());
}

TEST(DesignFile, UnknownKeysAreIgnoredAnywhere)
{
    EXPECT_EQ((std::vector<Marker>{{P, {100, 120}}}),
              Parsed(R"({"note": "notch", "vorlenDesign": 1, "markers":
                          [{"y": 120, "colour": [1, 2], "kind": "pole", "x": 100}], "extra": {}})"));
}

TEST(DesignFile, AnythingElseIsRefusedWithOneLineSayingWhy)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", "not JSON"},
        {"{\"vorlenDesign\": 1, \"markers\": [}", "not JSON"},
        {Marker1("") + " trailing", "not JSON"},
        {"[1, 2]", "not a JSON object"},
        {R"({"markers": []})", "\"vorlenDesign\" is missing"},
        {R"({"vorlenDesign": 2, "markers": []})", "another version"},
        {R"({"vorlenDesign": 1.0, "markers": []})", "another version"},
        {R"({"vorlenDesign": "1", "markers": []})", "another version"},
        {R"({"vorlenDesign": 1})", "\"markers\" is missing or not a list"},
        {R"({"vorlenDesign": 1, "markers": {}})", "\"markers\" is missing or not a list"},
        {Marker1("7"), "marker 1 is not an object"},
        {Marker1(R"({"kind": "Zero", "x": 100, "y": 100})"), "marker 1: \"kind\""},
        {Marker1(R"({"x": 100, "y": 100})"), "marker 1: \"kind\""},
        {Marker1(R"({"kind": "zero", "x": 100.5, "y": 100})"),
         "marker 1: \"x\" is missing or not an integer"},
        {Marker1(R"({"kind": "zero", "x": 100.0, "y": 100})"),
         "marker 1: \"x\" is missing or not an integer"},
        {Marker1(R"({"kind": "zero", "x": 1e2, "y": 100})"),
         "marker 1: \"x\" is missing or not an integer"},
        {Marker1(R"({"kind": "zero", "x": 100, "y": "100"})"),
         "marker 1: \"y\" is missing or not an integer"},
        {Marker1(R"({"kind": "zero", "x": 100})"), "marker 1: \"y\" is missing or not an integer"},
        {Marker1(R"({"kind": "pole", "x": 100, "y": 100}, {"kind": "zero", "x": 15, "y": 100})"),
         "marker 2: (15, 100) lies outside the design area"},
        {Marker1(R"({"kind": "zero", "x": 100, "y": 242})"), "(100, 242) lies outside"},
        {Marker1(R"({"kind": "zero", "x": 4294967396, "y": 100})"),
         "(4294967396, 100) lies outside"},
        {Marker1(R"({"kind": "zero", "x": 100, "y": 4294967426})"),
         "(100, 4294967426) lies outside"},
        {Marker1(R"({"kind": "zero", "x": 100, "y": -9223372036854775808})"), "lies outside"},
        {Marker1(R"({"kind": "zero", "x": 100, "y": 18446744073709551615})"),
         "(100, 9223372036854775807) lies outside"},
    };
    for (const auto& [text, reason] : cases) {
        const std::string refusal = Refusal(text);
        EXPECT_NE(std::string::npos, refusal.find(reason)) << text << "\n  gave: " << refusal;
        EXPECT_EQ(std::string::npos, refusal.find('\n')) << text;
    }
}

TEST(DesignFile, AtMost499OfAKindAndAtMostOneMebibyte)
{
    std::string markers;
    for (int i = 0; i < 499; ++i) {
        markers += R"({"kind": "zero", "x": 100, "y": 100}, {"kind": "pole", "x": 50, "y": 60},)";
    }
    EXPECT_EQ(998u, Parsed(Marker1(markers.substr(0, markers.size() - 1))).size());
    EXPECT_EQ("more than 499 poles (marker 999 is one too many)",
              Refusal(Marker1(markers + R"({"kind": "pole", "x": 50, "y": 60})")));

    // Blanks make a file of 1 MiB exactly, still read; one byte more is not.
    const std::string design = Marker1(R"({"kind": "zero", "x": 100, "y": 100})");
    std::string padded = design + std::string(polezero::kMostDesignFileBytes - design.size(), ' ');
    EXPECT_EQ(1u, Parsed(padded).size());
    EXPECT_EQ("larger than 1 MiB, too large for a design", Refusal(padded + " "));
}

TEST(DesignFile, ReadingTellsAFileThatCannotBeReadFromOneThatIsNoDesign)
{
    char pattern[] = "/tmp/vorlen-design-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    const std::filesystem::path folder = pattern;
    using Status = polezero::DesignFileRead::Status;

    const std::vector<Marker> design = {{P, {120, 80}}};
    std::ofstream(folder / "good.json") << polezero::DesignFileText(design);
    auto read = polezero::ReadDesignFile(folder / "good.json");
    EXPECT_EQ(Status::Loaded, read.status);
    EXPECT_EQ((std::vector<Marker>{{P, {120, 80}}}), read.markers);

    std::ofstream(folder / "bad.json") << "vorlen";
    read = polezero::ReadDesignFile(folder / "bad.json");
    EXPECT_EQ(Status::Refused, read.status);
    EXPECT_EQ("not JSON (error at byte 1)", read.message);

    for (const auto& path : {folder / "missing.json", folder}) {
        read = polezero::ReadDesignFile(path);
        EXPECT_EQ(Status::CannotRead, read.status) << path;
        EXPECT_FALSE(read.message.empty());
        EXPECT_TRUE(read.markers.empty());
    }
    // An endless file is read only as far as the limit.
    read = polezero::ReadDesignFile("/dev/zero");
    EXPECT_EQ(Status::Refused, read.status);
    std::filesystem::remove_all(folder);
}

TEST(OctaveText, CoefficientsPasteIntoOctaveAsTheyAre)
{
    polezero::FilterAnalysis analysis;
    analysis.b = {{1.0, 0.0}, {-1.5, 0.0}, {0.81, 0.0}};
    analysis.a = {{1.0, 0.0}, {-0.25, 0.5}, {0.1, -2.0}, {1e300 * 1e300, 0.0}};
    analysis.gain = 0.0123;
    EXPECT_EQ(
        "b = [1 -1.5 0.81];\n"
        "a = [1 -0.25+0.5i 0.1-2i Inf];\n"
        "g = 0.0123;\n",
        polezero::OctaveCoefficients(analysis));
}
