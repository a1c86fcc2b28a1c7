// The designer's state as the written program kept it in its fields, for
// tests that check it in those terms: the placement mode, the tables of
// zeros and poles with slot 0 unused and a count that names the next free
// slot, the response as doubles, and the index of its peak.
#pragma once

#include <array>
#include <cstdint>

#include "polezero/design.h"
#include "polezero/response.h"

struct WrittenFields {
    bool placeZeros = true;
    std::int32_t zeroCount = 1;
    std::int32_t poleCount = 1;
    std::array<polezero::PixelPoint, 500> zeros{};
    std::array<polezero::PixelPoint, 500> poles{};
    // +inf beyond the range of double, 0 or a subnormal below it.
    std::array<double, polezero::kSampleCount> response{};
    double responsePeakIndex = 0.0;
};

inline WrittenFields FieldsOf(const polezero::Design& design, bool placeZeros, int peakIndex)
{
    WrittenFields fields;
    fields.placeZeros = placeZeros;
    for (const polezero::Marker& marker : design.markers) {
        const bool zero = marker.kind == polezero::MarkerKind::Zero;
        std::int32_t& count = zero ? fields.zeroCount : fields.poleCount;
        (zero ? fields.zeros : fields.poles)[static_cast<std::size_t>(count++)] = marker.at;
    }
    for (int k = 0; k < polezero::kSampleCount; ++k) {
        fields.response[static_cast<std::size_t>(k)] = polezero::StoredValue(design.response, k);
    }
    fields.responsePeakIndex = peakIndex;
    return fields;
}

template <typename Session>
WrittenFields FieldsOf(const Session& session)
{
    return FieldsOf(session.CurrentDesign(), session.PlacingZeros(), session.PeakIndex());
}
