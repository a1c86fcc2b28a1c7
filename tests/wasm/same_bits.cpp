// vorlen-same-bits: what the core computes for a fixed sweep of inputs, as
// text, so that two builds of it (x86-64 and WebAssembly, scripts/
// wasm-bits.sh) can be compared line by line. Pictures are given as a hash
// of their RGBA bytes, numbers with %a (every bit of the double).
//
//   views:    every analysis picture for every signal and several parameter
//             sets, with the values of its stem plots; the DFT once more
//             computed term by term (sin and cos at run time);
//   designer: seeded random event scripts, small to the largest designs,
//             through the designer session (its client area and read-outs)
//             and the design analysis (its numbers and its picture).
//
// It draws text with a made-up font whose glyphs are the bits of their
// character codes: no font file is needed, and a label whose text differs
// still changes the picture.
#include <array>
#include <cinttypes>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dsp/dft.h"
#include "dsp/signals.h"
#include "picture/draw_at_scale.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "picture/text.h"
#include "polezero/analysis_picture.h"
#include "polezero/design.h"
#include "polezero/event_script.h"
#include "polezero/filter_analysis.h"
#include "polezero/geometry.h"
#include "polezero/session.h"
#include "views/analysis_views.h"
#include "views/plot_area.h"
#include "views/view_options.h"
#include "workspace/params.h"
#include "workspace/workspace.h"

namespace {

// 6 x 10 pixels: 60 bits, of which the character code fills the first 21
// and its complement the next, so that no two characters look alike.
class BitsFont : public MonoFont {
public:
    BitsFont()
        : MonoFont(FontMetrics{.family = "bits",
                               .pixelSize = 11,
                               .lineHeight = 13,
                               .ascent = 10,
                               .advance = 7,
                               .outlineAdvance = 7.0})
    {
    }

protected:
    Glyph MakeGlyph(char32_t character) const override
    {
        Glyph glyph{.left = 0, .top = 10, .width = 6, .rows = 10, .bits = {}};
        const std::uint64_t code = static_cast<std::uint64_t>(character) & 0x1fffff;
        const std::uint64_t pattern = code | ((~code & 0x1fffff) << 21) | (code << 42);
        for (int bit = 0; bit < 60; ++bit) {
            glyph.bits.push_back(((pattern >> bit) & 1) != 0);
        }
        return glyph;
    }
};

// FNV-1a, 64 bits.
class Hash {
public:
    void Add(std::span<const std::uint8_t> bytes)
    {
        for (const std::uint8_t byte : bytes) {
            m_value = (m_value ^ byte) * 0x100000001b3u;
        }
    }
    void AddFloat(float value)
    {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
        Add(std::span<const std::uint8_t>(bytes, sizeof value));
    }
    std::uint64_t Value() const { return m_value; }

private:
    std::uint64_t m_value = 0xcbf29ce484222325u;
};

// The picture as the browser gets it: red, green, blue and an opaque alpha.
std::uint64_t RgbaHash(const Raster& raster)
{
    Hash hash;
    const std::span<const std::uint8_t> rgb = raster.Bytes();
    std::array<std::uint8_t, 4> pixel{0, 0, 0, 255};
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        pixel[0] = rgb[i];
        pixel[1] = rgb[i + 1];
        pixel[2] = rgb[i + 2];
        hash.Add(pixel);
    }
    return hash.Value();
}

// splitmix64: the same numbers on every platform (the standard library's
// distributions are not).
class Random {
public:
    explicit Random(std::uint64_t start) : m_state(start) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15u);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
        return z ^ (z >> 31);
    }
    // In [low, high].
    int Between(int low, int high)
    {
        return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1));
    }

private:
    std::uint64_t m_state;
};

void PrintDoubles(std::string_view name, std::span<const double> values)
{
    std::printf("%.*s", static_cast<int>(name.size()), name.data());
    for (const double value : values) {
        std::printf(" %a", value);
    }
    std::printf("\n");
}

void PrintComplex(std::string_view name, std::span<const std::complex<double>> values)
{
    std::printf("%.*s", static_cast<int>(name.size()), name.data());
    for (const std::complex<double>& value : values) {
        std::printf(" %a,%a", value.real(), value.imag());
    }
    std::printf("\n");
}

// a, df, fg, M and L as typed into the fields.
struct FieldTexts {
    const char* a;
    const char* df;
    const char* fg;
    const char* m;
    const char* l;
};

constexpr std::array<FieldTexts, 8> kFieldSets{{
    {"1", "0.1", "1.5", "3", "2"},
    {"0.5", "0.035", "0.3", "1", "15"},
    {"2", "0.2", "2.5", "7", "5"},
    {"-1", "0.05", "0.8", "15", "1"},
    {"x", "0", "3.2", "0", "0"},
    {"1e39", "1e-3", "1", "2", "3"},
    {"3.7", "0.013", "0.61", "4", "11"},
    {"0.173", "0.5", "2.9", "9", "6"},
}};

int SweepViews(const MonoFont& font)
{
    int cases = 0;
    for (std::size_t set = 0; set < kFieldSets.size(); ++set) {
        const FieldTexts& fields = kFieldSets[set];
        for (const TestSignal& signal : TestSignals()) {
            for (const AnalysisView& view : AnalysisViews()) {
                for (const TransformFunction transform : {&ComputeDft, &ComputeDftLiteral}) {
                    const bool literal = transform == &ComputeDftLiteral;
                    if (literal && view.name != "dft" && view.name != "conversion-frequency") {
                        continue;
                    }
                    ResetWorkspace();
                    const std::array<const char*, 5> texts{fields.a, fields.df, fields.fg, fields.m,
                                                           fields.l};
                    for (std::size_t i = 0; i < Params().size(); ++i) {
                        StoreParam(Params()[i].param, texts[i]);
                    }
                    signal.generate();
                    Raster raster(kPlotAreaWidth, kPlotAreaHeight, kBackground);
                    Surface surface(raster, font);
                    ViewRecord record;
                    view.draw(surface, ViewOptions{.record = &record, .transform = transform});
                    Hash plots;
                    for (const PlotRecord& plot : record.plots) {
                        plots.AddFloat(plot.peak);
                        for (const float value : plot.values) {
                            plots.AddFloat(value);
                        }
                    }
                    std::printf("view %zu %.*s %.*s%s picture %016" PRIx64 " plots %016" PRIx64
                                "\n",
                                set, static_cast<int>(signal.name.size()), signal.name.data(),
                                static_cast<int>(view.name.size()), view.name.data(),
                                literal ? " literal" : "", RgbaHash(raster), plots.Value());
                    ++cases;
                }
            }
        }
    }
    return cases;
}

// A point mostly in and around the design area, now and then far outside.
polezero::PixelPoint RandomPoint(Random& random)
{
    if (random.Between(0, 19) == 0) {
        return {random.Between(-400, 700), random.Between(-400, 700)};
    }
    return {random.Between(5, 255), random.Between(5, 255)};
}

std::string RandomScript(Random& random, int steps)
{
    std::vector<polezero::DesignerEvent> events;
    using Kind = polezero::DesignerEvent::Kind;
    for (int i = 0; i < steps; ++i) {
        const polezero::PixelPoint p = RandomPoint(random);
        const polezero::PixelPoint q = RandomPoint(random);
        const int roll = random.Between(0, 99);
        Kind kind = Kind::Press;
        if (roll < 55) {
            kind = Kind::Press;
        } else if (roll < 65) {
            kind = Kind::Pair;
        } else if (roll < 73) {
            kind = random.Between(0, 1) == 0 ? Kind::Poles : Kind::Zeros;
        } else if (roll < 80) {
            kind = Kind::Move;
        } else if (roll < 84) {
            kind = Kind::Drag;
        } else if (roll < 88) {
            kind = Kind::Remove;
        } else if (roll < 92) {
            kind = Kind::Undo;
        } else if (roll < 94) {
            kind = Kind::Redo;
        } else if (roll < 96) {
            kind = random.Between(0, 1) == 0 ? Kind::PairsOn : Kind::PairsOff;
        } else if (roll < 98) {
            kind = Kind::Open;
        } else {
            kind = Kind::Reset;
        }
        events.push_back({.kind = kind, .x = p.x, .y = p.y, .x2 = q.x, .y2 = q.y});
    }
    return polezero::EventScriptText(events);
}

// Many markers at once: `count` of each kind, loaded as a design file would
// give them, in the area's cluster of interest.
std::vector<polezero::Marker> RandomDesign(Random& random, int zeros, int poles)
{
    std::vector<polezero::Marker> markers;
    auto add = [&](polezero::MarkerKind kind, int count) {
        while (count > 0) {
            const polezero::PixelPoint p{random.Between(0, 260), random.Between(0, 260)};
            if (polezero::InDesignArea(p.x, p.y)) {
                markers.push_back({kind, p});
                --count;
            }
        }
    };
    add(polezero::MarkerKind::Zero, zeros);
    add(polezero::MarkerKind::Pole, poles);
    return markers;
}

void PrintDesign(polezero::DesignerSession& session, const MonoFont& font)
{
    using polezero::MarkerKind;
    const polezero::Design& design = session.CurrentDesign();
    const std::vector<polezero::PixelPoint> zeros = polezero::MarkersOf(design, MarkerKind::Zero);
    const std::vector<polezero::PixelPoint> poles = polezero::MarkersOf(design, MarkerKind::Pole);
    std::printf("designer %zu zeros %zu poles picture %016" PRIx64 " peak %d readout", zeros.size(),
                poles.size(), RgbaHash(session.ClientArea()), session.PeakIndex());
    for (const auto* lines : {&session.Readout().cartesian, &session.Readout().polar}) {
        for (const std::string& line : *lines) {
            std::printf(" [%s]", line.c_str());
        }
    }
    std::printf("\n");
    const polezero::FilterAnalysis analysis = polezero::AnalyseDesign(zeros, poles);
    PrintComplex("b", analysis.b);
    PrintComplex("a", analysis.a);
    std::printf("gain %a real %d stable %d\n", analysis.gain, analysis.realCoefficients ? 1 : 0,
                analysis.stable ? 1 : 0);
    PrintDoubles("magnitudeDb", analysis.magnitudeDb);
    PrintDoubles("phase", analysis.phase);
    PrintDoubles("groupDelay", analysis.groupDelay);
    PrintComplex("impulse", analysis.impulse);
    Raster picture(polezero::kAnalysisPictureWidth, polezero::kAnalysisPictureHeight);
    Surface surface(picture, font);
    polezero::DrawDesignAnalysis(surface, zeros, poles);
    std::printf("analysis picture %016" PRIx64 "\n", RgbaHash(picture));
}

int SweepDesigner(const PictureTools& tools, int scripts)
{
    Random random(20261208);
    int cases = 0;
    for (int i = 0; i < scripts; ++i) {
        // Mostly short scripts, every tenth a long one.
        const int steps = i % 10 == 9 ? random.Between(100, 400) : random.Between(1, 30);
        const std::string script = RandomScript(random, steps);
        const auto parsed = polezero::ParseEventScript(script);
        const auto* events = std::get_if<std::vector<polezero::DesignerEvent>>(&parsed);
        if (events == nullptr) {
            std::printf("script %d does not parse: %s\n", i, std::get<std::string>(parsed).c_str());
            return -1;
        }
        polezero::DesignerSession session({.tools = &tools});
        for (const polezero::DesignerEvent& event : *events) {
            session.Apply(event);
        }
        std::printf("script %d: %s\n", i, script.c_str());
        PrintDesign(session, tools.font);
        ++cases;
    }
    // Large designs up to the most markers the designer takes.
    for (const auto [zeros, poles] :
         {std::array{60, 0}, std::array{0, 60}, std::array{150, 140}, std::array{300, 10},
          std::array{10, 300}, std::array{499, 499}}) {
        polezero::DesignerSession session({.tools = &tools});
        session.Load(RandomDesign(random, zeros, poles));
        std::printf("design %d+%d\n", zeros, poles);
        PrintDesign(session, tools.font);
        ++cases;
    }
    return cases;
}

}  // namespace

int main()
{
    const BitsFont font;
    const PictureTools tools{.font = font};
    const int views = SweepViews(font);
    const int designs = SweepDesigner(tools, 300);
    if (designs < 0) {
        return 1;
    }
    std::printf("cases %d pictures, %d designs\n", views, designs);
    return 0;
}
