// The language layer: Tr() and its catalogue, and the choice of language
// from --lang and from the locale.
#include "language/language.h"

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "language/built_in.h"

namespace {

// Every test starts and ends in Serbian with the built-in English catalogue
// unloaded, as a process starts.
class Translation : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset()
    {
        SetCatalogue(std::span<const CatalogueEntry>{});
        SetLanguage(Language::kSerbian);
    }
};

constexpr CatalogueEntry kSmall[] = {
    {"Decimacija", "Decimation"},
    {"Nule", "Zeros"},
    {"Prazno", ""},  // untranslated, as msgfmt leaves it out
};

TEST_F(Translation, SerbianIsTheIdItselfWhateverTheCatalogueHolds)
{
    SetCatalogue(kSmall);
    const char* id = "Decimacija";
    // The very pointer: pictures and dialogs stay byte for byte as they were.
    EXPECT_EQ(id, Tr(id));
    EXPECT_EQ("Nule", Tr(std::string_view("Nule")));
}

TEST_F(Translation, EnglishLooksTheIdUpAndFallsBackToIt)
{
    SetCatalogue(kSmall);
    SetLanguage(Language::kEnglish);
    EXPECT_STREQ("Decimation", Tr("Decimacija"));
    EXPECT_EQ("Zeros", Tr(std::string_view("Nule")));
    // Not in the catalogue, or left untranslated: the Serbian text.
    EXPECT_STREQ("Interpolacija", Tr("Interpolacija"));
    EXPECT_STREQ("Prazno", Tr("Prazno"));
    EXPECT_EQ(nullptr, Tr(static_cast<const char*>(nullptr)));
    // A prefix or a longer text is another id.
    EXPECT_STREQ("Decimacij", Tr("Decimacij"));
    EXPECT_EQ("Nule ", Tr(std::string_view("Nule ")));
    // A view of part of a larger text is looked up by its own characters.
    const std::string line = "NuleX";
    EXPECT_EQ("Zeros", Tr(std::string_view(line).substr(0, 4)));
}

TEST_F(Translation, ANewCatalogueReplacesTheOldOneAndTheLastOfTwoEntriesCounts)
{
    SetLanguage(Language::kEnglish);
    SetCatalogue(kSmall);
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"Nule", "Noughts"}, {"Nule", "Zeros of H(z)"}, {"Polovi", "Poles"}};
    SetCatalogue(pairs);
    EXPECT_STREQ("Zeros of H(z)", Tr("Nule"));
    EXPECT_STREQ("Poles", Tr("Polovi"));
    EXPECT_STREQ("Decimacija", Tr("Decimacija"));
}

TEST(LanguageChoice, LangTakesExactlyTheTwoCodes)
{
    EXPECT_EQ(Language::kSerbian, ParseLanguageName("sr"));
    EXPECT_EQ(Language::kEnglish, ParseLanguageName("en"));
    for (const char* other : {"", "EN", "en_US", "english", "eng", "sr-Latn", " en", "de"}) {
        EXPECT_FALSE(ParseLanguageName(other).has_value()) << other;
    }
    EXPECT_EQ("en", LanguageName(Language::kEnglish));
    EXPECT_EQ("sr", LanguageName(Language::kSerbian));
}

TEST(LanguageChoice, TheLocaleNamesEnglishByItsLanguageCodeOnly)
{
    const auto lang = [](const char* value) { return LanguageFromLocale({.lang = value}); };
    for (const char* english : {"en", "en_US.UTF-8", "en_GB", "en.UTF-8", "en@quot"}) {
        EXPECT_EQ(Language::kEnglish, lang(english)) << english;
    }
    for (const char* other : {"C", "POSIX", "C.UTF-8", "sr_RS", "sr_RS@latin", "de_DE.UTF-8",
                              "english", "eng", "enx", "EN_US", ""}) {
        EXPECT_EQ(Language::kSerbian, lang(other)) << other;
    }
    EXPECT_EQ(Language::kSerbian, LanguageFromLocale({}));
}

TEST(LanguageChoice, TheFirstVariableSetDecidesInGettextsOrder)
{
    // Each variable alone.
    EXPECT_EQ(Language::kEnglish, LanguageFromLocale({.language = "en"}));
    EXPECT_EQ(Language::kEnglish, LanguageFromLocale({.lcAll = "en_US.UTF-8"}));
    EXPECT_EQ(Language::kEnglish, LanguageFromLocale({.lcMessages = "en_GB"}));
    // An earlier variable wins over a later one, either way round.
    EXPECT_EQ(Language::kSerbian, LanguageFromLocale({.language = "sr", .lang = "en_US"}));
    EXPECT_EQ(Language::kSerbian, LanguageFromLocale({.lcAll = "C", .lang = "en_US.UTF-8"}));
    EXPECT_EQ(Language::kEnglish, LanguageFromLocale({.lcMessages = "en", .lang = "sr_RS"}));
    EXPECT_EQ(Language::kSerbian, LanguageFromLocale({.lcAll = "POSIX", .lcMessages = "en"}));
    // An empty value counts as unset.
    EXPECT_EQ(Language::kEnglish,
              LanguageFromLocale({.language = "", .lcAll = "", .lcMessages = "", .lang = "en"}));
}

TEST(LanguageChoice, LanguageIsAListWhoseFirstOfOurLanguagesDecides)
{
    const auto list = [](const char* value) { return LanguageFromLocale({.language = value}); };
    EXPECT_EQ(Language::kEnglish, list("en:sr"));
    EXPECT_EQ(Language::kSerbian, list("sr:en"));
    // Languages without a catalogue are passed over, as gettext does.
    EXPECT_EQ(Language::kEnglish, list("de:fr:en_GB"));
    EXPECT_EQ(Language::kSerbian, list("de:sr_RS:en"));
    EXPECT_EQ(Language::kEnglish, list("::en"));
    EXPECT_EQ(Language::kSerbian, list("de:fr"));
    EXPECT_EQ(Language::kSerbian, list("C"));
    // LANGUAGE set decides even when it names nothing of ours.
    EXPECT_EQ(Language::kSerbian, LanguageFromLocale({.language = "de", .lang = "en_US"}));
}

#ifdef VORLEN_EN_JSON
// The table built into the desktop front ends and the JSON the browser page
// reads both come from en.po: the same pairs, escapes and all.
TEST_F(Translation, BuiltInEnglishAndTheBrowsersJsonHoldTheSamePairs)
{
    std::ifstream in(VORLEN_EN_JSON);
    ASSERT_TRUE(in.good()) << VORLEN_EN_JSON;
    const nlohmann::json json = nlohmann::json::parse(in);
    std::map<std::string, std::string> fromJson;
    for (const auto& [id, text] : json.items()) {
        fromJson[id] = text.get<std::string>();
    }
    std::map<std::string, std::string> builtIn;
    for (const CatalogueEntry& entry : BuiltInCatalogue(Language::kEnglish)) {
        builtIn[std::string(entry.id)] = std::string(entry.text);
    }
    EXPECT_EQ(fromJson, builtIn);
    EXPECT_TRUE(BuiltInCatalogue(Language::kSerbian).empty());
    // Texts with odd spacing and formulas survive exactly.
    EXPECT_EQ("Conversion", builtIn.at("Konverzija "));
    EXPECT_EQ(" ... {} more", builtIn.at(" ... jos {}"));

    UseBuiltInLanguage(Language::kEnglish);
    EXPECT_EQ(Language::kEnglish, CurrentLanguage());
    EXPECT_STREQ("Decimation", Tr("Decimacija"));
    UseBuiltInLanguage(Language::kSerbian);
    EXPECT_STREQ("Decimacija", Tr("Decimacija"));
}
#endif

}  // namespace
