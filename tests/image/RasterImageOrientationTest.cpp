#include <gtest/gtest.h>

#include <random>

#include "image/RasterImage.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

using test::pixelAt;

// A random image of any depth; palette images get a table of distinct colours.
RasterImage randomImage(int w, int h, int bits, unsigned seed) {
    std::mt19937 rng(seed);
    RasterImage img;
    img.create(w, h, bits);
    for (int i = 0; i < img.colourTableSize(); ++i)
        img.setColour(i, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                      static_cast<std::uint8_t>(i * 7));
    for (int y = 1; y <= h; ++y)
        for (int x = 1; x <= w; ++x) {
            if (bits == 24) {
                img.putPixel(x, y, static_cast<std::uint8_t>(rng()),
                             static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng()));
            } else {
                img.putIndex(x, y, static_cast<std::uint8_t>(rng() % (1u << bits)));
            }
        }
    return img;
}

// Same size, depth and every pixel's colour (and index for palettes).
void expectSameImage(const RasterImage& a, const RasterImage& b) {
    ASSERT_EQ(a.width(), b.width());
    ASSERT_EQ(a.height(), b.height());
    ASSERT_EQ(a.bitsPerPixel(), b.bitsPerPixel());
    EXPECT_EQ(test::maxChannelDifference(a, b), 0) << test::describeDifference(a, b);
    if (a.isPaletteImage()) {
        for (int y = 1; y <= a.height(); ++y)
            for (int x = 1; x <= a.width(); ++x) {
                std::uint8_t i = 0, j = 0;
                a.getIndex(x, y, i);
                b.getIndex(x, y, j);
                ASSERT_EQ(i, j) << x << "," << y;
            }
    }
}

TEST(RasterImageRotate, ThreeByTwoClockwiseAndCounterClockwise) {
    const RasterImage src = test::makeImage(3, 2, [](int x, int y) { return packColour(x, y, 7); });
    RasterImage cw = src;
    ASSERT_TRUE(cw.rotate90(true));
    ASSERT_EQ(cw.width(), 2);
    ASSERT_EQ(cw.height(), 3);
    EXPECT_EQ(pixelAt(cw, 2, 1), pixelAt(src, 1, 1));  // top row becomes the right column
    EXPECT_EQ(pixelAt(cw, 1, 1), pixelAt(src, 1, 2));
    EXPECT_EQ(pixelAt(cw, 1, 3), pixelAt(src, 3, 2));

    RasterImage ccw = src;
    ASSERT_TRUE(ccw.rotate90(false));
    ASSERT_EQ(ccw.width(), 2);
    ASSERT_EQ(ccw.height(), 3);
    EXPECT_EQ(pixelAt(ccw, 1, 3), pixelAt(src, 1, 1));  // top-left goes to the bottom-left
    EXPECT_EQ(pixelAt(ccw, 1, 1), pixelAt(src, 3, 1));
    EXPECT_EQ(pixelAt(ccw, 2, 1), pixelAt(src, 3, 2));
}

class RotateAllDepths : public ::testing::TestWithParam<int> {};

TEST_P(RotateAllDepths, QuarterTurnsFollowTheMapping) {
    const int bits = GetParam();
    const RasterImage src = randomImage(13, 7, bits, 11u + static_cast<unsigned>(bits));
    const int w = src.width(), h = src.height();
    RasterImage cw = src, ccw = src;
    ASSERT_TRUE(cw.rotate90(true));
    ASSERT_TRUE(ccw.rotate90(false));
    EXPECT_EQ(cw.bitsPerPixel(), bits);
    for (int y = 1; y <= h; ++y)
        for (int x = 1; x <= w; ++x) {
            ASSERT_EQ(pixelAt(cw, h - y + 1, x), pixelAt(src, x, y)) << x << "," << y;
            ASSERT_EQ(pixelAt(ccw, y, w - x + 1), pixelAt(src, x, y)) << x << "," << y;
        }
}

TEST_P(RotateAllDepths, CompositionsGiveTheExpectedImage) {
    const int bits = GetParam();
    for (auto [w, h] : {std::pair{13, 7}, std::pair{9, 1}, std::pair{1, 5}, std::pair{17, 11}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + " at " + std::to_string(bits));
        const RasterImage src = randomImage(w, h, bits, static_cast<unsigned>(w * 100 + h + bits));

        RasterImage four = src;
        for (int i = 0; i < 4; ++i) ASSERT_TRUE(four.rotate90(true));
        expectSameImage(four, src);

        RasterImage twice = src, half = src;
        ASSERT_TRUE(twice.rotate90(false));
        ASSERT_TRUE(twice.rotate90(false));
        ASSERT_TRUE(half.rotate180());
        expectSameImage(twice, half);

        RasterImage there = src;
        ASSERT_TRUE(there.rotate90(true));
        ASSERT_TRUE(there.rotate90(false));
        expectSameImage(there, src);

        RasterImage lr = src, tb = src;
        ASSERT_TRUE(lr.mirrorLeftRight());
        ASSERT_TRUE(lr.mirrorLeftRight());
        expectSameImage(lr, src);
        ASSERT_TRUE(tb.mirrorTopBottom());
        ASSERT_TRUE(tb.mirrorTopBottom());
        expectSameImage(tb, src);

        RasterImage both = src;
        ASSERT_TRUE(both.mirrorLeftRight());
        ASSERT_TRUE(both.mirrorTopBottom());
        expectSameImage(both, half);

        // Mirrors against the pixel definition.
        RasterImage m = src;
        ASSERT_TRUE(m.mirrorLeftRight());
        for (int y = 1; y <= h; ++y)
            for (int x = 1; x <= w; ++x) ASSERT_EQ(pixelAt(m, w - x + 1, y), pixelAt(src, x, y));
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, RotateAllDepths, ::testing::Values(1, 4, 8, 24));

TEST(RasterImageRotate, HalfTurnOfOddHeightReversesTheMiddleRow) {
    const RasterImage src = test::makeImage(3, 3, [](int x, int y) { return packColour(x, y, 0); });
    RasterImage img = src;
    ASSERT_TRUE(img.rotate180());
    for (int y = 1; y <= 3; ++y)
        for (int x = 1; x <= 3; ++x) EXPECT_EQ(pixelAt(img, x, y), pixelAt(src, 4 - x, 4 - y));
    EXPECT_EQ(pixelAt(img, 1, 2), packColour(2, 1, 0));
}

TEST(RasterImageRotate, KeepsTableAndExchangesResolutions) {
    RasterImage img = randomImage(5, 3, 8, 3);
    img.setResolution(1000, 2000);
    ASSERT_TRUE(img.rotate90(true));
    EXPECT_EQ(img.xResolution(), 2000);
    EXPECT_EQ(img.yResolution(), 1000);
    EXPECT_EQ(img.colourTable()[4 * 9 + 2], 9);  // red of entry 9
    EXPECT_EQ(img.pixelLength(), static_cast<std::size_t>(img.stride()) * 5);
    EXPECT_EQ(img.stride(), 4);
}

TEST(RasterImageRotate, EmptyImagesAreRefused) {
    RasterImage img;
    EXPECT_FALSE(img.rotate90(true));
    EXPECT_FALSE(img.rotate180());
    EXPECT_FALSE(img.mirrorLeftRight());
    EXPECT_FALSE(img.mirrorTopBottom());
    EXPECT_FALSE(img.resize(2, 2));
}

}  // namespace
}  // namespace turnpixa
