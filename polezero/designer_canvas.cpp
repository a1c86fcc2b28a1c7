#include "polezero/designer_canvas.h"

#include <algorithm>
#include <stdexcept>

#include "polezero/dialog_face.h"

namespace polezero {

namespace {

const DesignerOptions& Checked(const DesignerOptions& options)
{
    if (options.tools == nullptr) {
        throw std::invalid_argument("the designer needs its picture tools");
    }
    if (options.scale < 1) {
        throw std::invalid_argument("the scale of the designer is at least 1");
    }
    return options;
}

Raster FaceRaster(const DesignerOptions& options)
{
    Raster face(kClientWidth * options.scale, kClientHeight * options.scale, kDialogFace);
    DrawAtScale(face, options.scale, *options.tools,
                [&options](Surface& surface) { DrawDialogFace(surface, options.controlFrames); });
    return face;
}

// A coordinate of picture pixels in raster pixels, kept within the raster's
// `size` so that no product overflows.
int ToRaster(int picture, int scale, int size)
{
    return static_cast<int>(
        std::clamp(static_cast<long long>(picture) * scale, 0LL, static_cast<long long>(size)));
}

}  // namespace

DesignerCanvas::DesignerCanvas(const DesignerOptions& options)
    : m_options(Checked(options)), m_face(FaceRaster(m_options)), m_client(m_face)
{
    Open();
}

void DesignerCanvas::Open()
{
    m_client = m_face;
    if (m_options.recordShapes) {
        m_shapes.emplace(kClientWidth, kClientHeight, m_options.tools->font);
        Surface surface(*m_shapes);
        DrawDialogFace(surface, m_options.controlFrames);
    }
}

void DesignerCanvas::Draw(const std::function<void(Surface&)>& draw)
{
    DrawAtScale(m_client, m_options.scale, *m_options.tools, draw);
    if (m_shapes) {
        Surface surface(*m_shapes);
        draw(surface);
    }
}

void DesignerCanvas::Uncover(int left, int top, int right, int bottom)
{
    const int width = m_client.Width();
    const int height = m_client.Height();
    const int scale = m_options.scale;
    m_client.CopyFrom(m_face, ToRaster(left, scale, width), ToRaster(top, scale, height),
                      ToRaster(right, scale, width), ToRaster(bottom, scale, height));
}

const VectorPicture* DesignerCanvas::RecordedShapes()
{
    return m_shapes ? &m_shapes->Picture() : nullptr;
}

}  // namespace polezero
