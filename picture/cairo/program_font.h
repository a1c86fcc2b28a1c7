// The picture font as the desktop has it: DejaVu Sans Mono if fontconfig
// knows it, else fontconfig's best "monospace" match.
#pragma once

#include <memory>

#include "picture/freetype_font.h"

// Throws FontError with a message for the user when no font can be found or
// loaded. Front ends load it once and hand it to what draws.
std::unique_ptr<FreeTypeFont> LoadProgramFont();
