// A raster as the browser's ImageData holds pixels: red, green, blue and an
// opaque alpha per pixel, rows top first.
#pragma once

#include <cstdint>
#include <vector>

#include "picture/raster.h"

// Writes the raster's pixels into `buffer` (resized to fit) and returns its
// first byte.
const std::uint8_t* OpaqueRgba(const Raster& raster, std::vector<std::uint8_t>& buffer);
