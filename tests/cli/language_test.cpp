// vorlen-render in English and in Serbian: the pictures' texts follow
// --lang or the locale; dumps keep the Serbian ids.
#include <cstdlib>
#include <string>

#include <sys/wait.h>

#include "tests/cli/cli_support.h"

using namespace cli_test;

namespace {

class RenderLanguage : public CliTest {
protected:
    // The executable under `environment` (shell text such as "LANG=en_GB"),
    // with every locale variable unset first.
    int RunWithLocale(const std::string& environment, const std::string& args) const
    {
        const std::string command = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG " +
                                    environment + " " + VORLEN_RENDER_PATH + " " + args +
                                    " >/dev/null 2>&1";
        const int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    bool HasText(const std::string& file, const std::string& text) const
    {
        return ReadFile(In(file)).find(">" + text + "</text>") != std::string::npos;
    }
};

constexpr const char* kSerbianTitle = "Amplitudska karakteristika ulaznog signala | X(k) | :";
constexpr const char* kEnglishTitle = "Magnitude spectrum of the input signal | X(k) | :";

TEST_F(RenderLanguage, EnglishPicturesDrawTranslatedTitlesWhileDumpsKeepTheSerbianIds)
{
    ASSERT_EQ(0, Run({"decimation-frequency", "--lang", "en", "-o", In("en.svg"), "--dump",
                      In("en.json")})
                     .status);
    ASSERT_EQ(0, Run({"decimation-frequency", "--lang", "sr", "-o", In("sr.svg"), "--dump",
                      In("sr.json")})
                     .status);
    EXPECT_TRUE(HasText("en.svg", kEnglishTitle));
    EXPECT_TRUE(HasText("en.svg", "Magnitude spectrum of the output signal | Y(k) | :"));
    EXPECT_EQ(std::string::npos, ReadFile(In("en.svg")).find("Amplitudska"));
    EXPECT_TRUE(HasText("sr.svg", kSerbianTitle));
    EXPECT_EQ(std::string::npos, ReadFile(In("sr.svg")).find("Magnitude"));
    // The numbers, titles included, do not depend on the language.
    EXPECT_EQ(ReadFile(In("sr.json")), ReadFile(In("en.json")));
    EXPECT_NE(std::string::npos, ReadFile(In("en.json")).find(kSerbianTitle));
}

TEST_F(RenderLanguage, TheDesignersAnalysisPictureIsTranslatedButItsNumbersAreNot)
{
    ASSERT_EQ(0, Run({"polezero", "--lang", "en", "--zero", "130,70", "--pointer", "150,100", "-o",
                      In("pz.png"), "--dump", In("pz.json"), "--analysis-picture", In("a.svg")})
                     .status);
    for (const char* text : {"Magnitude [dB]", "Unwrapped phase [rad]", "Group delay [samples]",
                             "Impulse response, Re h(n)", "stable: yes", "real coefficients: no",
                             "Zeros (1):", "Poles: none", "H(z) = g B(z) / A(z)"}) {
        EXPECT_TRUE(HasText("a.svg", text)) << text;
    }
    // The read-out in the dump keeps its Serbian label.
    EXPECT_NE(std::string::npos, ReadFile(In("pz.json")).find("\"moduo: "));
}

TEST_F(RenderLanguage, TheLocaleChoosesWhenLangIsNotGivenAndLangWinsOverIt)
{
    const std::string svg = "dft -o " + In("d.svg");
    const auto english = [&] { return HasText("d.svg", "Magnitude spectrum | X(k) | :"); };
    const auto serbian = [&] { return HasText("d.svg", "Amplitudska karakteristika | X(k) | :"); };

    ASSERT_EQ(0, RunWithLocale("LANG=en_US.UTF-8", svg));
    EXPECT_TRUE(english());
    ASSERT_EQ(0, RunWithLocale("LANGUAGE=en:sr LANG=C", svg));
    EXPECT_TRUE(english());
    ASSERT_EQ(0, RunWithLocale("LC_ALL=C LANG=en_US.UTF-8", svg));
    EXPECT_TRUE(serbian());
    ASSERT_EQ(0, RunWithLocale("LC_MESSAGES=en_GB.UTF-8 LANG=sr_RS.UTF-8", svg));
    EXPECT_TRUE(english());
    ASSERT_EQ(0, RunWithLocale("", svg));
    EXPECT_TRUE(serbian());
    ASSERT_EQ(0, RunWithLocale("LANG=en_US.UTF-8", svg + " --lang sr"));
    EXPECT_TRUE(serbian());
    ASSERT_EQ(0, RunWithLocale("LANG=C", svg + " --lang en"));
    EXPECT_TRUE(english());
}

TEST_F(RenderLanguage, AnUnknownLanguageIsBadUsage)
{
    for (const char* name : {"english", "EN", "", "de", "en_US"}) {
        ExpectBadUsage({"dft", "--lang", name, "-o", In("d.png")});
    }
    const Outcome outcome = Run({"dft", "--lang", "fr", "-o", In("d.png")});
    EXPECT_NE(std::string::npos, outcome.err.find("--lang: 'fr' is not a language of Vorlen"))
        << outcome.err;
}

}  // namespace
