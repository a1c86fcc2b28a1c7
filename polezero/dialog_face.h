// The designer dialog's client area without its controls: its size, the
// background, and the two white canvas frames the pictures are drawn in.
//
// The dialog is laid out in dialog units at the template's own fixed scale,
// 1.5 pixels across and 1.625 down per unit, whatever the system font, so
// that the canvases lie at the client pixels the designer draws on.
#pragma once

#include "picture/raster.h"
#include "picture/surface.h"

namespace polezero {

// A box of the dialog template in dialog units.
struct DialogBox {
    int x;
    int y;
    int w;
    int h;
};

// A box in client pixels, [left, right) x [top, bottom).
struct PixelBox {
    int left;
    int top;
    int right;
    int bottom;
};

// Both corners converted to the nearest pixel (halves to even), so that
// boxes touching in dialog units touch in pixels: the z-plane frame comes to
// (10, 11)-(250, 245) and the response frame to (10, 275)-(696, 489).
PixelBox ToPixels(DialogBox box);

// The client area: 500 x 319 units, 750 x 518 pixels.
inline constexpr DialogBox kClientUnits{0, 0, 500, 319};
inline constexpr int kClientWidth = 750;
inline constexpr int kClientHeight = 518;

// White rectangles with a black one-pixel border, around the z-plane canvas
// and the response canvas.
inline constexpr DialogBox kPlaneFrame{7, 7, 160, 144};
inline constexpr DialogBox kResponseFrame{7, 169, 457, 132};
// Black frames around the radio buttons and around the read-out group.
inline constexpr DialogBox kModeFrame{193, 16, 125, 41};
inline constexpr DialogBox kReadoutFrame{176, 71, 162, 66};

inline constexpr Rgb kDialogFace{240, 240, 240};

// The client area of a freshly opened dialog: the face colour and the two
// empty canvas frames; with `controlFrames` also the two black frames that
// the dialog shows among its controls.
void DrawDialogFace(Surface& surface, bool controlFrames);

// The two canvas frames, empty, exactly as the face shows them: nothing
// else of the face lies inside them. Everything the designer draws lies
// inside them too, so drawing these wipes every picture and marker.
void DrawCanvasFrames(Surface& surface);

}  // namespace polezero
