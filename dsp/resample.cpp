#include "dsp/resample.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "workspace/workspace.h"

namespace {

float SampleAt(std::span<const float> input, std::int64_t at)
{
    return at >= 0 && at < static_cast<std::int64_t>(input.size())
               ? input[static_cast<std::size_t>(at)]
               : 0.0f;
}

}  // namespace

int Downsample(std::span<const float> input, int factor, int length, std::span<float> output)
{
    // M <= 0 is no step at all: nothing is kept, and nothing is divided by it.
    if (factor <= 0) {
        return 0;
    }
    // count = length / M, truncated; a negative length keeps nothing.
    const std::int64_t count =
        std::min<std::int64_t>(length / factor, static_cast<std::int64_t>(output.size()));
    for (std::int64_t i = 0; i < count; ++i) {
        output[static_cast<std::size_t>(i)] = SampleAt(input, i * factor);
    }
    return count > 0 ? static_cast<int>(count) : 0;
}

void Downsample(std::span<const float> input, int factor, int length)
{
    Downsample(input, factor, length, g_downsampled);
}

void Upsample(std::span<const float> input, int factor)
{
    g_upsampled.fill(0.0f);
    // w(i L) = x(i); the L - 1 positions in between stay zero from the fill.
    for (int i = 0; i < kSignalLength; ++i) {
        const std::int64_t at = static_cast<std::int64_t>(i) * factor;
        if (at >= 0 && at < kUpsampledCapacity) {
            g_upsampled[static_cast<std::size_t>(at)] = SampleAt(input, i);
        }
    }
}
