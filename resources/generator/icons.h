// The application icon: a small stem plot, the picture the program draws
// all day, on a light card.
#pragma once

#include "resources/generator/indexed_image.h"

enum IconColour : std::uint8_t {
    kIconTransparent = 0,
    kIconCard = 1,
    kIconBorder = 2,
    kIconAxis = 3,
    kIconStem = 4,
    kIconHead = 5,
};

inline constexpr PaletteColour kIconPalette[] = {
    {255, 255, 255},  // transparent
    {128, 255, 255},  // card: the diagrams' light cyan
    {0, 0, 128},      // card border: navy
    {0, 0, 0},        // baseline
    {0, 0, 128},      // stems
    {230, 0, 0},      // sample heads
};

inline constexpr int kAppIconSizes[] = {16, 32, 48, 256};

// `size` is one of kAppIconSizes: the sizes the program carries and the
// ones installed for the desktop.
IndexedImage DrawAppIcon(int size);
