// Shared helpers of the designer tests: a fresh session and what its
// pictures show.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <set>

#include "picture/raster.h"
#include "polezero/response.h"
#include "polezero/session.h"
#include "tests/support/test_tools.h"
#include "tests/support/written_fields.h"
#include "workspace/workspace.h"

// A freshly started program with the designer dialog open.
class DesignerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetWorkspace();
        session.Open();
    }

    // Presses in zero or pole placement mode; each press must be accepted.
    void Place(bool zero, int x, int y)
    {
        zero ? session.PlaceZeros() : session.PlacePoles();
        ASSERT_EQ(polezero::PressOutcome::Placed, session.Press(x, y)) << x << ", " << y;
    }

    const Raster& Client() const { return session.ClientArea(); }
    // The design as the written designer's fields hold it.
    WrittenFields Fields() const { return FieldsOf(session); }

    polezero::DesignerSession session{{.tools = &TestTools().Tools()}};
};

// A dot of a pass-band bar: (170, 3j, 170).
inline bool IsBarDot(Rgb c)
{
    return c.r == 170 && c.b == 170 && c.g % 3 == 0 && c.g >= 3 && c.g <= 225;
}

// Columns of the response canvas whose row 448 (the bars' second dot, which
// nothing else covers while the curve runs above it) holds a bar dot.
inline std::set<int> BarColumns(const Raster& r)
{
    std::set<int> columns;
    for (int x = 17; x < 660; ++x) {
        if (IsBarDot(r.Pixel(x, 448))) {
            columns.insert(x);
        }
    }
    return columns;
}

// |P_k - marker| in pixels, P_k = 60 e^{j w_k}, computed independently of
// the designer's arithmetic.
inline double Distance(int k, int x, int y)
{
    const std::complex<double> p = std::polar(60.0, k * std::numbers::pi / 300.0);
    return std::abs(p - std::complex<double>(x - 130.0, 130.0 - y));
}
