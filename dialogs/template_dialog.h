// Dialogs laid out from a fixed template: every control at a position and
// size given in dialog units, converted with the dialog's own font (the
// system's dialog font), placed absolutely, in the order of the template,
// which is also the tab order.
//
// The dialogs keep no values of their own: whatever they change is written
// to the workspace at once, so all ways of closing them (the default button,
// Enter, Escape, the close box) end the dialog the same way.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <wx/dialog.h>
#include <wx/font.h>

#include "forms/form.h"

class wxButton;
class wxListBox;
class wxRadioButton;
class wxTextCtrl;

// How a template differs from the usual one: its units, its frame and font.
struct TemplateStyle {
    // Converts a box to client pixels at a fixed scale instead of the
    // dialog font's units; nullptr for the font's units.
    wxRect (*toPixels)(const DlgBox& box) = nullptr;
    // A caption with a close box (and its system menu). Without one the
    // window manager gives the dialog a border only: some window managers
    // (openbox) keep close and minimise buttons on any title bar, whatever
    // the window asks for, and a dialog without a close box offers none.
    bool closeBox = true;
    // The font of the dialog and its controls; the system's when not valid.
    wxFont font;
    // The font's size is meant at 96 dots per inch and kept in pixels when
    // the desktop sets text larger: for a dialog whose pixels are fixed.
    bool textSizeInPixels = false;
};

class CTemplateDialog : public wxDialog {
public:
    // The id of every template's accept button.
    static constexpr int kAcceptId = ::kAcceptId;

    // Runs the dialog modally, centred over `owner` (the main window), as
    // every command that opens a dialog does; the result means nothing.
    void RunCentredOver(const wxWindow& owner);

    // Puts the dialog's centre on the centre of `owner`.
    void CentreOver(const wxWindow& owner);

protected:
    // The units (unless the style fixes them) and every text follow the
    // style's font if it gives one (a template's own font), else the
    // system's dialog font.
    CTemplateDialog(wxWindow* parent, const Form& form, const TemplateStyle& style = {});

    wxTextCtrl& Edit(int id) const;
    wxRadioButton& Radio(int id) const;
    wxButton& Button(int id) const;
    wxListBox& List(int id) const;

    // Runs `action` on every click of the radio button, by mouse or by
    // keyboard, also when it is already checked: the click itself counts,
    // not a change of the check. Checking it from the program runs nothing.
    void OnEveryClick(wxRadioButton& button, std::function<void()> action);

    // Checks the radio button without running its click action.
    void CheckQuietly(wxRadioButton& button);

    // Where the keyboard focus starts: the first control of the template.
    void FocusFirstControl();

private:
    // Pixels of a box given in this dialog's units.
    wxRect ToPixels(const DlgBox& box) const;
    wxPoint UnitsToPixels(int x, int y) const;
    void ScaleUnitsWithText(std::span<const DlgItem> items);
    static double TextRoomAtUsualSize(const DlgItem& item, double usual, double unit);
    void Build(std::span<const DlgItem> items);
    void OnCharHook(wxKeyEvent& event);
    void OnPaint(wxPaintEvent& event);

    wxRect (*m_toPixels)(const DlgBox& box) = nullptr;
    // Pixels per dialog unit when the desktop sets text at other than 96
    // dots per inch; unset: wxWidgets' units.
    std::optional<wxRealPoint> m_unitPixels;
    bool m_quiet = false;
    std::vector<wxWindow*> m_framed;  // pictures in a sunken frame
};

// Text of an edit as the field rules read it.
std::string FieldText(const wxTextCtrl& edit);
