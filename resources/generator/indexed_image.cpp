#include "resources/generator/indexed_image.h"

#include <png.h>

#include <csetjmp>
#include <fstream>
#include <stdexcept>

IndexedImage::IndexedImage(int width, int height, std::uint8_t fill)
    : m_width(width), m_height(height),
      m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill)
{
}

std::uint8_t IndexedImage::At(int x, int y) const
{
    return m_pixels.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                       static_cast<std::size_t>(x));
}

void IndexedImage::Set(int x, int y, std::uint8_t index)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
             static_cast<std::size_t>(x)] = index;
}

void IndexedImage::Fill(const PixelBox& box, std::uint8_t index)
{
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x)
            Set(x, y, index);
}

namespace {

void PutLe16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp8(const IndexedImage& image,
                                     std::span<const PaletteColour> palette)
{
    if (palette.size() > 256)
        throw std::invalid_argument("an 8-bit BMP holds at most 256 colours");
    constexpr std::uint32_t kFileHeader = 14;
    constexpr std::uint32_t kInfoHeader = 40;
    constexpr std::uint32_t kPaletteBytes = 256 * 4;
    const auto width = static_cast<std::uint32_t>(image.Width());
    const auto height = static_cast<std::uint32_t>(image.Height());
    const std::uint32_t stride = (width + 3) / 4 * 4;
    const std::uint32_t pixelOffset = kFileHeader + kInfoHeader + kPaletteBytes;
    const std::uint32_t imageBytes = stride * height;

    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    PutLe32(out, pixelOffset + imageBytes);
    PutLe32(out, 0);  // two reserved words
    PutLe32(out, pixelOffset);

    PutLe32(out, kInfoHeader);
    PutLe32(out, width);
    PutLe32(out, height);  // positive: rows are stored bottom-up
    PutLe16(out, 1);       // planes
    PutLe16(out, 8);       // bits per pixel
    PutLe32(out, 0);       // BI_RGB, no compression
    PutLe32(out, imageBytes);
    PutLe32(out, 3780);  // 96 dots per inch, as pixels per metre
    PutLe32(out, 3780);
    PutLe32(out, 256);  // colours in the palette
    PutLe32(out, 0);    // all of them important

    for (std::size_t i = 0; i < 256; ++i) {
        const PaletteColour c = i < palette.size() ? palette[i] : PaletteColour{0, 0, 0};
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x)
            out.push_back(image.At(x, y));
        for (std::uint32_t pad = width; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

}  // namespace

std::vector<std::uint8_t> EncodePng4(const IndexedImage& image,
                                     std::span<const PaletteColour> palette, int transparent)
{
    if (palette.empty() || palette.size() > 16)
        throw std::invalid_argument("a 4-bit PNG holds 1 to 16 colours");

    // Everything with a destructor exists before libpng may jump back to
    // the setjmp below.
    std::vector<std::uint8_t> out;
    std::vector<png_color> colours;
    for (const PaletteColour& c : palette)
        colours.push_back(png_color{c.r, c.g, c.b});
    std::vector<png_byte> alpha;
    if (transparent >= 0 && static_cast<std::size_t>(transparent) < palette.size()) {
        alpha.assign(static_cast<std::size_t>(transparent) + 1, 255);
        alpha.back() = 0;
    }
    const int width = image.Width();
    const int height = image.Height();
    std::vector<std::vector<png_byte>> rows(
        static_cast<std::size_t>(height),
        std::vector<png_byte>(static_cast<std::size_t>(width + 1) / 2, 0));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto index = static_cast<png_byte>(image.At(x, y) & 0x0F);
            rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x / 2)] |=
                static_cast<png_byte>(x % 2 == 0 ? index << 4 : index);
        }

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("PNG encoding failed: out of memory");
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("PNG encoding failed");
    }
    png_set_write_fn(png, &out, AppendToVector, nullptr);
    // Fixed settings and no time stamp: the same picture always gives the
    // same bytes.
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 4,
                 PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    if (!alpha.empty())
        png_set_tRNS(png, info, alpha.data(), static_cast<int>(alpha.size()), nullptr);
    png_write_info(png, info);
    for (auto& row : rows)
        png_write_row(png, row.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write '" + path + "'");
}
