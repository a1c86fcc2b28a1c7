#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/render_options.h"
#include "workspace/params.h"

namespace {

CommandLine Parse(std::vector<std::string> args)
{
    args.insert(args.begin(), "vorlen-render");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

}  // namespace

// "--a=" is the empty text, which the field rules read as any other text,
// exactly as --a "": it neither goes missing nor takes the next argument.
TEST(RenderOptions, AnEmptyTextAfterTheEqualsSignIsTheEmptyText)
{
    for (const ParamInfo& param : Params()) {
        const std::string option = "--" + std::string(param.name);
        SCOPED_TRACE(option);
        const std::vector<std::pair<Param, std::string>> expected = {{param.param, ""}};
        for (const auto& args :
             std::vector<std::vector<std::string>>{{"blank", "-o", "x.png", option + "="},
                                                   {"blank", "-o", "x.png", option, ""},
                                                   {option + "=", "blank", "-o", "x.png"}}) {
            const CommandLine line = Parse(args);
            ASSERT_EQ(CommandLine::Action::Render, line.action) << line.text;
            EXPECT_EQ("blank", line.options.command->name);
            EXPECT_EQ(expected, line.options.fields);
        }
    }
    // An empty file name is named as such, however it was given.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"blank", "--output="}, {"blank", "-o", "x.png", "--dump="}}) {
        const CommandLine line = Parse(args);
        EXPECT_EQ(CommandLine::Action::UsageError, line.action);
        EXPECT_NE(std::string::npos, line.text.find("the file name is empty")) << line.text;
    }
    // After "--" it is a positional argument like any other.
    EXPECT_EQ(CommandLine::Action::UsageError, Parse({"-o", "x.png", "--", "--a="}).action);
}
