// Pictures drawn with cairo from their shapes: as PDF, and as pixels at a
// whole scale (vorlen-render --scale, the main window on a scaled desktop).
#pragma once

#include <functional>
#include <string>

#include "core/raster.h"
#include "core/surface.h"
#include "core/vector_picture.h"

// The whole PDF document: one page of picture.width x picture.height CSS
// pixels (0.75 pt each), white as a fresh raster, then every shape. Text is
// real text in the picture's font, embedded, each character where the
// raster puts it. No creation date is written, so that the same picture is
// always the same bytes. Throws FontError, or std::runtime_error when cairo
// fails.
std::string PdfDocument(const VectorPicture& picture);

// Draws the shapes over `target` at `scale` target pixels per picture pixel,
// antialiased, lines and rectangles on whole pixels so that they stay sharp.
// What no shape covers keeps its pixels, as on the raster backend. Throws
// std::invalid_argument for a scale below 1, std::runtime_error when cairo
// fails.
void PaintScaled(Raster& target, const VectorPicture& picture, int scale);

// Runs `draw` on a surface over `target`, whose pixels are `scale` times
// finer than the picture's: at scale 1 the exact raster backend, above it
// VectorRecorder then PaintScaled.
void DrawAtScale(Raster& target, int scale, const std::function<void(Surface&)>& draw);
