// The three block diagrams. Every box below is the pixel box (both ends
// inclusive) that the diagram's element occupies in the dialogs' pictures.
#include "resources/generator/page.h"

namespace {

constexpr int kWidth = 461;
constexpr int kHeight = 181;

// Text groups: the texts of one group share a size.
enum Group { kTitle, kSignalNames, kRates, kTitleFraction, kOutputFraction, kOutputRate };

Label Fs()
{
    return Formula(U"F_s");
}
Label LTimesFs()
{
    return Formula(U"L\u00B7F_s");
}
Label HOfK()
{
    return Plain(U"h(k)");
}

}  // namespace

IndexedImage DrawDecimatorDiagram(const SerifBoldFont& font)
{
    Page page(font, kWidth, kHeight);
    page.Text(kTitle, Plain(U"Decimacija celobrojnim faktorom M"), {17, 25, 443, 48});

    page.Line({62, 91, 105, 92});
    page.Text(kSignalNames, Plain(U"x(n)"), {69, 73, 98, 88});
    page.Text(kRates, Fs(), {70, 108, 86, 127});

    page.Block({105, 72, 185, 120}, HOfK());

    page.Line({184, 93, 239, 94});
    page.Text(kSignalNames, Plain(U"w(m)"), {193, 74, 232, 89});
    page.Text(kRates, Fs(), {202, 110, 218, 129});

    page.Block({239, 71, 319, 119}, SamplerSymbol(true, U"M"));

    page.Line({318, 92, 370, 93});
    page.Text(kSignalNames, Plain(U"y(m)"), {333, 74, 367, 89});
    page.Fraction(kRates, Fs(), Plain(U"M"), {338, 100, 370, 139}, {338, 122, 370, 123});
    return page.Render();
}

IndexedImage DrawInterpolatorDiagram(const SerifBoldFont& font)
{
    Page page(font, kWidth, kHeight);
    page.Text(kTitle, Plain(U"Interpolacija celobrojnim faktorom L"), {34, 17, 417, 37});

    page.Line({62, 108, 101, 109});
    page.Text(kSignalNames, Plain(U"x(n)"), {62, 87, 95, 104});
    page.Text(kRates, Fs(), {69, 118, 82, 133});

    page.Block({101, 86, 190, 132}, SamplerSymbol(false, U"L"));

    page.Line({190, 107, 239, 108});
    page.Text(kSignalNames, Plain(U"w(m)"), {193, 86, 237, 103});
    page.Text(kRates, LTimesFs(), {201, 117, 230, 132});

    page.Block({239, 85, 328, 131}, HOfK());

    page.Line({327, 106, 366, 107});
    page.Text(kSignalNames, Plain(U"y(m)"), {335, 84, 374, 101});
    page.Text(kRates, LTimesFs(), {336, 117, 365, 132});
    return page.Render();
}

IndexedImage DrawConverterDiagram(const SerifBoldFont& font)
{
    Page page(font, kWidth, kHeight);
    // The title's second line is the word and the fraction L/M, the word
    // sitting on the fraction's axis as in typeset mathematics.
    page.Text(kTitle, Plain(U"Konverzija fr. odabiranja racionalnim"), {59, 17, 392, 34});
    page.Text(kTitle, Plain(U"faktorom"), {158, 35, 238, 65}, Vertical::Axis, 49.5);
    page.Fraction(kTitleFraction, Plain(U"L"), Plain(U"M"), {246, 35, 270, 65}, {246, 49, 270, 50});

    page.Line({7, 108, 46, 109});
    page.Text(kSignalNames, Plain(U"x(n)"), {7, 87, 40, 104});
    page.Text(kRates, Fs(), {14, 118, 27, 133});

    page.Block({46, 86, 135, 132}, SamplerSymbol(false, U"L"));

    page.Line({135, 107, 184, 108});
    page.Text(kSignalNames, Plain(U"w(i)"), {143, 87, 175, 104});
    page.Text(kRates, LTimesFs(), {146, 117, 175, 132});

    page.Block({184, 85, 273, 131}, HOfK());

    page.Line({272, 106, 323, 107});
    page.Text(kSignalNames, Plain(U"v(i)"), {284, 86, 312, 103});
    page.Text(kRates, LTimesFs(), {281, 117, 310, 132});

    page.Block({324, 86, 413, 131}, SamplerSymbol(true, U"M"));

    page.Line({414, 106, 449, 107});
    page.Text(kSignalNames, Plain(U"y(m)"), {417, 82, 456, 99});
    // (L/M)·F_s: the fraction, then the dot and F_s on the fraction's axis.
    page.Fraction(kOutputFraction, Plain(U"L"), Plain(U"M"), {418, 110, 437, 139},
                  {418, 125, 437, 126});
    page.Text(kOutputRate, Formula(U"\u00B7F_s"), {439, 110, 456, 139}, Vertical::Axis, 125.5);
    return page.Render();
}
