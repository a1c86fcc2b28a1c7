// What the desktop's front ends draw their pictures with: the picture font
// found through fontconfig, and cairo for pictures at a scale.
#pragma once

#include <memory>

#include "picture/cairo/scaled_picture.h"
#include "picture/draw_at_scale.h"
#include "picture/freetype_font.h"

class DesktopPictureTools {
public:
    // Throws FontError with a message for the user when no font can be
    // found or loaded.
    DesktopPictureTools();
    DesktopPictureTools(const DesktopPictureTools&) = delete;
    DesktopPictureTools& operator=(const DesktopPictureTools&) = delete;

    const FreeTypeFont& Font() const { return *m_font; }
    const ScaledPainter& Painter() const { return m_painter; }
    const PictureTools& Tools() const { return m_tools; }

private:
    std::unique_ptr<FreeTypeFont> m_font;
    CairoScaledPainter m_painter;
    PictureTools m_tools;
};
