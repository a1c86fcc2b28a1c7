#include "picture/draw_at_scale.h"

#include <stdexcept>

void DrawAtScale(Raster& target, int scale, const PictureTools& tools,
                 const std::function<void(Surface&)>& draw)
{
    if (scale == 1) {
        Surface surface(target, tools.font);
        draw(surface);
        return;
    }
    if (scale < 1) {
        throw std::invalid_argument("the scale of a picture is at least 1");
    }
    if (tools.scaled == nullptr) {
        throw std::invalid_argument("a picture at a scale needs a painter of shapes");
    }
    // The page covers the whole raster, a partial picture pixel included.
    VectorRecorder recorder((target.Width() + scale - 1) / scale,
                            (target.Height() + scale - 1) / scale, tools.font);
    Surface surface(recorder);
    draw(surface);
    tools.scaled->Paint(target, recorder.Picture(), scale);
}
