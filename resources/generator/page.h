// Lays out one block diagram: lines, blocks and texts placed in fixed pixel
// boxes, then paints them into a palette picture.
#pragma once

#include <vector>

#include "resources/generator/indexed_image.h"
#include "resources/generator/typeset.h"

// Palette indices of the diagrams' four colours.
enum DiagramColour : std::uint8_t {
    kCyanBackground = 0,  // (128, 255, 255)
    kBlueInterior = 1,    // (0, 128, 255)
    kNavyOutline = 2,     // (0, 0, 128)
    kBlackInk = 3,        // (0, 0, 0)
};

inline constexpr PaletteColour kDiagramPalette[] = {
    {128, 255, 255},
    {0, 128, 255},
    {0, 0, 128},
    {0, 0, 0},
};

// Where a text's ink goes inside its box, top to bottom. Left to right it
// is always centred.
enum class Vertical {
    Centre,
    Top,     // ink touching the box's top row (a denominator)
    Bottom,  // ink touching the box's bottom row (a numerator)
    Axis,    // the font's mathematical axis on a given row (beside a fraction)
};

class Page {
public:
    Page(const SerifBoldFont& font, int width, int height)
        : m_font(font), m_width(width), m_height(height)
    {
    }

    // A signal line, 2 pixels thick, drawn under the blocks so that their
    // outlines stay whole where the line meets them.
    void Line(const PixelBox& box) { m_lines.push_back(box); }
    // A block: 2-pixel navy outline around a blue interior, with `symbol`
    // centred in it; all symbols of a page share one size.
    void Block(const PixelBox& outline, Label symbol);
    // A text whose ink must stay inside `box`. All texts of one group share
    // the largest size at which every one of them fits its box.
    void Text(int group, Label label, const PixelBox& box, Vertical vertical = Vertical::Centre,
              double axisRow = 0.0);
    // Numerator over denominator with a 2-pixel bar; the two share a size and
    // keep a 2-pixel gap from the bar.
    void Fraction(int group, Label numerator, Label denominator, const PixelBox& box,
                  const PixelBox& bar);

    IndexedImage Render() const;

private:
    struct Placed {
        int group;
        Label label;
        PixelBox box;
        Vertical vertical;
        double axisRow;
    };

    bool Fits(const Placed& text, int size, int* dx, int* dy, Ink* ink) const;
    int GroupSize(int group) const;

    const SerifBoldFont& m_font;
    int m_width;
    int m_height;
    std::vector<PixelBox> m_lines;
    std::vector<PixelBox> m_blocks;
    std::vector<Placed> m_texts;
};

// The three diagrams, 461 x 181 pixels each.
IndexedImage DrawDecimatorDiagram(const SerifBoldFont& font);
IndexedImage DrawInterpolatorDiagram(const SerifBoldFont& font);
IndexedImage DrawConverterDiagram(const SerifBoldFont& font);
