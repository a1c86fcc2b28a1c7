#include <string>

#include <gtest/gtest.h>

#include "picture/text.h"
#include "tests/support/test_tools.h"

TEST(MonoFont, IsFixedWidthWithALineOfThirteenToSixteenPixels)
{
    const MonoFont& font = TestFont();
    EXPECT_GE(font.LineHeight(), 13);
    EXPECT_LE(font.LineHeight(), 16);
    const int cell = font.Measure("M").width;
    EXPECT_GT(cell, 4);
    EXPECT_EQ(font.Measure("iiiiiiiiii").width, 10 * cell);
    EXPECT_EQ(font.Measure("     100.0").width, 10 * cell);
    EXPECT_EQ(font.Measure("").width, 0);
    // The widest label of a picture fits the space the plots leave for it.
    EXPECT_LE(font.Measure("Amplitudska karakteristika ulaznog signala | X(k) | :").width,
              800 - 250);
}

TEST(MonoFont, PrefersDejaVuSansMono)
{
    // fonts-dejavu-core is one of the program's dependencies.
    EXPECT_NE(TestFont().Path().find("DejaVuSansMono"), std::string::npos);
}

TEST(MonoFont, AMissingFontFileIsAClearError)
{
    try {
        FreeTypeFont::FromFile("/nonexistent/font.ttf");
        FAIL() << "no error";
    } catch (const FontError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/font.ttf"), std::string::npos);
    }
}

TEST(MonoFont, MalformedUtf8IsDrawnNotDropped)
{
    const MonoFont& font = TestFont();
    const int cell = font.Measure("M").width;
    const std::string broken = std::string("a\xff") + "b";  // 0xff is never UTF-8
    EXPECT_EQ(font.Measure(broken).width, 3 * cell);
    EXPECT_EQ(font.Measure("\xc3").width, cell);
    EXPECT_EQ(font.Measure("\xc5\xa1").width, cell);  // one letter, two bytes
}
