#include "polezero/dialog_face.h"

#include <cmath>

namespace polezero {

namespace {

constexpr double kPixelsPerUnitX = 1.5;
constexpr double kPixelsPerUnitY = 1.625;

// The default rounding mode rounds halves to even.
int Nearest(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

// A one-pixel black outline along the inside of the box.
void Outline(Surface& surface, PixelBox b)
{
    surface.FillRect(b.left, b.top, b.right, b.top + 1, kBlack);
    surface.FillRect(b.left, b.bottom - 1, b.right, b.bottom, kBlack);
    surface.FillRect(b.left, b.top, b.left + 1, b.bottom, kBlack);
    surface.FillRect(b.right - 1, b.top, b.right, b.bottom, kBlack);
}

void WhiteFrame(Surface& surface, DialogBox box)
{
    const PixelBox b = ToPixels(box);
    surface.FillRect(b.left, b.top, b.right, b.bottom, kWhite);
    Outline(surface, b);
}

}  // namespace

PixelBox ToPixels(DialogBox box)
{
    return PixelBox{Nearest(box.x * kPixelsPerUnitX), Nearest(box.y * kPixelsPerUnitY),
                    Nearest((box.x + box.w) * kPixelsPerUnitX),
                    Nearest((box.y + box.h) * kPixelsPerUnitY)};
}

void DrawDialogFace(Surface& surface, bool controlFrames)
{
    surface.FillRect(0, 0, kClientWidth, kClientHeight, kDialogFace);
    DrawCanvasFrames(surface);
    if (controlFrames) {
        Outline(surface, ToPixels(kModeFrame));
        Outline(surface, ToPixels(kReadoutFrame));
    }
}

void DrawCanvasFrames(Surface& surface)
{
    WhiteFrame(surface, kPlaneFrame);
    WhiteFrame(surface, kResponseFrame);
}

}  // namespace polezero
