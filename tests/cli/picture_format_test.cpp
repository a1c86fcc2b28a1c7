// vorlen-render's SVG, PDF and scaled PNG: rasterised by librsvg and
// poppler they land on the exact picture's pixels, their text is text,
// their pages have the picture's size, and --scale draws sharp.
#include "tests/cli/picture_checks.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <variant>

#include "cli/render_commands.h"
#include "cli/render_dump.h"
#include "cli/render_options.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "picture/vector_picture.h"
#include "tests/support/test_tools.h"
#include "views/analysis_views.h"

using namespace cli_test;

namespace {

// The command drawn by the core for the workspace the options leave, both
// as the exact raster and as shapes.
Drawn DrawCommand(const std::string& name, int width, int height)
{
    RenderOptions defaults;
    ResetWorkspace();
    ApplyToWorkspace(defaults);
    Raster raster(width, height, kBackground);
    {
        Surface surface(raster, TestFont());
        DumpJson dump = NewDump();
        FindRenderCommand(name)->draw(surface, dump);
    }
    ResetWorkspace();
    ApplyToWorkspace(defaults);
    VectorRecorder recorder(width, height, TestFont());
    Surface surface(recorder);
    DumpJson dump = NewDump();
    FindRenderCommand(name)->draw(surface, dump);
    return Drawn{std::move(raster), recorder.Picture()};
}

}  // namespace

TEST_F(PictureFormatTest, SvgAndPdfRasterisedLandOnTheExactPicture)
{
    const Drawn drawn = DrawCommand("dft", 800, 600);
    ASSERT_EQ(0, Run({"dft", "-o", In("dft.svg")}).status);
    ASSERT_EQ(0, Run({"dft", "-o", In("dft.pdf")}).status);
    Tool("rsvg-convert -o " + In("svg.png") + " " + In("dft.svg"));
    Tool("pdftocairo -r 96 -png -singlefile " + In("dft.pdf") + " " + In("pdf"));
    for (const char* name : {"svg.png", "pdf.png"}) {
        SCOPED_TRACE(name);
        const auto shown = ReadPng(In(name));
        ASSERT_TRUE(shown.has_value());
        ExpectLandsOnTheRaster(*shown, drawn);
    }
}

TEST_F(PictureFormatTest, TextIsTextAndThePageIsThePictureSize)
{
    const std::vector<std::string> titles = {"Signal u vremenskom domenu x(n):",
                                             "Amplitudska karakteristika | X(k) | :"};
    ASSERT_EQ(0, Run({"dft", "-o", In("a.svg")}).status);
    ASSERT_EQ(0, Run({"dft", "-o", In("a.pdf")}).status);
    ASSERT_EQ(0, Run({"dft", "-o", In("b.svg"), "--size", "1000x300"}).status);
    ASSERT_EQ(0, Run({"dft", "-o", In("b.pdf"), "--size", "1000x300"}).status);

    const std::string svg = ReadFile(In("a.svg"));
    EXPECT_NE(std::string::npos,
              svg.find("width=\"800px\" height=\"600px\" viewBox=\"0 0 800 600\""));
    EXPECT_NE(std::string::npos, svg.find("font-family=\"'DejaVu Sans Mono', monospace\""));
    for (const std::string& title : titles) {
        EXPECT_NE(std::string::npos, svg.find("\">" + title + "</text>")) << title;
    }
    EXPECT_NE(std::string::npos, ReadFile(In("b.svg")).find("width=\"1000px\" height=\"300px\""));

    const std::string text = Tool("pdftotext " + In("a.pdf") + " -");
    for (const std::string& title : titles) {
        EXPECT_NE(std::string::npos, text.find(title)) << text;
    }
    EXPECT_NE(std::string::npos, Tool("pdffonts " + In("a.pdf")).find("DejaVuSansMono"));
    EXPECT_NE(std::string::npos,
              Tool("pdfinfo " + In("a.pdf")).find("Page size:       600 x 450 pts"));
    EXPECT_NE(std::string::npos,
              Tool("pdfinfo " + In("b.pdf")).find("Page size:       750 x 225 pts"));

    // The same picture is the same bytes: no date or other changing detail.
    EXPECT_EQ(std::string::npos, ReadFile(In("a.pdf")).find("/CreationDate"));
    ASSERT_EQ(0, Run({"dft", "-o", In("c.pdf")}).status);
    EXPECT_EQ(ReadFile(In("a.pdf")), ReadFile(In("c.pdf")));
}

// --scale 2 draws every pixel of the exact picture as a 2 x 2 block, away
// from ellipses and text: the axes and stems are two pixels wide, with no
// grey beside them.
TEST_F(PictureFormatTest, ScaleTwoIsTwiceTheSizeAndSharp)
{
    const Drawn drawn = DrawCommand("dft", 800, 600);
    ASSERT_EQ(0, Run({"dft", "-o", In("x2.png"), "--scale", "2"}).status);
    const auto shown = ReadPng(In("x2.png"));
    ASSERT_TRUE(shown.has_value());
    ASSERT_EQ(1600, shown->width);
    ASSERT_EQ(1200, shown->height);
    EXPECT_TRUE(ScaledInBlocks(drawn.raster, drawn.shapes, RasterOf(*shown), 2));
    const std::vector<Box> ellipses = BoxesOf(drawn.shapes, true);
    // The horizontal axis of x(n) at row 150: rows 300 and 301 blue from
    // x = 61 on (the stems cross it in black), rows 299 and 302 free of blue.
    for (int x = 2 * 61; x < 2 * 640; ++x) {
        if (InAny(ellipses, x / 2, 150)) {
            continue;
        }
        for (const int y : {300, 301}) {
            const Rgb c = At(*shown, x, y);
            ASSERT_TRUE(c == kBlue || c == kBlack) << "(" << x << ", " << y << ")";
        }
        ASSERT_FALSE(At(*shown, x, 299) == kBlue);
        ASSERT_FALSE(At(*shown, x, 302) == kBlue);
    }

    // --scale 1 is the exact picture, byte for byte.
    ASSERT_EQ(0, Run({"dft", "-o", In("x1.png"), "--scale", "1"}).status);
    ASSERT_EQ(0, Run({"dft", "-o", In("plain.png")}).status);
    EXPECT_EQ(ReadFile(In("plain.png")), ReadFile(In("x1.png")));
}

TEST_F(PictureFormatTest, AllWritesEveryPictureInTheFormatWithTheSameDumps)
{
    ASSERT_EQ(0, Run({"all", "--out-dir", In("png"), "--M", "3"}).status);
    ASSERT_EQ(0, Run({"all", "--out-dir", In("svg"), "--M", "3", "--format", "svg"}).status);
    ASSERT_EQ(0, Run({"all", "--out-dir", In("pdf"), "--M", "3", "--format", "PDF"}).status);
    ASSERT_EQ(0, Run({"all", "--out-dir", In("x3"), "--M", "3", "--scale", "3"}).status);
    std::vector<std::string> svgFolder;
    for (const AnalysisView& view : AnalysisViews()) {
        svgFolder.push_back(std::string(view.name) + ".json");
        svgFolder.push_back(std::string(view.name) + ".svg");
    }
    std::sort(svgFolder.begin(), svgFolder.end());
    EXPECT_EQ(svgFolder, Files(m_work / "svg"));
    for (const AnalysisView& view : AnalysisViews()) {
        const std::string name(view.name);
        SCOPED_TRACE(name);
        const std::string dump = ReadFile(m_work / "png" / (name + ".json"));
        ASSERT_FALSE(dump.empty());
        for (const char* folder : {"svg", "pdf", "x3"}) {
            EXPECT_EQ(dump, ReadFile(m_work / folder / (name + ".json"))) << folder;
        }
        // Each picture is the single command's, byte for byte.
        ASSERT_EQ(0, Run({name, "-o", In("one.pdf"), "--M", "3"}).status);
        EXPECT_EQ(ReadFile(In("one.pdf")), ReadFile(m_work / "pdf" / (name + ".pdf")));
        ASSERT_EQ(0, Run({name, "-o", In("one.svg"), "--M", "3"}).status);
        EXPECT_EQ(ReadFile(In("one.svg")), ReadFile(m_work / "svg" / (name + ".svg")));
        const auto big = ReadPng(m_work / "x3" / (name + ".png"));
        ASSERT_TRUE(big.has_value());
        EXPECT_EQ(2400, big->width);
        EXPECT_EQ(1800, big->height);
    }
    EXPECT_EQ(16u, Files(m_work / "pdf").size());
}

TEST_F(PictureFormatTest, TheFormatFollowsTheFileNameInAnyCaseOrTheFormatOption)
{
    ASSERT_EQ(0, Run({"blank", "-o", In("a.SVG")}).status);
    ASSERT_EQ(0, Run({"blank", "-o", In("b.Pdf")}).status);
    ASSERT_EQ(0, Run({"blank", "-o", In("c.picture"), "--format", "svg"}).status);
    ASSERT_EQ(0, Run({"blank", "-o", In("d.svg"), "--format", "svg"}).status);
    ASSERT_EQ(0, Run({"blank", "-o", In("e.jpeg")}).status);  // no known extension: PNG
    EXPECT_EQ(0u, ReadFile(In("a.SVG")).rfind("<?xml", 0));
    EXPECT_EQ(0u, ReadFile(In("b.Pdf")).rfind("%PDF-", 0));
    EXPECT_EQ(ReadFile(In("a.SVG")), ReadFile(In("c.picture")));
    EXPECT_EQ(ReadFile(In("a.SVG")), ReadFile(In("d.svg")));
    EXPECT_TRUE(ReadPng(In("e.jpeg")).has_value());

    // A stream has no name to go by.
    const Outcome outcome = RunBinary("dft --format pdf -o /dev/stdout");
    EXPECT_EQ(0, outcome.status) << outcome.err;
    ASSERT_EQ(0, Run({"dft", "-o", In("dft.pdf")}).status);
    EXPECT_EQ(ReadFile(In("dft.pdf")), outcome.out);
}

TEST_F(PictureFormatTest, BadFormatsAndScalesAreUsageMistakesThatWriteNothing)
{
    const std::string png = In("u.png");
    const std::vector<std::vector<std::string>> cases = {
        {"dft", "-o", png, "--format", "gif"},
        {"dft", "-o", png, "--format", ""},
        {"dft", "-o", In("u.pdf"), "--format", "svg"},
        {"dft", "-o", png, "--format", "pdf"},
        {"dft", "-o", png, "--scale", "0"},
        {"dft", "-o", png, "--scale", "5"},
        {"dft", "-o", png, "--scale", "-1"},
        {"dft", "-o", png, "--scale", "2.0"},
        {"dft", "-o", png, "--scale", " 2"},
        {"dft", "-o", png, "--scale", ""},
        {"dft", "-o", png, "--scale", "99999999999"},
        {"dft", "-o", In("u.svg"), "--scale", "2"},
        {"dft", "-o", png, "--format", "pdf", "--scale", "3"},
        {"dft", "-o", png, "--size", "4097x10", "--scale", "2"},
        {"dft", "-o", png, "--size", "10x2049", "--scale", "4"},
        {"all", "--out-dir", In("d"), "--format", "tiff"},
        {"all", "--out-dir", In("d"), "--scale", "9"},
        {"polezero", "-o", In("u.svg"), "--scale", "2"},
        {"polezero", "-o", png, "--format", "svg"},
        {"polezero", "-o", png, "--scale", "5"},
        {"polezero", "-o", png, "--analysis-picture", In("a.pdf"), "--scale", "0"},
    };
    for (const auto& args : cases) {
        ExpectBadUsage(args);
    }
    // The largest picture that fits, and the exact picture for polezero.
    EXPECT_EQ(0, Run({"blank", "-o", png, "--size", "4096x10", "--scale", "2"}).status);
    EXPECT_EQ(0, Run({"polezero", "-o", png, "--scale", "1", "--format", "png"}).status);
    EXPECT_EQ(0, Run({"polezero", "-o", In("u.PDF")}).status);
}
