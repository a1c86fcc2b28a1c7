// What the window system asks a window to repaint, exactly.
#pragma once

#include <wx/region.h>

class wxWindow;

// During a paint event: the region to repaint, in client coordinates. On
// GTK 3 wxWidgets' update region is only the bounding box of that region:
// two small areas far apart (a menu that closed, a radio button that
// redraws its focus) become one large rectangle, most of which the window
// system never asked for. A window that shows something else where it is
// asked to repaint than what it drew must know the region itself.
wxRegion RepaintRegion(wxWindow& window);
