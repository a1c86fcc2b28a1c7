// vorlen-render's options for the events of the pole-zero designer:
// --zero X,Y, --pole X,Y, --pointer X,Y and --events SCRIPT.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "polezero/session.h"

// Registers the four options on an app before it parses, and reads them
// after.
class DesignerOptions {
public:
    explicit DesignerOptions(CLI::App& app);

    // The events to run on a freshly opened dialog: --events alone, or each
    // --zero and --pole as placement mode then a press, in the order given
    // on the command line, followed by the --pointer moves. Or the one-line
    // reason for bad usage: one of the options with another command,
    // --events with any of the others, a malformed point or step.
    std::optional<std::string> Read(std::string_view command, const CLI::App& app,
                                    std::vector<polezero::DesignerEvent>& events) const;

private:
    std::vector<std::string> m_zeros;
    std::vector<std::string> m_poles;
    std::vector<std::string> m_pointers;
    std::string m_script;
    CLI::Option* m_zeroOption;
    CLI::Option* m_poleOption;
    CLI::Option* m_pointerOption;
    CLI::Option* m_eventsOption;
};
