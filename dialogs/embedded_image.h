// The program's built-in pictures as wx bitmaps.
#pragma once

#include <span>

#include <wx/bitmap.h>

#include "forms/form.h"

// A PNG or BMP file held in memory (the file's first bytes say which),
// decoded at its own size. An invalid bitmap if the bytes are no picture.
wxBitmap EmbeddedBitmap(std::span<const unsigned char> file);

// The bytes of a dialog's image, built into the program; empty for None.
std::span<const unsigned char> EmbeddedImage(FormImage image);
