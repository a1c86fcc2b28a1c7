#include "dialogs/screen_picture.h"

#include <algorithm>
#include <cmath>

#include <wx/image.h>

int DeviceScale(const wxWindow& window)
{
    return std::max(1, static_cast<int>(std::lround(window.GetContentScaleFactor())));
}

wxBitmap ScreenBitmap(const Raster& raster, int scale)
{
    wxImage image(raster.Width(), raster.Height(), false);
    const auto bytes = raster.Bytes();
    std::copy(bytes.begin(), bytes.end(), image.GetData());
    return wxBitmap(image, 24, scale);
}

const DesktopPictureTools& ScreenTools()
{
    static const DesktopPictureTools tools;
    return tools;
}
