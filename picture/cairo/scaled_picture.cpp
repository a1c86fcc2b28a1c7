#include "picture/cairo/scaled_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include <cairo.h>

#include "picture/cairo/cairo_shapes.h"

namespace {

// Ellipses up to this many picture pixels across are drawn once per size
// and stamped: a plot has hundreds of equal ones.
constexpr int kLargestStamp = 64;

// A layer grows while its box stays within this many times the area of its
// shapes, plus some room: a row of labels shares one, a picture's corners
// do not.
constexpr long long kLayerSpread = 4;
constexpr long long kLayerSlack = 64 * 64;

// Device pixels [left, right) x [top, bottom).
struct DeviceBox {
    long long left;
    long long top;
    long long right;
    long long bottom;

    bool Empty() const { return left >= right || top >= bottom; }
    bool Meets(const DeviceBox& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

// cairo's ARGB32 pixels: one premultiplied word each, alpha in the top byte.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> words;
};

using SurfacePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using ContextPtr = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

// Draws shapes with cairo into a transparent layer of width x height device
// pixels whose top-left corner is device pixel (left, top).
Pixels DrawLayer(const std::vector<const Shape*>& shapes, long long left, long long top, int width,
                 int height, int scale, const CairoFontFace& font)
{
    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height),
                       cairo_surface_destroy);
    CheckCairoStatus(cairo_surface_status(surface.get()));
    {
        ContextPtr cr(cairo_create(surface.get()), cairo_destroy);
        cairo_translate(cr.get(), static_cast<double>(-left), static_cast<double>(-top));
        cairo_scale(cr.get(), scale, scale);
        CairoShapePainter painter(cr.get(), font);
        for (const Shape* shape : shapes) {
            painter.Paint(*shape);
        }
        CheckCairoStatus(cairo_status(cr.get()));
    }
    cairo_surface_flush(surface.get());
    Pixels pixels{width, height,
                  std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < height; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        std::copy_n(row, width, pixels.words.begin() + static_cast<std::ptrdiff_t>(y) * width);
    }
    return pixels;
}

// x * y / 255, rounded, for bytes.
std::uint32_t MultiplyBytes(std::uint32_t x, std::uint32_t y)
{
    const std::uint32_t t = x * y + 128;
    return (t + (t >> 8)) >> 8;
}

// The pixels laid over the raster with their top-left corner at device
// pixel (left, top): each colour plus what shows through its transparency.
void ComposeOver(Raster& target, const Pixels& pixels, long long left, long long top)
{
    const long long fromX = std::max(0LL, -left);
    const long long fromY = std::max(0LL, -top);
    const long long toX = std::min<long long>(pixels.width, target.Width() - left);
    const long long toY = std::min<long long>(pixels.height, target.Height() - top);
    const auto bytes = target.MutableBytes();
    const auto rowBytes = static_cast<std::size_t>(target.Width()) * 3;
    for (long long y = fromY; y < toY; ++y) {
        const std::uint32_t* from = pixels.words.data() + y * pixels.width;
        std::uint8_t* to = bytes.data() + static_cast<std::size_t>(top + y) * rowBytes +
                           static_cast<std::size_t>(left + fromX) * 3;
        for (long long x = fromX; x < toX; ++x, to += 3) {
            const std::uint32_t p = from[x];
            const std::uint32_t alpha = p >> 24;
            if (alpha == 0) {
                continue;
            }
            const std::uint32_t red = (p >> 16) & 0xFF;
            const std::uint32_t green = (p >> 8) & 0xFF;
            const std::uint32_t blue = p & 0xFF;
            if (alpha == 255) {
                to[0] = static_cast<std::uint8_t>(red);
                to[1] = static_cast<std::uint8_t>(green);
                to[2] = static_cast<std::uint8_t>(blue);
            } else {
                const std::uint32_t through = 255 - alpha;
                to[0] = static_cast<std::uint8_t>(red + MultiplyBytes(to[0], through));
                to[1] = static_cast<std::uint8_t>(green + MultiplyBytes(to[1], through));
                to[2] = static_cast<std::uint8_t>(blue + MultiplyBytes(to[2], through));
            }
        }
    }
}

// Paints shapes in order onto a raster at a whole scale. Rectangles are
// whole device pixels and filled directly; small ellipses are stamped from
// one drawing per size; lines, text and large ellipses are drawn by cairo
// into transparent layers laid over the raster. Shapes that do not overlap
// may be laid down out of order, which changes nothing; consecutive lines
// and texts share a layer.
class LayerPainter {
public:
    LayerPainter(Raster& target, int scale, const CairoFontFace& font)
        : m_target(target), m_scale(scale), m_font(font)
    {
    }

    void Paint(const VectorPicture& picture)
    {
        for (const Shape& shape : picture.shapes) {
            std::visit([&](const auto& s) { Add(shape, s); }, shape);
        }
        FlushLayer();
    }

private:
    DeviceBox Scaled(long long left, long long top, long long right, long long bottom) const
    {
        return DeviceBox{left * m_scale, top * m_scale, right * m_scale, bottom * m_scale};
    }

    DeviceBox OnTarget(DeviceBox box) const
    {
        box.left = std::max(box.left, 0LL);
        box.top = std::max(box.top, 0LL);
        box.right = std::min<long long>(box.right, m_target.Width());
        box.bottom = std::min<long long>(box.bottom, m_target.Height());
        return box;
    }

    // Lays down the pending layer first if any of its shapes shares a pixel
    // with `box`, so that what covers what stays as drawn.
    void KeepOrder(const DeviceBox& box)
    {
        for (const DeviceBox& pending : m_layerBoxes) {
            if (pending.Meets(box)) {
                FlushLayer();
                return;
            }
        }
    }

    void Add(const Shape&, const RectShape& rect)
    {
        const DeviceBox box = OnTarget(Scaled(rect.left, rect.top, rect.right, rect.bottom));
        if (box.Empty()) {
            return;
        }
        KeepOrder(box);
        m_target.Fill(static_cast<int>(box.left), static_cast<int>(box.top),
                      static_cast<int>(box.right), static_cast<int>(box.bottom), rect.colour);
    }

    void Add(const Shape& shape, const EllipseShape& ellipse)
    {
        const DeviceBox box = Scaled(ellipse.left, ellipse.top, ellipse.right, ellipse.bottom);
        const long long width = static_cast<long long>(ellipse.right) - ellipse.left;
        const long long height = static_cast<long long>(ellipse.bottom) - ellipse.top;
        if (width > kLargestStamp || height > kLargestStamp) {
            AddToLayer(shape, box);
            return;
        }
        if (OnTarget(box).Empty()) {
            return;
        }
        KeepOrder(box);
        ComposeOver(m_target, Stamp(static_cast<int>(width), static_cast<int>(height)), box.left,
                    box.top);
    }

    void Add(const Shape& shape, const LineShape& line)
    {
        const Bounds bounds = LineBounds(line);
        AddToLayer(shape, DeviceBox{static_cast<long long>(std::floor(bounds.left * m_scale)),
                                    static_cast<long long>(std::floor(bounds.top * m_scale)),
                                    static_cast<long long>(std::ceil(bounds.right * m_scale)),
                                    static_cast<long long>(std::ceil(bounds.bottom * m_scale))});
    }

    void Add(const Shape& shape, const TextShape& text)
    {
        const TextPlacement place = PlaceText(text);
        AddToLayer(shape, Scaled(place.left, place.top, place.right, place.bottom));
    }

    // A layer costs its whole area to clear and lay down: a shape far from
    // the others (the next plot's labels) starts a layer of its own.
    void AddToLayer(const Shape& shape, DeviceBox box)
    {
        box = OnTarget(box);
        if (box.Empty()) {
            return;
        }
        if (!m_layer.empty()) {
            const DeviceBox joined = Union(m_layerBox, box);
            if (Area(joined) > kLayerSpread * (m_layerArea + Area(box)) + kLayerSlack) {
                FlushLayer();
            }
        }
        m_layerBox = m_layer.empty() ? box : Union(m_layerBox, box);
        m_layerArea += Area(box);
        m_layer.push_back(&shape);
        m_layerBoxes.push_back(box);
    }

    void FlushLayer()
    {
        if (m_layer.empty()) {
            return;
        }
        const DeviceBox all = m_layerBox;
        const Pixels layer =
            DrawLayer(m_layer, all.left, all.top, static_cast<int>(all.right - all.left),
                      static_cast<int>(all.bottom - all.top), m_scale, m_font);
        ComposeOver(m_target, layer, all.left, all.top);
        m_layer.clear();
        m_layerBoxes.clear();
        m_layerArea = 0;
    }

    static DeviceBox Union(const DeviceBox& a, const DeviceBox& b)
    {
        return DeviceBox{std::min(a.left, b.left), std::min(a.top, b.top),
                         std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
    }

    static long long Area(const DeviceBox& box)
    {
        return (box.right - box.left) * (box.bottom - box.top);
    }

    // The ellipse inscribed in a width x height box at the origin.
    const Pixels& Stamp(int width, int height)
    {
        auto found = m_stamps.find({width, height});
        if (found == m_stamps.end()) {
            const Shape ellipse = EllipseShape{0, 0, width, height};
            found =
                m_stamps
                    .emplace(std::pair{width, height}, DrawLayer({&ellipse}, 0, 0, width * m_scale,
                                                                 height * m_scale, m_scale, m_font))
                    .first;
        }
        return found->second;
    }

    Raster& m_target;
    int m_scale;
    const CairoFontFace& m_font;
    std::vector<const Shape*> m_layer;    // lines and text not yet laid down
    std::vector<DeviceBox> m_layerBoxes;  // each one's device pixels, on the raster
    DeviceBox m_layerBox{};               // all of them
    long long m_layerArea = 0;            // the sum of their areas
    std::map<std::pair<int, int>, Pixels> m_stamps;
};

}  // namespace

CairoScaledPainter::CairoScaledPainter(const FreeTypeFont& font)
    : m_font(std::make_unique<CairoFontFace>(font))
{
}

CairoScaledPainter::~CairoScaledPainter() = default;

void CairoScaledPainter::Paint(Raster& target, const VectorPicture& picture, int scale) const
{
    if (scale < 1) {
        throw std::invalid_argument("the scale of a picture is at least 1");
    }
    LayerPainter(target, scale, *m_font).Paint(picture);
}
