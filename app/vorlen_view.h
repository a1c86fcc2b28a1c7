// The view: the framework's link between the document and the main window.
// It draws nothing itself; the picture lives in the main window's plot area.
#pragma once

#include <wx/docview.h>

class CVorlenView : public wxView {
public:
    CVorlenView() = default;

    bool OnCreate(wxDocument* doc, long flags) override;
    void OnDraw(wxDC* dc) override;
    // A new or opened document erases the picture.
    void OnUpdate(wxView* sender, wxObject* hint) override;
    // Title "<document name> - Vorlen".
    void OnChangeFilename() override;
    // The main window outlives the view: closing the document leaves it.
    bool OnClose(bool deleteWindow) override;

private:
    wxDECLARE_DYNAMIC_CLASS(CVorlenView);
};
