// The signal workspace: the program's whole state apart from its windows.
//
// One process-wide set of parameters and buffers, shared by every menu
// command and every dialog. Dialogs write parameters while the user types;
// commands read them, fill the buffers they need and draw. Nothing here is
// saved, and nothing is stored per document.
#pragma once

#include <array>
#include <cstdint>

struct SpectrumEntry {
    float re;
    float im;
};

inline constexpr int kSignalLength = 100;       // x(n), n = 0..99
inline constexpr int kSpectrumCapacity = 1500;  // DFT of up to 100 * 15 points
inline constexpr int kFilterTapCapacity = 100;
inline constexpr int kDownsampledCapacity = 200;
inline constexpr int kUpsampledCapacity = 1500;  // 100 * L for L <= 15
inline constexpr int kInterpolatedCapacity = 3000;
// The L/M converter keeps every M-th of 100 * L + N filtered samples: at most
// 1500 + 95 for L = 15, M = 1 and the longest filter.
inline constexpr int kConvertedCapacity = 1595;
// M and L, as the fields store them and the views use them: 0..15.
inline constexpr std::int32_t kLargestFactor = 15;

// Parameters.
extern float g_signalParam;                 // a of the test-signal formulas
extern std::int32_t g_filterLength;         // N = 2h + 1 of the last design
extern std::int32_t g_decimationFactor;     // M
extern std::int32_t g_interpolationFactor;  // L
extern float g_transitionWidth;             // df
extern float g_cutoff;                      // fg (wg), radians per sample

// Buffers; all zero at process start.
extern std::array<float, kSignalLength> g_inputSignal;
extern std::array<SpectrumEntry, kSpectrumCapacity> g_spectrum;
extern std::array<float, kFilterTapCapacity> g_filterTaps;
extern std::array<float, kDownsampledCapacity> g_downsampled;
extern std::array<float, kUpsampledCapacity> g_upsampled;
extern std::array<float, kInterpolatedCapacity> g_interpolated;
extern std::array<float, kConvertedCapacity> g_convertedSignal;

// Returns every value above to its start-of-process value. The GUI never
// calls this; tests do, so that each starts from a fresh run, and
// vorlen-render's `all` does before each picture, for the same reason.
void ResetWorkspace();
