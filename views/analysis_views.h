// The eight analysis pictures, one entry each, for front ends that choose a
// picture by name (vorlen-render) or go through all of them (benchmarks,
// tests). The main window calls the functions directly from its handlers.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "picture/surface.h"
#include "views/view_options.h"

using AnalysisViewFunction = void (*)(Surface& surface, const ViewOptions& options);

struct AnalysisView {
    std::string_view name;     // vorlen-render's command name
    std::string_view summary;  // one line for its --help
    AnalysisViewFunction draw;
};

inline constexpr std::size_t kAnalysisViewCount = 8;

// In menu order: dft, filter-spectrum, decimation-time, decimation-frequency,
// interpolation-time, interpolation-frequency, conversion-time,
// conversion-frequency.
std::span<const AnalysisView, kAnalysisViewCount> AnalysisViews();
