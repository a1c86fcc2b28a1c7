// Where the program's own windows have just been on the screen.
//
// A region of the designer that another window uncovers shows no picture
// until the next command. The windows the designer opens itself (its
// context menu, the analysis window, the file choosers and the message
// boxes) must not cost the student the pictures, and yet the window system
// does not say which window uncovered a region. So the trail watches every
// window of this program that can stand over the watched one: where one is
// hidden or moved away, the place it left is kept for a short while, and a
// repaint there shows the picture as it is. Another program's windows leave
// no trail.
#pragma once

#include <chrono>
#include <map>
#include <vector>

#include <wx/gdicmn.h>
#include <wx/region.h>

class wxWindow;

class OwnWindowTrail {
public:
    // Watches from now until destroyed, for `watched`: every window of the
    // program but `watched` itself and the windows it stands on (the one
    // it is a dialog of, and so on).
    explicit OwnWindowTrail(const wxWindow& watched);
    ~OwnWindowTrail();
    OwnWindowTrail(const OwnWindowTrail&) = delete;
    OwnWindowTrail& operator=(const OwnWindowTrail&) = delete;

    // Of `update`, a region of the watched window's client area that the
    // window system asks to repaint, the part where the program's own
    // windows have just been or still stand. That part leaves the trail:
    // once repainted it is like any other, and a window that uncovers it
    // later clears it.
    wxRegion Take(const wxRegion& update);

    // One of the program's windows has left `screenRect`. Public for the
    // window system's callbacks (and tests).
    void Left(const wxRect& screenRect);
    // One of them stands at `screenRect` now (nothing for `window` when
    // `screenRect` is empty: it is gone); where it stood before, it left.
    void Standing(const void* window, const wxRect& screenRect);
    bool Watches(const void* gtkWindow) const;

private:
    struct Place {
        wxRegion screen;
        std::chrono::steady_clock::time_point leftAt;
    };

    const wxWindow& m_watched;
    std::vector<Place> m_left;
    // The windows on the screen now, by their GTK window, where last seen.
    // A window that has just moved may be repainted under before the
    // window system has told this program the window's new place.
    std::map<const void*, wxRect> m_standing;
    std::vector<std::pair<unsigned, unsigned long>> m_hooks;  // signal, hook
};
