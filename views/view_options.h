// What a caller can ask of an analysis view besides the picture: the numbers
// behind its plots (vorlen-render --dump) and, for benchmarks, which DFT
// computes the spectra.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "dsp/dft.h"

// One stem plot as it was drawn.
struct PlotRecord {
    std::string title;  // the text drawn above the plot
    int baseline = 0;
    int count = 0;
    float peak = 0.0f;          // the largest magnitude, as the plot's label shows it
    std::vector<float> values;  // exactly `count` values, zeros where the plot drew them
};

struct ViewRecord {
    std::vector<PlotRecord> plots;  // in drawing order
    bool designedFilter = false;    // the view designed a filter into g_filterTaps
};

// Writes g_spectrum[0..count-1] from the first `count` samples.
using TransformFunction = void (*)(std::span<const float> samples, int count);

struct ViewOptions {
    ViewRecord* record = nullptr;              // filled when not null
    TransformFunction transform = ComputeDft;  // ComputeDftLiteral to compare speeds
};
