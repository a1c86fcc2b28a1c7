// vorlen-render's options for the pole-zero designer: its events (--zero
// X,Y, --pole X,Y, --pointer X,Y and --events SCRIPT) and its design files
// (--design FILE, --save-design FILE).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "polezero/session.h"

struct RenderOptions;

// Registers the options on an app before it parses, and reads them after.
class DesignerOptions {
public:
    explicit DesignerOptions(CLI::App& app);

    // Fills options.designerEvents with the events to run on a freshly
    // opened dialog: --events alone, or each --zero and --pole as placement
    // mode then a press, in the order given on the command line, followed by
    // the --pointer moves; and options.designFile and options.saveDesign.
    // Or the one-line reason for bad usage: one of the options with another
    // command, --events with any of the others, a malformed point or step,
    // an empty file name.
    std::optional<std::string> Read(std::string_view command, const CLI::App& app,
                                    RenderOptions& options) const;

private:
    std::vector<std::string> m_zeros;
    std::vector<std::string> m_poles;
    std::vector<std::string> m_pointers;
    std::string m_script;
    std::string m_design;
    std::string m_saveDesign;
    CLI::Option* m_zeroOption;
    CLI::Option* m_poleOption;
    CLI::Option* m_pointerOption;
    CLI::Option* m_eventsOption;
    CLI::Option* m_designOption;
    CLI::Option* m_saveDesignOption;
};
