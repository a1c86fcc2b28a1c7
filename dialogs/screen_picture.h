// Pictures drawn in the screen's own pixels. On a desktop scaled by GTK
// (GDK_SCALE=2) a window pixel is several screen pixels; the pictures are
// drawn at that scale, so that they are as sharp as the text beside them.
#pragma once

#include <wx/bitmap.h>
#include <wx/window.h>

#include "picture/cairo/desktop_tools.h"
#include "picture/raster.h"

// Screen pixels per window pixel in each direction: the desktop's scale,
// which GTK keeps to whole numbers; at least 1.
int DeviceScale(const wxWindow& window);

// A raster drawn at `scale` screen pixels per window pixel, as a bitmap that
// shows one raster pixel on each screen pixel.
wxBitmap ScreenBitmap(const Raster& raster, int scale);

// The font and the painter every window draws its pictures with, loaded
// at the first call (the program makes it at start-up). Throws FontError
// when no font can be found or loaded.
const DesktopPictureTools& ScreenTools();
