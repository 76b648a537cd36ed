#include <gtest/gtest.h>

#include "process/FrameRenderer.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

using test::makeImage;
using test::pixelAt;

const PackedColour kGrey200 = packColour(200, 200, 200);

TEST(SoftEdgeFrame, TenRingsRiseInAnSCurve) {
    RasterImage img = makeImage(40, 40, [](int, int) { return kGrey200; });
    softEdgeFrame(img, 10, kBlack);
    // Against black a ring keeps g percent of 200, that is 2 * g.
    const int kept[] = {1, 5, 13, 25, 41, 60, 76, 88, 96, 100};
    for (int i = 0; i < 10; ++i) {
        const int v = 2 * kept[i];
        EXPECT_EQ(pixelAt(img, i + 1, 20), packColour(v, v, v)) << "left, ring " << i;
        EXPECT_EQ(pixelAt(img, 40 - i, 20), packColour(v, v, v)) << "right, ring " << i;
        EXPECT_EQ(pixelAt(img, 20, i + 1), packColour(v, v, v)) << "top, ring " << i;
        EXPECT_EQ(pixelAt(img, 20, 40 - i), packColour(v, v, v)) << "bottom, ring " << i;
        // The corner pixel of a ring belongs to its row, faded once.
        EXPECT_EQ(pixelAt(img, i + 1, i + 1), packColour(v, v, v)) << "corner, ring " << i;
    }
    EXPECT_EQ(pixelAt(img, 11, 11), kGrey200);
    EXPECT_EQ(pixelAt(img, 20, 20), kGrey200);
}

TEST(SoftEdgeFrame, FadesTowardsTheFrameColour) {
    RasterImage img = makeImage(30, 30, [](int, int) { return packColour(0, 100, 200); });
    softEdgeFrame(img, 10, packColour(255, 0, 100));
    // Ring 0 keeps 1 %: (C * 99 + 1 * p) / 100.
    EXPECT_EQ(pixelAt(img, 1, 15),
              packColour((255 * 99 + 0) / 100, (0 + 100) / 100, (100 * 99 + 200) / 100));
    // Ring 3 keeps 25 %.
    EXPECT_EQ(pixelAt(img, 15, 4),
              packColour((255 * 75) / 100, (100 * 25) / 100, (100 * 75 + 200 * 25) / 100));
}

TEST(SoftEdgeFrame, WidthOneKeepsHalf) {
    RasterImage img = makeImage(5, 5, [](int, int) { return kGrey200; });
    softEdgeFrame(img, 1, kBlack);
    EXPECT_EQ(pixelAt(img, 1, 3), packColour(100, 100, 100));
    EXPECT_EQ(pixelAt(img, 3, 5), packColour(100, 100, 100));
    EXPECT_EQ(pixelAt(img, 2, 2), kGrey200);
}

TEST(SoftEdgeFrame, ZeroWidthChangesNothing) {
    RasterImage img = makeImage(5, 5, [](int x, int y) { return packColour(x * 40, y * 40, 7); });
    const RasterImage before = img;
    softEdgeFrame(img, 0, kBlack);
    softEdgeFrame(img, -3, kBlack);
    EXPECT_EQ(test::maxChannelDifference(img, before), 0);
}

// 5 x 4 with F = 10: ring 0 is the outer border (1 %), ring 1 rows 1 and 2
// from x 1 to 3 (5 %), ring 2 rows 2 and 1 at x 2 (13 %) - faded again.
TEST(SoftEdgeFrame, RingsWiderThanHalfTheImageFadeRowsAgain) {
    RasterImage img = makeImage(5, 4, [](int, int) { return kGrey200; });
    softEdgeFrame(img, 10, kBlack);
    const int twice = 200 * 5 / 100 * 13 / 100;  // 10 then 1
    const int expected[4][5] = {
        {2, 2, 2, 2, 2}, {2, 10, twice, 10, 2}, {2, 10, twice, 10, 2}, {2, 2, 2, 2, 2}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            const int v = expected[y][x];
            EXPECT_EQ(pixelAt(img, x + 1, y + 1), packColour(v, v, v)) << x << "," << y;
        }
}

TEST(SoftEdgeFrame, HugeWidthsOnTinyImagesStayInside) {
    for (const auto& [w, h] : {std::pair{1, 1}, {1, 7}, {7, 1}, {2, 2}, {3, 2}}) {
        RasterImage img = makeImage(w, h, [](int, int) { return kGrey200; });
        softEdgeFrame(img, 1000, kBlack);
        softEdgeFrame(img, 2147483647, kBlack);
        EXPECT_EQ(img.width(), w);
        // Ring 0 with F = 1000 keeps trunc(0.00005 % + 0.5) = 0 %: black.
        EXPECT_EQ(pixelAt(img, 1, 1), kBlack);
    }
}

TEST(SoftEdgeFrame, EmptyImageIsLeftAlone) {
    RasterImage img;
    softEdgeFrame(img, 10, kBlack);
    EXPECT_TRUE(img.empty());
}

}  // namespace
}  // namespace turnpixa
