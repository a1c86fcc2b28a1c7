// The picture tools the tests draw with: the desktop's font and cairo
// painter, loaded once for the whole test program.
#pragma once

#include "picture/cairo/desktop_tools.h"

const DesktopPictureTools& TestTools();

inline const FreeTypeFont& TestFont()
{
    return TestTools().Font();
}
