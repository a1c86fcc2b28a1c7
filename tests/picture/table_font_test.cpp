// The glyph table's font against FreeType's over the same font file: the
// metrics, every glyph of the table, what a character outside it draws,
// and the program's pictures drawn with each, pixel for pixel.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dsp/signals.h"
#include "picture/freetype_font.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "picture/table_font.h"
#include "polezero/analysis_picture.h"
#include "polezero/session.h"
#include "tests/support/test_tools.h"
#include "views/analysis_views.h"
#include "views/plot_area.h"
#include "workspace/workspace.h"

namespace {

// The font file the table was made from (VORLEN_GLYPH_FONT_FILE, given by
// the build), read with FreeType.
const FreeTypeFont& FileFont()
{
    static const std::unique_ptr<FreeTypeFont> font =
        FreeTypeFont::FromFile(VORLEN_GLYPH_FONT_FILE);
    return *font;
}

const TableFont& Table()
{
    static const TableFont font;
    return font;
}

void ExpectSameGlyph(char32_t c, const Glyph& expected, const Glyph& actual)
{
    EXPECT_EQ(expected.left, actual.left) << "U+" << std::hex << unsigned{c};
    EXPECT_EQ(expected.top, actual.top) << "U+" << std::hex << unsigned{c};
    EXPECT_EQ(expected.width, actual.width) << "U+" << std::hex << unsigned{c};
    EXPECT_EQ(expected.rows, actual.rows) << "U+" << std::hex << unsigned{c};
    EXPECT_EQ(expected.bits, actual.bits) << "U+" << std::hex << unsigned{c};
}

// The first pixel where two pictures differ, "" where none does.
std::string FirstDifference(const Raster& expected, const Raster& actual)
{
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height())
        return "the sizes differ";
    for (int y = 0; y < expected.Height(); ++y) {
        for (int x = 0; x < expected.Width(); ++x) {
            if (!(expected.Pixel(x, y) == actual.Pixel(x, y)))
                return "pixel " + std::to_string(x) + ", " + std::to_string(y);
        }
    }
    return "";
}

// A character with no glyph in the font: FreeType draws glyph 0 for it.
constexpr char32_t kUnmapped = 0xFFFF;

}  // namespace

TEST(TableFont, IsMadeFromTheDesktopsFontWithItsMetrics)
{
    // The browser draws what the desktop draws only if the build found the
    // same font file as the program does at run time.
    EXPECT_EQ(TestFont().Path(), VORLEN_GLYPH_FONT_FILE);
    const FontMetrics& expected = FileFont().Metrics();
    const FontMetrics& actual = Table().Metrics();
    EXPECT_EQ(expected.family, actual.family);
    EXPECT_EQ(expected.pixelSize, actual.pixelSize);
    EXPECT_EQ(expected.lineHeight, actual.lineHeight);
    EXPECT_EQ(expected.ascent, actual.ascent);
    EXPECT_EQ(expected.advance, actual.advance);
    EXPECT_EQ(expected.outlineAdvance, actual.outlineAdvance);
}

TEST(TableFont, EveryGlyphOfTheTableIsFreeTypes)
{
    const GlyphTable& table = ProgramGlyphTable();
    ASSERT_FALSE(table.glyphs.empty());
    for (const GlyphTableEntry& entry : table.glyphs) {
        ExpectSameGlyph(entry.character, FileFont().GlyphFor(entry.character),
                        Table().GlyphFor(entry.character));
    }
}

TEST(TableFont, HoldsEveryCharacterTheProgramDraws)
{
    // Printable ASCII, the Serbian letters with diacritics, and the
    // Latin-1 characters that a byte which is not UTF-8 is decoded as.
    std::u32string wanted = U"čćžšđČĆŽŠĐ";
    for (char32_t c = 0x20; c < 0x7F; ++c) {
        wanted += c;
    }
    for (char32_t c = 0xA0; c <= 0xFF; ++c) {
        wanted += c;
    }
    for (const char32_t c : wanted) {
        EXPECT_TRUE(Table().Holds(c)) << "U+" << std::hex << unsigned{c};
        ExpectSameGlyph(c, FileFont().GlyphFor(c), Table().GlyphFor(c));
    }
    // Control characters too draw as FreeType draws them, whichever the
    // font has a glyph of: any byte of a text comes out the same.
    for (char32_t c = 0; c <= 0xFF; ++c) {
        ExpectSameGlyph(c, FileFont().GlyphFor(c), Table().GlyphFor(c));
    }
}

TEST(TableFont, OtherCharactersDrawTheMissingGlyph)
{
    const Glyph& missing = FileFont().GlyphFor(kUnmapped);
    ASSERT_GT(missing.width * missing.rows, 0);  // the font's box, not nothing
    // Characters the font lacks draw glyph 0 from both.
    for (const char32_t c : {kUnmapped, char32_t{0x10FFFF}, char32_t{0xD800}}) {
        ASSERT_EQ(0u, FileFont().GlyphIndex(c));
        EXPECT_FALSE(Table().Holds(c));
        ExpectSameGlyph(c, missing, Table().GlyphFor(c));
    }
    // A character the font has but no text of the program uses is left
    // out of the table: it draws the missing glyph, not its own.
    ASSERT_NE(0u, FileFont().GlyphIndex(U'ā'));
    EXPECT_FALSE(Table().Holds(U'ā'));
    ExpectSameGlyph(U'ā', missing, Table().GlyphFor(U'ā'));
}

TEST(TableFont, RefusesADamagedTable)
{
    const GlyphTable& program = ProgramGlyphTable();
    std::vector<GlyphTableEntry> glyphs(program.glyphs.begin(), program.glyphs.end());
    GlyphTable damaged = program;
    damaged.glyphs = glyphs;
    EXPECT_NO_THROW(TableFont{damaged});

    // A glyph reaching one bit past the bits.
    GlyphTableEntry& last = glyphs.back();
    last.rows = 1;
    last.width = 1;
    last.firstBit = static_cast<std::uint32_t>(program.bits.size() * 8);
    EXPECT_THROW(TableFont{damaged}, FontError);
    last = program.glyphs.back();

    // Characters out of order, which the lookup would miss.
    std::swap(glyphs[10], glyphs[11]);
    EXPECT_THROW(TableFont{damaged}, FontError);
    std::swap(glyphs[10], glyphs[11]);

    damaged.missing.firstBit = 0xFFFFFFFFu;
    EXPECT_THROW(TableFont{damaged}, FontError);
}

TEST(TableFontPictures, EveryViewIsDrawnAsWithFreeType)
{
    for (const AnalysisView& view : AnalysisViews()) {
        std::vector<Raster> pictures;
        for (const MonoFont* font :
             {static_cast<const MonoFont*>(&FileFont()), static_cast<const MonoFont*>(&Table())}) {
            ResetWorkspace();
            GenerateThreeCosines();
            Raster raster(kPlotAreaWidth, kPlotAreaHeight, kBackground);
            Surface surface(raster, *font);
            view.draw(surface, {});
            pictures.push_back(raster);
        }
        EXPECT_EQ("", FirstDifference(pictures[0], pictures[1])) << view.name;
    }
}

TEST(TableFontPictures, TheDesignerAndTheAnalysisPictureAreDrawnAsWithFreeType)
{
    // The designer's client area has no text of its own today (its texts
    // are the dialog's controls); it is drawn with the font all the same,
    // and any text it gains must come out the same.
    const std::vector<polezero::PixelPoint> zeros{{130, 70}, {130, 190}, {60, 130}};
    const std::vector<polezero::PixelPoint> poles{{130, 76}, {130, 184}, {90, 90}, {90, 170}};
    std::vector<Raster> designers;
    std::vector<Raster> analyses;
    for (const MonoFont* font :
         {static_cast<const MonoFont*>(&FileFont()), static_cast<const MonoFont*>(&Table())}) {
        const PictureTools tools{*font};
        polezero::DesignerSession session{{.tools = &tools}};
        for (const polezero::PixelPoint& z : zeros) {
            session.Press(z.x, z.y);
        }
        session.PlacePoles();
        for (const polezero::PixelPoint& p : poles) {
            session.Press(p.x, p.y);
        }
        designers.push_back(session.ClientArea());

        Raster raster(polezero::kAnalysisPictureWidth, polezero::kAnalysisPictureHeight, kWhite);
        Surface surface(raster, *font);
        polezero::DrawDesignAnalysis(surface, zeros, poles);
        analyses.push_back(raster);
    }
    EXPECT_EQ("", FirstDifference(designers[0], designers[1]));
    EXPECT_EQ("", FirstDifference(analyses[0], analyses[1]));
}
