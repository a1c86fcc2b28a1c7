#include "tests/support/test_tools.h"

const DesktopPictureTools& TestTools()
{
    static const DesktopPictureTools tools;
    return tools;
}
