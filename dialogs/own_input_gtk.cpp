#include "dialogs/own_input_gtk.h"

#include <gtk/gtk.h>

#include <wx/toplevel.h>

void TakeOwnInput(wxTopLevelWindow& window)
{
    GtkWindowGroup* group = gtk_window_group_new();
    gtk_window_group_add_window(group, GTK_WINDOW(window.GetHandle()));
    // The window keeps the group alive.
    g_object_unref(group);
}
