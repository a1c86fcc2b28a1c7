#include "dialogs/own_window_trail_gtk.h"

#include <gtk/gtk.h>

#include <algorithm>

#include <wx/window.h>

namespace {

// How long a place an own window left is taken for its: the window
// system's repaint comes at once, but a command chosen from a menu runs
// first, and may take a while on a slow machine. Should the repaint never
// come (a compositing window manager redraws by itself), the place is
// forgotten, so that it cannot keep a later uncovering from clearing.
constexpr std::chrono::seconds kRepaintWait(2);

// The window a signal of the window system is about, when it is one the
// trail watches.
GtkWidget* WatchedWindow(const GValue* params, const OwnWindowTrail& trail)
{
    gpointer object = g_value_get_object(&params[0]);
    return GTK_IS_WINDOW(object) && trail.Watches(object) ? GTK_WIDGET(object) : nullptr;
}

// Where a window stands on the screen with its window manager's frame.
wxRect FrameRect(GtkWidget* window)
{
    GdkWindow* gdk = gtk_widget_get_window(window);
    if (!gdk)
        return {};
    GdkRectangle frame{};
    gdk_window_get_frame_extents(gdk, &frame);
    return wxRect(frame.x, frame.y, frame.width, frame.height);
}

// Shown, moved or resized.
gboolean OnPlaced(GSignalInvocationHint*, guint, const GValue* params, gpointer data)
{
    auto& trail = *static_cast<OwnWindowTrail*>(data);
    if (GtkWidget* window = WatchedWindow(params, trail))
        if (gtk_widget_get_mapped(window))
            trail.Standing(window, FrameRect(window));
    return TRUE;  // keeps the hook
}

// About to be hidden (a menu closing, a dialog ending, a window closed or
// minimised): it still knows its place.
gboolean OnHidden(GSignalInvocationHint*, guint, const GValue* params, gpointer data)
{
    auto& trail = *static_cast<OwnWindowTrail*>(data);
    if (GtkWidget* window = WatchedWindow(params, trail)) {
        trail.Left(FrameRect(window));
        trail.Standing(window, wxRect());
    }
    return TRUE;
}

}  // namespace

OwnWindowTrail::OwnWindowTrail(const wxWindow& watched) : m_watched(watched)
{
    // Hooks see these signals of every widget of the program.
    const std::pair<const char*, GSignalEmissionHook> hooks[] = {
        {"map-event", OnPlaced}, {"configure-event", OnPlaced}, {"unmap", OnHidden}};
    for (const auto& [name, hook] : hooks) {
        const guint signal = g_signal_lookup(name, GTK_TYPE_WIDGET);
        m_hooks.emplace_back(signal, g_signal_add_emission_hook(signal, 0, hook, this, nullptr));
    }
}

OwnWindowTrail::~OwnWindowTrail()
{
    for (const auto& [signal, hook] : m_hooks)
        g_signal_remove_emission_hook(signal, hook);
}

bool OwnWindowTrail::Watches(const void* gtkWindow) const
{
    // The watched window and those it is a dialog of lie beneath it.
    GtkWidget* watched = m_watched.GetHandle();
    if (!watched)
        return false;
    for (GtkWindow* beneath = GTK_WINDOW(watched); beneath;
         beneath = gtk_window_get_transient_for(beneath))
        if (beneath == gtkWindow)
            return false;
    return true;
}

void OwnWindowTrail::Left(const wxRect& screenRect)
{
    if (!screenRect.IsEmpty())
        m_left.push_back({wxRegion(screenRect), std::chrono::steady_clock::now()});
}

void OwnWindowTrail::Standing(const void* window, const wxRect& screenRect)
{
    const auto known = m_standing.find(window);
    if (known != m_standing.end() && known->second != screenRect)
        Left(known->second);
    if (screenRect.IsEmpty()) {
        if (known != m_standing.end())
            m_standing.erase(known);
        return;
    }
    m_standing[window] = screenRect;
}

wxRegion OwnWindowTrail::Take(const wxRegion& update)
{
    const auto now = std::chrono::steady_clock::now();
    std::erase_if(m_left, [now](const Place& place) {
        return place.screen.IsEmpty() || now - place.leftAt > kRepaintWait;
    });
    if (update.IsEmpty())
        return {};
    const wxPoint origin = m_watched.ClientToScreen(wxPoint(0, 0));
    wxRegion asked(update);
    asked.Offset(origin.x, origin.y);
    wxRegion own;
    auto add = [&](const wxRegion& place) {
        wxRegion part(place);
        part.Intersect(asked);
        own.Union(part);
    };
    for (Place& place : m_left) {
        add(place.screen);
        place.screen.Subtract(asked);
    }
    for (const auto& [window, rect] : m_standing)
        add(wxRegion(rect));
    if (!own.IsEmpty())
        own.Offset(-origin.x, -origin.y);
    return own;
}
