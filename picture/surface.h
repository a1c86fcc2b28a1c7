// The drawing surface: the seven operations every picture is made of.
//
// Its state never changes: a black solid pen one pixel wide, a white brush,
// one fixed-width font, black text on an opaque white box. Coordinates are
// pixels of the picture, origin top left, y down; they may be negative or
// lie past the edges, and whatever falls outside is simply not drawn.
//
// Pictures draw on a Surface and never learn where their drawing goes. A
// Surface made on a raster sets that raster's pixels exactly (the windows at
// a desktop scale of 1, PNG pictures); one made on another backend hands the
// operations to it (VectorRecorder: SVG, PDF and pictures drawn at N times
// the size).
#pragma once

#include <optional>
#include <string_view>

#include "picture/raster.h"
#include "picture/raster_backend.h"
#include "picture/surface_backend.h"

class Surface {
public:
    // Draws into `target`, pixel for pixel, its text in `font`; both must
    // outlive the surface.
    Surface(Raster& target, const MonoFont& font);
    // Draws through `backend`, which must outlive the surface.
    explicit Surface(SurfaceBackend& backend);

    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    void SetPixel(int x, int y, Rgb colour) { m_backend->SetPixel(x, y, colour); }

    // Outline of the ellipse inscribed in [left, right) x [top, bottom) with
    // the black pen, interior filled with the white brush.
    void Ellipse(int left, int top, int right, int bottom)
    {
        m_backend->Ellipse(left, top, right, bottom);
    }

    // [left, right) x [top, bottom) in one colour.
    void FillRect(int left, int top, int right, int bottom, Rgb colour)
    {
        m_backend->FillRect(left, top, right, bottom, colour);
    }

    void MoveTo(int x, int y);
    // A black line from the current position to (x, y): the start pixel is
    // drawn, the end pixel is not; (x, y) becomes the current position.
    void LineTo(int x, int y);

    // One line of text with its box's top-left corner at (x, y).
    void TextOut(int x, int y, std::string_view text) { m_backend->Text(x, y, text); }
    // The box TextOut paints for this text: its width, and the height of a
    // line.
    TextExtent MeasureText(std::string_view text) const { return m_backend->MeasureText(text); }

private:
    std::optional<RasterBackend> m_raster;  // the backend of a surface made on a raster
    SurfaceBackend* m_backend;
    int m_currentX = 0;
    int m_currentY = 0;
};
