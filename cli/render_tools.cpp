#include "cli/render_tools.h"

const DesktopPictureTools& RenderTools()
{
    static const DesktopPictureTools tools;
    return tools;
}
