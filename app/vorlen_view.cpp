#include "app/vorlen_view.h"

#include "app/main_frame.h"
#include "app/plot_window.h"
#include "app/vorlen_app.h"

wxIMPLEMENT_DYNAMIC_CLASS(CVorlenView, wxView);

bool CVorlenView::OnCreate(wxDocument* doc, long flags)
{
    if (!wxView::OnCreate(doc, flags))
        return false;
    SetFrame(wxGetApp().MainFrame());
    Activate(true);
    return true;
}

void CVorlenView::OnDraw(wxDC*) {}

void CVorlenView::OnUpdate(wxView*, wxObject*)
{
    if (CMainFrame* frame = wxGetApp().MainFrame())
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
