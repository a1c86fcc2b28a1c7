#include "cli/render_dump.h"

#include "app/workspace.h"

DumpJson NewDump()
{
    DumpJson dump = DumpJson::object();
    dump["params"] = DumpJson::object();
    dump["plots"] = DumpJson::array();
    return dump;
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
