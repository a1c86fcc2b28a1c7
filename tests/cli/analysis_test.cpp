// vorlen-render's analysis files of a pole-zero design (numbers and
// picture) and its command all.
#include "tests/cli/cli_support.h"

#include <cmath>
#include <complex>

#include <nlohmann/json.hpp>

#include "cli/analysis_options.h"
#include "cli/analysis_output.h"
#include "cli/count_text.h"
#include "cli/render.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "polezero/analysis_picture.h"
#include "tests/support/test_tools.h"
#include "views/analysis_views.h"
#include "workspace/workspace.h"

using polezero::PixelPoint;

using namespace cli_test;
using namespace polezero;

namespace {

// A number as written, or NaN for null / an empty cell, so that "no value"
// compares as "no value".
bool SameNumber(double expected, const nlohmann::json& value)
{
    if (!std::isfinite(expected)) {
        return value.is_null();
    }
    return value.is_number() && value.get<double>() == expected;
}

bool SameCell(double expected, const std::string& cell)
{
    if (!std::isfinite(expected)) {
        return cell.empty();
    }
    char* end = nullptr;
    const double value = std::strtod(cell.c_str(), &end);
    return !cell.empty() && *end == '\0' && value == expected;
}

bool SameComplexList(const std::vector<std::complex<double>>& expected, const nlohmann::json& list)
{
    if (!list.is_array() || list.size() != expected.size()) {
        return false;
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (list[i].size() != 2 || !SameNumber(expected[i].real(), list[i][0]) ||
            !SameNumber(expected[i].imag(), list[i][1])) {
            return false;
        }
    }
    return true;
}

class AnalysisFilesTest : public CliTest {};

// A design with a bit of everything: a zero on the circle at w = 0 (a hole
// at sample 0), a conjugate pair of zeros, a pole outside the circle; real
// coefficients.
const std::vector<PixelPoint> kZeros{{190, 130}, {150, 100}, {150, 160}};
const std::vector<PixelPoint> kPoles{{100, 130}, {215, 130}};

}  // namespace

TEST_F(AnalysisFilesTest, JsonAndCsvHoldEveryNumberAndReadBackTheSame)
{
    AnalysisRequest request;
    request.json = In("a.json");
    request.csv = In("a.csv");
    request.points = 48;
    request.impulse = 10;
    OutputSet outputs;
    WriteDesignAnalysis(outputs, request, kZeros, kPoles);
    // Written but not yet in place: only the two temporary names exist.
    EXPECT_FALSE(fs::exists(request.json));
    EXPECT_FALSE(fs::exists(request.csv));
    EXPECT_EQ(2u, Files(m_work).size());
    outputs.CommitAll();
    EXPECT_EQ((std::vector<std::string>{"a.csv", "a.json"}), Files(m_work));

    const FilterAnalysis expected = AnalyseDesign(kZeros, kPoles, 48, 10);
    ASSERT_TRUE(std::isnan(expected.magnitudeDb[0]));  // the design has its hole
    const std::string text = ReadFile(request.json);
    const auto json = nlohmann::ordered_json::parse(text);
    std::vector<std::string> keys;
    for (const auto& item : json.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ((std::vector<std::string>{"zeros", "poles", "b", "a", "gain", "realCoefficients",
                                        "stable", "magnitudeDb", "phase", "groupDelay", "impulse"}),
              keys);
    EXPECT_TRUE(SameComplexList(expected.zeros, json["zeros"]));
    EXPECT_TRUE(SameComplexList(expected.poles, json["poles"]));
    EXPECT_TRUE(SameComplexList(expected.b, json["b"]));
    EXPECT_TRUE(SameComplexList(expected.a, json["a"]));
    EXPECT_TRUE(SameComplexList(expected.impulse, json["impulse"]));
    EXPECT_TRUE(SameNumber(expected.gain, json["gain"]));
    EXPECT_EQ(true, json["realCoefficients"]);
    EXPECT_EQ(false, json["stable"]);
    for (const char* key : {"magnitudeDb", "phase", "groupDelay"}) {
        const std::vector<double>& values = key == std::string("magnitudeDb") ? expected.magnitudeDb
                                            : key == std::string("phase")     ? expected.phase
                                                                              : expected.groupDelay;
        ASSERT_EQ(48u, json[key].size()) << key;
        for (std::size_t k = 0; k < 48; ++k) {
            EXPECT_TRUE(SameNumber(values[k], json[key][k])) << key << " " << k;
        }
    }
    EXPECT_EQ(0.0, json["b"][1][1].get<double>());  // real: imaginary parts exactly 0
    EXPECT_EQ(std::string::npos, text.find("NaN"));

    std::istringstream csv(ReadFile(request.csv));
    std::string line;
    ASSERT_TRUE(std::getline(csv, line));
    EXPECT_EQ("w,magnitude_db,phase,group_delay", line);
    for (int k = 0; k < 48; ++k) {
        ASSERT_TRUE(std::getline(csv, line)) << k;
        std::vector<std::string> cells;
        std::istringstream row(line + ",");
        for (std::string cell; std::getline(row, cell, ',');) {
            cells.push_back(cell);
        }
        ASSERT_EQ(4u, cells.size()) << line;
        EXPECT_TRUE(SameCell(AnalysisFrequency(k, 48), cells[0])) << line;
        EXPECT_TRUE(SameCell(expected.magnitudeDb[k], cells[1])) << line;
        EXPECT_TRUE(SameCell(expected.phase[k], cells[2])) << line;
        EXPECT_TRUE(SameCell(expected.groupDelay[k], cells[3])) << line;
    }
    EXPECT_FALSE(std::getline(csv, line));
}

TEST_F(AnalysisFilesTest, FilesAreAllOrNothing)
{
    AnalysisRequest request;
    {
        OutputSet outputs;
        WriteDesignAnalysis(outputs, request, kZeros, kPoles);
        outputs.CommitAll();
        EXPECT_TRUE(fs::is_empty(m_work));
    }

    // The CSV cannot be made: the JSON's temporary file goes too.
    request.json = In("a.json");
    request.csv = In("missing/a.csv");
    {
        OutputSet outputs;
        EXPECT_THROW(WriteDesignAnalysis(outputs, request, kZeros, kPoles), OutputError);
    }
    EXPECT_TRUE(fs::is_empty(m_work));

    // Dropped without commit: nothing left behind.
    request.csv = In("a.csv");
    {
        OutputSet outputs;
        WriteDesignAnalysis(outputs, request, kZeros, kPoles);
    }
    EXPECT_TRUE(fs::is_empty(m_work));
}

TEST_F(AnalysisFilesTest, AnalysisOptionsAreBadUsageExceptWithPolezero)
{
    const std::string png = In("x.png");
    const std::vector<std::vector<std::string>> cases = {
        {"dft", "-o", png, "--analysis", In("a.json")},
        {"blank", "-o", png, "--analysis-csv", In("a.csv")},
        {"dft", "-o", png, "--points", "100"},
        {"dft", "-o", png, "--impulse", "10"},
        {"all", "--out-dir", In("d"), "--analysis", In("a.json")},
    };
    for (const auto& args : cases) {
        const Outcome outcome = Run(args);
        EXPECT_EQ(2, outcome.status) << args[3];
        EXPECT_TRUE(IsOneLine(outcome.err)) << outcome.err;
        EXPECT_NE(std::string::npos, outcome.err.find("polezero")) << outcome.err;
        EXPECT_TRUE(fs::is_empty(m_work)) << args[3];
    }
    EXPECT_EQ(65536, ParseCount("65536", 1, 65536));
    EXPECT_EQ(0, ParseCount("0", 0, 65536));
    EXPECT_EQ(7, ParseCount("007", 1, 65536));
    for (const char* bad :
         {"0", "65537", "-1", "+5", " 5", "5 ", "1e3", "0x10", "", "99999999999"}) {
        EXPECT_FALSE(ParseCount(bad, 1, 65536).has_value()) << bad;
    }
}

TEST_F(AnalysisFilesTest, PolezeroWritesTheAnalysisOfItsDesign)
{
    const Outcome outcome =
        Run({"polezero", "-o", In("p.png"), "--zero", "150,100", "--zero", "150,160", "--pole",
             "100,120", "--analysis", In("a.json"), "--analysis-csv", In("a.csv"), "--points",
             "100", "--impulse", "5"});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    const FilterAnalysis expected = AnalyseDesign(std::vector<PixelPoint>{{150, 100}, {150, 160}},
                                                  std::vector<PixelPoint>{{100, 120}}, 100, 5);
    EXPECT_EQ(AnalysisJsonText(expected), ReadFile(In("a.json")));
    EXPECT_EQ(AnalysisCsvText(expected), ReadFile(In("a.csv")));

    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{"--analysis", In("b.json"), "--points", "0"},
          {"--analysis", In("b.json"), "--points", "65537"},
          {"--analysis", In("b.json"), "--impulse", "-1"},
          {"--points", "10"},
          {"--analysis", In("q.png")},
          {"--analysis", In("b.json"), "--analysis-csv", In("./b.json")}}) {
        std::vector<std::string> args{"polezero", "-o", In("q.png")};
        args.insert(args.end(), extra.begin(), extra.end());
        const Outcome bad = Run(args);
        EXPECT_EQ(2, bad.status) << extra[1];
        EXPECT_TRUE(IsOneLine(bad.err)) << bad.err;
        EXPECT_FALSE(fs::exists(In("q.png")));
        EXPECT_FALSE(fs::exists(In("b.json")));
    }
}

TEST_F(AnalysisFilesTest, AllWritesExactlyTheFilesOfTheSingleCommands)
{
    const std::vector<std::string> options = {"--signal", "cosine", "--a",    "2.5",    "--df",
                                              "0.2",      "--fg",   "1",      "--M",    "3",
                                              "--L",      "4",      "--size", "640x700"};
    fs::create_directory(m_work / "single");
    for (const AnalysisView& view : AnalysisViews()) {
        const std::string name(view.name);
        std::vector<std::string> args = {name, "-o", In("single/" + name + ".png"), "--dump",
                                         In("single/" + name + ".json")};
        args.insert(args.end(), options.begin(), options.end());
        ResetWorkspace();  // as a fresh process starts
        ASSERT_EQ(0, Run(args).status) << name;
    }
    // Left behind by the last command, and not to be seen by the first.
    g_filterLength = 77;

    std::vector<std::string> args = {"all", "--out-dir", In("made/for/all")};
    args.insert(args.end(), options.begin(), options.end());
    const Outcome outcome = Run(args);
    ASSERT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ("", outcome.err);
    const std::vector<std::string> written = Files(m_work / "made/for/all");
    EXPECT_EQ(16u, written.size());
    EXPECT_EQ(Files(m_work / "single"), written);
    for (const std::string& name : written) {
        EXPECT_TRUE(ReadFile(m_work / "single" / name) == ReadFile(m_work / "made/for/all" / name))
            << name;
    }

    const std::string help = Run({"--help"}).out;
    for (const char* word :
         {"all", "--out-dir", "--analysis", "--analysis-csv", "--points", "--impulse"}) {
        EXPECT_NE(std::string::npos, help.find(word)) << word;
    }
}

TEST_F(AnalysisFilesTest, AllRefusesSingleOutputsAndReportsAFolderItCannotUse)
{
    const std::vector<std::vector<std::string>> usage = {
        {"all"},
        {"all", "--out-dir", ""},
        {"all", "--out-dir", In("d"), "-o", In("x.png")},
        {"all", "--out-dir", In("d"), "--dump", In("x.json")},
        {"dft", "-o", In("x.png"), "--out-dir", In("d")},
        {"dft", "--out-dir", In("d")},
    };
    for (const auto& args : usage) {
        const Outcome outcome = Run(args);
        EXPECT_EQ(2, outcome.status) << args.size();
        EXPECT_TRUE(IsOneLine(outcome.err)) << outcome.err;
        EXPECT_TRUE(fs::is_empty(m_work));
    }

    std::ofstream(m_work / "file.txt") << "text";
    for (const std::string& folder : {In("file.txt"), In("file.txt/below")}) {
        const Outcome outcome = Run({"all", "--out-dir", folder});
        EXPECT_EQ(1, outcome.status) << folder;
        EXPECT_TRUE(IsOneLine(outcome.err)) << outcome.err;
        EXPECT_EQ(std::vector<std::string>{"file.txt"}, Files(m_work));
    }

    // The last picture cannot be written (a folder has its name): none of
    // the pairs finished before it appear either.
    fs::create_directories(m_work / "out/conversion-frequency.png");
    const Outcome outcome = Run({"all", "--out-dir", In("out")});
    EXPECT_EQ(1, outcome.status);
    EXPECT_TRUE(IsOneLine(outcome.err)) << outcome.err;
    EXPECT_NE(std::string::npos, outcome.err.find("conversion-frequency.png")) << outcome.err;
    EXPECT_EQ(std::vector<std::string>{"conversion-frequency.png"}, Files(m_work / "out"));
}

TEST_F(AnalysisFilesTest, AnalysisPictureIsTheDesignsPictureWrittenWithTheOthers)
{
    // The design as events, placed where the designer's script puts them.
    const Outcome outcome =
        Run({"polezero", "-o", In("p.png"), "--events",
             "press 130,70; press 130,190; poles; press 130,76; press 130,184; press 300,300",
             "--analysis-picture", In("a.png"), "--analysis", In("a.json"), "--points", "100"});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ((std::vector<std::string>{"a.json", "a.png", "p.png"}), Files());

    Raster expected(polezero::kAnalysisPictureWidth, polezero::kAnalysisPictureHeight);
    Surface surface(expected, TestFont());
    polezero::DrawDesignAnalysis(surface, std::vector<PixelPoint>{{130, 70}, {130, 190}},
                                 std::vector<PixelPoint>{{130, 76}, {130, 184}});
    const auto written = ReadPng(In("a.png"));
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(800, written->width);
    EXPECT_EQ(600, written->height);
    // --points is for the numbers: the picture has its own grid.
    EXPECT_TRUE(std::equal(expected.Bytes().begin(), expected.Bytes().end(), written->rgb.begin(),
                           written->rgb.end()));
    EXPECT_EQ(750, ReadPng(In("p.png"))->width);

    // One output that cannot be written: none of them appears.
    fs::remove_all(m_work);
    fs::create_directory(m_work);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"polezero", "-o", In("p.png"), "--analysis-picture",
                                   In("missing/a.png")},
          {"polezero", "-o", In("missing/p.png"), "--analysis-picture", In("a.png")},
          {"polezero", "-o", In("p.png"), "--analysis", In("missing/a.json"), "--analysis-picture",
           In("a.png")}}) {
        const Outcome failed = Run(args);
        EXPECT_EQ(1, failed.status) << args[4];
        EXPECT_TRUE(IsOneLine(failed.err)) << failed.err;
        EXPECT_TRUE(fs::is_empty(m_work)) << args[4];
    }
}

TEST_F(AnalysisFilesTest, AnalysisPictureIsBadUsageExceptAlone)
{
    const std::vector<std::vector<std::string>> cases = {
        {"dft", "-o", In("x.png"), "--analysis-picture", In("a.png")},
        {"blank", "-o", In("x.png"), "--analysis-picture", In("a.png")},
        {"all", "--out-dir", In("d"), "--analysis-picture", In("a.png")},
        {"polezero", "-o", In("x.png"), "--analysis-picture", ""},
        {"polezero", "-o", In("x.png"), "--analysis-picture", In("x.png")},
        {"polezero", "-o", In("x.png"), "--analysis-picture", In("a.png"), "--dump", In("./a.png")},
        {"polezero", "-o", In("x.png"), "--analysis-picture", In("a.png"), "--analysis",
         In("a.png")},
        {"polezero", "-o", In("x.png"), "--analysis-picture", In("a.png"), "--points", "100"},
    };
    for (const auto& args : cases) {
        const Outcome outcome = Run(args);
        EXPECT_EQ(2, outcome.status) << args[0] << " " << args.back();
        EXPECT_TRUE(IsOneLine(outcome.err)) << outcome.err;
        EXPECT_TRUE(fs::is_empty(m_work)) << args[0] << " " << args.back();
    }
    EXPECT_NE(std::string::npos,
              Run({"dft", "-o", In("x.png"), "--analysis-picture", In("a.png")})
                  .err.find("--analysis-picture goes only with the command polezero"));
    EXPECT_NE(std::string::npos, Run({"--help"}).out.find("--analysis-picture"));
}
