// The designer's analysis window in the real dialog: opened with Ctrl+A, it
// shows the core's analysis picture of the design after changes of every
// kind, and stays one window; where it goes on screens of every size. (Its
// pixels on the screen, the context menu, undo, drag, its keys and closing
// are checked end to end.)
#include <algorithm>
#include <limits>
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

namespace {

long long CanvasesCovered(const wxRect& window, const std::vector<wxRect>& canvases)
{
    long long area = 0;
    for (const wxRect& canvas : canvases) {
        const wxRect common = window.Intersect(canvas);
        area += static_cast<long long>(common.width) * common.height;
    }
    return area;
}

}  // namespace

TEST(DesignAnalysisWindow, GoesBesideTheDesignerOrWhollyOnTheScreenCoveringLeastOfItsCanvases)
{
    // 800 x 600 with openbox's frame as wxWidgets reckons it before showing;
    // the designer with its border.
    const wxSize window(802, 625);
    auto canvasesOf = [](const wxRect& designer) {
        const wxPoint client = designer.GetPosition() + wxPoint(1, 1);
        return std::vector<wxRect>{{client + wxPoint(10, 11), wxSize(240, 234)},
                                   {client + wxPoint(10, 275), wxSize(686, 214)}};
    };

    // Laptops' screens, the designer where it opens over the main window
    // under openbox; and one with a panel along its top.
    for (const auto& [screen, designer] :
         {std::pair{wxRect(0, 0, 1366, 768), wxRect(308, 125, 752, 520)},
          std::pair{wxRect(0, 0, 1280, 800), wxRect(265, 141, 752, 520)},
          std::pair{wxRect(0, 0, 1280, 720), wxRect(265, 101, 752, 520)},
          std::pair{wxRect(0, 32, 1366, 736), wxRect(308, 141, 752, 520)}}) {
        SCOPED_TRACE(screen.height);
        const std::vector<wxRect> canvases = canvasesOf(designer);
        const wxRect placed(AnalysisWindowPlace(screen, window, designer, canvases), window);
        EXPECT_TRUE(screen.Contains(placed));
        long long least = std::numeric_limits<long long>::max();
        for (int x = screen.GetLeft(); x + window.x <= screen.GetRight() + 1; ++x)
            for (int y = screen.GetTop(); y + window.y <= screen.GetBottom() + 1; ++y)
                least = std::min(least, CanvasesCovered(wxRect(wxPoint(x, y), window), canvases));
        EXPECT_EQ(least, CanvasesCovered(placed, canvases));
        // At these sizes no place spares the response whole.
        EXPECT_GT(least, 0);
    }

    // With room beside the designer: to its right, else to its left, its
    // top at the designer's, 8 pixels apart.
    const wxRect wide(0, 0, 1920, 1080);
    const wxRect atLeft(100, 200, 752, 520);
    EXPECT_EQ(wxPoint(860, 200), AnalysisWindowPlace(wide, window, atLeft, canvasesOf(atLeft)));
    const wxRect atRight(1100, 200, 752, 520);
    EXPECT_EQ(wxPoint(290, 200), AnalysisWindowPlace(wide, window, atRight, canvasesOf(atRight)));
}
