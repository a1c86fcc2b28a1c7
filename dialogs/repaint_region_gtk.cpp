#include "dialogs/repaint_region_gtk.h"

#include <cairo.h>

#include <cmath>

#include <wx/window.h>

wxRegion RepaintRegion(wxWindow& window)
{
    // The paint's cairo context is clipped to the region, in client
    // coordinates, as wxWidgets takes its bounding box from it.
    cairo_t* context = window.GTKPaintContext();
    cairo_rectangle_list_t* list = context ? cairo_copy_clip_rectangle_list(context) : nullptr;
    if (!list || list->status != CAIRO_STATUS_SUCCESS) {
        if (list)
            cairo_rectangle_list_destroy(list);
        return window.GetUpdateRegion();
    }
    wxRegion region;
    for (int i = 0; i < list->num_rectangles; ++i) {
        const cairo_rectangle_t& r = list->rectangles[i];
        const int left = static_cast<int>(std::floor(r.x));
        const int top = static_cast<int>(std::floor(r.y));
        const int right = static_cast<int>(std::ceil(r.x + r.width));
        const int bottom = static_cast<int>(std::ceil(r.y + r.height));
        if (right > left && bottom > top)
            region.Union(wxRect(left, top, right - left, bottom - top));
    }
    cairo_rectangle_list_destroy(list);
    return region;
}
