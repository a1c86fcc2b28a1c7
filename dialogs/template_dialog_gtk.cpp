#include "dialogs/template_dialog_gtk.h"

#include <string>

#include <fmt/format.h>
#include <gtk/gtk.h>
#include <pango/pangocairo.h>

#include <wx/fontutil.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/window.h>

namespace {

constexpr double kUsualResolution = 96.0;

struct ClickAction {
    std::function<void()> run;
};

// "clicked" runs first GTK's own handler, which moves the check, so the
// button already shows its new state here.
void OnClicked(GtkButton* button, gpointer data)
{
    if (gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(button)))
        static_cast<ClickAction*>(data)->run();
}

void FreeAction(gpointer data, GClosure*)
{
    delete static_cast<ClickAction*>(data);
}

void ApplyProviderTo(GtkWidget* widget, gpointer provider)
{
    gtk_style_context_add_provider(gtk_widget_get_style_context(widget),
                                   GTK_STYLE_PROVIDER(provider), GTK_STYLE_PROVIDER_PRIORITY_USER);
    if (GTK_IS_CONTAINER(widget))
        gtk_container_forall(GTK_CONTAINER(widget), ApplyProviderTo, provider);
}

void ApplyProvider(GtkWidget* widget, GtkCssProvider* provider)
{
    if (widget)
        ApplyProviderTo(widget, provider);
}

}  // namespace

void WrapLikeTemplateStatic(wxStaticText& label)
{
    GtkWidget* widget = label.GetHandle();
    if (!GTK_IS_LABEL(widget))
        return;
    gtk_label_set_line_wrap(GTK_LABEL(widget), TRUE);
    gtk_label_set_line_wrap_mode(GTK_LABEL(widget), PANGO_WRAP_WORD);
    gtk_label_set_yalign(GTK_LABEL(widget), 0.0f);
}

void AlignGroupCaption(wxStaticBox& box, float position)
{
    GtkWidget* widget = box.GetHandle();
    if (GTK_IS_FRAME(widget))
        gtk_frame_set_label_align(GTK_FRAME(widget), position, 0.5f);
}

void OnRadioClicked(wxRadioButton& button, std::function<void()> action)
{
    GtkWidget* widget = button.GetHandle();
    if (!GTK_IS_RADIO_BUTTON(widget))
        return;
    g_signal_connect_data(widget, "clicked", G_CALLBACK(OnClicked),
                          new ClickAction{std::move(action)}, FreeAction, GConnectFlags(0));
}

double TextResolution()
{
    GdkScreen* screen = gdk_screen_get_default();
    const double resolution = screen ? gdk_screen_get_resolution(screen) : -1.0;
    return resolution > 0.0 ? resolution : kUsualResolution;
}

TextSize MeasureText(const wxFont& font, double resolution, const char* text)
{
    PangoFontMap* fonts = pango_cairo_font_map_get_default();
    PangoContext* context = pango_font_map_create_context(fonts);
    pango_cairo_context_set_resolution(context, resolution);
    PangoLayout* layout = pango_layout_new(context);
    pango_layout_set_font_description(layout, font.GetNativeFontInfo()->description);
    pango_layout_set_text(layout, text, -1);
    int width = 0;
    int height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    g_object_unref(layout);
    g_object_unref(context);
    return {static_cast<double>(width), static_cast<double>(height)};
}

void SetTextSizeInPixels(wxWindow& control, const char* family, double pointsAt96)
{
    // GTK sets a point at resolution / 72 pixels.
    const double points = pointsAt96 * kUsualResolution / TextResolution();
    // fmt, not printf: CSS wants a point in every locale, and a process
    // locale set for a language (sr_RS, de_DE, ...) writes a comma.
    const std::string css =
        fmt::format("* {{ font-family: \"{}\"; font-size: {:.4f}pt; }}", family, points);
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
    // Each part (a radio button's label, a list's rows) has a style of its
    // own, which wxWidgets sets too; above wxWidgets' own priority.
    ApplyProvider(control.GetHandle(), provider);
    g_object_unref(provider);
}
