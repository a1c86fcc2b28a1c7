// The program's built-in pictures as wx bitmaps.
#pragma once

#include <span>

#include <wx/bitmap.h>

// A PNG or BMP file held in memory (the file's first bytes say which),
// decoded at its own size. An invalid bitmap if the bytes are no picture.
wxBitmap EmbeddedBitmap(std::span<const unsigned char> file);
