// The settings file: what a sound file gives, which damage makes a file
// unusable, and that the next save makes it sound again. (A huge file, a
// folder or a FIFO in its place: tests/e2e/settings_e2e.sh.)
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/settings_store.h"
#include "tests/gui/gui_support.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

fs::path SettingsFile()
{
    return fs::path(settings::FilePath().ToStdString());
}

// Puts `text` in the settings file's place.
void StoreText(const std::string& text)
{
    fs::remove_all(SettingsFile());
    fs::create_directories(SettingsFile().parent_path());
    std::ofstream(SettingsFile(), std::ios::binary) << text;
}

std::vector<std::string> Load(std::string* problem = nullptr)
{
    return settings::LoadRecentFiles(problem);
}

// The list the running program keeps is written back at each change; these
// tests put it back as it was.
class Settings : public ::testing::Test {
protected:
    void TearDown() override
    {
        fs::remove_all(SettingsFile());
        settings::SaveRecentFiles(wxGetApp().RecentFiles().Files());
    }
};

}  // namespace

TEST_F(Settings, ReadsWhatWxFileConfigWroteAndWritesItTheSameWay)
{
    // As wxFileConfig writes them: the section's blanks escaped, a value
    // with a leading blank or quote quoted, \\ \t \n escaped, comments and
    // other sections kept out of the list, names in any case.
    StoreText(
        "; comment\r\n"
        "[Other]\n"
        "File1=/not/this\n"
        "[Recent\\ File\\ List]\n"
        "File1=/a b/c=d;#x\n"
        "  file2 =   \" lead\"\n"
        "FILE3=back\\\\slash\\tand\\ttabs \n"
        "File4=\n"
        "File5=/never/read\n"
        "Size=3\n");
    const std::vector<std::string> expected = {"/a b/c=d;#x", " lead", "back\\slash\tand\ttabs "};
    std::string problem = "unset";
    EXPECT_EQ(Load(&problem), expected);
    EXPECT_EQ(problem, "");

    // Written back and read again, every path survives.
    const std::vector<std::string> tricky = {"\"quoted\" start", "new\nline", "/x/\xc5\xa1\xc4\x87",
                                             "$HOME/%d"};
    ASSERT_TRUE(settings::SaveRecentFiles(tricky));
    EXPECT_EQ(Load(), tricky);
    std::ifstream stored(SettingsFile());
    const std::string text((std::istreambuf_iterator<char>(stored)),
                           std::istreambuf_iterator<char>());
    EXPECT_EQ(text,
              "[Recent\\ File\\ List]\n"
              "File1=\"\\\"quoted\\\" start\"\n"
              "File2=new\\nline\n"
              "File3=/x/\xc5\xa1\xc4\x87\n"
              "File4=$HOME/%d\n");
    // Private, like any user's list of files.
    EXPECT_EQ(fs::status(SettingsFile()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(Settings, ADamagedFileGivesAnEmptyListAndTheNextSaveMendsIt)
{
    std::mt19937 random(7);
    std::string binary(4096, '\0');
    for (char& c : binary)
        c = static_cast<char>(random());
    const std::vector<std::string> damaged = {
        "[Recent File List]\nFile1=/kept/not\n=x\n",                     // a nameless entry
        "[Recent File List]\nFile1=/a\n[Recent File List]\nFile2=/b\n",  // a section twice
        "[Recent File List]\nFile1=/a\n[recent file list]\n",            // ... in another case
        "[Recent File List]\nFile1=/a\nfile1=/b\n",                      // an entry twice
        "[Recent File List\nFile1=/a\n",                                 // no closing bracket
        "[Recent File List] junk\nFile1=/a\n",                           // text after it
        "[Recent File List]\nFile1=/a\njust words\n",                    // neither pair nor section
        "[Recent File List]\nFile1=/a\xff\xfe\n",                        // not UTF-8
        "[Recent File List]\nFile1=/a\0b\n"s,                            // a NUL
        binary,
    };
    for (const std::string& text : damaged) {
        SCOPED_TRACE(text.substr(0, 40));
        StoreText(text);
        std::string problem;
        EXPECT_TRUE(Load(&problem).empty());
        EXPECT_EQ(problem, "is damaged");
    }
    ASSERT_TRUE(settings::SaveRecentFiles({"/now/sound"}));
    EXPECT_EQ(Load(), std::vector<std::string>{"/now/sound"});
}
