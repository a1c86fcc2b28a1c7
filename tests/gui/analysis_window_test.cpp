// The designer's analysis window in the real dialog: opened with Ctrl+A, it
// shows the core's analysis picture of the design after changes of every
// kind, and stays one window. (Its pixels on the screen, the context menu,
// undo, drag, its keys and closing are checked end to end.)
#include <vector>

#include <wx/filedlg.h>

#include "app/command_ids.h"
#include "polezero/analysis_picture.h"
#include "polezero/design_file.h"
#include "tests/gui/designer_support.h"
#include "tests/support/test_tools.h"

using polezero::PixelPoint;

namespace {

using polezero::Marker;
using polezero::MarkerKind;

std::vector<std::uint8_t> AnalysisOf(const std::vector<PixelPoint>& zeros,
                                     const std::vector<PixelPoint>& poles)
{
    Raster raster(polezero::kAnalysisPictureWidth, polezero::kAnalysisPictureHeight);
    Surface surface(raster, TestFont());
    polezero::DrawDesignAnalysis(surface, zeros, poles);
    const auto bytes = raster.Bytes();
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> Shown(const CDesignAnalysisWindow& window)
{
    const auto bytes = window.Picture().Bytes();
    return {bytes.begin(), bytes.end()};
}

}  // namespace

TEST(DesignAnalysisWindow, FollowsPairsRemovalResetAndOpenedDesigns)
{
    ResetWorkspace();
    const std::vector<Marker> notch = {{MarkerKind::Zero, {130, 70}},
                                       {MarkerKind::Zero, {130, 190}},
                                       {MarkerKind::Pole, {130, 76}},
                                       {MarkerKind::Pole, {130, 184}}};
    const std::string notchFile = MakeFile("analysed.json", polezero::DesignFileText(notch));
    WhileOpen<CPoleZeroDlg>(cmd::kAdHocFilter, [&](CPoleZeroDlg& dlg) {
        KeyAt(dlg, 300, 300, 'a', wxMOD_CONTROL);
        CDesignAnalysisWindow* window = dlg.AnalysisWindow();
        ASSERT_NE(nullptr, window);
        EXPECT_EQ(&dlg, window->GetParent());
        EXPECT_EQ(AnalysisOf({}, {}), Shown(*window));

        ShiftClickAt(dlg, 100, 90);
        EXPECT_EQ(AnalysisOf({{100, 90}, {100, 170}}, {}), Shown(*window));
        KeyAt(dlg, 101, 171, WXK_DELETE);
        EXPECT_EQ(AnalysisOf({{100, 90}}, {}), Shown(*window));
        wxTEST_DIALOG(KeyAt(dlg, 300, 300, 'o', wxMOD_CONTROL),
                      wxExpectModal<wxFileDialog>(notchFile));
        EXPECT_EQ(AnalysisOf({{130, 70}, {130, 190}}, {{130, 76}, {130, 184}}), Shown(*window));
        KeyAt(dlg, 300, 300, WXK_ESCAPE);
        EXPECT_EQ(AnalysisOf({}, {}), Shown(*window));

        // Asked for again, the open window comes to the front.
        KeyAt(dlg, 300, 300, 'a', wxMOD_CONTROL);
        EXPECT_EQ(window, dlg.AnalysisWindow());
        ClickIzlaz(dlg);
    });
}
