#include "app/vorlen_view.h"

#include <wx/app.h>

#include "app/main_frame.h"
#include "app/plot_window.h"

wxIMPLEMENT_DYNAMIC_CLASS(CVorlenView, wxView);

namespace {

// The one main window, which the application makes its top window before
// it creates the document and its view.
CMainFrame* MainFrame()
{
    return wxTheApp ? dynamic_cast<CMainFrame*>(wxTheApp->GetTopWindow()) : nullptr;
}

}  // namespace

bool CVorlenView::OnCreate(wxDocument* doc, long flags)
{
    if (!wxView::OnCreate(doc, flags))
        return false;
    SetFrame(MainFrame());
    Activate(true);
    return true;
}

void CVorlenView::OnDraw(wxDC*) {}

void CVorlenView::OnUpdate(wxView*, wxObject*)
{
    if (CMainFrame* frame = MainFrame())
        frame->PlotWindow()->ErasePicture();
}

void CVorlenView::OnChangeFilename()
{
    if (wxWindow* frame = GetFrame(); frame && GetDocument())
        frame->SetLabel(GetDocument()->GetUserReadableName() + " - Vorlen");
}

bool CVorlenView::OnClose(bool)
{
    Activate(false);
    SetFrame(nullptr);
    return true;
}
