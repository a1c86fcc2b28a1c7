#include "picture/svg_picture.h"

#include <cstdio>
#include <type_traits>

#include <fmt/format.h>

#include "picture/text.h"

namespace {

// Coordinates are whole or half pixels except along slanted lines: three
// decimals are a thousandth of a pixel, and the shortest text for it.
std::string Number(double value)
{
    std::string out = fmt::format("{:.3f}", value);
    while (!out.empty() && out.back() == '0') {
        out.pop_back();
    }
    if (!out.empty() && out.back() == '.') {
        out.pop_back();
    }
    return out == "-0" ? "0" : out;
}

std::string Colour(Rgb colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return text;
}

std::string RectElement(double left, double top, double right, double bottom, Rgb colour)
{
    return "<rect x=\"" + Number(left) + "\" y=\"" + Number(top) + "\" width=\"" +
           Number(right - left) + "\" height=\"" + Number(bottom - top) + "\" fill=\"" +
           Colour(colour) + "\"/>\n";
}

// Characters XML 1.0 cannot carry at all become U+FFFD; the markup
// characters are escaped.
std::string XmlText(std::u32string_view text)
{
    std::u32string safe(text);
    for (char32_t& cp : safe) {
        const bool control = cp < 0x20 && cp != '\t' && cp != '\n' && cp != '\r';
        if (control || cp == 0xFFFE || cp == 0xFFFF) {
            cp = 0xFFFD;
        }
    }
    std::string out;
    for (const char c : EncodeUtf8(safe)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

class SvgWriter {
public:
    std::string Document(const VectorPicture& picture, const FontMetrics& font)
    {
        const std::string width = std::to_string(picture.width);
        const std::string height = std::to_string(picture.height);
        m_out =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
            width + "px\" height=\"" + height + "px\" viewBox=\"0 0 " + width + " " + height +
            "\" xml:space=\"preserve\">\n";
        // Blanks in labels are part of their layout, as in the raster.
        m_out += "<g font-family=\"'" + XmlText(DecodeText(font.family)) +
                 "', monospace\" font-size=\"" + std::to_string(font.pixelSize) +
                 "\" letter-spacing=\"" + Number(font.advance - font.outlineAdvance) +
                 "\" style=\"white-space:pre\">\n";
        m_out += RectElement(0, 0, picture.width, picture.height, kBackground);
        for (const Shape& shape : picture.shapes) {
            std::visit([this](const auto& s) { Add(s); }, shape);
        }
        m_out += "</g>\n</svg>\n";
        return std::move(m_out);
    }

private:
    void Add(const RectShape& rect)
    {
        m_out += RectElement(rect.left, rect.top, rect.right, rect.bottom, rect.colour);
    }

    void Add(const EllipseShape& ellipse)
    {
        const EllipsePath path = OutlinePath(ellipse);
        m_out += "<ellipse cx=\"" + Number(path.cx) + "\" cy=\"" + Number(path.cy) + "\" rx=\"" +
                 Number(path.rx) + "\" ry=\"" + Number(path.ry) + "\" fill=\"";
        m_out += path.solid ? Colour(kBlack) + "\"/>\n"
                            : Colour(kWhite) + "\" stroke=\"" + Colour(kBlack) + "\"/>\n";
    }

    void Add(const LineShape& line)
    {
        const auto corners = LineOutline(line);
        m_out += "<path d=\"M";
        for (std::size_t i = 0; i < corners.size(); ++i) {
            // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict)
            // about a literal added to a temporary string.
            m_out += i == 0 ? "" : "L";
            m_out += Number(corners[i].x);
            m_out += ' ';
            m_out += Number(corners[i].y);
        }
        m_out += "Z\" fill=\"" + Colour(kBlack) + "\"/>\n";
    }

    void Add(const TextShape& text)
    {
        const TextPlacement place = PlaceText(text);
        m_out += RectElement(static_cast<double>(place.left), static_cast<double>(place.top),
                             static_cast<double>(place.right), static_cast<double>(place.bottom),
                             kWhite);
        // The glyphs stay inside the box, as the raster keeps their ink.
        std::string clip = "t";
        clip += std::to_string(m_clips++);
        m_out += "<clipPath id=\"" + clip + "\">" +
                 RectElement(static_cast<double>(place.left), static_cast<double>(place.top),
                             static_cast<double>(place.right), static_cast<double>(place.bottom),
                             kWhite) +
                 "</clipPath>\n<text x=\"";
        for (std::size_t i = 0; i < text.text.size(); ++i) {
            m_out += i == 0 ? "" : " ";
            m_out += Number(place.PenX(i));
        }
        m_out += "\" y=\"" + std::to_string(place.baseline) + "\" clip-path=\"url(#" + clip +
                 ")\">" + XmlText(text.Characters()) + "</text>\n";
    }

    std::string m_out;
    int m_clips = 0;
};

}  // namespace

std::string SvgDocument(const VectorPicture& picture, const FontMetrics& font)
{
    return SvgWriter().Document(picture, font);
}
