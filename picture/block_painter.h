// A painter of pictures at a whole scale over the raster, for front ends
// without cairo (the browser page): every shape's outline is filled where
// it covers a target pixel's centre, without antialiasing, so lines are
// `scale` pixels wide and as sharp as the screen's pixels; text is the
// font's glyphs at its one size, each ink pixel drawn as a block of
// scale x scale target pixels.
#pragma once

#include "picture/draw_at_scale.h"
#include "picture/text.h"

class BlockPainter final : public ScaledPainter {
public:
    // The font must outlive the painter: the glyphs of the recorded text.
    explicit BlockPainter(const MonoFont& font) : m_font(font) {}

    void Paint(Raster& target, const VectorPicture& picture, int scale) const override;

private:
    const MonoFont& m_font;
};
