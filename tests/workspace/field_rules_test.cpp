#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "workspace/field_rules.h"
#include "workspace/number_text.h"

namespace {

constexpr float kPiF = 3.14159274f;  // pi rounded to float
constexpr double kInf = std::numeric_limits<double>::infinity();

// Bit equality, so that -0 and +0 are told apart.
::testing::AssertionResult SameBits(double expected, double actual)
{
    if (std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(actual)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "expected " << expected << ", got " << actual;
}

::testing::AssertionResult SameBits(float expected, float actual)
{
    if (std::bit_cast<std::uint32_t>(expected) == std::bit_cast<std::uint32_t>(actual)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "expected " << expected << ", got " << actual;
}

std::string CFormat(const char* format, double value)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// "%.*f" by the C library, however long.
std::string CFixed(double value, int decimals)
{
    std::string buffer(400, '\0');
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    buffer.resize(static_cast<std::size_t>(length));
    return buffer;
}

// Doubles of every magnitude, subnormals included, and of either sign.
double RandomDouble(std::mt19937_64& random)
{
    double value = std::numeric_limits<double>::quiet_NaN();
    while (!std::isfinite(value)) {
        value = std::bit_cast<double>(static_cast<std::uint64_t>(random()));
    }
    return value;
}

}  // namespace

TEST(ReadNumber, TakesTheLongestDecimalPrefixOnly)
{
    const std::string longOne = "1" + std::string(400, '0');
    const std::string tinyThenBig = "0." + std::string(400, '0') + "1e401";  // 1.0
    struct Case {
        const char* name;
        std::string text;
        double expected;
    } cases[] = {
        {"empty", "", 0.0},
        {"blanks only", " \t ", 0.0},
        {"sign alone", "-", 0.0},
        {"point alone", ".", 0.0},
        {"sign and point", "-.", 0.0},
        {"leading blanks", "  0.50", 0.5},
        {"tab and newline", "\t\n7", 7.0},
        {"plus and fraction only", " +.5e1x", 5.0},
        {"trailing point", "5.", 5.0},
        {"trailing point, exponent", "5.e1", 50.0},
        {"trailing junk", "1.5abc", 1.5},
        {"bare e", "2e", 2.0},
        {"e with sign only", "2e+", 2.0},
        {"e then letter", "2ex", 2.0},
        {"capital E", "2E-1", 0.2},
        {"hexadecimal", "0x10", 0.0},
        {"inf", "inf", 0.0},
        {"infinity", "-infinity", 0.0},
        {"nan", "nan", 0.0},
        {"decimal comma", "0,5", 0.0},
        {"comma after digits", "3,7", 3.0},
        {"blank after sign", "- 5", 0.0},
        {"correctly rounded, tie to even", "9007199254740993", 9007199254740992.0},
        {"many digits", "0.1000000000000000055511151231257827", 0.1},
        {"overflow", "1e999", kInf},
        {"negative overflow", "-1e999", -kInf},
        {"overflow by digits", longOne, kInf},
        {"huge exponent", "1e99999999999999999999999", kInf},
        {"zero with huge exponent", "0e99999999999999999999999", 0.0},
        {"digits far right of the point", tinyThenBig, 1.0},
        {"underflow", "1e-999", 0.0},
        {"negative underflow", "-1e-999", -0.0},
        {"subnormal", "1e-310", 1e-310},
        {"negative zero", "-0", -0.0},
        {"largest double", "1.7976931348623158e308", DBL_MAX},
        {"just past the largest", "1.7976931348623159e308", kInf},
        {"smallest normal", "2.2250738585072014e-308", DBL_MIN},
        {"smallest subnormal", "4.9406564584124654e-324", 0x1p-1074},
        {"half the smallest, a tie to even", "2.4703282292062327e-324", 0.0},
        {"just above half the smallest", "2.4703282292062328e-324", 0x1p-1074},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(SameBits(c.expected, ReadNumber(c.text))) << c.name << ": \"" << c.text << '"';
    }
}

TEST(FieldRules, MapEveryTextToTheValueStored)
{
    struct Case {
        const char* text;
        float expected;
    };
    const Case signalParam[] = {
        {"  0.50", 0.5f},  {"", 0.0f},          {"-", 0.0f},        {"-0.5", -0.5f},
        {"0.333", 0.333f}, {"2", 2.0f},         {"0,5", 0.0f},      {"-7e3", -7000.0f},
        {"1e39", FLT_MAX}, {"-1e39", -FLT_MAX}, {"1e999", FLT_MAX}, {"-1e999", -FLT_MAX},
    };
    for (const Case& c : signalParam) {
        EXPECT_TRUE(SameBits(c.expected, SignalParamFromText(c.text))) << "a= \"" << c.text << '"';
    }

    const Case transitionWidth[] = {
        {"0.035", 0.035f}, {"0.0351", 0.0351f}, {"0", 0.035f},      {"-5", 0.035f},
        {"", 0.035f},      {"0,5", 0.035f},     {"100", 100.0f},    {"      0.10", 0.1f},
        {"abc", 0.035f},   {"1e39", FLT_MAX},   {"1e999", FLT_MAX}, {"-1e999", 0.035f},
        {"nan", 0.035f},
    };
    for (const Case& c : transitionWidth) {
        EXPECT_TRUE(SameBits(c.expected, TransitionWidthFromText(c.text)))
            << "df \"" << c.text << '"';
    }

    const Case cutoff[] = {
        {"3.1416", kPiF},      {"3.14159", 3.14159f},
        {"0", 0.0f},           {"-1", 0.0f},
        {"1.5abc", 1.5f},      {"3.141592653589793", kPiF},
        {"      1.57", 1.57f}, {"", 0.0f},
        {"-0", 0.0f},          {"1e-60", 0.0f},  // positive, but rounds to a float zero
        {"1e39", kPiF},        {"1e999", kPiF},
        {"-1e999", 0.0f},      {"inf", 0.0f},
    };
    for (const Case& c : cutoff) {
        EXPECT_TRUE(SameBits(c.expected, CutoffFromText(c.text))) << "fg \"" << c.text << '"';
    }

    const struct {
        const char* text;
        std::int32_t expected;
    } factor[] = {
        {"15", 15},         {"20", 15},   {"2e1", 15},  {"14.9", 14},  {"2.9", 2},
        {"1", 1},           {" 7x", 7},   {"-3", 0},    {"0", 0},      {"0.5", 0},
        {"-0.9", 0},        {"x", 0},     {"", 0},      {"0x10", 0},   {"2147483648", 15},
        {"-2147483649", 0}, {"1e30", 15}, {"-1e30", 0}, {"1e999", 15}, {"-1e999", 0},
    };
    for (const auto& c : factor) {
        EXPECT_EQ(c.expected, FactorFromText(c.text)) << "factor \"" << c.text << '"';
    }
}

TEST(FieldFills, MatchTheCFormatsInTheClassicLocale)
{
    const struct {
        float value;
        const char* expected;
    } fills[] = {
        {0.1f, "      0.10"},
        {static_cast<float>(3.141592653589793 / 2), "      1.57"},
        {0.035f, "      0.04"},
        {0.5f, "      0.50"},
        {0.125f, "      0.12"},  // an exact tie rounds to even, as printf does
        {1e17f, "99999998430674944.00"},
        {FLT_MAX, "340282346638528859811704183484516925440.00"},
    };
    for (const auto& f : fills) {
        EXPECT_EQ(f.expected, FormatFieldValue(f.value)) << f.value;
    }
    EXPECT_EQ("         2", FormatFactor(2));
    EXPECT_EQ("        15", FormatFactor(15));
    EXPECT_EQ("-2147483648", FormatFactor(INT32_MIN));
    EXPECT_EQ("1.047198", FormatAutoWg(static_cast<float>(3.141592653589793 / 3)));

    // The C library as an independent reference, over floats of every
    // magnitude (the process runs in the "C" locale here).
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::uint32_t> bits(0, 0x7F7FFFFFu);
    for (int i = 0; i < 20000; ++i) {
        float value = std::bit_cast<float>(bits(random));
        if (i % 2 == 1) {
            value = -value;
        }
        ASSERT_EQ(CFormat("%10.2f", value), FormatFieldValue(value)) << value;
        ASSERT_EQ(CFormat("%f", value), FormatAutoWg(value)) << value;
    }
}

TEST(NumberText, FixedDigitsAreThoseOfTheExactValueRoundedHalfToEven)
{
    const struct {
        double value;
        int decimals;
        const char* expected;
    } cases[] = {
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {-0.5, 0, "-0"},
        {0.125, 2, "0.12"},
        {1.0625, 3, "1.062"},
        {2.675, 2, "2.67"},  // 2.67499999999999982236431605997495353221893310546875
        {-0.0, 2, "-0.00"},
        {0x1p-1074, 6, "0.000000"},
        {1e22, 0, "10000000000000000000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, FormatFixed(c.value, c.decimals, 0)) << c.value;
    }
    EXPECT_EQ(CFixed(DBL_MAX, 6), FormatFixed(DBL_MAX, 6, 0));
    EXPECT_EQ(CFixed(-DBL_MIN, 2), FormatFixed(-DBL_MIN, 2, 0));

    // The C library as an independent reference over doubles of every
    // magnitude (the process runs in the "C" locale here).
    std::mt19937_64 random(2718);
    for (int i = 0; i < 20000; ++i) {
        const double value = RandomDouble(random);
        ASSERT_EQ(CFixed(value, i % 7), FormatFixed(value, i % 7, 0)) << value;
    }
}

TEST(NumberText, ShortestTextIsToCharsAndReadsBack)
{
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        // Fixed while it is no longer than scientific, fixed on a tie.
        {0.001, "0.001"},
        {1e-4, "1e-04"},
        {1.5e-5, "1.5e-05"},
        {10000.0, "10000"},
        {100000.0, "1e+05"},
        {123456.0, "123456"},
        {1e16, "1e+16"},
        // A whole number in fixed form: all the digits of its exact value.
        {0x1p60, "1152921504606846976"},
        {1234567890123456789.0, "1234567890123456768"},
        {1e23, "1e+23"},
        {0.1, "0.1"},
        {1.0 / 3, "0.3333333333333333"},
        {-1.5, "-1.5"},
        {DBL_MAX, "1.7976931348623157e+308"},
        {DBL_MIN, "2.2250738585072014e-308"},
        {0x1p-1074, "5e-324"},
        {0x1.0p-1060, "8.095e-320"},
        {-0.0, "-0"},
        {0.0, "0"},
        {kInf, "inf"},
        {-kInf, "-inf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, ShortestText(c.value)) << c.expected;
    }

    // The C++ library's std::to_chars as an independent reference, and the
    // field rules' reading as the way back.
    std::mt19937_64 random(31415);
    for (int i = 0; i < 20000; ++i) {
        const double value = RandomDouble(random);
        std::array<char, 64> text{};
        const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
        ASSERT_EQ(std::string(text.data(), end), ShortestText(value));
        ASSERT_TRUE(SameBits(value, ReadNumber(ShortestText(value)))) << ShortestText(value);
    }
}

TEST(FieldFills, IgnoreACommaDecimalLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    bool commaLocale = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "sr_RS.UTF-8@latin",
                             "ru_RU.UTF-8", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr && CFormat("%.1f", 0.5) == "0,5") {
            commaLocale = true;
            break;
        }
    }
    if (!commaLocale) {
        std::setlocale(LC_NUMERIC, saved.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const std::string fill = FormatFieldValue(0.5f);
    const std::string autoWg = FormatAutoWg(1.5f);
    const double point = ReadNumber("0.5");
    const double comma = ReadNumber("0,5");
    std::setlocale(LC_NUMERIC, saved.c_str());

    EXPECT_EQ("      0.50", fill);
    EXPECT_EQ("1.500000", autoWg);
    EXPECT_EQ(0.5, point);
    EXPECT_EQ(0.0, comma);
}

TEST(FieldFills, ReadBackAsTheDialogsRoundTheirValuesOnOpening)
{
    // The fill is written into the field, whose rule then stores the text.
    EXPECT_TRUE(SameBits(0.1f, TransitionWidthFromText(FormatFieldValue(0.1f))));
    EXPECT_TRUE(SameBits(0.04f, TransitionWidthFromText(FormatFieldValue(0.035f))));
    EXPECT_TRUE(SameBits(1.57f, CutoffFromText(FormatFieldValue(1.5707964f))));
    EXPECT_TRUE(SameBits(3.14f, CutoffFromText(FormatFieldValue(kPiF))));
    EXPECT_TRUE(SameBits(0.33f, SignalParamFromText(FormatFieldValue(0.333f))));
    // Fills of 20 characters and more are written and read back whole.
    EXPECT_TRUE(SameBits(1e17f, TransitionWidthFromText(FormatFieldValue(1e17f))));
    EXPECT_TRUE(SameBits(FLT_MAX, TransitionWidthFromText(FormatFieldValue(FLT_MAX))));
    EXPECT_TRUE(SameBits(-FLT_MAX, SignalParamFromText(FormatFieldValue(-FLT_MAX))));
    for (std::int32_t factor = 0; factor <= 15; ++factor) {
        EXPECT_EQ(factor, FactorFromText(FormatFactor(factor)));
    }
}

TEST(AutoWg, ShowsSixDecimalsAndStoresThemReadBack)
{
    const struct {
        std::int32_t factor;
        const char* text;
        float stored;
    } cases[] = {
        {3, "1.047198", 1.047198f}, {1, "3.141593", kPiF},  // above pi: the fg rule stores pi
        {15, "0.209440", 0.20944f}, {2, "1.570796", 1.570796f},
        {0, "3.141593", kPiF},  // no quotient: the widest pass band
    };
    for (const auto& c : cases) {
        const AutoWgResult result = ComputeAutoWg(c.factor);
        EXPECT_EQ(c.text, result.text) << "factor " << c.factor;
        EXPECT_TRUE(SameBits(c.stored, result.cutoff)) << "factor " << c.factor;
    }
}
