// Helpers of the designer's GUI tests: the pointer and clicks at client
// pixels of the dialog, and what the core draws for the same events.
#pragma once

#include <cstdint>
#include <tuple>
#include <vector>

#include <wx/uiaction.h>

#include "dialogs/pole_zero_dlg.h"
#include "polezero/session.h"
#include "tests/gui/modal_support.h"
#include "tests/support/test_tools.h"
#include "workspace/workspace.h"

inline wxUIActionSimulator& Simulator()
{
    static wxUIActionSimulator sim;
    return sim;
}

// Moves the pointer to client pixel (x, y) of the dialog.
inline void PointerTo(CPoleZeroDlg& dlg, int x, int y)
{
    Simulator().MouseMove(dlg.ClientToScreen(wxPoint(x, y)));
    Pump(4);
}

inline void ClickAt(CPoleZeroDlg& dlg, int x, int y)
{
    PointerTo(dlg, x, y);
    Simulator().MouseClick();
    Pump(4);
}

inline void ShiftClickAt(CPoleZeroDlg& dlg, int x, int y)
{
    PointerTo(dlg, x, y);
    Simulator().KeyDown(WXK_SHIFT);
    Simulator().MouseClick();
    Simulator().KeyUp(WXK_SHIFT);
    Pump(4);
}

// The client area the core draws for these events on a fresh dialog, with
// the window system's repaints of `uncovered` after them.
inline std::vector<std::uint8_t> CorePicture(const std::vector<polezero::DesignerEvent>& events,
                                             const std::vector<wxRect>& uncovered = {})
{
    polezero::DesignerSession session({.tools = &TestTools().Tools(), .controlFrames = true});
    for (const auto& event : events)
        session.Apply(event);
    for (const wxRect& r : uncovered)
        session.Uncover(r.x, r.y, r.x + r.width, r.y + r.height);
    const auto bytes = session.ClientArea().Bytes();
    return {bytes.begin(), bytes.end()};
}

inline std::vector<std::uint8_t> Shown(const CPoleZeroDlg& dlg)
{
    const auto bytes = dlg.ClientArea().Bytes();
    return {bytes.begin(), bytes.end()};
}

// A key, with modifiers, with the pointer at client pixel (x, y). No window
// is ever active under Xvfb: the keys go to the window under the pointer,
// and there to the focused control, here the OK button. Letters are given
// in lower case (an upper-case one adds Shift).
inline void KeyAt(CPoleZeroDlg& dlg, int x, int y, int key, int modifiers = wxMOD_NONE)
{
    dlg.FindWindow(CTemplateDialog::kAcceptId)->SetFocus();
    PointerTo(dlg, x, y);
    Simulator().Char(key, modifiers);
    Pump(5);
}
