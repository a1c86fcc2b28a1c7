// Runs the GUI tests inside the real application: a private HOME, the
// application's own start-up, then every test, then a normal exit.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <wx/app.h>
#include <wx/log.h>
#include <wx/utils.h>

#include "tests/gui/gui_support.h"

wxIMPLEMENT_APP_NO_MAIN(CVorlenApp);

namespace {
std::string g_home;
}

void Pump(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
        wxMilliSleep(10);
    }
}

std::string PrivateDir()
{
    return g_home;
}

std::string MakeFile(const std::string& name, const std::string& contents)
{
    const std::string path = g_home + "/" + name;
    std::ofstream(path, std::ios::binary) << contents;
    return path;
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "gui_tests need an X display: run them under xvfb-run.\n");
        return 1;
    }
    char pattern[] = "/tmp/vorlen-gui-XXXXXX";
    if (!mkdtemp(pattern))
        return 1;
    g_home = pattern;
    setenv("HOME", pattern, 1);
    setenv("XDG_CONFIG_HOME", (g_home + "/.config").c_str(), 1);

    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv))
        return 1;
    delete wxLog::SetActiveTarget(new wxLogStderr);
    if (!wxTheApp->CallOnInit())
        return 1;
    Pump(20);

    const int result = RUN_ALL_TESTS();

    if (wxGetApp().MainFrame())
        wxGetApp().MainFrame()->Destroy();
    Pump();
    wxTheApp->OnExit();
    wxEntryCleanup();
    std::error_code ignored;
    std::filesystem::remove_all(g_home, ignored);
    return result;
}
