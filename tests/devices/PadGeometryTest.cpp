#include <gtest/gtest.h>

#include "devices/PadGeometry.h"

namespace turnpixa {
namespace {

// An A4 page drawn at 0.1 mm per pixel: pixels and tenths of a millimetre agree.
constexpr int kA4W = 2100, kA4H = 2970;

TEST(PadGeometry, A4HasTenCirclesOneCentimetreApartEveryFourthDark) {
    const PadDrawing pad = padDrawing(kA4W, kA4H, kA4W, kA4H, 18);
    EXPECT_EQ(pad.centreX, 1050);
    EXPECT_EQ(pad.centreY, 1485);
    ASSERT_EQ(pad.circles.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(pad.circles[i].radius, (i + 1) * 100) << i;
        EXPECT_EQ(pad.circles[i].dark, i == 0 || i == 4 || i == 8) << i;
    }
    // Landscape paper gives the same pad.
    const PadDrawing wide = padDrawing(kA4H, kA4W, kA4H, kA4W, 18);
    ASSERT_EQ(wide.circles.size(), 10u);
    EXPECT_EQ(wide.circles[9].radius, 1000);
}

TEST(PadGeometry, CirclesScaleToTheAreaNotThePrintedPage) {
    // A 400 px preview of A4: 10 cm of 10.5 cm radius on 200 px.
    const PadDrawing pad = padDrawing(kA4W, kA4H, 400, 283, 18);
    ASSERT_EQ(pad.circles.size(), 10u);
    EXPECT_EQ(pad.circles[0].radius, 13);  // 141 * 100 / 1050 = 13.43
    EXPECT_EQ(pad.circles[9].radius, 134);
}

TEST(PadGeometry, LinesStartDownAndTurnRightByEqualSteps) {
    const PadDrawing pad = padDrawing(kA4W, kA4H, kA4W, kA4H, 18);
    ASSERT_EQ(pad.lines.size(), 18u);
    EXPECT_EQ(pad.lines[0].x, 1050);  // straight down: y grows downwards
    EXPECT_EQ(pad.lines[0].y, 1485 + 1050);
    EXPECT_TRUE(pad.lines[0].dark);
    // 20 degrees: sin 20 * 1050 = 359.1, cos 20 * 1050 = 986.7.
    EXPECT_EQ(pad.lines[1].x, 1050 + 359);
    EXPECT_EQ(pad.lines[1].y, 1485 + 987);
    EXPECT_FALSE(pad.lines[1].dark);
    EXPECT_EQ(pad.lines[9].x, 1050);  // 180 degrees: up
    EXPECT_EQ(pad.lines[9].y, 1485 - 1050);

    const PadDrawing p24 = padDrawing(kA4W, kA4H, kA4W, kA4H, 24);
    ASSERT_EQ(p24.lines.size(), 24u);
    EXPECT_EQ(p24.lines[6].x, 1050 + 1050);  // 90 degrees: right
    EXPECT_EQ(p24.lines[6].y, 1485);
    EXPECT_EQ(p24.lines[1].x, 1050 + 272);  // 15 degrees: sin 15 * 1050 = 271.8
}

TEST(PadGeometry, PhotoCountIsKeptWithinOneTo3600) {
    EXPECT_EQ(padDrawing(kA4W, kA4H, 200, 200, 2147483647).lines.size(), 3600u);
    EXPECT_EQ(padDrawing(kA4W, kA4H, 200, 200, -5).lines.size(), 1u);
    EXPECT_EQ(padDrawing(kA4W, kA4H, 200, 200, 90).lines.size(), 90u);
}

TEST(PadGeometry, EmptyPageOrAreaDrawsNothing) {
    for (const auto& p : {padDrawing(0, 0, 200, 200, 18), padDrawing(kA4W, 0, 200, 200, 18),
                          padDrawing(kA4W, kA4H, 0, 200, 18), padDrawing(-10, -10, 200, 200, 18)}) {
        EXPECT_TRUE(p.circles.empty());
        EXPECT_TRUE(p.lines.empty());
    }
    // Paper smaller than 2 cm: no circle, lines still mark the steps.
    const PadDrawing tiny = padDrawing(150, 150, 100, 100, 4);
    EXPECT_TRUE(tiny.circles.empty());
    EXPECT_EQ(tiny.lines.size(), 4u);
}

}  // namespace
}  // namespace turnpixa
