#include "cli/render_dump.h"

#include "workspace/workspace.h"

DumpJson NewDump()
{
    DumpJson dump = DumpJson::object();
    dump["params"] = DumpJson::object();
    dump["plots"] = DumpJson::array();
    return dump;
}

void AppendPlots(DumpJson& dump, std::span<const PlotRecord> plots)
{
    DumpJson& list = dump["plots"];
    for (const PlotRecord& plot : plots) {
        DumpJson entry = DumpJson::object();
        entry["title"] = plot.title;
        entry["baseline"] = plot.baseline;
        entry["count"] = plot.count;
        entry["peak"] = plot.peak;
        entry["values"] = plot.values;
        list.push_back(std::move(entry));
    }
}

void AppendFilterTaps(DumpJson& dump, std::span<const float> taps)
{
    dump["filterTaps"] = std::vector<float>(taps.begin(), taps.end());
}

void FillDumpParams(DumpJson& dump)
{
    DumpJson& params = dump["params"];
    params["a"] = g_signalParam;
    params["df"] = g_transitionWidth;
    params["fg"] = g_cutoff;
    params["M"] = g_decimationFactor;
    params["L"] = g_interpolationFactor;
    params["filterLength"] = g_filterLength;
}

std::string DumpText(const DumpJson& dump)
{
    return dump.dump(2) + "\n";
}
