#include "polezero/octave_text.h"

#include <cmath>
#include <complex>
#include <vector>

#include "workspace/number_text.h"

namespace polezero {

namespace {

std::string Number(double value)
{
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "Inf" : "-Inf";
    }
    return ShortestText(value);
}

std::string Coefficient(std::complex<double> value)
{
    if (value.imag() == 0.0) {
        return Number(value.real());
    }
    const std::string imaginary = Number(value.imag());
    // "1+-2i" is not Octave; a sign of its own is.
    const bool signed_ = imaginary.front() == '-';
    // 2i is a literal; Inf and NaN take the unit as a product.
    const char* unit = std::isfinite(value.imag()) ? "i" : "*i";
    return Number(value.real()) + (signed_ ? "" : "+") + imaginary + unit;
}

std::string Vector(const char* name, const std::vector<std::complex<double>>& values)
{
    std::string line = std::string(name) + " = [";
    for (std::size_t i = 0; i < values.size(); ++i) {
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict)
        // about a literal added to a temporary string.
        line += i == 0 ? "" : " ";
        line += Coefficient(values[i]);
    }
    return line + "];\n";
}

}  // namespace

std::string OctaveCoefficients(const FilterAnalysis& analysis)
{
    return Vector("b", analysis.b) + Vector("a", analysis.a) + "g = " + Number(analysis.gain) +
           ";\n";
}

}  // namespace polezero
