// The design analysis picture: what a pole-zero design is as a filter, in
// four plots and a panel of numbers, on 800 x 600 pixels. The designer's
// analysis window shows it and vorlen-render --analysis-picture writes it;
// both call DrawDesignAnalysis.
//
//   +------------------+------------------+---------+
//   | magnitude in dB  | unwrapped phase  | numbers |
//   | with -3 dB line  |                  |         |
//   +------------------+------------------+         |
//   | group delay      | impulse response |         |
//   |                  | (stems)          |         |
//   +------------------+------------------+---------+
//
// The frequency plots run over [0, 2 pi) with ticks 0, pi/2, pi, 3pi/2 and
// 2pi; the y ranges follow the data (see LayOutAnalysisPlots).
#pragma once

#include <span>

#include "picture/surface.h"
#include "plot/plot_frame.h"
#include "polezero/filter_analysis.h"
#include "workspace/workspace.h"

namespace polezero {

inline constexpr int kAnalysisPictureWidth = 800;
inline constexpr int kAnalysisPictureHeight = 600;

// The plots' boxes: 216 pixels square, a multiple of 4 so that every
// quarter turn of the frequency axis falls on a whole column.
inline constexpr int kAnalysisPlotSize = 216;
inline constexpr int kAnalysisLeftColumn = 56;
inline constexpr int kAnalysisRightColumn = 336;
inline constexpr int kAnalysisTopRow = 30;
inline constexpr int kAnalysisBottomRow = 322;
// The panel of numbers: its lines' left edge and first row.
inline constexpr int kAnalysisPanelLeft = 576;
inline constexpr int kAnalysisPanelTop = 10;

// The analysis the picture is drawn from: one frequency per column of a
// plot (so that a sample without a value leaves a column without the
// curve), and as much of the impulse response as leaves its stems apart.
inline constexpr int kAnalysisPicturePoints = kAnalysisPlotSize;
inline constexpr int kAnalysisPictureImpulse = 32;

struct AnalysisPlots {
    // 20 log10 |H| against w. Its top lies just above the largest value,
    // or above 0 dB when the largest is less than 20 dB below that; its
    // floor is the smallest value, but at most 70 dB and at least 20 dB
    // below the top. Where more zeros than poles lie on a grid point
    // (|H| = 0, which the analysis holds as no value) the curve drops to the
    // floor, 70 dB down, and where more poles do it rises to the top edge.
    PlotFrame magnitude;
    // The unwrapped phase against w, in steps of pi/2 or more, from its
    // smallest to its largest finite value (at least pi).
    PlotFrame phase;
    // The group delay against w, from its smallest to its largest finite
    // value (at least 2 samples), with peaks narrower than the sampling
    // trimmed (SpikeTolerantSpan): what passes the box's edge is clipped.
    PlotFrame delay;
    // The real part of h(n) against n, the range including 0.
    PlotFrame impulse;
};

AnalysisPlots LayOutAnalysisPlots(const FilterAnalysis& analysis);

// Fills [0, 800) x [0, 600) white and draws the analysis: the four plots of
// LayOutAnalysisPlots, each curve sample k at w = 2 pi k / N (N the number
// of samples, any N >= 0), with a gap where a value is not finite, and the
// lines of AnalysisPanelLines. Any analysis draws without a fault, however
// many markers it has and whatever values it holds.
void DrawDesignAnalysis(Surface& surface, const FilterAnalysis& analysis);

// The design's analysis at kAnalysisPicturePoints frequencies and
// kAnalysisPictureImpulse samples, drawn: the one call that the window and
// vorlen-render make.
void DrawDesignAnalysis(Surface& surface, std::span<const PixelPoint> zeros,
                        std::span<const PixelPoint> poles);

}  // namespace polezero
