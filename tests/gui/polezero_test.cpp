// The pole-zero designer dialog from the menu, in a real modal loop: real
// clicks and pointer moves reach the core's designer, the radio buttons
// switch the mode, Esc and Reset reset without closing, OK closes.
#include <wx/listbox.h>
#include <wx/radiobut.h>

#include "app/command_ids.h"
#include "dialogs/pole_zero_dlg.h"
#include "polezero/design_file.h"
#include "polezero/session.h"
#include "tests/gui/designer_support.h"
#include "tests/gui/modal_support.h"
#include "tests/support/written_fields.h"
#include "workspace/workspace.h"

using polezero::PixelPoint;

namespace {

using Dlg = CPoleZeroDlg;

std::vector<std::string> Lines(Dlg& dlg, int id)
{
    std::vector<std::string> lines;
    const wxListBox& list = *wxStaticCast(dlg.FindWindow(id), wxListBox);
    for (unsigned i = 0; i < list.GetCount(); ++i)
        lines.push_back(list.GetString(i).ToStdString());
    return lines;
}

wxRadioButton& ModeRadio(Dlg& dlg, int id)
{
    return *wxStaticCast(dlg.FindWindow(id), wxRadioButton);
}

}  // namespace

TEST(PoleZeroDialog, OpensFromTheMenuCentredAtTheTemplatesSizeWithoutACloseBox)
{
    ResetWorkspace();
    WhileOpen<Dlg>(cmd::kAdHocFilter, [](Dlg& dlg) {
        EXPECT_EQ("Ad Hoc Projektovanje filtara ", dlg.GetTitle().ToStdString());
        EXPECT_EQ(wxSize(750, 518), dlg.GetClientSize());
        EXPECT_FALSE(dlg.HasFlag(wxCLOSE_BOX));
        const wxPoint centre = dlg.GetScreenRect().GetPosition() + dlg.GetSize() / 2;
        const wxPoint frameCentre = Frame().GetScreenRect().GetPosition() + Frame().GetSize() / 2;
        EXPECT_LE(std::abs(centre.x - frameCentre.x), 1);
        EXPECT_LE(std::abs(centre.y - frameCentre.y), 1);
        EXPECT_TRUE(ModeRadio(dlg, Dlg::kPlaceZeros).GetValue());
        EXPECT_TRUE(FieldsOf(dlg).placeZeros);
        EXPECT_EQ(1, FieldsOf(dlg).zeroCount);
        // The canvases sit where the designer draws: a control there would
        // take the presses.
        for (wxWindow* child : dlg.GetChildren()) {
            EXPECT_FALSE(child->GetRect().Intersects(wxRect(10, 11, 240, 234))) << child->GetId();
            EXPECT_FALSE(child->GetRect().Intersects(wxRect(10, 275, 686, 214))) << child->GetId();
        }
        ClickIzlaz(dlg);
    });
}

TEST(PoleZeroDialog, RealClicksPlaceZerosAndPolesAndDrawBothPictures)
{
    ResetWorkspace();
    WhileOpen<Dlg>(cmd::kAdHocFilter, [](Dlg& dlg) {
        ClickAt(dlg, 190, 130);
        EXPECT_EQ(2, FieldsOf(dlg).zeroCount);
        EXPECT_EQ(0.0, FieldsOf(dlg).response[0]);
        Click(ModeRadio(dlg, Dlg::kPlacePoles));
        EXPECT_FALSE(FieldsOf(dlg).placeZeros);
        EXPECT_TRUE(ModeRadio(dlg, Dlg::kPlacePoles).GetValue());
        ClickAt(dlg, 100, 60);
        EXPECT_EQ(2, FieldsOf(dlg).poleCount);
        EXPECT_EQ((PixelPoint{100, 60}), FieldsOf(dlg).poles[1]);
        ClickAt(dlg, 15, 130);  // outside the design area
        EXPECT_EQ(2, FieldsOf(dlg).poleCount);
        using Kind = polezero::DesignerEvent::Kind;
        EXPECT_EQ(CorePicture({{Kind::Press, 190, 130}, {Kind::Poles}, {Kind::Press, 100, 60}}),
                  Shown(dlg));

        // The pictures are not retained: a repaint the window system asks
        // for shows the empty frames again.
        dlg.Refresh();
        dlg.Update();
        Pump(3);
        EXPECT_EQ(CorePicture({}), Shown(dlg));
        EXPECT_EQ(2, FieldsOf(dlg).poleCount);  // the design stays

        // Each press of a double click places a marker.
        static wxUIActionSimulator sim;
        PointerTo(dlg, 200, 200);
        sim.MouseDblClick();
        Pump(4);
        EXPECT_EQ(4, FieldsOf(dlg).poleCount);
        ClickIzlaz(dlg);
    });
}

namespace {

// A window of the window system's own, not one of the program's widgets:
// to the designer it is like another program's window.
class ForeignWindow {
public:
    explicit ForeignWindow(const wxRect& screen)
    {
        GdkWindowAttr attributes{};
        attributes.window_type = GDK_WINDOW_TEMP;
        attributes.wclass = GDK_INPUT_OUTPUT;
        attributes.x = screen.x;
        attributes.y = screen.y;
        attributes.width = screen.width;
        attributes.height = screen.height;
        m_window = gdk_window_new(nullptr, &attributes, GDK_WA_X | GDK_WA_Y);
        gdk_window_show(m_window);
    }
    ~ForeignWindow() { gdk_window_destroy(m_window); }
    void Hide() { gdk_window_hide(m_window); }

private:
    GdkWindow* m_window;
};

}  // namespace

TEST(PoleZeroDialog, ARepaintClearsOnlyWhatIsUncoveredAndNothingWhereItsOwnWindowsWere)
{
    ResetWorkspace();
    WhileOpen<Dlg>(cmd::kAdHocFilter, [](Dlg& dlg) {
        using Kind = polezero::DesignerEvent::Kind;
        const std::vector<polezero::DesignerEvent> notch = {{Kind::Press, 130, 70}};
        ClickAt(dlg, 130, 70);

        // Two small windows far apart leave at once: what lies between them
        // keeps its picture.
        const std::vector<wxRect> uncovered = {{100, 60, 20, 20}, {600, 400, 20, 20}};
        {
            ForeignWindow a(wxRect(dlg.ClientToScreen(uncovered[0].GetPosition()), wxSize(20, 20)));
            ForeignWindow b(wxRect(dlg.ClientToScreen(uncovered[1].GetPosition()), wxSize(20, 20)));
            Pump(5);
            a.Hide();
            b.Hide();
            Pump(5);
        }
        EXPECT_EQ(CorePicture(notch, uncovered), Shown(dlg));

        // A window of the program's own over both canvases, shown and
        // closed: what it covered comes back as it was.
        {
            wxDialog own(&dlg, wxID_ANY, "", wxDefaultPosition, wxSize(500, 400), wxBORDER_NONE);
            own.Move(dlg.ClientToScreen(wxPoint(50, 50)));
            own.Show();
            Pump(5);
            ASSERT_TRUE(own.GetScreenRect().Intersects(dlg.GetScreenRect()));
            own.Hide();
            Pump(5);
        }
        EXPECT_EQ(CorePicture(notch, uncovered), Shown(dlg));
        ClickIzlaz(dlg);
    });
}

TEST(PoleZeroDialog, EscapeAndResetResetWithoutClosing)
{
    ResetWorkspace();
    WhileOpen<Dlg>(cmd::kAdHocFilter, [](Dlg& dlg) {
        ClickAt(dlg, 60, 60);
        ClickAt(dlg, 100, 100);
        ASSERT_EQ(3, FieldsOf(dlg).zeroCount);
        PressEscape(dlg);
        EXPECT_TRUE(dlg.IsModal());
        EXPECT_EQ(1, FieldsOf(dlg).zeroCount);
        EXPECT_EQ(1.0, FieldsOf(dlg).response[123]);
        EXPECT_EQ(kBlack, dlg.ClientArea().Pixel(58, 60));   // outside the circle: stays
        EXPECT_EQ(kWhite, dlg.ClientArea().Pixel(98, 100));  // inside: wiped

        ClickAt(dlg, 100, 100);
        Click(*dlg.FindWindow(Dlg::kResetButton));
        EXPECT_TRUE(dlg.IsModal());
        EXPECT_EQ(1, FieldsOf(dlg).zeroCount);
        // A close request from the window manager changes nothing.
        ClickAt(dlg, 100, 100);
        const auto before = Shown(dlg);
        CloseBox(dlg);
        EXPECT_TRUE(dlg.IsModal());
        EXPECT_EQ(2, FieldsOf(dlg).zeroCount);
        EXPECT_EQ(before, Shown(dlg));
        // Enter means OK, wherever the focus is.
        Key(ModeRadio(dlg, Dlg::kPlaceZeros), WXK_RETURN);
    });
}

TEST(PoleZeroDialog, PointerMovesFillTheReadOutsUnlessTheDialogHoldsTheCapture)
{
    ResetWorkspace();
    WhileOpen<Dlg>(cmd::kAdHocFilter, [](Dlg& dlg) {
        EXPECT_TRUE(Lines(dlg, Dlg::kCartesianList).empty());
        PointerTo(dlg, 70, 70);
        EXPECT_EQ((std::vector<std::string>{"x:      -1.00", "y:       1.00"}),
                  Lines(dlg, Dlg::kCartesianList));
        EXPECT_EQ((std::vector<std::string>{"moduo:       1.41", "angle:     135.00"}),
                  Lines(dlg, Dlg::kPolarList));
        PointerTo(dlg, 300, 250);
        EXPECT_EQ(std::vector<std::string>{"Out of range"}, Lines(dlg, Dlg::kPolarList));

        dlg.CaptureMouse();
        PointerTo(dlg, 190, 130);
        EXPECT_EQ(std::vector<std::string>{"Out of range"}, Lines(dlg, Dlg::kPolarList));
        dlg.ReleaseMouse();
        PointerTo(dlg, 190, 130);
        EXPECT_EQ("angle:       0.00", Lines(dlg, Dlg::kPolarList).at(1));
        ClickIzlaz(dlg);
    });
}

TEST(PoleZeroDialog, ReopeningStartsAnEmptyDesignInZeroMode)
{
    ResetWorkspace();
    WhileOpen<Dlg>(cmd::kAdHocFilter, [](Dlg& dlg) {
        Click(ModeRadio(dlg, Dlg::kPlacePoles));
        ClickAt(dlg, 100, 100);
        ASSERT_EQ(2, FieldsOf(dlg).poleCount);
        ClickIzlaz(dlg);
    });
    WhileOpen<Dlg>(cmd::kAdHocFilter, [](Dlg& dlg) {
        EXPECT_TRUE(ModeRadio(dlg, Dlg::kPlaceZeros).GetValue());
        EXPECT_FALSE(ModeRadio(dlg, Dlg::kPlacePoles).GetValue());
        EXPECT_TRUE(FieldsOf(dlg).placeZeros);
        EXPECT_EQ(1, FieldsOf(dlg).poleCount);
        EXPECT_EQ(CorePicture({}), Shown(dlg));
        // A full table takes no more markers (the dialog rings the bell).
        std::vector<polezero::Marker> full((polezero::kMostMarkersOfAKind + 1) - 1,
                                           polezero::Marker{polezero::MarkerKind::Zero, {100, 60}});
        const std::string file = MakeFile("full.json", polezero::DesignFileText(full));
        wxTEST_DIALOG(KeyAt(dlg, 300, 300, 'o', wxMOD_CONTROL), wxExpectModal<wxFileDialog>(file));
        ASSERT_EQ((polezero::kMostMarkersOfAKind + 1), FieldsOf(dlg).zeroCount);
        const auto before = FieldsOf(dlg).response;
        ClickAt(dlg, 120, 120);
        EXPECT_EQ((polezero::kMostMarkersOfAKind + 1), FieldsOf(dlg).zeroCount);
        EXPECT_EQ(before, FieldsOf(dlg).response);
        ClickIzlaz(dlg);
    });
}
