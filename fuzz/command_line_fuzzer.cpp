// vorlen-render's command line from any bytes, split at NUL bytes into
// arguments. ParseCommandLine never throws; a mistake is one line; what it
// accepts is a picture it can draw, with field texts that the rules store
// as values in their ranges.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "cli/render_options.h"
#include "fuzz/fuzz_check.h"
#include "workspace/params.h"
#include "workspace/workspace.h"

namespace {

// "a\0b" gives the arguments "a" and "b"; no bytes give no arguments.
std::vector<std::string> Arguments(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args{"vorlen-render"};
    if (size == 0) {
        return args;
    }
    args.emplace_back();
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(static_cast<char>(data[i]));
        }
    }
    return args;
}

void CheckRender(const RenderOptions& options)
{
    FUZZ_CHECK(options.command != nullptr);
    FUZZ_CHECK(options.signal != nullptr);
    FUZZ_CHECK(options.width >= 1 && options.width <= kMaxSide);
    FUZZ_CHECK(options.height >= 1 && options.height <= kMaxSide);
    FUZZ_CHECK(!options.output.empty() || !options.outDir.empty());
    // A picture at its scale fits the largest raster; only PNG is scaled.
    FUZZ_CHECK(options.picture.scale >= 1 && options.picture.scale <= kMaxScale);
    FUZZ_CHECK(static_cast<long long>(options.width) * options.picture.scale <= kMaxSide);
    FUZZ_CHECK(static_cast<long long>(options.height) * options.picture.scale <= kMaxSide);
    FUZZ_CHECK(options.picture.scale == 1 || options.picture.format == PictureFormat::Png);
    for (const auto& [param, text] : options.fields) {
        StoreParam(param, text);
    }
    FUZZ_CHECK(std::isfinite(g_signalParam));
    FUZZ_CHECK(g_transitionWidth >= 0.035f && std::isfinite(g_transitionWidth));
    FUZZ_CHECK(g_cutoff >= 0.0f && g_cutoff <= static_cast<float>(std::numbers::pi));
    FUZZ_CHECK(g_decimationFactor >= 0 && g_decimationFactor <= 15);
    FUZZ_CHECK(g_interpolationFactor >= 0 && g_interpolationFactor <= 15);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> args = Arguments(data, size);
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    argv.push_back(nullptr);

    CommandLine line;
    try {
        line = ParseCommandLine(static_cast<int>(args.size()), argv.data());
    } catch (...) {
        FUZZ_CHECK(!"ParseCommandLine threw");
    }
    switch (line.action) {
    case CommandLine::Action::UsageError:
        FUZZ_CHECK(!line.text.empty() && line.text.find('\n') == std::string::npos);
        break;
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion: FUZZ_CHECK(!line.text.empty()); break;
    case CommandLine::Action::Render:
        ResetWorkspace();
        CheckRender(line.options);
        break;
    }
    return 0;
}
