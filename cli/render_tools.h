// vorlen-render's picture tools (font and cairo), loaded at the first
// picture of a run and kept for the rest of it: --help, bad usage and runs
// that draw no text never look for a font.
#pragma once

#include "picture/cairo/desktop_tools.h"

// Throws FontError when no font can be found or loaded.
const DesktopPictureTools& RenderTools();
