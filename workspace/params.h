// The parameters a user sets by text: each with its name, its workspace
// value and its field rule. The dialogs' fields and vorlen-render's options
// both go through this one table, so a text means the same wherever it is
// typed.
#pragma once

#include <span>
#include <string>
#include <string_view>

enum class Param { SignalParam, TransitionWidth, Cutoff, DecimationFactor, InterpolationFactor };

struct ParamInfo {
    Param param;
    std::string_view name;  // as the fields' labels and vorlen-render's options call it
    std::string_view help;  // one line for vorlen-render's --help
};

// a, df, fg, M, L.
std::span<const ParamInfo> Params();

// Stores the value the parameter's field rule reads from `text`, as if the
// text had been typed into its field.
void StoreParam(Param param, std::string_view text);

// The text a dialog fills the parameter's field with: the stored value as
// "%10.2f" (a, df, fg) or "%10d" (M, L).
std::string ParamFillText(Param param);
