#include "workspace/params.h"

#include <array>

#include "workspace/field_rules.h"
#include "workspace/workspace.h"

namespace {

constexpr std::array kParams{
    ParamInfo{Param::SignalParam, "a", "parameter a, read as the \"a=\" field reads its text"},
    ParamInfo{Param::TransitionWidth, "df", "transition width, read as the df field"},
    ParamInfo{Param::Cutoff, "fg", "pass-band edge, read as the fg field"},
    ParamInfo{Param::DecimationFactor, "M", "decimation factor, read as the M field"},
    ParamInfo{Param::InterpolationFactor, "L", "interpolation factor, read as the L field"},
};

}  // namespace

std::span<const ParamInfo> Params()
{
    return kParams;
}

void StoreParam(Param param, std::string_view text)
{
    switch (param) {
    case Param::SignalParam: g_signalParam = SignalParamFromText(text); break;
    case Param::TransitionWidth: g_transitionWidth = TransitionWidthFromText(text); break;
    case Param::Cutoff: g_cutoff = CutoffFromText(text); break;
    case Param::DecimationFactor: g_decimationFactor = FactorFromText(text); break;
    case Param::InterpolationFactor: g_interpolationFactor = FactorFromText(text); break;
    }
}

std::string ParamFillText(Param param)
{
    switch (param) {
    case Param::SignalParam: return FormatFieldValue(g_signalParam);
    case Param::TransitionWidth: return FormatFieldValue(g_transitionWidth);
    case Param::Cutoff: return FormatFieldValue(g_cutoff);
    case Param::DecimationFactor: return FormatFactor(g_decimationFactor);
    case Param::InterpolationFactor: return FormatFactor(g_interpolationFactor);
    }
    return {};
}
