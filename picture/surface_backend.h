// Where a Surface's operations end up. Pictures never see a backend: they
// draw on a Surface, which hands every operation to one of these.
//
// RasterBackend (raster_backend.h) sets the pixels of a raster exactly;
// VectorRecorder (vector_picture.h) keeps the operations as shapes, from
// which SVG, PDF and pictures at N times the size are made.
#pragma once

#include <string_view>

#include "picture/raster.h"
#include "picture/text.h"

class SurfaceBackend {
public:
    virtual ~SurfaceBackend() = default;

    virtual void SetPixel(int x, int y, Rgb colour) = 0;
    // [left, right) x [top, bottom) in one colour; nothing when empty.
    virtual void FillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
    // The ellipse inscribed in [left, right) x [top, bottom), the corners
    // given in either order: black 1-pixel outline, white interior.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // A black 1-pixel line from (x0, y0), drawn, to (x1, y1), not drawn.
    // The Surface never asks for a line whose ends coincide.
    virtual void Line(int x0, int y0, int x1, int y1) = 0;
    // Black text on an opaque white box whose top-left corner is (x, y).
    virtual void Text(int x, int y, std::string_view text) = 0;
    // The box Text paints for this text, in the backend's font.
    virtual TextExtent MeasureText(std::string_view text) const = 0;
};
