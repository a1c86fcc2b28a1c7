#include "dialogs/template_dialog_gtk.h"

#include <gtk/gtk.h>

#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace {

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
