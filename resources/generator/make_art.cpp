// make-art: draws the program's artwork and writes it into a folder.
//
//   make-art OUTPUT_FOLDER
//
// writes decimator.bmp, interpolator.bmp and converter.bmp (the block
// diagrams: 461 x 181, 8 bits per pixel, four colours) and vorlen-16.png,
// vorlen-32.png, vorlen-48.png and vorlen-256.png (the application icon; the
// program carries 16 and 32, the desktop gets all four). The files in resources/ are its
// output, committed; the build only embeds them, so this runs only when the
// artwork changes (the CMake target make-art).
#include <exception>
#include <iostream>
#include <string>

#include "resources/generator/icons.h"
#include "resources/generator/page.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make-art OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    try {
        const SerifBoldFont font(SerifBoldFont::Locate());
        WriteFileBytes(folder + "/decimator.bmp",
                       EncodeBmp8(DrawDecimatorDiagram(font), kDiagramPalette));
        WriteFileBytes(folder + "/interpolator.bmp",
                       EncodeBmp8(DrawInterpolatorDiagram(font), kDiagramPalette));
        WriteFileBytes(folder + "/converter.bmp",
                       EncodeBmp8(DrawConverterDiagram(font), kDiagramPalette));
        for (const int size : kAppIconSizes)
            WriteFileBytes(folder + "/vorlen-" + std::to_string(size) + ".png",
                           EncodePng4(DrawAppIcon(size), kIconPalette, kIconTransparent));
    } catch (const std::exception& e) {
        std::cerr << "make-art: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
