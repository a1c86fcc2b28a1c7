// The pointer read-out: the lines the two list boxes show while the pointer
// moves over the dialog.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace polezero {

struct PointerReadout {
    std::vector<std::string> cartesian;  // list box 1004
    std::vector<std::string> polar;      // list box 1005
};

// Inside the design area, with X = (x - 130) f and Y = (130 - y) f as floats
// (f = 1/60 as a float):
//   cartesian: "x: %10.2f" of X, "y: %10.2f" of Y;
//   polar:     "moduo: %10.2f" of sqrt(X^2 + Y^2),
//              "angle: %10.2f" of the angle in degrees, atan(Y / X) turned
//              into the four-quadrant angle in (-180, 180].
// At the centre pixel the angle is 0/0 and reads 0.00. Outside the area
// both boxes show "Out of range".
PointerReadout ReadPointer(int x, int y);

// A read-out line as the list boxes show it: its label in the current
// language, the number as it is. The read-out itself keeps the Serbian
// labels, so dumps do not depend on the language.
std::string ShownReadoutLine(std::string_view line);

}  // namespace polezero
