#include "polezero/readout.h"

#include <cmath>

#include "language/language.h"
#include "polezero/geometry.h"
#include "workspace/number_text.h"

namespace polezero {

namespace {

// The labels in Serbian; "x: ", "y: " and "angle: " are read as they are.
constexpr const char* kModulusLabel = N_("moduo: ");

constexpr double kDegreesPerRadian = 57.29577951308232;

std::string Line(const char* label, double value)
{
    return label + FormatFixed(value, 2, 10);
}

// atan(Y / X) in degrees, moved into the left half-plane when X < 0. X = 0
// gives +-90 (the quotient is an infinity); the centre, 0 / 0, gives 0.
float AngleDegrees(float X, float Y)
{
    if (X == 0.0f && Y == 0.0f) {
        return 0.0f;
    }
    float a = static_cast<float>(std::atan(static_cast<double>(Y / X)) * kDegreesPerRadian);
    if (X < 0.0f) {
        a = Y >= 0.0f ? a + 180.0f : a - 180.0f;
    }
    return a;
}

}  // namespace

PointerReadout ReadPointer(int x, int y)
{
    if (!InDesignArea(x, y)) {
        return {{"Out of range"}, {"Out of range"}};
    }
    const float X = static_cast<float>(x - kOriginX) * kUnitsPerPixelFloat;
    const float Y = static_cast<float>(kOriginY - y) * kUnitsPerPixelFloat;
    const double r = std::sqrt(static_cast<double>(X) * X + static_cast<double>(Y) * Y);
    return {{Line("x: ", X), Line("y: ", Y)},
            {Line(kModulusLabel, r), Line("angle: ", AngleDegrees(X, Y))}};
}

std::string ShownReadoutLine(std::string_view line)
{
    const std::string_view label = kModulusLabel;
    if (line.starts_with(label)) {
        return std::string(Tr(label)) + std::string(line.substr(label.size()));
    }
    return std::string(line);
}

}  // namespace polezero
