// vorlen-render polezero: event scripts, the picture and the dump.
#include "tests/cli/cli_support.h"

#include <fstream>

#include <nlohmann/json.hpp>

#include "polezero/session.h"
#include "tests/support/test_tools.h"
#include "tests/support/written_fields.h"

using namespace cli_test;
using Kind = polezero::DesignerEvent::Kind;

namespace {

class PoleZeroRender : public CliTest {
protected:
    nlohmann::json Dump() const
    {
        return nlohmann::json::parse(ReadFile(In("pz.json")))["polezero"];
    }

    // The same events run on a session of the core: what the picture must be.
    static polezero::DesignerSession SessionAfter(
        const std::vector<polezero::DesignerEvent>& events)
    {
        ResetWorkspace();
        polezero::DesignerSession session({.tools = &TestTools().Tools()});
        for (const auto& event : events) {
            session.Apply(event);
        }
        return session;
    }
    static std::vector<std::uint8_t> SessionPicture(
        const std::vector<polezero::DesignerEvent>& events)
    {
        const polezero::DesignerSession session = SessionAfter(events);
        const auto bytes = session.ClientArea().Bytes();
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    }
};

}  // namespace

TEST_F(PoleZeroRender, AScriptDrawsTheDialogsClientAreaAndDumpsTheDesign)
{
    const Outcome outcome =
        Run({"polezero", "-o", In("pz.png"), "--dump", In("pz.json"), "--events",
             " press 130,70 ;press 130,190; poles;\tpress 130,76; press 130,184; move 70,70 ;"});
    ASSERT_EQ(0, outcome.status) << outcome.err;

    const auto picture = ReadPng(In("pz.png"));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(750, picture->width);
    EXPECT_EQ(518, picture->height);
    const std::vector<polezero::DesignerEvent> events = {{Kind::Press, 130, 70},
                                                         {Kind::Press, 130, 190},
                                                         {Kind::Poles},
                                                         {Kind::Press, 130, 76},
                                                         {Kind::Press, 130, 184}};
    EXPECT_EQ(SessionPicture(events), picture->rgb);

    const nlohmann::json dump = Dump();
    EXPECT_EQ(600u, dump["response"].size());
    EXPECT_EQ(nlohmann::json::parse("[[130,70],[130,190]]"), dump["zeros"]);
    EXPECT_EQ(nlohmann::json::parse("[[130,76],[130,184]]"), dump["poles"]);
    EXPECT_EQ(false, dump["placeZeros"]);
    EXPECT_EQ(nlohmann::json::parse(R"(["x:      -1.00", "y:       1.00"])"), dump["cartesian"]);
    EXPECT_EQ(nlohmann::json::parse(R"(["moduo:       1.41", "angle:     135.00"])"),
              dump["polar"]);
    // The numbers are the core's own (SessionPicture ran the same presses),
    // each double printed so that it reads back the same.
    const WrittenFields fields = FieldsOf(SessionAfter(events));
    EXPECT_EQ(static_cast<int>(fields.responsePeakIndex), dump["peakIndex"].get<int>());
    for (std::size_t k = 0; k < 600; ++k) {
        ASSERT_EQ(fields.response[k], dump["response"][k].get<double>()) << k;
    }
}

TEST_F(PoleZeroRender, ZeroAndPoleOptionsRunInCommandLineOrderThenThePointer)
{
    const Outcome outcome =
        Run({"polezero", "--pole", "100,100", "-o", In("pz.png"), "--zero", "190,130", "--pointer",
             "15,130", "--pole", "40,50", "--dump", In("pz.json")});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    const nlohmann::json dump = Dump();
    EXPECT_EQ(nlohmann::json::parse("[[190,130]]"), dump["zeros"]);
    EXPECT_EQ(nlohmann::json::parse("[[100,100],[40,50]]"), dump["poles"]);
    EXPECT_EQ(false, dump["placeZeros"]);
    EXPECT_EQ(nlohmann::json::parse(R"(["Out of range"])"), dump["cartesian"]);
    EXPECT_EQ(0.0, dump["response"][0].get<double>());  // the zero on P_0
}

TEST_F(PoleZeroRender, NonFiniteSamplesAreNullAndOpenStartsAfresh)
{
    ASSERT_EQ(0, Run({"polezero", "-o", In("pz.png"), "--dump", In("pz.json"), "--events",
                      "poles; press 190,130"})
                     .status);
    EXPECT_TRUE(Dump()["response"][0].is_null());
    EXPECT_EQ(0, Dump()["peakIndex"].get<int>());

    ASSERT_EQ(0, Run({"polezero", "-o", In("pz.png"), "--dump", In("pz.json"), "--events",
                      "poles; press 100,100; move 100,100; open"})
                     .status);
    const nlohmann::json dump = Dump();
    EXPECT_EQ(nlohmann::json::array(), dump["poles"]);
    EXPECT_EQ(true, dump["placeZeros"]);
    EXPECT_EQ(nlohmann::json::array(), dump["cartesian"]);
    EXPECT_EQ(1.0, dump["response"][599].get<double>());
    EXPECT_EQ(SessionPicture({}), ReadPng(In("pz.png"))->rgb);
}

TEST_F(PoleZeroRender, MalformedStepsAreBadUsageAndWriteNothing)
{
    const std::vector<std::string> scripts = {
        "jump",
        "press",
        "press 10",
        "press 10,",
        "press ,10",
        "press 1.5,2",
        "press a,b",
        "press 1,2,3",
        "press 10 ,20",
        "reset now",
        "PRESS 10,20",
        "zeros 1,2",
        "press 2147483648,0",
        "move 0,-2147483649",
        "press 10,20;;bad",
        "press 10,20 30,40",
        "press --1,2",
    };
    for (const std::string& script : scripts) {
        const Outcome outcome =
            Run({"polezero", "-o", In("pz.png"), "--dump", In("pz.json"), "--events", script});
        EXPECT_EQ(2, outcome.status) << script;
        EXPECT_TRUE(IsOneLine(outcome.err)) << script << ": " << outcome.err;
        EXPECT_EQ(std::vector<std::string>{}, Files()) << script;
    }
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"polezero", "-o", In("pz.png"), "--zero", "10"},
             {"polezero", "-o", In("pz.png"), "--pointer", "x,y"},
             {"polezero", "-o", In("pz.png"), "--zero", "10,20", "--events", "reset"},
             {"polezero", "-o", In("pz.png"), "--size", "100x100"},
             {"dft", "-o", In("pz.png"), "--pole", "10,20"},
         }) {
        const Outcome outcome = Run(args);
        EXPECT_EQ(2, outcome.status) << args[3];
        EXPECT_TRUE(IsOneLine(outcome.err)) << outcome.err;
        EXPECT_EQ(std::vector<std::string>{}, Files());
    }
}

TEST_F(PoleZeroRender, ExtremeCoordinatesAreReadAndIgnored)
{
    const Outcome outcome = Run({"polezero", "-o", In("pz.png"), "--dump", In("pz.json"),
                                 "--events", "press -2147483648,2147483647; move +5,-0"});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ(nlohmann::json::array(), Dump()["zeros"]);
    EXPECT_EQ(nlohmann::json::parse(R"(["Out of range"])"), Dump()["polar"]);
}

TEST_F(PoleZeroRender, EditingStepsRunAsTheDialogsGesturesDo)
{
    const std::string script =
        "pair 100,90; pairs on; poles; press 90,100; pairs off; press 60,60; remove 61,61;"
        "drag 100,90 110,80; zeros; press 200,200; undo; undo; redo; open; press 70,70; undo; redo";
    ASSERT_EQ(
        0,
        Run({"polezero", "-o", In("pz.png"), "--dump", In("pz.json"), "--events", script}).status);
    EXPECT_EQ(SessionPicture({{Kind::Press, 70, 70}}), ReadPng(In("pz.png"))->rgb);

    const std::string edits =
        "pair 100,90; pairs on; poles; press 90,100; pairs off; press 60,60;"
        "remove 61,61; drag 100,90 110,80; undo; redo";
    ASSERT_EQ(
        0,
        Run({"polezero", "-o", In("pz.png"), "--dump", In("pz.json"), "--events", edits}).status);
    const nlohmann::json dump = Dump();
    EXPECT_EQ(nlohmann::json::parse("[[110,80],[100,170]]"), dump["zeros"]);
    EXPECT_EQ(nlohmann::json::parse("[[90,100],[90,160]]"), dump["poles"]);
    // The same markers pressed into a fresh dialog draw the same picture.
    EXPECT_EQ(SessionPicture({{Kind::Press, 110, 80},
                              {Kind::Press, 100, 170},
                              {Kind::Poles},
                              {Kind::Press, 90, 100},
                              {Kind::Press, 90, 160}}),
              ReadPng(In("pz.png"))->rgb);
}

TEST_F(PoleZeroRender, MalformedEditingStepsAreBadUsage)
{
    for (const std::string script :
         {"pair", "pair 1", "pairs", "pairs maybe", "pairs on off", "pairs on;pairs", "remove",
          "drag 1,2", "drag 1,2 3", "drag 1,2,3,4", "drag 1,2 3,4 5,6", "drag 1,2;3,4", "undo 1",
          "redo now", "Undo"}) {
        const Outcome outcome = Run({"polezero", "-o", In("pz.png"), "--events", script});
        EXPECT_EQ(2, outcome.status) << script;
        EXPECT_TRUE(IsOneLine(outcome.err)) << script << ": " << outcome.err;
        EXPECT_EQ(std::vector<std::string>{}, Files()) << script;
    }
    // Blanks: any number between the word and its points, and around steps.
    EXPECT_EQ(0, Run({"polezero", "-o", In("pz.png"), "--events",
                      "  drag\t1,2   3,4 ;pairs   on ; undo "})
                     .status);
}

TEST_F(PoleZeroRender, ADesignSavedIsTheDesignLoadedAndLoadingComesFirst)
{
    const std::string design = In("notch.json");
    ASSERT_EQ(0, Run({"polezero", "-o", In("a.png"), "--save-design", design, "--events",
                      "press 130,70; press 130,190; poles; press 130,76; press 130,184"})
                     .status);
    ASSERT_EQ(0, Run({"polezero", "-o", In("b.png"), "--design", design}).status);
    EXPECT_EQ(ReadPng(In("a.png"))->rgb, ReadPng(In("b.png"))->rgb);

    // The load is the first change: one undo empties the design again, and
    // the events follow it in the mode the dialog opened with.
    ASSERT_EQ(0, Run({"polezero", "-o", In("c.png"), "--dump", In("pz.json"), "--design", design,
                      "--events", "press 100,100; undo; undo", "--save-design", In("empty.json")})
                     .status);
    EXPECT_EQ(nlohmann::json::array(), Dump()["zeros"]);
    EXPECT_EQ(nlohmann::json::array(), Dump()["poles"]);
    EXPECT_EQ(nlohmann::json::parse(R"({"vorlenDesign": 1, "markers": []})"),
              nlohmann::json::parse(ReadFile(In("empty.json"))));
}

TEST_F(PoleZeroRender, ADesignFileThatIsNoDesignIsBadUsageAndOneThatCannotBeReadFails)
{
    std::ofstream(In("bad.json"))
        << R"({"vorlenDesign": 1, "markers": [{"kind": "zero", "x": 5, "y": 5}]})";
    Outcome outcome = Run({"polezero", "-o", In("pz.png"), "--design", In("bad.json")});
    EXPECT_EQ(2, outcome.status);
    EXPECT_TRUE(IsOneLine(outcome.err)) << outcome.err;
    EXPECT_NE(std::string::npos, outcome.err.find("bad.json: marker 1: (5, 5) lies outside"))
        << outcome.err;
    EXPECT_EQ(std::vector<std::string>{"bad.json"}, Files());

    outcome = Run({"polezero", "-o", In("pz.png"), "--design", In("missing.json")});
    EXPECT_EQ(1, outcome.status);
    EXPECT_TRUE(IsOneLine(outcome.err)) << outcome.err;
    EXPECT_EQ(std::vector<std::string>{"bad.json"}, Files());

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"dft", "-o", In("pz.png"), "--design", In("bad.json")},
             {"dft", "-o", In("pz.png"), "--save-design", In("d.json")},
             {"polezero", "-o", In("pz.png"), "--design="},
             {"polezero", "-o", In("pz.png"), "--save-design", ""},
             {"polezero", "-o", In("pz.png"), "--save-design", In("pz.png")},
             {"polezero", "-o", In("pz.png"), "--dump", In("d.json"), "--save-design",
              In("d.json")},
             {"polezero", "-o", In("pz.png"), "--analysis", In("d.json"), "--save-design",
              In("d.json")},
         }) {
        outcome = Run(args);
        EXPECT_EQ(2, outcome.status) << args.back();
        EXPECT_TRUE(IsOneLine(outcome.err)) << outcome.err;
        EXPECT_EQ(std::vector<std::string>{"bad.json"}, Files());
    }
}

TEST_F(PoleZeroRender, TheDumpHoldsTheNormalisedPictureAndNullWhereNoDoubleFits)
{
    std::string script = "press 190,130";  // sample 0 is exactly 0
    for (int i = 0; i < 170; ++i) {
        script += "; press 246,241";  // far zeros: beyond the largest double
    }
    ASSERT_EQ(
        0,
        Run({"polezero", "-o", In("pz.png"), "--dump", In("pz.json"), "--events", script}).status);
    const nlohmann::json dump = Dump();
    ASSERT_EQ(600u, dump["normalised"].size());
    EXPECT_EQ(0.0, dump["response"][0].get<double>());
    EXPECT_EQ(0.0, dump["normalised"][0].get<double>());
    const int peak = dump["peakIndex"].get<int>();
    EXPECT_EQ(1.0, dump["normalised"][peak].get<double>());
    for (std::size_t k = 1; k < 600; ++k) {
        ASSERT_TRUE(dump["response"][k].is_null()) << k;
        const double n = dump["normalised"][k].get<double>();
        ASSERT_TRUE(n > 0.0 && n <= 1.0) << k;
    }
}
