// "Ad Hoc Projektovanje filtara ": the pole-zero designer. Presses on the
// z-plane place zeros or poles, and both pictures are redrawn at once; the
// pointer's position is read out in two list boxes.
//
// Beyond the written designer it edits a design with gestures that one
// leaves unused: Shift + press places a conjugate pair, Ctrl + drag moves a
// marker, and a context menu (right button) and keys undo, redo, remove the
// marker at the pointer, switch pair mode, open and save design files and
// copy the coefficients. Ctrl+A opens the analysis window, which follows
// the design.
//
// The dialog keeps no design of its own: the core's DesignerSession holds
// the design and what the client area shows. Every handler is a call into
// the session, after which the dialog shows the result. The pictures are
// not retained: a repaint the window system asks for shows the controls and
// the empty canvas frames only, except where one of the program's own
// windows has just been (the context menu, the analysis window, a file
// chooser, a message box): there the pictures show as they are.
#pragma once

#include <wx/gdicmn.h>
#include <wx/weakref.h>

#include "dialogs/analysis_window.h"
#include "dialogs/own_window_trail_gtk.h"
#include "dialogs/template_dialog.h"
#include "forms/dialog_forms.h"
#include "polezero/session.h"

class wxContextMenuEvent;

class CPoleZeroDlg : public CTemplateDialog {
public:
    static constexpr int kResetButton = DesignerControls::kResetButton;
    static constexpr int kPlaceZeros = DesignerControls::kPlaceZeros;
    static constexpr int kPlacePoles = DesignerControls::kPlacePoles;
    static constexpr int kCartesianList = DesignerControls::kCartesianList;
    static constexpr int kPolarList = DesignerControls::kPolarList;

    explicit CPoleZeroDlg(wxWindow* parent);

    // What the client area shows, control pixels aside (for tests): in
    // screen pixels, the desktop's scale times the client pixels.
    const Raster& ClientArea() const { return m_session.ClientArea(); }
    const polezero::Design& CurrentDesign() const { return m_session.CurrentDesign(); }
    bool PlacingZeros() const { return m_session.PlacingZeros(); }
    int PeakIndex() const { return m_session.PeakIndex(); }
    // The open analysis window, nullptr when there is none.
    CDesignAnalysisWindow* AnalysisWindow() const;

private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnPlaceZeros();
    void OnPlacePoles();
    void OnCanvasClick(wxMouseEvent& event);
    void OnCanvasRelease(wxMouseEvent& event);
    void OnCanvasMouseMove(wxMouseEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnMenuCommand(wxCommandEvent& event);
    void ResetDesign();
    void OnResetButton(wxCommandEvent& event);
    void OnKey(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnPaint(wxPaintEvent& event);

    // One of designer_cmd's commands; `at` is where it applies (the pointer
    // for a key, the place of the right click for the menu).
    void RunCommand(int command, wxPoint at);
    void OpenDesign();
    void CopyCoefficients();
    // Opens the analysis window, or brings the open one to the front.
    void ShowAnalysis();
    // Ends a drag in progress where it is, before anything else happens.
    void FinishDrag();
    void ShowOutcome(polezero::PressOutcome outcome);
    wxPoint PointerPosition() const;
    void ShowReadout();
    void ShowPictures();

    polezero::DesignerSession m_session;
    // Set while the session's pictures wait to be painted; any other paint
    // is the window system's and shows its region as a fresh dialog, where
    // none of the program's own windows has just been.
    bool m_commandPaint = false;
    OwnWindowTrail m_ownWindows{*this};
    wxPoint m_menuAt;  // where the context menu was asked for
    // A child window: it goes with the dialog, and the reference clears
    // itself when the window is closed first.
    wxWeakRef<CDesignAnalysisWindow> m_analysis;
};
