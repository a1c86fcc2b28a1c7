// The GTK side of the menu bar: titles that are commands themselves, and
// where a drop-down menu stands on the screen.
//
// wxWidgets puts a menu under every title, but a GTK menu bar can also hold
// items without a submenu: a click or Enter on one activates it at once,
// with no empty menu dropping down. This file makes such items of the
// titles that stand for a command.
#include <gtk/gtk.h>

#include <wx/menu.h>

#include "app/menu_bar.h"

namespace {

struct DirectCommand {
    std::function<void()> run;
};

void OnActivate(GtkMenuItem*, gpointer data)
{
    static_cast<DirectCommand*>(data)->run();
}

// A quick click on a menu-bar title only selects it, waiting for a second
// click, because titles normally open a menu. A command title acts on the
// first release of the button instead.
gboolean OnButtonRelease(GtkWidget* item, GdkEventButton* event, gpointer)
{
    if (event->button != 1)
        return FALSE;
    GtkWidget* shell = gtk_widget_get_parent(item);
    if (!GTK_IS_MENU_SHELL(shell))
        return FALSE;
    gtk_menu_shell_activate_item(GTK_MENU_SHELL(shell), item, TRUE);
    return TRUE;
}

void FreeCommand(gpointer data, GClosure*)
{
    delete static_cast<DirectCommand*>(data);
}

}  // namespace

void MakeTitleACommand(wxMenu* title, std::function<void()> run)
{
    GtkWidget* item = title->m_owner;  // the title's item in the bar
    if (!item || !GTK_IS_MENU_ITEM(item))
        return;
    // The wxMenu keeps its (now unused) GTK menu alive until it is destroyed.
    g_object_ref(title->m_menu);
    gtk_menu_item_set_submenu(GTK_MENU_ITEM(item), nullptr);
    g_signal_connect_data(item, "activate", G_CALLBACK(OnActivate),
                          new DirectCommand{std::move(run)}, FreeCommand, GConnectFlags(0));
    g_signal_connect(item, "button-release-event", G_CALLBACK(OnButtonRelease), nullptr);
}

wxRect DropDownScreenRect(const wxMenu& menu)
{
    // A GtkMenu is shown in a popup window of its own; that window keeps its
    // place when the menu is hidden.
    GtkWidget* toplevel = menu.m_menu ? gtk_widget_get_toplevel(menu.m_menu) : nullptr;
    GdkWindow* window =
        toplevel && GTK_IS_WINDOW(toplevel) ? gtk_widget_get_window(toplevel) : nullptr;
    if (!window)
        return {};
    GdkRectangle extents{};
    gdk_window_get_frame_extents(window, &extents);
    return wxRect(extents.x, extents.y, extents.width, extents.height);
}
