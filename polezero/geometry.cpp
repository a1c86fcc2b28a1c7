#include "polezero/geometry.h"

#include <cmath>

namespace polezero {

namespace {

// `value`, but opaque to the compiler, so that what is computed from it is
// computed at run time.
double AtRunTime(double value)
{
    asm volatile("" : "+m"(value));
    return value;
}

}  // namespace

const SampleOffsets& SamplePoints()
{
    static const SampleOffsets offsets = [] {
        // The C library's sine and cosine, as the press arithmetic has always
        // used them. Given constants, the compiler would fill the table with
        // its own correctly rounded values, which differ from the library's
        // in the last bit at a few samples (sin w_516 for one).
        const double step = AtRunTime(kSampleStep);
        SampleOffsets table{};
        for (int k = 0; k < kSampleCount; ++k) {
            const double w = k * step;
            table.u[static_cast<std::size_t>(k)] = kPixelsPerUnit * std::cos(w);
            table.v[static_cast<std::size_t>(k)] = kPixelsPerUnit * std::sin(w);
        }
        return table;
    }();
    return offsets;
}

}  // namespace polezero
