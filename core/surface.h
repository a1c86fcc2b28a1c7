// The drawing surface: the seven operations every picture is made of.
//
// Its state never changes: a black solid pen one pixel wide, a white brush,
// one fixed-width font, black text on an opaque white box. Coordinates are
// pixels of the target raster, origin top left, y down; they may be negative
// or lie past the edges, and whatever falls outside is simply not written.
#pragma once

#include <string_view>

#include "core/raster.h"

class Surface {
public:
    explicit Surface(Raster& target) : m_target(target) {}

    void SetPixel(int x, int y, Rgb colour);

    // Outline of the ellipse inscribed in [left, right) x [top, bottom) with
    // the black pen, interior filled with the white brush.
    void Ellipse(int left, int top, int right, int bottom);

    // [left, right) x [top, bottom) in one colour.
    void FillRect(int left, int top, int right, int bottom, Rgb colour);

    void MoveTo(int x, int y);
    // A black line from the current position to (x, y): the start pixel is
    // drawn, the end pixel is not; (x, y) becomes the current position.
    void LineTo(int x, int y);

    // One line of text with its box's top-left corner at (x, y).
    void TextOut(int x, int y, std::string_view text);

    Raster& Target() { return m_target; }

private:
    Raster& m_target;
    int m_currentX = 0;
    int m_currentY = 0;
};
