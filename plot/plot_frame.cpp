#include "plot/plot_frame.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace polezero {

namespace {

// Positions are kept within this many pixels of the origin, so that a
// finite value far off the axis stays a finite position and rounds safely.
constexpr double kFarAway = 1e7;

constexpr int kTickLength = 4;
constexpr int kLabelGap = 3;   // between a tick mark and its label
constexpr int kCapRadius = 2;  // stem rings in (x - 2, y - 2)-(x + 3, y + 3)

struct Point {
    int x;
    int y;
    bool operator==(const Point&) const = default;
};

int Pixel(double position)
{
    // Only called for positions clipped to a box, well inside int's range.
    return static_cast<int>(std::lround(position));
}

// Liang-Barsky: the part of the segment (x0, y0)-(x1, y1) inside
// [left, right] x [top, bottom], or nothing.
std::optional<std::pair<Point, Point>> Clip(double x0, double y0, double x1, double y1,
                                            const PlotBox& box)
{
    double enter = 0.0;
    double leave = 1.0;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    // Each edge as p t <= q.
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x0 - box.left, box.Right() - x0, y0 - box.top, box.Bottom() - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return std::nullopt;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter > leave) {
        return std::nullopt;
    }
    // Rounding may put an end half a pixel outside: keep it on the box.
    auto at = [&](double t) {
        return Point{std::clamp(Pixel(x0 + t * dx), box.left, box.Right()),
                     std::clamp(Pixel(y0 + t * dy), box.top, box.Bottom())};
    };
    return std::pair{at(enter), at(leave)};
}

}  // namespace

PlotFrame::PlotFrame(PlotBox box, Axis x, Axis y) : m_box(box), m_x(std::move(x)), m_y(std::move(y))
{
}

double PlotFrame::Column(double x) const
{
    const double position = m_box.left + (x - m_x.low) / (m_x.high - m_x.low) * m_box.width;
    return std::clamp(position, -kFarAway, kFarAway);
}

double PlotFrame::Row(double y) const
{
    const double position = m_box.Bottom() - (y - m_y.low) / (m_y.high - m_y.low) * m_box.height;
    return std::clamp(position, -kFarAway, kFarAway);
}

void PlotFrame::DrawAxes(Surface& surface, std::string_view xName) const
{
    const PlotBox& b = m_box;
    for (const AxisTick& tick : m_x.ticks) {
        const int x = Pixel(Column(tick.value));
        if (x > b.left && x < b.Right()) {
            surface.FillRect(x, b.top + 1, x + 1, b.Bottom(), kGridGrey);
        }
    }
    for (const AxisTick& tick : m_y.ticks) {
        const int y = Pixel(Row(tick.value));
        if (y > b.top && y < b.Bottom()) {
            surface.FillRect(b.left + 1, y, b.Right(), y + 1, kGridGrey);
        }
    }

    surface.MoveTo(b.left, b.top);
    surface.LineTo(b.Right(), b.top);
    surface.LineTo(b.Right(), b.Bottom());
    surface.LineTo(b.left, b.Bottom());
    surface.LineTo(b.left, b.top);

    const int labelRow = b.Bottom() + kTickLength + kLabelGap;
    for (const AxisTick& tick : m_x.ticks) {
        const int x = Pixel(Column(tick.value));
        surface.MoveTo(x, b.Bottom() + 1);
        surface.LineTo(x, b.Bottom() + 1 + kTickLength);
        const TextExtent extent = surface.MeasureText(tick.text);
        surface.TextOut(x - extent.width / 2, labelRow, tick.text);
    }
    for (const AxisTick& tick : m_y.ticks) {
        const int y = Pixel(Row(tick.value));
        surface.MoveTo(b.left - 1, y);
        surface.LineTo(b.left - 1 - kTickLength, y);
        const TextExtent extent = surface.MeasureText(tick.text);
        surface.TextOut(b.left - 1 - kTickLength - kLabelGap - extent.width, y - extent.height / 2,
                        tick.text);
    }
    if (!xName.empty()) {
        const TextExtent extent = surface.MeasureText(xName);
        surface.TextOut(b.left + (b.width - extent.width) / 2,
                        labelRow + surface.MeasureText(xName).height, xName);
    }
}

void PlotFrame::DrawLevel(Surface& surface, double y, Rgb colour) const
{
    const double row = Row(y);
    if (row < m_box.top || row > m_box.Bottom()) {
        return;
    }
    const int r = Pixel(row);
    surface.FillRect(m_box.left + 1, r, m_box.Right(), r + 1, colour);
}

void PlotFrame::DrawCurve(Surface& surface, std::span<const double> values, double x0,
                          double dx) const
{
    // Where the pen stands after a segment: the end pixel LineTo left out,
    // set only when the next segment does not start there.
    bool penDown = false;
    Point pen{0, 0};
    auto lift = [&] {
        if (penDown) {
            surface.SetPixel(pen.x, pen.y, kBlack);
            penDown = false;
        }
    };
    const std::size_t count = values.size();
    for (std::size_t k = 0; k < count; ++k) {
        if (std::isnan(values[k])) {
            continue;
        }
        const double x = Column(x0 + static_cast<double>(k) * dx);
        const double y = Row(values[k]);
        const bool before = k > 0 && !std::isnan(values[k - 1]);
        const bool after = k + 1 < count && !std::isnan(values[k + 1]);
        if (!before && !after) {
            // Alone between gaps: a dot, if it lies in the box.
            if (const auto dot = Clip(x, y, x, y, m_box)) {
                lift();
                surface.SetPixel(dot->first.x, dot->first.y, kBlack);
            }
            continue;
        }
        if (!after) {
            continue;
        }
        const double nextX = Column(x0 + static_cast<double>(k + 1) * dx);
        const double nextY = Row(values[k + 1]);
        const auto segment = Clip(x, y, nextX, nextY, m_box);
        if (!segment) {
            continue;
        }
        if (!penDown || pen != segment->first) {
            lift();
            surface.MoveTo(segment->first.x, segment->first.y);
        }
        surface.LineTo(segment->second.x, segment->second.y);
        pen = segment->second;
        penDown = true;
    }
    lift();
}

void PlotFrame::DrawStems(Surface& surface, std::span<const double> values) const
{
    const double base = Row(std::clamp(0.0, m_y.low, m_y.high));
    for (std::size_t n = 0; n < values.size(); ++n) {
        if (!std::isfinite(values[n])) {
            continue;
        }
        const double x = Column(static_cast<double>(n));
        const double y = Row(values[n]);
        const auto stem = Clip(x, base, x, y, m_box);
        if (!stem) {
            continue;
        }
        surface.MoveTo(stem->first.x, stem->first.y);
        surface.LineTo(stem->second.x, stem->second.y);
        surface.SetPixel(stem->second.x, stem->second.y, kBlack);
        if (y >= m_box.top && y <= m_box.Bottom()) {
            const Point tip = stem->second;
            surface.Ellipse(tip.x - kCapRadius, tip.y - kCapRadius, tip.x + kCapRadius + 1,
                            tip.y + kCapRadius + 1);
        }
    }
}

}  // namespace polezero
