// The program's pictures, built into it: the three block diagrams as
// Windows BMP files (461 x 181, 8 bits per pixel) and the application icon
// as PNG files. The bytes are the files in resources/ exactly, so they can
// be handed to any image loader as they are; they live as long as the
// program.
#pragma once

#include <span>

std::span<const unsigned char> DecimatorDiagramBmp();
std::span<const unsigned char> InterpolatorDiagramBmp();
std::span<const unsigned char> ConverterDiagramBmp();
std::span<const unsigned char> AppIcon32Png();
std::span<const unsigned char> AppIcon16Png();
