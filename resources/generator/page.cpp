#include "resources/generator/page.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace {

// Group of every block symbol; the diagrams number their own groups from 0.
constexpr int kSymbolGroup = -1;
constexpr int kLargestSize = 72;
constexpr int kSmallestSize = 6;

}  // namespace

void Page::Block(const PixelBox& outline, Label symbol)
{
    m_blocks.push_back(outline);
    // The symbol takes about half the interior's height, leaving the block
    // its air; the same margins for every block keep the sizes equal.
    const PixelBox interior{outline.left + 2, outline.top + 2, outline.right - 2,
                            outline.bottom - 2};
    const int marginY = interior.Height() / 4;
    const int marginX = interior.Width() / 8;
    Text(kSymbolGroup, std::move(symbol),
         {interior.left + marginX, interior.top + marginY, interior.right - marginX,
          interior.bottom - marginY});
}

void Page::Text(int group, Label label, const PixelBox& box, Vertical vertical, double axisRow)
{
    m_texts.push_back({group, std::move(label), box, vertical, axisRow});
}

void Page::Fraction(int group, Label numerator, Label denominator, const PixelBox& box,
                    const PixelBox& bar)
{
    m_lines.push_back(bar);
    Text(group, std::move(numerator), {bar.left, box.top, bar.right, bar.top - 3},
         Vertical::Bottom);
    Text(group, std::move(denominator), {bar.left, bar.bottom + 3, bar.right, box.bottom},
         Vertical::Top);
}

bool Page::Fits(const Placed& text, int size, int* dx, int* dy, Ink* ink) const
{
    *ink = text.label(m_font, size);
    if (ink->Empty())
        return false;
    const PixelBox ib = ink->Bounds();
    const PixelBox& box = text.box;
    *dx = box.left + (box.Width() - ib.Width()) / 2 - ib.left;
    switch (text.vertical) {
    case Vertical::Centre: *dy = box.top + (box.Height() - ib.Height()) / 2 - ib.top; break;
    case Vertical::Top: *dy = box.top - ib.top; break;
    case Vertical::Bottom: *dy = box.bottom - ib.bottom; break;
    case Vertical::Axis:
        *dy = static_cast<int>(std::lround(text.axisRow + AxisHeight(m_font, size)));
        break;
    }
    return box.Contains(ib.left + *dx, ib.top + *dy) &&
           box.Contains(ib.right + *dx, ib.bottom + *dy);
}

int Page::GroupSize(int group) const
{
    // Hinting makes fit not quite monotonic in the size, so every member is
    // tried at each size rather than taking the smallest of their own best.
    int dx = 0;
    int dy = 0;
    Ink ink;
    for (int size = kLargestSize; size >= kSmallestSize; --size) {
        const bool all = std::all_of(m_texts.begin(), m_texts.end(), [&](const Placed& text) {
            return text.group != group || Fits(text, size, &dx, &dy, &ink);
        });
        if (all)
            return size;
    }
    throw std::runtime_error("the texts of a diagram do not fit their boxes at any size");
}

IndexedImage Page::Render() const
{
    std::map<int, int> groupSize;
    for (const Placed& text : m_texts)
        if (!groupSize.contains(text.group))
            groupSize[text.group] = GroupSize(text.group);

    IndexedImage image(m_width, m_height, kCyanBackground);
    for (const PixelBox& line : m_lines)
        image.Fill(line, kBlackInk);
    for (const PixelBox& block : m_blocks) {
        image.Fill(block, kNavyOutline);
        image.Fill({block.left + 2, block.top + 2, block.right - 2, block.bottom - 2},
                   kBlueInterior);
    }
    for (const Placed& text : m_texts) {
        int dx = 0;
        int dy = 0;
        Ink ink;
        Fits(text, groupSize.at(text.group), &dx, &dy, &ink);
        for (const InkPoint& p : ink.Points())
            image.Set(p.x + dx, p.y + dy, kBlackInk);
    }
    return image;
}
