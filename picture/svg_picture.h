// A picture as an SVG document, written by hand: cairo's SVG backend draws
// every glyph as an outline, and a lecture figure's text must stay text.
#pragma once

#include <string>

#include "picture/text.h"
#include "picture/vector_picture.h"

// The whole document: a page of picture.width x picture.height CSS pixels,
// white as a fresh raster, then every shape in drawing order. Text is
// <text> in the picture's font, each character placed where the raster puts
// it (and letter-spaced to the same pitch for renderers that place only the
// first), clipped to its opaque box. `font` names the face and gives the
// pitch the text was drawn at.
std::string SvgDocument(const VectorPicture& picture, const FontMetrics& font);
