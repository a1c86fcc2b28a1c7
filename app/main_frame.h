// The main window: the menu bar, the plot area, and the command table of
// every analysis and dialog command.
#pragma once

#include <wx/docview.h>

#include "app/menu_bar.h"
#include "views/analysis_views.h"

class CPlotWindow;
class RecentFileList;

class CMainFrame : public wxDocParentFrame {
public:
    explicit CMainFrame(wxDocManager* manager);

    CPlotWindow* PlotWindow() const { return m_plot; }
    void ShowRecentFiles(const RecentFileList& files);

    // Runs a command as if it had been chosen from the menu.
    void RunCommand(int id);

private:
    // Analyses: each draws its picture on the plot area at once.
    void ShowAnalysis(AnalysisViewFunction draw);
    void OnDft(wxCommandEvent& event);
    void OnFilterSpectrum(wxCommandEvent& event);
    void OnDecimationTime(wxCommandEvent& event);
    void OnDecimationFrequency(wxCommandEvent& event);
    void OnInterpolationTime(wxCommandEvent& event);
    void OnInterpolationFrequency(wxCommandEvent& event);
    void OnConversionTime(wxCommandEvent& event);
    void OnConversionFrequency(wxCommandEvent& event);

    // Dialogs: each runs its dialog modally over the main window.
    template <class Dialog>
    void RunDialog();
    void OnSignalGenerator(wxCommandEvent& event);
    void OnFilterParams(wxCommandEvent& event);
    void OnDecimatorParams(wxCommandEvent& event);
    void OnInterpolatorParams(wxCommandEvent& event);
    void OnConverterParams(wxCommandEvent& event);
    void OnDecimatorDiagram(wxCommandEvent& event);
    void OnInterpolatorDiagram(wxCommandEvent& event);
    void OnConverterDiagram(wxCommandEvent& event);
    void OnAdHocFilter(wxCommandEvent& event);

    // Keys of the accelerator table that have nothing to do here.
    void OnIgnoredKey(wxCommandEvent& event);

    MainMenus m_menus;
    CPlotWindow* m_plot = nullptr;

    wxDECLARE_EVENT_TABLE();
};
