// The pointer read-out lines.
#include <gtest/gtest.h>

#include "polezero/readout.h"

using polezero::ReadPointer;

TEST(PointerReadout, ShowsCartesianAndPolarPositions)
{
    struct Case {
        int x, y;
        const char* cartesianX;
        const char* cartesianY;
        const char* modulus;
        const char* angle;
    };
    const Case cases[] = {
        {190, 130, "x:       1.00", "y:       0.00", "moduo:       1.00", "angle:       0.00"},
        {70, 130, "x:      -1.00", "y:       0.00", "moduo:       1.00", "angle:     180.00"},
        {130, 190, "x:       0.00", "y:      -1.00", "moduo:       1.00", "angle:     -90.00"},
        {130, 70, "x:       0.00", "y:       1.00", "moduo:       1.00", "angle:      90.00"},
        {70, 190, "x:      -1.00", "y:      -1.00", "moduo:       1.41", "angle:    -135.00"},
        {70, 70, "x:      -1.00", "y:       1.00", "moduo:       1.41", "angle:     135.00"},
        {246, 16, "x:       1.93", "y:       1.90", "moduo:       2.71", "angle:      44.50"},
        // The centre: 0 / 0 has no angle; it reads 0.
        {130, 130, "x:       0.00", "y:       0.00", "moduo:       0.00", "angle:       0.00"},
    };
    for (const Case& c : cases) {
        const polezero::PointerReadout r = ReadPointer(c.x, c.y);
        EXPECT_EQ((std::vector<std::string>{c.cartesianX, c.cartesianY}), r.cartesian)
            << c.x << ", " << c.y;
        EXPECT_EQ((std::vector<std::string>{c.modulus, c.angle}), r.polar) << c.x << ", " << c.y;
    }
}

TEST(PointerReadout, OutsideTheDesignAreaIsOutOfRange)
{
    for (const auto& [x, y] : {std::pair{15, 130}, std::pair{247, 130}, std::pair{130, 15},
                               std::pair{130, 242}, std::pair{INT32_MIN, INT32_MAX}}) {
        const polezero::PointerReadout r = ReadPointer(x, y);
        EXPECT_EQ(std::vector<std::string>{"Out of range"}, r.cartesian);
        EXPECT_EQ(std::vector<std::string>{"Out of range"}, r.polar);
    }
}
