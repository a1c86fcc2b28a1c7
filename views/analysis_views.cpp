#include "views/analysis_views.h"

#include <array>

#include "views/conversion_views.h"
#include "views/decimation_views.h"
#include "views/dft_view.h"
#include "views/filter_view.h"
#include "views/interpolation_views.h"

namespace {

constexpr std::array kViews{
    AnalysisView{"dft", "x(n) and |X(k)| (menu DFT)", DrawDftView},
    AnalysisView{"filter-spectrum", "|X(k)|, |H(k)|, |Y(k)| of the low-pass filter",
                 DrawFilterSpectrumView},
    AnalysisView{"decimation-time", "w(n) and y(m) of decimation by M", DrawDecimationTimeView},
    AnalysisView{"decimation-frequency", "|X(k)|, |W(k)|, |Y(k)| of decimation by M",
                 DrawDecimationFrequencyView},
    AnalysisView{"interpolation-time", "w(m) and y(m) of interpolation by L",
                 DrawInterpolationTimeView},
    AnalysisView{"interpolation-frequency", "|X(k)|, |W(k)|, |Y(k)| of interpolation by L",
                 DrawInterpolationFrequencyView},
    AnalysisView{"conversion-time", "x(n) and y(m) of rate conversion by L/M",
                 DrawConversionTimeView},
    AnalysisView{"conversion-frequency", "the three spectra of rate conversion by L/M",
                 DrawConversionFrequencyView},
};

}  // namespace

std::span<const AnalysisView, kAnalysisViewCount> AnalysisViews()
{
    return kViews;
}
