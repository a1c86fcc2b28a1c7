#include "polezero/pictures.h"

#include <algorithm>
#include <cmath>

#include "polezero/geometry.h"

namespace polezero {

namespace {

// Samples above this are in the pass band: 1 / sqrt(2), -3 dB.
constexpr double kHalfPower = 0.707;
constexpr int kMarkerRadius = 2;  // rings in the box (x - 2, y - 2)-(x + 3, y + 3)

void DrawMarkerRing(Surface& surface, PixelPoint at)
{
    surface.Ellipse(at.x - kMarkerRadius, at.y - kMarkerRadius, at.x + kMarkerRadius + 1,
                    at.y + kMarkerRadius + 1);
}

// One bar of dots in column x for the normalised value n.
void DrawBar(Surface& surface, int x, double n)
{
    const double h = kResponseFullHeight * n;
    for (int j = 1;; ++j) {
        const auto green = static_cast<std::uint8_t>(3 * j);
        surface.SetPixel(x, kResponseBaseRow + 2 - 2 * j, Rgb{170, green, 170});
        if (2 * j >= h) {
            break;
        }
    }
}

}  // namespace

void DrawAxes(Surface& surface)
{
    for (int t = kAxisFirst; t <= kAxisLast; ++t) {
        surface.SetPixel(kOriginX, t, kBlue);
        surface.SetPixel(t, kOriginY, kBlue);
    }
}

void DrawZPlane(Surface& surface, std::span<const PixelPoint> zeros,
                std::span<const PixelPoint> poles)
{
    surface.FillRect(kPlaneLeft, kPlaneTop, kPlaneRight, kPlaneBottom, kWhite);
    surface.Ellipse(kCircleLeft, kCircleTop, kCircleRight, kCircleBottom);
    DrawAxes(surface);
    for (const PixelPoint& zero : zeros) {
        DrawMarkerRing(surface, zero);
    }
    for (const PixelPoint& pole : poles) {
        DrawMarkerRing(surface, pole);
        for (int i = -4; i <= 3; ++i) {
            surface.SetPixel(pole.x + i, pole.y, kRed);
            surface.SetPixel(pole.x, pole.y + i, kRed);
        }
    }
}

void DrawResponse(Surface& surface, std::span<const double, kSampleCount> n, int peakIndex)
{
    surface.FillRect(kResponseLeft, kResponseTop, kResponseRight, kResponseBottom, kWhite);

    bool barDue = true;
    for (int k = 0; k < kSampleCount; ++k) {
        const double value = n[static_cast<std::size_t>(k)];
        if (value > kHalfPower) {
            if (barDue) {
                DrawBar(surface, kResponseFirstColumn + k, value);
            }
            barDue = !barDue;
        }
    }

    surface.MoveTo(kResponseFirstColumn, kResponseBaseRow);
    for (int k = 0; k < kSampleCount; ++k) {
        const int x = kResponseFirstColumn + k;
        // 0 <= n <= 1, so the row lies in 300 .. 450 and converts safely.
        const double row = kResponseBaseRow - kResponseFullHeight * n[static_cast<std::size_t>(k)];
        surface.LineTo(x, static_cast<int>(row));
        surface.SetPixel(x, kResponseBaseRow, kBlue);
        surface.SetPixel(x, kHalfPowerRow, kRed);
    }

    const int peakColumn = kResponseFirstColumn + peakIndex;
    for (int y = kResponseBaseRow; y > kResponseBaseRow - kResponseFullHeight; --y) {
        surface.SetPixel(kResponseFirstColumn, y, kBlue);
        surface.SetPixel(peakColumn, y, kOlive);
    }
}

void DrawDesign(Surface& surface, const Design& design, int peakIndex)
{
    DrawResponse(surface, NormalisedResponse(design, peakIndex), peakIndex);
    DrawZPlane(surface, MarkersOf(design, MarkerKind::Zero), MarkersOf(design, MarkerKind::Pole));
}

}  // namespace polezero
