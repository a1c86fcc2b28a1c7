// The designer's editing gestures in the real dialog, with real input
// events: Shift + click, Ctrl + drag, the keys, the design files and the
// clipboard; the canvases against what the core draws for the same steps.
// Also: every caption and read-out line shows whole, whatever the desktop's
// text size (the test runs again with larger text).
#include <gtk/gtk.h>

#include <fstream>
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/filedlg.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

#include "app/command_ids.h"
#include "polezero/design_file.h"
#include "polezero/filter_analysis.h"
#include "polezero/octave_text.h"
#include "tests/gui/designer_support.h"
#include "tests/support/written_fields.h"

using polezero::PixelPoint;

namespace {

using Dlg = CPoleZeroDlg;
using Kind = polezero::DesignerEvent::Kind;
using polezero::Marker;
using polezero::MarkerKind;

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(PoleZeroEditing, ShiftClickPlacesAPairAndCtrlZAndCtrlYStepThroughIt)
{
    ResetWorkspace();
    WhileOpen<Dlg>(cmd::kAdHocFilter, [](Dlg& dlg) {
        ShiftClickAt(dlg, 100, 90);
        ClickAt(dlg, 60, 130);
        const std::vector<polezero::DesignerEvent> both = {{Kind::Pair, 100, 90},
                                                           {Kind::Press, 60, 130}};
        EXPECT_EQ(CorePicture(both), Shown(dlg));

        KeyAt(dlg, 300, 300, 'z', wxMOD_CONTROL);
        EXPECT_EQ(CorePicture({{Kind::Pair, 100, 90}, {Kind::Press, 60, 130}, {Kind::Undo}}),
                  Shown(dlg));
        KeyAt(dlg, 300, 300, 'z', wxMOD_CONTROL);  // the pair is one step
        EXPECT_TRUE(dlg.CurrentDesign().markers.empty());
        KeyAt(dlg, 300, 300, 'y', wxMOD_CONTROL);
        KeyAt(dlg, 300, 300, 'z', wxMOD_CONTROL | wxMOD_SHIFT);  // redo too
        EXPECT_EQ(CorePicture(both), Shown(dlg));
        EXPECT_EQ(4, FieldsOf(dlg).zeroCount);
        ClickIzlaz(dlg);
    });
}

TEST(PoleZeroEditing, CtrlDragMovesAMarkerAndRedrawsAtEveryMove)
{
    ResetWorkspace();
    WhileOpen<Dlg>(cmd::kAdHocFilter, [](Dlg& dlg) {
        ClickAt(dlg, 130, 70);
        ClickAt(dlg, 200, 200);
        PointerTo(dlg, 131, 71);
        Simulator().KeyDown(WXK_CONTROL);
        Simulator().MouseDown();
        Pump(4);
        EXPECT_EQ(2u, dlg.CurrentDesign().markers.size());  // the press picked, placed nothing
        PointerTo(dlg, 120, 80);
        const std::vector<polezero::DesignerEvent> halfway = {
            {Kind::Press, 130, 70}, {Kind::Press, 200, 200}, {Kind::Drag, 130, 70, 120, 80}};
        EXPECT_EQ(CorePicture(halfway), Shown(dlg));
        PointerTo(dlg, 110, 95);
        Simulator().MouseUp();
        Simulator().KeyUp(WXK_CONTROL);
        Pump(4);
        EXPECT_EQ(
            CorePicture(
                {{Kind::Press, 130, 70}, {Kind::Press, 200, 200}, {Kind::Drag, 130, 70, 110, 95}}),
            Shown(dlg));
        EXPECT_EQ((PixelPoint{110, 95}), FieldsOf(dlg).zeros[1]);  // first in the order still

        // One step for undo, whatever the moves in between.
        KeyAt(dlg, 300, 300, 'z', wxMOD_CONTROL);
        EXPECT_EQ((PixelPoint{130, 70}), FieldsOf(dlg).zeros[1]);
        ClickIzlaz(dlg);
    });
}

TEST(PoleZeroEditing, DeleteRemovesTheMarkerUnderThePointer)
{
    ResetWorkspace();
    WhileOpen<Dlg>(cmd::kAdHocFilter, [](Dlg& dlg) {
        ClickAt(dlg, 100, 100);
        ClickAt(dlg, 150, 150);
        KeyAt(dlg, 152, 148, WXK_DELETE);
        EXPECT_EQ(CorePicture(
                      {{Kind::Press, 100, 100}, {Kind::Press, 150, 150}, {Kind::Remove, 152, 148}}),
                  Shown(dlg));
        EXPECT_EQ(2, FieldsOf(dlg).zeroCount);
        KeyAt(dlg, 200, 60, WXK_DELETE);  // nothing there
        EXPECT_EQ(2, FieldsOf(dlg).zeroCount);
        ClickIzlaz(dlg);
    });
}

TEST(PoleZeroEditing, DesignFilesOpenAndSaveAndABadOneIsRefusedWithAMessage)
{
    ResetWorkspace();
    const std::vector<Marker> notch = {{MarkerKind::Zero, {130, 70}},
                                       {MarkerKind::Zero, {130, 190}},
                                       {MarkerKind::Pole, {130, 76}},
                                       {MarkerKind::Pole, {130, 184}}};
    const std::string good = MakeFile("notch.json", polezero::DesignFileText(notch));
    const std::string bad = MakeFile("bad.json", R"({"vorlenDesign": 7, "markers": []})");
    const std::string saved = PrivateDir() + "/saved";
    WhileOpen<Dlg>(cmd::kAdHocFilter, [&](Dlg& dlg) {
        ClickAt(dlg, 60, 60);
        const auto before = Shown(dlg);
        wxTEST_DIALOG(KeyAt(dlg, 300, 300, 'o', wxMOD_CONTROL), wxExpectModal<wxFileDialog>(bad),
                      ExpectMessage("Datoteka bad.json nije dizajn: \"vorlenDesign\" is not 1: a "
                                    "design of another version"));
        EXPECT_EQ(before, Shown(dlg));
        EXPECT_EQ(2, FieldsOf(dlg).zeroCount);

        wxTEST_DIALOG(KeyAt(dlg, 300, 300, 'o', wxMOD_CONTROL), wxExpectModal<wxFileDialog>(good));
        EXPECT_EQ(notch, dlg.CurrentDesign().markers);
        EXPECT_EQ(CorePicture({{Kind::Press, 130, 70},
                               {Kind::Press, 130, 190},
                               {Kind::Poles},
                               {Kind::Press, 130, 76},
                               {Kind::Press, 130, 184}}),
                  Shown(dlg));

        // Saving adds the extension to a name without one.
        wxTEST_DIALOG(KeyAt(dlg, 300, 300, 's', wxMOD_CONTROL), wxExpectModal<wxFileDialog>(saved));
        EXPECT_EQ(polezero::DesignFileText(notch), ReadAll(saved + ".json"));

        // Loading was one change: undo brings the single zero back.
        KeyAt(dlg, 300, 300, 'z', wxMOD_CONTROL);
        EXPECT_EQ(CorePicture({{Kind::Press, 60, 60}}), Shown(dlg));
        ClickIzlaz(dlg);
    });
}

TEST(PoleZeroEditing, CtrlCPutsTheCoefficientsOnTheClipboardAsOctaveText)
{
    ResetWorkspace();
    WhileOpen<Dlg>(cmd::kAdHocFilter, [](Dlg& dlg) {
        ShiftClickAt(dlg, 190, 100);
        KeyAt(dlg, 300, 300, 'c', wxMOD_CONTROL);
        const std::vector<PixelPoint> zeros = {{190, 100}, {190, 160}};
        const std::string expected =
            polezero::OctaveCoefficients(polezero::AnalyseDesign(zeros, {}, 600, 0));
        wxTextDataObject text;
        ASSERT_TRUE(wxTheClipboard->Open());
        EXPECT_TRUE(wxTheClipboard->GetData(text));
        wxTheClipboard->Close();
        EXPECT_EQ(expected, text.GetText().utf8_string());
        EXPECT_EQ(0u, expected.find("b = [1 -2 1.25];\n"));
        ClickIzlaz(dlg);
    });
}

// Whatever size the desktop sets text at (this test runs again under
// GDK_DPI_SCALE 1.25 and 1.5): the designer's pixels are fixed, so its
// captions and read-out lines keep their size and show whole.
TEST(PoleZeroEditing, EveryCaptionAndReadOutLineShowsWhole)
{
    ResetWorkspace();
    WhileOpen<Dlg>(cmd::kAdHocFilter, [](Dlg& dlg) {
        PointerTo(dlg, 16, 241);  // the longest lines: x -1.90, angle -135.00 ...
        for (wxWindow* child : dlg.GetChildren()) {
            GtkWidget* widget = child->GetHandle();
            const wxSize size = child->GetSize();
            int width = 0;
            int height = 0;
            if (auto* list = dynamic_cast<wxListBox*>(child)) {
                ASSERT_EQ(2u, list->GetCount());
                // The list's tree view: its rows' text inside what it shows.
                GtkTreeView* rows = GTK_TREE_VIEW(gtk_bin_get_child(GTK_BIN(widget)));
                GtkAllocation shown;
                gtk_widget_get_allocation(GTK_WIDGET(rows), &shown);
                gtk_widget_get_preferred_width(GTK_WIDGET(rows), nullptr, &width);
                EXPECT_LE(width, shown.width) << list->GetString(0) << " / " << list->GetString(1);
                GtkTreePath* second = gtk_tree_path_new_from_indices(1, -1);
                GdkRectangle cell;
                gtk_tree_view_get_cell_area(rows, second, gtk_tree_view_get_column(rows, 0), &cell);
                gtk_tree_path_free(second);
                // The text sits in the middle of its cell, padding around it.
                PangoLayout* line =
                    gtk_widget_create_pango_layout(GTK_WIDGET(rows), list->GetString(1).utf8_str());
                int textHeight = 0;
                pango_layout_get_pixel_size(line, nullptr, &textHeight);
                g_object_unref(line);
                EXPECT_LE(cell.y + (cell.height + textHeight) / 2, shown.height)
                    << list->GetString(1);
            } else if (dynamic_cast<wxStaticText*>(child)) {
                gtk_widget_get_preferred_height_for_width(widget, size.x, nullptr, &height);
                EXPECT_LE(height, size.y) << child->GetLabel();
            } else if (dynamic_cast<wxRadioButton*>(child) || dynamic_cast<wxButton*>(child)) {
                gtk_widget_get_preferred_width(widget, nullptr, &width);
                EXPECT_LE(width, size.x) << child->GetLabel();
            }
        }
        ClickIzlaz(dlg);
    });
}
