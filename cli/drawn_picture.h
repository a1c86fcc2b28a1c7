// One picture as vorlen-render writes it: drawn on the surface its format
// needs, then written out as that format's bytes. PNG at scale 1 is the
// exact raster; SVG, PDF and larger PNG are made from the recorded shapes.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>

#include "cli/picture_options.h"
#include "picture/cairo/desktop_tools.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "picture/vector_picture.h"

class DrawnPicture {
public:
    // A page of width x height picture pixels, filled with the background
    // colour, to be written as `request` asks with `tools`, which must
    // outlive it.
    DrawnPicture(const PictureRequest& request, int width, int height,
                 const DesktopPictureTools& tools);

    // What the command draws on.
    Surface& Canvas() { return *m_surface; }

    // Writes the whole file to an open stream. Throws OutputError with the
    // reason when writing fails; FontError or std::runtime_error when the
    // picture cannot be made.
    void Write(std::FILE* stream);

private:
    PictureRequest m_request;
    const DesktopPictureTools& m_tools;
    std::optional<Raster> m_raster;            // PNG at scale 1
    std::optional<VectorRecorder> m_recorder;  // everything else
    std::unique_ptr<Surface> m_surface;
};

// Writes shapes as `request` asks: SVG, PDF, or PNG at request.scale. Throws
// as DrawnPicture::Write does.
void WriteShapes(std::FILE* stream, const VectorPicture& picture, const PictureRequest& request,
                 const DesktopPictureTools& tools);
