#include "portable_math.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

namespace {

// The bits musl 1.2.3 gives, wherever it is built. Each is within 0.57 ulp
// of the true value (checked at 300 bits); the arguments are ones where
// glibc's own functions, on an x86-64 machine with fused multiply-add,
// give the neighbouring double, so a build that reached the C library's
// function, or fused a product and a sum, fails here.
TEST(PortableMath, GivesMuslsBitsWhereCLibrariesDiffer)
{
    EXPECT_EQ(std::bit_cast<std::uint64_t>(portable::Sin(-0x1.45ca8dc2cbc37p+3)),
              std::bit_cast<std::uint64_t>(0x1.5f506ed013d04p-1));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(portable::Cos(-0x1.581eb79603e2ep+8)),
              std::bit_cast<std::uint64_t>(0x1.d86a8ad491d55p-4));
    EXPECT_EQ(
        std::bit_cast<std::uint64_t>(portable::Atan2(-0x1.393e81450efep+0, 0x1.1535c67092396p+7)),
        std::bit_cast<std::uint64_t>(-0x1.2144ff85c98fcp-7));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(portable::Log(0x1.3b89bd00a6efp+7)),
              std::bit_cast<std::uint64_t>(0x1.43e996774f9a9p+2));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(portable::Log10(0x1.d46ef749781a5p+4)),
              std::bit_cast<std::uint64_t>(0x1.776e5fcd66755p+0));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(portable::Exp(0x1.1e172b020c49bp+8)),
              std::bit_cast<std::uint64_t>(0x1.abf6c7f8bc09p+412));
    EXPECT_EQ(
        std::bit_cast<std::uint64_t>(portable::Pow(0x1.7a133059641f5p+8, -0x1.5c12d77318fc5p+2)),
        std::bit_cast<std::uint64_t>(0x1.593a4baddeaa4p-47));
}

// The arguments the program leans on: exact powers of ten for the axes,
// pi from atan2 for a root on the negative real axis, the large-argument
// reduction of sin, and the edges of exp's range.
TEST(PortableMath, KeepsExactAndSpecialValues)
{
    EXPECT_EQ(portable::Pow(10.0, 3.0), 1000.0);
    EXPECT_EQ(portable::Pow(10.0, -2.0), 0.01);
    EXPECT_EQ(portable::Log10(1000.0), 3.0);
    EXPECT_EQ(portable::Log10(1e-5), -5.0);
    EXPECT_EQ(portable::Atan2(0.0, -1.0), 0x1.921fb54442d18p+1);
    EXPECT_EQ(portable::Atan2(-0.0, -1.0), -0x1.921fb54442d18p+1);
    EXPECT_EQ(portable::Sin(1e22), -0x1.b453ab76bf397p-1);
    EXPECT_EQ(portable::Cos(0.0), 1.0);
    EXPECT_EQ(portable::Log(1.0), 0.0);
    EXPECT_EQ(portable::Exp(0.0), 1.0);
    EXPECT_EQ(portable::Exp(710.0), HUGE_VAL);
    EXPECT_EQ(portable::Exp(-746.0), 0.0);
    EXPECT_EQ(portable::Log(0.0), -HUGE_VAL);
}

}  // namespace
