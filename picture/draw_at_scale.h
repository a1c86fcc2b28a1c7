// Pictures drawn at a whole scale: the main window and the designer on a
// scaled desktop (GDK_SCALE=2), and vorlen-render --scale. Below scale 2
// nothing but the exact raster is involved; above it the picture is
// recorded as shapes and a ScaledPainter draws them at the raster's
// resolution. The painter is given by the front end: this layer draws no
// antialiased shape itself.
#pragma once

#include <functional>

#include "picture/raster.h"
#include "picture/surface.h"
#include "picture/text.h"
#include "picture/vector_picture.h"

class ScaledPainter {
public:
    virtual ~ScaledPainter() = default;
    // Draws the shapes, in order, over `target` at `scale` target pixels per
    // picture pixel: lines `scale` pixels wide and sharp, text at `scale`
    // times its size. What no shape covers keeps its pixels, as on the
    // raster backend. Throws std::invalid_argument for a scale below 1.
    virtual void Paint(Raster& target, const VectorPicture& picture, int scale) const = 0;
};

// What a front end draws its pictures with: the font, and the painter of
// pictures at a scale (none where only scale 1 is drawn). Both outlive
// every drawing.
struct PictureTools {
    const MonoFont& font;
    const ScaledPainter* scaled = nullptr;
};

// Runs `draw` on a surface over `target`, whose pixels are `scale` times
// finer than the picture's: the exact raster backend at scale 1; above it
// the shapes are recorded on a page covering the raster and painted by the
// tools' painter. Throws std::invalid_argument for a scale below 1, or
// above 1 without a painter.
void DrawAtScale(Raster& target, int scale, const PictureTools& tools,
                 const std::function<void(Surface&)>& draw);
