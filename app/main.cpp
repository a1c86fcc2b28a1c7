// Vorlen's entry point: checks for a display before GTK would fail with its
// own message, then runs the application.
#include <cstdio>
#include <cstdlib>

#include <wx/app.h>

#include "app/vorlen_app.h"

wxIMPLEMENT_APP_NO_MAIN(CVorlenApp);

int main(int argc, char** argv)
{
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
