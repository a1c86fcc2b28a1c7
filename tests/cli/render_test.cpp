// vorlen-render's analysis commands: pictures, dumps, usage and failures.
#include "tests/cli/cli_support.h"

#include <cmath>
#include <limits>

#include "cli/render_dump.h"
#include "dsp/signals.h"
#include "picture/raster.h"
#include "tests/support/test_tools.h"
#include "views/analysis_views.h"
#include "views/dft_view.h"

using namespace cli_test;

namespace {

class RenderTest : public CliTest {};

}  // namespace

TEST_F(RenderTest, BlankIsThePlotAreaBackgroundAtTheRequestedSize)
{
    const Outcome outcome = Run({"blank", "--size", "37x21", "-o", In("b.png")});
    EXPECT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ("", outcome.err);
    EXPECT_EQ(std::vector<std::string>{"b.png"}, Files());  // no temporary file left

    const auto picture = ReadPng(In("b.png"));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(37, picture->width);
    EXPECT_EQ(21, picture->height);
    for (std::size_t i = 0; i < picture->rgb.size(); i += 3) {
        ASSERT_EQ(kBackground, (Rgb{picture->rgb[i], picture->rgb[i + 1], picture->rgb[i + 2]}))
            << "pixel " << i / 3;
    }
}

TEST_F(RenderTest, TheExecutableDrawsAnswersHelpAndVersionAndReportsErrors)
{
    Outcome outcome = RunBinary("blank -o " + In("b.png"));
    EXPECT_EQ(0, outcome.status) << outcome.err;
    const auto picture = ReadPng(In("b.png"));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(800, picture->width);
    EXPECT_EQ(600, picture->height);

    outcome = RunBinary("--help");
    EXPECT_EQ(0, outcome.status);
    for (const char* word : {"COMMAND", "blank", "--output", "--size", "--signal", "three-cosines",
                             "--a", "--df", "--fg", "--M", "--L", "--dump", "--version"}) {
        EXPECT_NE(std::string::npos, outcome.out.find(word)) << word;
    }
    outcome = RunBinary("--version");
    EXPECT_EQ(0, outcome.status);
    EXPECT_EQ("vorlen-render " VORLEN_VERSION "\n", outcome.out);

    outcome = RunBinary("spectrogram -o " + In("p.png"));
    EXPECT_EQ(2, outcome.status);
    EXPECT_TRUE(IsOneLine(outcome.err)) << outcome.err;
    EXPECT_EQ(std::vector<std::string>{"b.png"}, Files());
}

TEST_F(RenderTest, UsageMistakesAreOneLineWithStatus2AndWriteNothing)
{
    const std::string png = In("u.png");
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"-o", png},
        {"blank"},
        {"DFT", "-o", png},
        {"blank", "extra", "-o", png},
        {"--bogus", "blank", "-o", png},
        {"blank", "-o", png, "--size", "0x5"},
        {"blank", "-o", png, "--size", "80"},
        {"blank", "-o", png, "--size", "axb"},
        {"blank", "-o", png, "--size", "-1x5"},
        {"blank", "-o", png, "--size", "+5x5"},
        {"blank", "-o", png, "--size", " 5x5"},
        {"blank", "-o", png, "--size", "5x5x5"},
        {"blank", "-o", png, "--size", "8193x1"},
        {"blank", "-o", png, "--size", "99999999999x1"},
        {"blank", "-o", png, "--signal", "sine"},
        {"blank", "-o", png, "--a"},
        {"blank", "-o", ""},
        {"blank", "-o", png, "--dump", In("./u.png")},
    };
    for (const auto& args : cases) {
        ExpectBadUsage(args);
    }
    ASSERT_TRUE(ParsePictureSize("8192x8192").has_value());
    EXPECT_EQ(1, ParsePictureSize("1x1")->width);
}

TEST_F(RenderTest, AnOutputThatCannotBeWrittenGivesStatus1AndLeavesNothing)
{
    fs::create_directory(m_work / "folder");
    std::ofstream(m_work / "file.txt") << "text";
    std::ofstream(m_work / "old.png") << "old";
    const std::vector<std::string> before = Files();
    const std::vector<std::vector<std::string>> cases = {
        {"blank", "-o", In("missing/x.png")},
        {"blank", "-o", In("folder")},
        {"blank", "-o", In("file.txt/x.png")},
        {"blank", "-o", In("x.png"), "--dump", In("missing/x.json")},
        {"blank", "-o", In("old.png"), "--dump", In("folder")},
    };
    for (const auto& args : cases) {
        const Outcome outcome = Run(args);
        EXPECT_EQ(1, outcome.status) << args[2];
        EXPECT_TRUE(IsOneLine(outcome.err)) << outcome.err;
        EXPECT_NE(std::string::npos, outcome.err.find("cannot write")) << outcome.err;
        EXPECT_EQ(before, Files()) << args[2];
        EXPECT_TRUE(fs::is_empty(m_work / "folder"));
    }
    EXPECT_EQ("old", ReadFile(m_work / "old.png"));  // untouched when its dump failed
}

TEST_F(RenderTest, DumpHoldsTheParametersAsTheFieldsStoreThem)
{
    const Outcome outcome = Run({"blank", "-o", In("d.png"), "--dump", In("d.json"), "--a", "-0.5",
                                 "--df", "0", "--fg=1e999", "--M", "20", "--L", "x"});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ(0.035f, g_transitionWidth);
    EXPECT_EQ(0, g_interpolationFactor);

    const std::string text = ReadFile(In("d.json"));
    const auto json = nlohmann::json::parse(text);
    ASSERT_TRUE(json.is_object());
    EXPECT_EQ(2u, json.size());  // a blank picture designs no filter: no "filterTaps"
    EXPECT_LT(text.find("\"params\""), text.find("\"plots\""));
    EXPECT_EQ(nlohmann::json::array(), json["plots"]);
    const auto& params = json["params"];
    EXPECT_EQ(6u, params.size());
    EXPECT_EQ(-0.5f, params["a"].get<float>());
    EXPECT_EQ(0.035f, params["df"].get<float>());
    EXPECT_EQ(3.14159274f, params["fg"].get<float>());
    EXPECT_EQ(15, params["M"].get<int>());
    EXPECT_EQ(0, params["L"].get<int>());
    EXPECT_EQ(10, params["filterLength"].get<int>());
    // Shortest text that reads back to the float, not the float widened to double.
    EXPECT_NE(std::string::npos, text.find("\"df\": 0.035,")) << text;

    DumpJson values = DumpJson::array();
    values.push_back(std::numeric_limits<float>::infinity());
    values.push_back(std::nanf(""));
    values.push_back(0.1f);
    EXPECT_EQ("[null,null,0.1]", values.dump());
}

namespace {

// The same picture drawn by the core on a fresh raster, as the main window
// would show it for the current workspace.
Raster CoreDrawing(AnalysisViewFunction view, int width, int height, ViewRecord& record)
{
    Raster raster(width, height, kBackground);
    Surface surface(raster, TestFont());
    view(surface, ViewOptions{&record});
    return raster;
}

bool SameFloat(const nlohmann::json& value, float expected)
{
    if (!std::isfinite(expected)) {
        return value.is_null();
    }
    return value.is_number() && value.get<float>() == expected;
}

}  // namespace

TEST_F(RenderTest, EveryAnalysisCommandDrawsTheCorePictureAndDumpsItsNumbers)
{
    const std::vector<std::string> options = {"--signal", "cosine", "--a", "2.5", "--df", "0.2",
                                              "--fg",     "1",      "--M", "3",   "--L",  "4"};
    for (const AnalysisView& view : AnalysisViews()) {
        const std::string name(view.name);
        SCOPED_TRACE(name);
        std::vector<std::string> args = {
            name, "-o", In(name + ".png"), "--dump", In(name + ".json"), "--size", "900x620"};
        args.insert(args.end(), options.begin(), options.end());
        const Outcome outcome = Run(args);
        ASSERT_EQ(0, outcome.status) << outcome.err;

        // The workspace as the run left it (a, df, fg, M, L, x) draws the
        // same picture and the same numbers in the core.
        ViewRecord record;
        const Raster expected = CoreDrawing(view.draw, 900, 620, record);
        const auto picture = ReadPng(In(name + ".png"));
        ASSERT_TRUE(picture.has_value());
        ASSERT_EQ(900, picture->width);
        ASSERT_TRUE(std::equal(picture->rgb.begin(), picture->rgb.end(), expected.Bytes().begin()));

        const auto json = nlohmann::json::parse(ReadFile(In(name + ".json")));
        EXPECT_EQ(2.5f, json["params"]["a"].get<float>());
        EXPECT_EQ(4, json["params"]["L"].get<int>());
        EXPECT_EQ(g_filterLength, json["params"]["filterLength"].get<int>());
        const auto& plots = json["plots"];
        ASSERT_EQ(record.plots.size(), plots.size());
        for (std::size_t p = 0; p < plots.size(); ++p) {
            const PlotRecord& plot = record.plots[p];
            EXPECT_EQ(plot.title, plots[p]["title"].get<std::string>());
            EXPECT_EQ(plot.baseline, plots[p]["baseline"].get<int>());
            EXPECT_EQ(plot.count, plots[p]["count"].get<int>());
            EXPECT_TRUE(SameFloat(plots[p]["peak"], plot.peak));
            ASSERT_EQ(static_cast<std::size_t>(plot.count), plots[p]["values"].size());
            for (std::size_t i = 0; i < plot.values.size(); ++i) {
                ASSERT_TRUE(SameFloat(plots[p]["values"][i], plot.values[i])) << p << ":" << i;
            }
        }
        // Taps only from a command that designed a filter: all but the DFT.
        EXPECT_EQ(name != "dft", json.contains("filterTaps"));
        if (json.contains("filterTaps")) {
            ASSERT_EQ(100u, json["filterTaps"].size());
            for (std::size_t i = 0; i < 100; ++i) {
                EXPECT_EQ(g_filterTaps[i], json["filterTaps"][i].get<float>()) << i;
            }
            EXPECT_EQ(0.0f, json["filterTaps"][99].get<float>());  // past c(n)
        }
    }
    std::string help = Run({"--help"}).out;
    for (const AnalysisView& view : AnalysisViews()) {
        EXPECT_NE(std::string::npos, help.find(std::string(view.name))) << view.name;
    }
}

TEST_F(RenderTest, SignalOptionFillsXAsTheGeneratorDialogWould)
{
    ASSERT_EQ(0, Run({"dft", "-o", In("d.png"), "--signal", "none"}).status);
    EXPECT_TRUE(
        std::all_of(g_inputSignal.begin(), g_inputSignal.end(), [](float v) { return v == 0.0f; }));

    // The default: three cosines for a = 0.5, x(0) = 3.
    ASSERT_EQ(0, Run({"dft", "-o", In("d.png"), "--dump", In("d.json")}).status);
    auto json = nlohmann::json::parse(ReadFile(In("d.json")));
    EXPECT_EQ(3.0f, json["plots"][0]["peak"].get<float>());
    EXPECT_EQ(50.0f, json["plots"][1]["peak"].get<float>());

    // One period per 50 samples for a = 1.
    ASSERT_EQ(0, Run({"dft", "-o", In("d.png"), "--signal", "cosine", "--a", "1"}).status);
    EXPECT_NEAR(-1.0f, g_inputSignal[25], 1e-6f);
    EXPECT_NEAR(1.0f, g_inputSignal[50], 1e-6f);

    // a = 3 makes the exponential overflow: the picture completes and the
    // dump holds the infinities as null.
    ASSERT_EQ(0, Run({"dft", "-o", In("d.png"), "--dump", In("d.json"), "--signal", "exponential",
                      "--a", "3"})
                     .status);
    json = nlohmann::json::parse(ReadFile(In("d.json")));
    EXPECT_TRUE(json["plots"][0]["peak"].is_null());
    EXPECT_TRUE(json["plots"][0]["values"][99].is_null());
    EXPECT_EQ(3.0f, json["plots"][0]["values"][0].get<float>());
}
