// Pictures drawn at a whole scale from their shapes: vorlen-render --scale,
// and the main window on a scaled desktop (GDK_SCALE=2).
#pragma once

#include <functional>

#include "core/raster.h"
#include "core/surface.h"
#include "core/vector_picture.h"

// Draws the shapes, in order, over `target` at `scale` target pixels per
// picture pixel: rectangles as whole pixels, ellipses, lines and text
// antialiased by cairo, so that lines are `scale` pixels wide and sharp and
// text is drawn at `scale` times its size. What no shape covers keeps its
// pixels, as on the raster backend. Throws std::invalid_argument for a scale
// below 1, std::runtime_error when cairo fails.
void PaintScaled(Raster& target, const VectorPicture& picture, int scale);

// Runs `draw` on a surface over `target`, whose pixels are `scale` times
// finer than the picture's: the exact raster backend at scale 1; above it
// the shapes are recorded on a page covering the raster and painted with
// PaintScaled.
void DrawAtScale(Raster& target, int scale, const std::function<void(Surface&)>& draw);
