// "Ad Hoc Projektovanje filtara ": the pole-zero designer. Presses on the
// z-plane place zeros or poles, and both pictures are redrawn at once; the
// pointer's position is read out in two list boxes.
//
// The dialog keeps no design of its own: the workspace holds it, and the
// core's DesignerSession holds what the client area shows. Every handler is
// one call into the session, after which the dialog shows the result. The
// pictures are not retained: a repaint the window system asks for shows
// the controls and the empty canvas frames only.
#pragma once

#include "dialogs/template_dialog.h"
#include "polezero/session.h"

class CPoleZeroDlg : public CTemplateDialog {
public:
    static constexpr int kResetButton = 2;
    static constexpr int kPlaceZeros = 1000;
    static constexpr int kPlacePoles = 1001;
    static constexpr int kCartesianList = 1004;
    static constexpr int kPolarList = 1005;

    explicit CPoleZeroDlg(wxWindow* parent);

    // What the client area shows, control pixels aside (for tests).
    const Raster& ClientArea() const { return m_session.ClientArea(); }

private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnPlaceZeros();
    void OnPlacePoles();
    void OnCanvasClick(wxMouseEvent& event);
    void OnCanvasMouseMove(wxMouseEvent& event);
    void ResetDesign();
    void OnResetButton(wxCommandEvent& event);
    void OnKey(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnPaint(wxPaintEvent& event);
    void ShowReadout();
    void ShowPictures();

    polezero::DesignerSession m_session;
    // Set while the session's pictures wait to be painted; any other paint
    // is the window system's and shows its region as a fresh dialog.
    bool m_commandPaint = false;
};
