// The signal, parameter, block-diagram and About dialogs, opened by their
// menu commands and run in real modal loops: what they fill in at opening,
// what typing and clicking store, that every way of closing keeps it, and
// that every text shows whole in the system font.
#include <gtk/gtk.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "app/command_ids.h"
#include "dialogs/about_dlg.h"
#include "dialogs/diagram_dlgs.h"
#include "dialogs/params_dlgs.h"
#include "dialogs/signal_generator_dlg.h"
#include "dsp/signals.h"
#include "tests/gui/gui_support.h"
#include "tests/gui/modal_support.h"
#include "workspace/field_rules.h"
#include "workspace/workspace.h"

namespace {

constexpr float kPiF = 3.14159274f;
using Signal = std::array<float, kSignalLength>;

// x(n) that `generate` makes from a, leaving the workspace as it was.
Signal Expected(void (*generate)(), float a)
{
    const float savedParam = g_signalParam;
    const Signal savedSignal = g_inputSignal;
    g_signalParam = a;
    generate();
    const Signal result = g_inputSignal;
    g_signalParam = savedParam;
    g_inputSignal = savedSignal;
    return result;
}

wxRadioButton& Radio(wxWindow& dlg, int id)
{
    return *wxStaticCast(dlg.FindWindow(id), wxRadioButton);
}

wxTextCtrl& Edit(wxWindow& dlg, int id)
{
    return *wxStaticCast(dlg.FindWindow(id), wxTextCtrl);
}

std::string Text(wxWindow& dlg, int id)
{
    return Edit(dlg, id).GetValue().ToStdString();
}

// Types into an edit as a person does: select what is there, then key by key.
void Type(wxTextCtrl& edit, const std::string& text)
{
    edit.SetFocus();
    edit.SelectAll();
    PointAt(edit).Text(text.c_str());
    Pump(5);
}

}  // namespace

TEST(SignalGeneratorDialog, OpeningChecksThreeCosinesRoundsAAndRemakesX)
{
    ResetWorkspace();
    g_signalParam = 0.333f;
    g_inputSignal.fill(9.0f);
    WhileOpen<CSignalGeneratorDlg>(cmd::kSignalGenerator, [](CSignalGeneratorDlg& dlg) {
        for (int id : {1000, 1001, 1002, 1006, 1007})
            EXPECT_EQ(Radio(dlg, id).GetValue(), id == 1002) << id;
        EXPECT_EQ(Text(dlg, 1003), "      0.33");
        EXPECT_EQ(g_signalParam, 0.33f);
        EXPECT_EQ(g_inputSignal, Expected(GenerateThreeCosines, 0.33f));
        EXPECT_EQ(wxWindow::FindFocus(), dlg.FindWindow(1));
        // Enter means "Izlaz" even on a radio button, which it leaves alone.
        Key(Radio(dlg, 1000), WXK_RETURN);
    });
    EXPECT_EQ(g_inputSignal, Expected(GenerateThreeCosines, 0.33f));
}

TEST(SignalGeneratorDialog, EveryClickOfAFormulaRemakesXEvenWhenAlreadyChecked)
{
    ResetWorkspace();
    WhileOpen<CSignalGeneratorDlg>(cmd::kSignalGenerator, [](CSignalGeneratorDlg& dlg) {
        Click(Radio(dlg, 1000));
        EXPECT_EQ(g_inputSignal, Expected(GenerateCosine, 0.5f));

        // Each key stores a at once; x(n) waits for the next click.
        Type(Edit(dlg, 1003), "0.2");
        EXPECT_EQ(g_signalParam, 0.2f);
        Type(Edit(dlg, 1003), "0.25");
        EXPECT_EQ(g_signalParam, 0.25f);
        EXPECT_EQ(g_inputSignal, Expected(GenerateCosine, 0.5f));
        Click(Radio(dlg, 1000));
        EXPECT_EQ(g_inputSignal, Expected(GenerateCosine, 0.25f));

        // Space on the checked button is a click too.
        Edit(dlg, 1003).SetValue("0.75");
        Key(Radio(dlg, 1000), ' ');
        EXPECT_TRUE(WaitFor([] { return g_inputSignal == Expected(GenerateCosine, 0.75f); }));

        // A pulse lowers a to 1 in the workspace; the field keeps the 2.
        Edit(dlg, 1003).SetValue("2");
        Click(Radio(dlg, 1006));
        EXPECT_EQ(g_signalParam, 1.0f);
        EXPECT_EQ(g_inputSignal, Expected(GenerateRectangularPulse, 1.0f));
        EXPECT_EQ(Text(dlg, 1003), "2");
        EXPECT_FALSE(Radio(dlg, 1000).GetValue());

        Edit(dlg, 1003).SetValue("0.5");
        Click(Radio(dlg, 1007));
        EXPECT_EQ(g_inputSignal, Expected(GenerateTriangularPulse, 0.5f));
        Edit(dlg, 1003).SetValue("");  // reads as 0
        Click(Radio(dlg, 1001));
        EXPECT_EQ(g_inputSignal, Signal{});

        Edit(dlg, 1003).SetValue("1e999");  // never an infinity
        EXPECT_EQ(g_signalParam, FLT_MAX);
        CloseBox(dlg);
    });
    EXPECT_EQ(g_signalParam, FLT_MAX);
    EXPECT_EQ(g_inputSignal, Signal{});
}

TEST(ParamsDialogs, OpeningFillsEachFieldAndStoresWhatItShows)
{
    ResetWorkspace();
    g_transitionWidth = 0.035f;
    WhileOpen<CLowPassParamsDlg>(cmd::kFilterParams, [](CLowPassParamsDlg& dlg) {
        EXPECT_EQ(Text(dlg, 1003), "      0.04");
        EXPECT_EQ(Text(dlg, 1004), "      1.57");
        EXPECT_EQ(g_transitionWidth, 0.04f);
        EXPECT_EQ(g_cutoff, 1.57f);
        EXPECT_EQ(wxWindow::FindFocus(), dlg.FindWindow(1));
        ClickIzlaz(dlg);
    });
    // A df too wide for ten characters is shown whole, and stays what it was.
    g_transitionWidth = FLT_MAX;
    g_cutoff = kPiF;
    g_decimationFactor = 7;
    WhileOpen<CConverterParamsDlg>(cmd::kConverterParams, [](CConverterParamsDlg& dlg) {
        EXPECT_EQ(Text(dlg, 1003), "340282346638528859811704183484516925440.00");
        EXPECT_EQ(g_transitionWidth, FLT_MAX);
        EXPECT_EQ(Text(dlg, 1004), "      3.14");
        EXPECT_EQ(g_cutoff, 3.14f);
        EXPECT_EQ(Text(dlg, 1005), "         2");  // L
        EXPECT_EQ(Text(dlg, 1006), "         7");  // M
        PressEscape(dlg);
    });
}

TEST(ParamsDialogs, TypingStoresThroughEachFieldsRuleAtOnce)
{
    ResetWorkspace();
    WhileOpen<CDecimatorParamsDlg>(cmd::kDecimatorParams, [](CDecimatorParamsDlg& dlg) {
        Type(Edit(dlg, 1003), "0.0351");
        EXPECT_EQ(g_transitionWidth, 0.0351f);
        Type(Edit(dlg, 1004), "3.1416");
        EXPECT_EQ(g_cutoff, kPiF);
        Type(Edit(dlg, 1005), "20");
        EXPECT_EQ(g_decimationFactor, 15);
        EXPECT_EQ(Text(dlg, 1005), "20");  // the edit is never corrected
        CloseBox(dlg);
    });
    EXPECT_EQ(g_transitionWidth, 0.0351f);

    // M and L are shared with the converter, df and fg with every dialog;
    // no text stores an infinity.
    WhileOpen<CConverterParamsDlg>(cmd::kConverterParams, [](CConverterParamsDlg& dlg) {
        EXPECT_EQ(Text(dlg, 1006), "        15");
        EXPECT_EQ(g_transitionWidth, 0.04f);
        Edit(dlg, 1003).SetValue("1e39");
        Edit(dlg, 1004).SetValue("1e999");
        Edit(dlg, 1005).SetValue("1e30");
        Edit(dlg, 1006).SetValue("-3");
        PressEscape(dlg);
    });
    EXPECT_EQ(g_transitionWidth, FLT_MAX);
    EXPECT_EQ(g_cutoff, kPiF);
    EXPECT_EQ(g_interpolationFactor, 15);
    EXPECT_EQ(g_decimationFactor, 0);
    WhileOpen<CInterpolatorParamsDlg>(cmd::kInterpolatorParams, [](CInterpolatorParamsDlg& dlg) {
        EXPECT_EQ(Text(dlg, 1005), "        15");
        Edit(dlg, 1004).SetValue("1.5abc");
        ClickIzlaz(dlg);
    });
    EXPECT_EQ(g_cutoff, 1.5f);
}

TEST(ParamsDialogs, AutoWgDividesPiByTheFactorInItsField)
{
    ResetWorkspace();
    WhileOpen<CDecimatorParamsDlg>(cmd::kDecimatorParams, [](CDecimatorParamsDlg& dlg) {
        Edit(dlg, 1005).SetValue("3");
        Click(*dlg.FindWindow(1008));
        EXPECT_EQ(Text(dlg, 1004), "1.047198");
        EXPECT_EQ(g_cutoff, 1.047198f);
        // A factor of 0 has no quotient: the widest pass band, pi.
        Edit(dlg, 1005).SetValue("x");
        Click(*dlg.FindWindow(1008));
        EXPECT_EQ(Text(dlg, 1004), "3.141593");
        EXPECT_EQ(g_cutoff, kPiF);
        PressEscape(dlg);
    });
    WhileOpen<CInterpolatorParamsDlg>(cmd::kInterpolatorParams, [](CInterpolatorParamsDlg& dlg) {
        Edit(dlg, 1005).SetValue("1");
        Click(*dlg.FindWindow(1008));
        EXPECT_EQ(Text(dlg, 1004), "3.141593");
        EXPECT_EQ(g_cutoff, kPiF);
        Edit(dlg, 1005).SetValue("15");
        Click(*dlg.FindWindow(1008));
        CloseBox(dlg);
    });
    EXPECT_EQ(g_cutoff, 0.20944f);
}

TEST(DiagramDialogs, ShowTheirPictureUnscaledInASunkenFrame)
{
    const auto check = [](wxDialog& dlg, const char* title, const char* button) {
        EXPECT_EQ(dlg.GetTitle(), title);
        EXPECT_EQ(dlg.FindWindow(1)->GetLabel(), button);
        const auto* picture = dynamic_cast<const wxStaticBitmap*>(dlg.GetChildren().back());
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->GetBitmap().GetSize(), wxSize(461, 181));
        EXPECT_EQ(picture->GetSize(), wxSize(461, 181));
        EXPECT_TRUE(picture->HasFlag(wxBORDER_SUNKEN));
    };
    WhileOpen<CDecimatorDiagramDlg>(cmd::kDecimatorDiagram, [&](CDecimatorDiagramDlg& dlg) {
        check(dlg, "Blok shema decimacije sa celobrojnim faktorom", "Izlaz");
        ClickIzlaz(dlg);
    });
    WhileOpen<CInterpolatorDiagramDlg>(cmd::kInterpolatorDiagram, [&](auto& dlg) {
        check(dlg, "Blok shema Interpolacije sa celobrojnim faktorom", "Izlaz");
        PressEscape(dlg);
    });
    WhileOpen<CConverterDiagramDlg>(cmd::kConverterDiagram, [&](CConverterDiagramDlg& dlg) {
        check(dlg, "Blok shema konvertora frekvencije odabiranja", "OK");
        CloseBox(dlg);
    });
}

TEST(AboutDialog, NamesTheProgramAndOpensCentredOverTheMainWindow)
{
    WhileOpen<CAboutDlg>(cmd::kAbout, [](CAboutDlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "About Vorlen");
        EXPECT_EQ(dlg.GetParent(), nullptr);
        const wxWindowList& children = dlg.GetChildren();
        ASSERT_EQ(children.size(), 10u);
        EXPECT_EQ(children[1]->GetLabel(), "Vorlen Version 1.0");
        EXPECT_EQ(children[4]->GetLabel(), "Kontakt");
        const auto* icon = dynamic_cast<wxStaticBitmap*>(children.front());
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->GetBitmap().GetSize(), wxSize(32, 32));
        EXPECT_EQ(Frame().GetIcons().GetIconCount(), 2u);  // 16 and 32 pixels
        const wxPoint offset = (dlg.GetScreenRect().GetPosition() + dlg.GetSize() / 2) -
                               (Frame().GetScreenRect().GetPosition() + Frame().GetSize() / 2);
        EXPECT_LE(std::abs(offset.x) + std::abs(offset.y), 2);
        // The template's serif face at 10 points, in every control.
        for (wxWindow* child : children) {
            const PangoFontDescription* font = pango_context_get_font_description(
                gtk_widget_get_pango_context(child->GetHandle()));
            EXPECT_STREQ(pango_font_description_get_family(font), "DejaVu Serif")
                << child->GetLabel();
            EXPECT_EQ(pango_font_description_get_size(font), 10 * PANGO_SCALE) << child->GetLabel();
        }
        ClickIzlaz(dlg);
    });
}

namespace {

// The pixels a control needs for its whole text, and the pixels it has.
std::pair<int, int> TextRoom(wxWindow& control)
{
    GtkWidget* widget = control.GetHandle();
    const wxSize size = control.GetSize();
    int needed = 0;
    if (dynamic_cast<wxStaticText*>(&control)) {
        gtk_widget_get_preferred_height_for_width(widget, size.x, nullptr, &needed);
        return {needed, size.y};
    }
    if (dynamic_cast<wxTextCtrl*>(&control)) {
        GdkRectangle area;
        gtk_entry_get_text_area(GTK_ENTRY(widget), &area);
        pango_layout_get_pixel_size(gtk_entry_get_layout(GTK_ENTRY(widget)), &needed, nullptr);
        return {needed, area.width};
    }
    if (dynamic_cast<wxStaticBox*>(&control)) {
        if (GtkWidget* caption = gtk_frame_get_label_widget(GTK_FRAME(widget)))
            gtk_widget_get_preferred_width(caption, nullptr, &needed);
    } else if (dynamic_cast<wxButton*>(&control) || dynamic_cast<wxRadioButton*>(&control)) {
        gtk_widget_get_preferred_width(widget, nullptr, &needed);
    }
    return {needed, size.x};
}

// Every text shows whole, inside the dialog, and no text runs into another
// control (a static's text takes only the top of its box).
void ExpectLaidOutCleanly(wxDialog& dlg)
{
    SCOPED_TRACE(dlg.GetTitle().ToStdString());
    std::vector<wxRect> inks;
    for (wxWindow* child : dlg.GetChildren()) {
        const auto [needed, given] = TextRoom(*child);
        EXPECT_LE(needed, given) << child->GetLabel();
        EXPECT_TRUE(wxRect(dlg.GetClientSize()).Contains(child->GetRect())) << child->GetLabel();
        if (dynamic_cast<wxStaticBox*>(child))
            continue;  // group boxes hold other controls
        wxRect ink = child->GetRect();
        if (dynamic_cast<wxStaticText*>(child))
            ink.height = std::min(ink.height, needed);
        for (const wxRect& other : inks)
            EXPECT_FALSE(ink.Intersects(other)) << child->GetLabel();
        inks.push_back(ink);
    }
}

}  // namespace

TEST(DialogLayout, EveryTextShowsWholeAndNoControlsOverlap)
{
    ResetWorkspace();
    // Showing without a modal loop runs the fill too.
    CSignalGeneratorDlg generator(&Frame());
    CLowPassParamsDlg lowPass(&Frame());
    CDecimatorParamsDlg decimator(&Frame());
    CInterpolatorParamsDlg interpolator(&Frame());
    CConverterParamsDlg converter(&Frame());
    CDecimatorDiagramDlg decimatorDiagram(&Frame());
    CInterpolatorDiagramDlg interpolatorDiagram(&Frame());
    CConverterDiagramDlg converterDiagram(&Frame());
    CAboutDlg about;
    for (wxDialog* dlg : std::initializer_list<wxDialog*>{
             &generator, &lowPass, &decimator, &interpolator, &converter, &decimatorDiagram,
             &interpolatorDiagram, &converterDiagram, &about}) {
        dlg->Show();
        Pump(3);
        ExpectLaidOutCleanly(*dlg);
        if (dlg == &generator) {  // a fill as wide as a sensible a makes
            Edit(generator, 1003).SetValue(FormatFieldValue(-99.99f));
            ExpectLaidOutCleanly(*dlg);
        } else if (dlg == &decimator) {  // a text of "Auto wg"
            Edit(decimator, 1004).SetValue(ComputeAutoWg(7).text);
            ExpectLaidOutCleanly(*dlg);
        }
        dlg->Hide();
    }
    ResetWorkspace();
}
