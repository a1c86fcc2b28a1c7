// A picture as a PDF document, drawn by cairo's PDF backend.
#pragma once

#include <string>

#include "picture/freetype_font.h"
#include "picture/vector_picture.h"

// The whole document: one page of picture.width x picture.height CSS pixels
// (0.75 pt each), white as a fresh raster, then every shape. Text is real
// text in the picture's font, embedded, each character where the raster
// puts it. No creation date is written, so that the same picture is always
// the same bytes. The text is in `font`. Throws std::runtime_error when cairo
// fails.
std::string PdfDocument(const VectorPicture& picture, const FreeTypeFont& font);
