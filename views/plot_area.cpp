#include "views/plot_area.h"

void ClearPlotArea(Surface& surface)
{
    surface.FillRect(0, 0, kPlotAreaWidth, kPlotAreaHeight, kWhite);
}
