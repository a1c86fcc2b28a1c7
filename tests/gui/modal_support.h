// Modal dialogs in real modal loops: opening one by its command, acting
// on it while it is on screen, and a person's clicks and keys.
#pragma once

#include <gtk/gtk.h>

#include <functional>

#include <wx/dialog.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "dialogs/template_dialog.h"
#include "tests/gui/gui_support.h"

template <class Dlg>
Dlg* OpenModal()
{
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<Dlg*>(window); dialog && dialog->IsModal())
            return dialog;
    return nullptr;
}

inline bool WaitFor(const std::function<bool()>& done)
{
    for (int i = 0; i < 200 && !done(); ++i)
        Pump(1);
    return done();
}

// Runs `command`, whose dialog opens modally; once it is on screen, `act`
// runs in its modal loop and should close it. A dialog left open is closed
// and reported, so that no test ever waits for a person.
template <class Dlg>
void WhileOpen(int command, const std::function<void(Dlg&)>& act)
{
    bool acted = false;
    int ticks = 0;
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        Dlg* dialog = OpenModal<Dlg>();
        if (!dialog || !dialog->IsShownOnScreen()) {
            if (++ticks > 250) {
                timer.Stop();
                ADD_FAILURE() << "the expected dialog did not open";
                if (auto* other = OpenModal<wxDialog>())
                    other->EndModal(wxID_CANCEL);
            }
            return;
        }
        timer.Stop();
        acted = true;
        Pump(3);
        act(*dialog);
        if (!WaitFor([dialog] { return !dialog->IsModal(); })) {
            ADD_FAILURE() << "the dialog did not close";
            dialog->EndModal(wxID_CANCEL);
        }
    });
    timer.Start(20);
    Command(command);
    timer.Stop();
    EXPECT_TRUE(acted);
}

// Puts the pointer on the control: keys go to the window under it.
inline wxUIActionSimulator& PointAt(wxWindow& control)
{
    static wxUIActionSimulator sim;
    sim.MouseMove(control.GetScreenRect().GetPosition() + wxPoint(8, control.GetSize().y / 2));
    Pump(2);
    return sim;
}

inline void Click(wxWindow& control)
{
    PointAt(control).MouseClick();
    Pump(5);
}

inline void Key(wxWindow& focus, int key)
{
    focus.SetFocus();
    PointAt(focus).Char(key);
    Pump(5);
}

inline void ClickIzlaz(wxDialog& dlg)
{
    Click(*dlg.FindWindow(CTemplateDialog::kAcceptId));
}

inline void PressEscape(wxDialog& dlg)
{
    Key(*dlg.FindWindow(CTemplateDialog::kAcceptId), WXK_ESCAPE);
}

// What the window manager does when the close box is clicked.
inline void CloseBox(wxDialog& dlg)
{
    gtk_window_close(GTK_WINDOW(dlg.GetHandle()));
    Pump(3);
}
