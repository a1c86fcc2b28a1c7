#include "dialogs/embedded_image.h"

#include <wx/image.h>
#include <wx/mstream.h>

#include "resources/embedded.h"

wxBitmap EmbeddedBitmap(std::span<const unsigned char> file)
{
    const bool bmp = file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
    if (!bmp && !wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    wxMemoryInputStream stream(file.data(), file.size());
    const wxImage image(stream, bmp ? wxBITMAP_TYPE_BMP : wxBITMAP_TYPE_PNG);
    return image.IsOk() ? wxBitmap(image) : wxBitmap();
}

std::span<const unsigned char> EmbeddedImage(FormImage image)
{
    switch (image) {
    case FormImage::None: return {};
    case FormImage::DecimatorDiagram: return DecimatorDiagramBmp();
    case FormImage::InterpolatorDiagram: return InterpolatorDiagramBmp();
    case FormImage::ConverterDiagram: return ConverterDiagramBmp();
    case FormImage::AppIcon: return AppIcon32Png();
    }
    return {};
}
