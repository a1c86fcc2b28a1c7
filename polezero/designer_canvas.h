// The designer dialog's client area as a picture: the face a fresh dialog
// shows, what every drawing event draws over it, at the desktop's scale,
// and, when asked for, the same as shapes for SVG and PDF.
//
// Drawing is given in picture pixels, the dialog's logical pixels. The
// client area may have `scale` raster pixels to each of them (the dialog
// on a desktop at GDK_SCALE=2): every drawing is then drawn at that scale
// through the tools' painter, with lines `scale` pixels wide, and still
// over what the last one left, as the written designer draws. At scale 1
// it is the exact raster.
#pragma once

#include <functional>
#include <optional>

#include "picture/draw_at_scale.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "picture/vector_picture.h"

namespace polezero {

struct DesignerOptions {
    // What every picture is drawn with; must outlive the designer.
    const PictureTools* tools = nullptr;
    // Whether the client area also shows the black frames among the
    // controls (the dialog does; vorlen-render draws no controls).
    bool controlFrames = false;
    // Raster pixels per picture pixel, from 1.
    int scale = 1;
    // Whether what is drawn is also kept as shapes (RecordedShapes).
    bool recordShapes = false;
};

class DesignerCanvas {
public:
    // A fresh dialog's client area. Throws std::invalid_argument without
    // tools, for a scale below 1, or above 1 without a painter.
    explicit DesignerCanvas(const DesignerOptions& options);

    // The dialog opened again: the face, and no shapes but the face's.
    void Open();
    // Runs `draw` over the client area at the canvas's scale, and on the
    // recorded shapes.
    void Draw(const std::function<void(Surface&)>& draw);
    // What the window system shows of a region it asks to repaint, given in
    // picture pixels: the controls and the empty frames, never the
    // pictures. Only the raster: the recorded shapes are what was drawn.
    void Uncover(int left, int top, int right, int bottom);

    // Width and height are the client area's times Scale().
    const Raster& ClientArea() const { return m_client; }
    int Scale() const { return m_options.scale; }
    // The client area as shapes on a page of its size in picture pixels:
    // the face as the last opening drew it, then every drawing since, in
    // order (without the shapes that later ones wholly cover). Null unless
    // the options ask for shapes.
    const VectorPicture* RecordedShapes();

private:
    DesignerOptions m_options;
    Raster m_face;    // the client area as a fresh dialog shows it
    Raster m_client;  // what is on the screen now
    std::optional<VectorRecorder> m_shapes;
};

}  // namespace polezero
