// Where the pole-zero designer's pictures lie on the dialog's client area,
// and what a pixel of the z-plane canvas stands for.
//
// A canvas pixel (x, y) stands for z = ((x - 130) + j (130 - y)) / 60: the
// origin of the z-plane is pixel (130, 130), 60 pixels make one unit, and the
// imaginary axis points up the screen. The unit circle is the circle of
// radius 60 pixels about (130, 130).
#pragma once

namespace polezero {

inline constexpr int kOriginX = 130;
inline constexpr int kOriginY = 130;
inline constexpr int kPixelsPerUnit = 60;

// The rectangle in which presses place markers and the pointer is read out:
// x from 16 to 246 and y from 16 to 241, both inclusive.
constexpr bool InDesignArea(int x, int y)
{
    return 15 < x && x < 247 && 15 < y && y < 242;
}

// The z-plane canvas, [17, 247) x [17, 242), filled white at every redraw.
inline constexpr int kPlaneLeft = 17;
inline constexpr int kPlaneTop = 17;
inline constexpr int kPlaneRight = 247;
inline constexpr int kPlaneBottom = 242;

// The unit circle's bounding box, right and bottom excluded.
inline constexpr int kCircleLeft = kOriginX - kPixelsPerUnit;
inline constexpr int kCircleTop = kOriginY - kPixelsPerUnit;
inline constexpr int kCircleRight = kOriginX + kPixelsPerUnit;
inline constexpr int kCircleBottom = kOriginY + kPixelsPerUnit;

// The axes run from 20 to 239 through the origin.
inline constexpr int kAxisFirst = 20;
inline constexpr int kAxisLast = 239;

// The response canvas, [17, 660) x [280, 465). Sample k of the response is
// drawn in column 50 + k; row 450 is 0 and row 300 the peak (150 pixels for
// the normalised value 1); row 343 marks 0.707, the -3 dB level.
inline constexpr int kResponseLeft = 17;
inline constexpr int kResponseTop = 280;
inline constexpr int kResponseRight = 660;
inline constexpr int kResponseBottom = 465;
inline constexpr int kResponseFirstColumn = 50;
inline constexpr int kResponseBaseRow = 450;
inline constexpr int kResponseFullHeight = 150;
inline constexpr int kHalfPowerRow = 343;

}  // namespace polezero
