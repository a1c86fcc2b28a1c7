// vorlen-render polezero and its analysis picture as SVG, PDF and scaled
// PNG: rasterised, the vector files land on the exact pictures' pixels, the
// pages have the pictures' sizes, the analysis's text is text, --scale is
// the dialog at that desktop scale, and the dump never changes.
#include "tests/cli/picture_checks.h"

#include <vector>

#include "picture/surface.h"
#include "polezero/analysis_picture.h"
#include "polezero/session.h"
#include "tests/support/test_tools.h"

using polezero::PixelPoint;

using namespace cli_test;

namespace {

using Kind = polezero::DesignerEvent::Kind;

// A notch, a zero far outside the circle and a pole near the canvas's
// corner, then Reset (the circle and axes drawn over the picture, the outer
// markers left) and one more press.
constexpr const char* kScript =
    "press 130,70; press 130,190; press 30,40; poles; press 130,76; press 130,184; "
    "press 240,236; reset; zeros; press 170,110";
const std::vector<polezero::DesignerEvent> kEvents = {
    {Kind::Press, 130, 70}, {Kind::Press, 130, 190}, {Kind::Press, 30, 40},   {Kind::Poles},
    {Kind::Press, 130, 76}, {Kind::Press, 130, 184}, {Kind::Press, 240, 236}, {Kind::Reset},
    {Kind::Zeros},          {Kind::Press, 170, 110}};

// The same events on a session of the core at `scale`, recording its shapes
// at scale 1.
polezero::DesignerSession Session(int scale)
{
    ResetWorkspace();
    polezero::DesignerSession session(
        {.tools = &TestTools().Tools(), .scale = scale, .recordShapes = scale == 1});
    for (const auto& event : kEvents) {
        session.Apply(event);
    }
    return session;
}

// The notch's analysis, both ways.
Drawn AnalysisPicture()
{
    const std::vector<PixelPoint> zeros = {{130, 70}, {130, 190}};
    const std::vector<PixelPoint> poles = {{130, 76}, {130, 184}};
    Raster raster(polezero::kAnalysisPictureWidth, polezero::kAnalysisPictureHeight, kWhite);
    Surface exact(raster, TestFont());
    polezero::DrawDesignAnalysis(exact, zeros, poles);
    VectorRecorder recorder(polezero::kAnalysisPictureWidth, polezero::kAnalysisPictureHeight,
                            TestFont());
    Surface shapes(recorder);
    polezero::DrawDesignAnalysis(shapes, zeros, poles);
    return Drawn{std::move(raster), recorder.Picture()};
}

}  // namespace

TEST_F(PictureFormatTest, DesignerSvgAndPdfLandOnTheDialogsPixelsWithTheSameDump)
{
    polezero::DesignerSession session = Session(1);
    const Drawn drawn{session.ClientArea(), *session.RecordedShapes()};
    for (const char* name : {"pz.png", "pz.svg", "pz.pdf"}) {
        const Outcome outcome = Run({"polezero", "--events", kScript, "-o", In(name), "--dump",
                                     In(std::string(name) + ".json")});
        ASSERT_EQ(0, outcome.status) << name << ": " << outcome.err;
    }
    const std::string dump = ReadFile(In("pz.png.json"));
    EXPECT_NE(std::string::npos, dump.find("\"zeros\""));
    EXPECT_EQ(dump, ReadFile(In("pz.svg.json")));
    EXPECT_EQ(dump, ReadFile(In("pz.pdf.json")));

    // 750 x 518 CSS pixels: 562.5 x 388.5 points.
    EXPECT_NE(
        std::string::npos,
        ReadFile(In("pz.svg")).find("width=\"750px\" height=\"518px\" viewBox=\"0 0 750 518\""));
    EXPECT_NE(std::string::npos,
              Tool("pdfinfo " + In("pz.pdf")).find("Page size:       562.5 x 388.5 pts"));

    Tool("rsvg-convert -o " + In("svg.png") + " " + In("pz.svg"));
    Tool("pdftocairo -r 96 -png -singlefile " + In("pz.pdf") + " " + In("pdf"));
    for (const char* name : {"svg.png", "pdf.png"}) {
        SCOPED_TRACE(name);
        const auto shown = ReadPng(In(name));
        ASSERT_TRUE(shown.has_value());
        ExpectLandsOnTheRaster(*shown, drawn);
    }
}

// --scale N replays the events on the dialog at a desktop scale of N (the
// window at GDK_SCALE=2 shows the same pixels), each event drawn over what
// the last left.
TEST_F(PictureFormatTest, DesignerAtScaleIsTheDialogAtThatDesktopScale)
{
    ASSERT_EQ(0, Run({"polezero", "--events", kScript, "-o", In("x2.png"), "--scale", "2"}).status);
    const auto x2 = ReadPng(In("x2.png"));
    ASSERT_TRUE(x2.has_value());
    EXPECT_EQ(1500, x2->width);
    EXPECT_EQ(1036, x2->height);
    EXPECT_TRUE(std::ranges::equal(Session(2).ClientArea().Bytes(), x2->rgb));
}

TEST_F(PictureFormatTest, AnalysisPictureTakesItsFormatFromItsNameAndTheScale)
{
    const std::vector<std::string> notch = {"polezero", "--zero", "130,70", "--zero", "130,190",
                                            "--pole",   "130,76", "--pole", "130,184"};
    auto run = [&](std::vector<std::string> more) {
        std::vector<std::string> args = notch;
        args.insert(args.end(), more.begin(), more.end());
        const Outcome outcome = Run(args);
        EXPECT_EQ(0, outcome.status) << outcome.err;
    };
    run({"-o", In("pz.png"), "--analysis-picture", In("a.svg")});
    run({"-o", In("pz.png"), "--analysis-picture", In("a.PDF")});
    run({"-o", In("pz.png"), "--analysis-picture", In("a2.png"), "--scale", "2"});
    // The picture's format and scale are -o's; the analysis's name decides.
    run({"-o", In("pz.svg"), "--analysis-picture", In("a1.png")});
    run({"-o", In("pz2.png"), "--scale", "2", "--analysis-picture", In("b.pdf")});
    run({"-o", In("pz.pdf"), "--analysis-picture", In("c.picture")});

    const Drawn drawn = AnalysisPicture();
    const auto exact = ReadPng(In("a1.png"));
    ASSERT_TRUE(exact.has_value());
    EXPECT_EQ(800, exact->width);
    EXPECT_TRUE(std::ranges::equal(drawn.raster.Bytes(), exact->rgb));
    const auto other = ReadPng(In("c.picture"));
    ASSERT_TRUE(other.has_value());
    EXPECT_EQ(exact->rgb, other->rgb);
    EXPECT_EQ(ReadFile(In("a.PDF")), ReadFile(In("b.pdf")));

    const auto x2 = ReadPng(In("a2.png"));
    ASSERT_TRUE(x2.has_value());
    EXPECT_TRUE(ScaledInBlocks(drawn.raster, drawn.shapes, RasterOf(*x2), 2));

    Tool("rsvg-convert -o " + In("svg.png") + " " + In("a.svg"));
    Tool("pdftocairo -r 96 -png -singlefile " + In("a.PDF") + " " + In("pdf"));
    for (const char* name : {"svg.png", "pdf.png"}) {
        SCOPED_TRACE(name);
        const auto shown = ReadPng(In(name));
        ASSERT_TRUE(shown.has_value());
        // A panel of text: lines of every character, some shifted more by
        // the hinting than the analyses' titles are.
        ExpectLandsOnTheRaster(*shown, drawn, Landing{.textShift = 1.5, .comparedShare = 0.85});
    }

    const std::string svg = ReadFile(In("a.svg"));
    EXPECT_NE(std::string::npos, svg.find("width=\"800px\" height=\"600px\""));
    EXPECT_NE(std::string::npos,
              Tool("pdfinfo " + In("a.PDF")).find("Page size:       600 x 450 pts"));
    const std::string text = Tool("pdftotext " + In("a.PDF") + " -");
    for (const std::string line : {"Amplituda [dB]", "H(z) = g B(z) / A(z)", "stabilan: da"}) {
        EXPECT_NE(std::string::npos, svg.find("\">" + line + "</text>")) << line;
        EXPECT_NE(std::string::npos, text.find(line)) << line;
    }
}
