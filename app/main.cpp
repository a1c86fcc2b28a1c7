// Vorlen's entry point: checks for a display before GTK would fail with its
// own message, then runs the application.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <wx/app.h>

#include "app/vorlen_app.h"

wxIMPLEMENT_APP_NO_MAIN(CVorlenApp);

int main(int argc, char** argv)
{
    // The version alone needs no display: scripts and packagers ask for it
    // anywhere. With other arguments the command line is read as usual.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s\n", VorlenVersionLine());
        return 0;
    }
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!x11 || !*x11) && (!wayland || !*wayland)) {
        std::fprintf(stderr,
                     "Vorlen needs a graphical display, and none is set (DISPLAY and "
                     "WAYLAND_DISPLAY are empty).\nStart it from a desktop session, or "
                     "under a virtual one: xvfb-run -a vorlen\n");
        return 1;
    }
    return wxEntry(argc, argv);
}
