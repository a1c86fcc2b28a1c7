// Where the pole-zero designer's pictures lie on the dialog's client area,
// what a pixel of the z-plane canvas stands for, and the designer's sample
// grid: the one mapping that the pictures, the read-outs, the design edits
// and the filter analysis all use.
//
// A canvas pixel (x, y) stands for z = ((x - 130) + j (130 - y)) / 60: the
// origin of the z-plane is pixel (130, 130), 60 pixels make one unit, and the
// imaginary axis points up the screen. The unit circle is the circle of
// radius 60 pixels about (130, 130).
#pragma once

#include <array>
#include <complex>
#include <cstdint>

namespace polezero {

// A pixel of the designer's client area.
struct PixelPoint {
    std::int32_t x;
    std::int32_t y;
    bool operator==(const PixelPoint&) const = default;
};

inline constexpr int kOriginX = 130;
inline constexpr int kOriginY = 130;
inline constexpr int kPixelsPerUnit = 60;
// 1/60 as a 32-bit float (0.016666668), the read-out's unit.
inline constexpr float kUnitsPerPixelFloat = 1.0f / kPixelsPerUnit;

// A pixel relative to the z-plane origin, y pointing up, in 64 bits so that
// any 32-bit pixel (and its square) fits.
struct PlaneOffset {
    std::int64_t u;
    std::int64_t v;
};

constexpr PlaneOffset OffsetOf(PixelPoint pixel)
{
    return {std::int64_t{pixel.x} - kOriginX, kOriginY - std::int64_t{pixel.y}};
}

// The root a canvas pixel stands for: ((x - 130) + j (130 - y)) / 60.
inline std::complex<double> PixelRoot(PixelPoint pixel)
{
    const PlaneOffset offset = OffsetOf(pixel);
    constexpr double unit = kPixelsPerUnit;
    return {static_cast<double>(offset.u) / unit, static_cast<double>(offset.v) / unit};
}

// The row of a pixel's mirror image in the real axis: z -> conj(z) is
// (x, y) -> (x, 260 - y).
constexpr int MirrorRow(int y)
{
    return 2 * kOriginY - y;
}

// The rectangle in which presses place markers and the pointer is read out,
// both ends included. Any integer can be asked about, a 64-bit one from a
// design file too.
inline constexpr int kDesignLeft = 16;
inline constexpr int kDesignRight = 246;
inline constexpr int kDesignTop = 16;
inline constexpr int kDesignBottom = 241;
constexpr bool InDesignArea(std::int64_t x, std::int64_t y)
{
    return kDesignLeft <= x && x <= kDesignRight && kDesignTop <= y && y <= kDesignBottom;
}

// The designer's frequencies. Sample k (k = 0 .. 599) of the response
// belongs to w_k = k * kSampleStep radians (pi / 300 as the program writes
// it: 3.141592654 / 300) and to the canvas point
// P_k = (130 + 60 cos w_k, 130 - 60 sin w_k).
inline constexpr int kSampleCount = 600;
inline constexpr double kSampleStep = 0.010471975513333334;

// P_k relative to the origin, y up: (u[k], v[k]) = (60 cos w_k, 60 sin w_k)
// in pixels, with w_k = k * kSampleStep and the C library's cos and sin of
// the desktop, exactly as the press arithmetic writes it; tabulated when
// the program is built, so that they are the same numbers wherever it
// runs. Held as two arrays, so that loops over the samples can take several
// at once.
struct SampleOffsets {
    std::array<double, kSampleCount> u;
    std::array<double, kSampleCount> v;
};
const SampleOffsets& SamplePoints();

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
