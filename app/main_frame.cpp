#include "app/main_frame.h"

#include <algorithm>

#include <wx/display.h>

#include "app/command_ids.h"
#include "app/plot_window.h"
#include "app/recent_files.h"
#include "dialogs/diagram_dlgs.h"
#include "dialogs/embedded_image.h"
#include "dialogs/params_dlgs.h"
#include "dialogs/pole_zero_dlg.h"
#include "dialogs/screen_picture.h"
#include "dialogs/signal_generator_dlg.h"
#include "picture/draw_at_scale.h"
#include "picture/surface.h"
#include "resources/embedded.h"
#include "views/analysis_views.h"
#include "views/conversion_views.h"
#include "views/decimation_views.h"
#include "views/dft_view.h"
#include "views/filter_view.h"
#include "views/interpolation_views.h"

namespace {
constexpr int kPreferredClientWidth = 840;
constexpr int kPreferredClientHeight = 640;
}  // namespace

wxBEGIN_EVENT_TABLE(CMainFrame, wxDocParentFrame)
    EVT_MENU(cmd::kDft, CMainFrame::OnDft)
    EVT_MENU(cmd::kSignalGenerator, CMainFrame::OnSignalGenerator)
    EVT_MENU(cmd::kDecimationTime, CMainFrame::OnDecimationTime)
    EVT_MENU(cmd::kDecimationFrequency, CMainFrame::OnDecimationFrequency)
    EVT_MENU(cmd::kInterpolationTime, CMainFrame::OnInterpolationTime)
    EVT_MENU(cmd::kInterpolationFrequency, CMainFrame::OnInterpolationFrequency)
    EVT_MENU(cmd::kFilterSpectrum, CMainFrame::OnFilterSpectrum)
    EVT_MENU(cmd::kFilterParams, CMainFrame::OnFilterParams)
    EVT_MENU(cmd::kDecimatorDiagram, CMainFrame::OnDecimatorDiagram)
    EVT_MENU(cmd::kInterpolatorDiagram, CMainFrame::OnInterpolatorDiagram)
    EVT_MENU(cmd::kDecimatorParams, CMainFrame::OnDecimatorParams)
    EVT_MENU(cmd::kInterpolatorParams, CMainFrame::OnInterpolatorParams)
    EVT_MENU(cmd::kConversionFrequency, CMainFrame::OnConversionFrequency)
    EVT_MENU(cmd::kConverterParams, CMainFrame::OnConverterParams)
    EVT_MENU(cmd::kConverterDiagram, CMainFrame::OnConverterDiagram)
    EVT_MENU(cmd::kConversionTime, CMainFrame::OnConversionTime)
    EVT_MENU(cmd::kAdHocFilter, CMainFrame::OnAdHocFilter)
    EVT_MENU(cmd::kEditUndo, CMainFrame::OnIgnoredKey)
    EVT_MENU(cmd::kEditCut, CMainFrame::OnIgnoredKey)
    EVT_MENU(cmd::kEditCopy, CMainFrame::OnIgnoredKey)
    EVT_MENU(cmd::kEditPaste, CMainFrame::OnIgnoredKey)
    EVT_MENU(cmd::kNextPane, CMainFrame::OnIgnoredKey)
    EVT_MENU(cmd::kPrevPane, CMainFrame::OnIgnoredKey)
wxEND_EVENT_TABLE()

CMainFrame::CMainFrame(wxDocManager* manager)
    : wxDocParentFrame(manager, nullptr, wxID_ANY, "Vorlen")
{
    wxIconBundle icons;
    for (const auto& png : {AppIcon16Png(), AppIcon32Png()}) {
        wxIcon icon;
        icon.CopyFromBitmap(EmbeddedBitmap(png));
        icons.AddIcon(icon);
    }
    SetIcons(icons);

    m_menus = CreateMainMenuBar();
    SetMenuBar(m_menus.bar);
    SetAcceleratorTable(CreateAcceleratorTable());
    // A command runs once the menu bar has finished its own handling, so
    // that a modal dialog never starts inside it.
    auto later = [this](int id) {
        return [this, id] { CallAfter([this, id] { RunCommand(id); }); };
    };
    MakeTitleACommand(m_menus.signalGenerator, later(cmd::kSignalGenerator));
    MakeTitleACommand(m_menus.dft, later(cmd::kDft));
    MakeTitleACommand(m_menus.adHocFilter, later(cmd::kAdHocFilter));
    // The plot area fills the client area: a frame's only child is sized
    // to it.
    m_plot = new CPlotWindow(this);
    // A drop-down menu puts back the part of the picture it covered.
    Bind(wxEVT_MENU_CLOSE, [this](wxMenuEvent& event) {
        if (const wxMenu* menu = event.GetMenu())
            m_plot->RestoreAfterMenu(DropDownScreenRect(*menu));
        event.Skip();
    });

    // GTK's natural size for a frame is tiny; open large enough for the
    // 800 x 600 pictures, within the screen.
    const wxRect screen = wxDisplay(this).GetClientArea();
    SetClientSize(std::min(kPreferredClientWidth, screen.width * 9 / 10),
                  std::min(kPreferredClientHeight, screen.height * 9 / 10));
}

void CMainFrame::ShowRecentFiles(const RecentFileList& files)
{
    ::ShowRecentFiles(m_menus.file, files);
}

void CMainFrame::RunCommand(int id)
{
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(this);
    ProcessWindowEvent(event);
}

// Each analysis computes from the workspace and draws into the plot area's
// raster through the same core function vorlen-render uses, then shows it.
// On a scaled desktop the raster has the screen's finer pixels, and the
// picture is drawn at that scale, as vorlen-render --scale draws it.
void CMainFrame::ShowAnalysis(AnalysisViewFunction draw)
{
    DrawAtScale(m_plot->Picture(), m_plot->PictureScale(), ScreenTools().Tools(),
                [draw](Surface& surface) { draw(surface, ViewOptions{}); });
    m_plot->ShowPicture();
}

void CMainFrame::OnDft(wxCommandEvent&)
{
    ShowAnalysis(DrawDftView);
}
void CMainFrame::OnFilterSpectrum(wxCommandEvent&)
{
    ShowAnalysis(DrawFilterSpectrumView);
}
void CMainFrame::OnDecimationTime(wxCommandEvent&)
{
    ShowAnalysis(DrawDecimationTimeView);
}
void CMainFrame::OnDecimationFrequency(wxCommandEvent&)
{
    ShowAnalysis(DrawDecimationFrequencyView);
}
void CMainFrame::OnInterpolationTime(wxCommandEvent&)
{
    ShowAnalysis(DrawInterpolationTimeView);
}
void CMainFrame::OnInterpolationFrequency(wxCommandEvent&)
{
    ShowAnalysis(DrawInterpolationFrequencyView);
}
void CMainFrame::OnConversionTime(wxCommandEvent&)
{
    ShowAnalysis(DrawConversionTimeView);
}
void CMainFrame::OnConversionFrequency(wxCommandEvent&)
{
    ShowAnalysis(DrawConversionFrequencyView);
}

// Each dialog runs modally, centred over the main window; it writes the
// workspace itself while it is open.
template <class Dialog>
void CMainFrame::RunDialog()
{
    Dialog dialog(this);
    dialog.RunCentredOver(*this);
}

void CMainFrame::OnSignalGenerator(wxCommandEvent&)
{
    RunDialog<CSignalGeneratorDlg>();
}
void CMainFrame::OnFilterParams(wxCommandEvent&)
{
    RunDialog<CLowPassParamsDlg>();
}
void CMainFrame::OnDecimatorParams(wxCommandEvent&)
{
    RunDialog<CDecimatorParamsDlg>();
}
void CMainFrame::OnInterpolatorParams(wxCommandEvent&)
{
    RunDialog<CInterpolatorParamsDlg>();
}
void CMainFrame::OnConverterParams(wxCommandEvent&)
{
    RunDialog<CConverterParamsDlg>();
}
void CMainFrame::OnDecimatorDiagram(wxCommandEvent&)
{
    RunDialog<CDecimatorDiagramDlg>();
}
void CMainFrame::OnInterpolatorDiagram(wxCommandEvent&)
{
    RunDialog<CInterpolatorDiagramDlg>();
}
void CMainFrame::OnConverterDiagram(wxCommandEvent&)
{
    RunDialog<CConverterDiagramDlg>();
}

void CMainFrame::OnAdHocFilter(wxCommandEvent&)
{
    RunDialog<CPoleZeroDlg>();
}

void CMainFrame::OnIgnoredKey(wxCommandEvent&) {}
