// One plot of the design analysis: a box of pixels showing an x and a y
// axis, with its frame, grid, tick labels, and the curves and stems drawn
// into it. Everything goes through the surface's seven operations, so the
// plot comes out the same on a raster and as vector output.
#pragma once

#include <span>
#include <string_view>

#include "picture/surface.h"
#include "plot/plot_axis.h"

namespace polezero {

inline constexpr Rgb kGridGrey{215, 215, 215};

// The box's frame lines are the columns left and left + width and the rows
// top and top + height; values map linearly onto them, x.low at the left
// edge, y.low at the bottom.
struct PlotBox {
    int left;
    int top;
    int width;
    int height;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
};

class PlotFrame {
public:
    PlotFrame(PlotBox box, Axis x, Axis y);

    const PlotBox& Box() const { return m_box; }
    const Axis& X() const { return m_x; }
    const Axis& Y() const { return m_y; }

    // The exact pixel position of a value, not rounded; outside the box for
    // values beyond the axis, but never more than 10^7 pixels away, so
    // that even an infinite value has a finite position.
    double Column(double x) const;
    double Row(double y) const;

    // The grey grid at the ticks inside the box, the black frame, tick marks
    // outside it and the tick labels: y labels right-aligned left of the
    // box, x labels centred under it. Then `xName` centred under the x
    // labels.
    void DrawAxes(Surface& surface, std::string_view xName) const;

    // A level line across the box in one colour, if y lies inside it.
    void DrawLevel(Surface& surface, double y, Rgb colour) const;

    // The curve through (x0 + k dx, values[k]) in black, with straight
    // segments between neighbouring samples. A NaN sample breaks the curve:
    // no segment reaches it. An infinite one lies beyond the box's top or
    // bottom edge, so the curve runs to that edge. Segments are clipped to
    // the box; a sample alone between two gaps is one pixel.
    void DrawCurve(Surface& surface, std::span<const double> values, double x0, double dx) const;

    // Stems at x = n for values[n], n = 0 .. size - 1: a black line from
    // y = 0 (or the box's edge nearest to it) to the value, capped with a
    // small ring where the value lies inside the box. A value that is not
    // finite has no stem.
    void DrawStems(Surface& surface, std::span<const double> values) const;

private:
    PlotBox m_box;
    Axis m_x;
    Axis m_y;
};

}  // namespace polezero
