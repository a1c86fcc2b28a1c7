#include "polezero/geometry.h"

#include "polezero/sample_grid.h"

namespace polezero {

const SampleOffsets& SamplePoints()
{
    // Made at build time from the C library's sine and cosine, as the press
    // arithmetic has always used them: the browser's library, or a compiler
    // folding the constants with its own correctly rounded values, differs
    // in the last bit at a few samples (sin w_516 for one).
    static constexpr SampleOffsets offsets{tables::kSampleU, tables::kSampleV};
    return offsets;
}

}  // namespace polezero
