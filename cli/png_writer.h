// A raster as an 8-bit RGB PNG.
#pragma once

#include <cstdio>

#include "picture/raster.h"

// Writes the whole PNG to an open stream. Throws OutputError (with libpng's
// reason as its message) when libpng fails, for example on a write error.
void WritePng(std::FILE* stream, const Raster& raster);
