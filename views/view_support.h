// Steps every analysis view shares. Internal to views/.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "language/language.h"
#include "picture/surface.h"
#include "views/view_options.h"

// The rows shared by the pictures of three plots: each title, then its
// plot's baseline.
inline constexpr int kTopTitleY = 5;
inline constexpr int kTopBaseline = 150;
inline constexpr int kMiddleTitleY = 175;
inline constexpr int kMiddleBaseline = 320;
inline constexpr int kBottomTitleY = 345;
inline constexpr int kBottomBaseline = 490;

// Titles used by more than one picture.
inline constexpr std::string_view kInputSpectrumTitle =
    N_("Amplitudska karakteristika ulaznog signala | X(k) | :");
inline constexpr std::string_view kIntermediateSpectrumTitle =
    N_("Amplitudska karakteristika medjurezultata | W(k) | :");
inline constexpr std::string_view kOutputSpectrumTitle =
    N_("Amplitudska karakteristika izlaznog signala | Y(k) | :");
inline constexpr std::string_view kTimeOutputTitle = N_("Vremenski oblik izlaznog signala y(m):");

// Every title starts at x = 250.
void DrawTitle(Surface& surface, int y, std::string_view text);

// DrawStemPlot, and the plot's numbers into options.record when there is one.
// `title` only labels the record; the view draws its title itself, where its
// steps put it.
void DrawPlot(Surface& surface, const ViewOptions& options, std::string_view title,
              std::span<const float> values, int baseline, int count);

// LowPassFilter with the workspace's df and fg, noted in the record.
void FilterWithWorkspaceDesign(const ViewOptions& options, std::span<const float> input,
                               std::span<float> output, int length);

// The transform of the first `count` samples, then |X(k)| for k < count into
// magnitudes[0..count-1].
void SpectrumOf(const ViewOptions& options, std::span<const float> samples, int count,
                std::span<float> magnitudes);

// M or L as the views use it. The parameter dialogs store 0..15 only; a value
// set any other way is held to that range, so that no view ever sizes a
// signal beyond the buffers made for L = 15.
int ResamplingFactor(std::int32_t factor);
