#include "cli/designer_options.h"

#include <variant>

#include "cli/render_commands.h"
#include "cli/render_options.h"
#include "polezero/event_script.h"

namespace {

std::string NotAPoint(const std::string& option, const std::string& text)
{
    return option + ": '" + text + "' is not X,Y, two 32-bit integers such as 100,120";
}

}  // namespace

DesignerOptions::DesignerOptions(CLI::App& app)
    // Each occurrence of --zero, --pole or --pointer takes one point.
    : m_zeroOption(
          app.add_option("--zero", m_zeros, "with polezero: a zero placed by a press at X,Y")
              ->option_text("X,Y")
              ->allow_extra_args(false)),
      m_poleOption(
          app.add_option("--pole", m_poles, "with polezero: a pole placed by a press at X,Y")
              ->option_text("X,Y")
              ->allow_extra_args(false)),
      m_pointerOption(
          app.add_option("--pointer", m_pointers, "with polezero: then a pointer move to X,Y")
              ->option_text("X,Y")
              ->allow_extra_args(false)),
      m_eventsOption(app.add_option("--events", m_script,
                                    "with polezero: the whole sequence of events instead (below)")
                         ->option_text("SCRIPT")),
      m_designOption(app.add_option("--design", m_design,
                                    "with polezero: a design file loaded before the events")
                         ->option_text("FILE.json")),
      m_saveDesignOption(app.add_option("--save-design", m_saveDesign,
                                        "with polezero: the design at the end, as a design file")
                             ->option_text("FILE.json"))
{
}

std::optional<std::string> DesignerOptions::Read(std::string_view command, const CLI::App& app,
                                                 RenderOptions& options) const
{
    using Kind = polezero::DesignerEvent::Kind;
    const std::size_t steps =
        m_zeroOption->count() + m_poleOption->count() + m_pointerOption->count();
    if (command != kPoleZeroCommand) {
        if (steps + m_eventsOption->count() + m_designOption->count() +
                m_saveDesignOption->count() >
            0) {
            return "--zero, --pole, --pointer, --events, --design and --save-design go only with "
                   "the command polezero";
        }
        return std::nullopt;
    }
    if (m_designOption->count() > 0 && m_design.empty()) {
        return "--design: the file name is empty";
    }
    if (m_saveDesignOption->count() > 0 && m_saveDesign.empty()) {
        return "--save-design: the file name is empty";
    }
    options.designFile = m_design;
    options.saveDesign = m_saveDesign;
    std::vector<polezero::DesignerEvent>& events = options.designerEvents;
    if (m_eventsOption->count() > 0) {
        if (steps > 0) {
            return "--events gives the whole sequence: it cannot be combined with --zero, --pole "
                   "or --pointer";
        }
        polezero::ScriptResult script = polezero::ParseEventScript(m_script);
        if (auto* error = std::get_if<std::string>(&script)) {
            return *error;
        }
        events = std::move(std::get<std::vector<polezero::DesignerEvent>>(script));
        return std::nullopt;
    }
    std::size_t nextZero = 0;
    std::size_t nextPole = 0;
    for (const CLI::Option* option : app.parse_order()) {
        const bool zero = option == m_zeroOption;
        if (!zero && option != m_poleOption) {
            continue;
        }
        const std::string& text = zero ? m_zeros.at(nextZero++) : m_poles.at(nextPole++);
        const auto at = polezero::ParseClientPoint(text);
        if (!at) {
            return NotAPoint(zero ? "--zero" : "--pole", text);
        }
        events.push_back({zero ? Kind::Zeros : Kind::Poles});
        events.push_back({Kind::Press, at->x, at->y});
    }
    for (const std::string& text : m_pointers) {
        const auto at = polezero::ParseClientPoint(text);
        if (!at) {
            return NotAPoint("--pointer", text);
        }
        events.push_back({Kind::Move, at->x, at->y});
    }
    return std::nullopt;
}
