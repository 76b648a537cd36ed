#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>
#include <vector>

#include "image/RasterImage.h"
#include "image/Stretch.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

using test::pixelAt;

RasterImage randomImage(int w, int h, int bits, unsigned seed) {
    std::mt19937 rng(seed);
    RasterImage img;
    img.create(w, h, bits);
    for (int i = 0; i < img.colourTableSize(); ++i)
        img.setColour(i, static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng()),
                      static_cast<std::uint8_t>(rng()));
    for (int y = 1; y <= h; ++y)
        for (int x = 1; x <= w; ++x) {
            if (bits == 24)
                img.putPixel(x, y, static_cast<std::uint8_t>(rng()),
                             static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng()));
            else
                img.putIndex(x, y, static_cast<std::uint8_t>(rng() % (1u << bits)));
        }
    return img;
}

// Area integral of the source over the destination pixel's footprint,
// divided by its area, with white outside the source (getPixel's rule).
void referenceAverage(const RasterImage& src, const Rect& rect, int dw, int dh, int X, int Y,
                      double out[3]) {
    const double sx = static_cast<double>(rect.width()) / dw;
    const double sy = static_cast<double>(rect.height()) / dh;
    const double x0 = rect.left + X * sx, x1 = rect.left + (X + 1) * sx;
    const double y0 = rect.top + Y * sy, y1 = rect.top + (Y + 1) * sy;
    double sum[3] = {0, 0, 0};
    for (int py = static_cast<int>(std::floor(y0)); py < y1; ++py) {
        const double oy = std::min(y1, py + 1.0) - std::max(y0, static_cast<double>(py));
        if (oy <= 0) continue;
        for (int px = static_cast<int>(std::floor(x0)); px < x1; ++px) {
            const double ox = std::min(x1, px + 1.0) - std::max(x0, static_cast<double>(px));
            if (ox <= 0) continue;
            const PackedColour c = pixelAt(src, px + 1, py + 1);
            sum[0] += ox * oy * redOf(c);
            sum[1] += ox * oy * greenOf(c);
            sum[2] += ox * oy * blueOf(c);
        }
    }
    const double area = (x1 - x0) * (y1 - y0);
    for (int k = 0; k < 3; ++k) out[k] = sum[k] / area;
}

// Rounded to nearest, halves up; a value within rounding noise of a half may
// go either way.
bool roundsTo(double exact, int got) {
    const double f = exact - std::floor(exact);
    if (std::abs(f - 0.5) < 1e-9)
        return got == static_cast<int>(std::floor(exact)) ||
               got == static_cast<int>(std::floor(exact)) + 1;
    return got == static_cast<int>(std::floor(exact + 0.5));
}

struct StretchCase {
    int width, height, bits;
    Rect rect;
    int dw, dh;
};

void PrintTo(const StretchCase& c, std::ostream* os) {
    *os << c.width << "x" << c.height << "@" << c.bits << " rect " << c.rect.left << ","
        << c.rect.top << "-" << c.rect.right << "," << c.rect.bottom << " -> " << c.dw << "x"
        << c.dh;
}

class SmoothStretchReference : public ::testing::TestWithParam<StretchCase> {};

TEST_P(SmoothStretchReference, MatchesAreaIntegration) {
    const StretchCase c = GetParam();
    const RasterImage src =
        randomImage(c.width, c.height, c.bits, static_cast<unsigned>(c.width * 31 + c.dw));
    RasterImage dest;
    ASSERT_TRUE(dest.create(c.dw, c.dh, 24));
    ASSERT_TRUE(smoothStretch(src, c.rect, dest));
    int mismatches = 0;
    for (int Y = 0; Y < c.dh; ++Y)
        for (int X = 0; X < c.dw; ++X) {
            double ref[3];
            referenceAverage(src, c.rect, c.dw, c.dh, X, Y, ref);
            const PackedColour got = pixelAt(dest, X + 1, Y + 1);
            const int channels[3] = {redOf(got), greenOf(got), blueOf(got)};
            for (int k = 0; k < 3; ++k) {
                if (!roundsTo(ref[k], channels[k]) && ++mismatches < 5)
                    ADD_FAILURE() << "pixel " << X << "," << Y << " channel " << k << ": expected "
                                  << ref[k] << ", got " << channels[k];
            }
        }
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SmoothStretchReference,
    ::testing::Values(StretchCase{37, 23, 24, {0, 0, 37, 23}, 11, 7},    // odd factors
                      StretchCase{40, 25, 24, {5, 3, 30, 20}, 9, 6},     // sub-rectangle
                      StretchCase{13, 17, 24, {0, 0, 13, 17}, 29, 31},   // up-scaling
                      StretchCase{50, 40, 24, {0, 0, 50, 40}, 7, 40},    // one axis only
                      StretchCase{100, 3, 24, {0, 0, 100, 3}, 3, 100},   // down and up
                      StretchCase{20, 20, 24, {-5, -3, 20, 15}, 10, 6},  // partly outside
                      StretchCase{10, 10, 24, {12, 0, 20, 5}, 3, 2},     // wholly outside
                      StretchCase{31, 29, 24, {0, 0, 31, 29}, 31, 29},   // same size
                      StretchCase{60, 45, 24, {7, 2, 58, 44}, 17, 13},   // factor 3 on a rect
                      StretchCase{23, 19, 8, {0, 0, 23, 19}, 7, 5},      // palettes
                      StretchCase{23, 19, 4, {1, 1, 22, 18}, 6, 8},
                      StretchCase{29, 19, 1, {-2, 0, 29, 21}, 5, 4},
                      StretchCase{1, 1, 24, {0, 0, 1, 1}, 5, 3}));

TEST(SmoothStretch, IntegerFactorsGiveTheRoundedBoxAverage) {
    // Two 2 x 2 blocks. Red: {0,0,0,1} -> 0.25 and {1,2,0,0} -> 0.75; green
    // {1,1,0,0} -> 0.5 and {1,0,0,0} -> 0.25; blue {255,255,255,254} -> 254.75
    // and {2,2,3,3} -> 2.5.
    const int red[2][4] = {{0, 0, 1, 2}, {0, 1, 0, 0}};
    const int green[2][4] = {{1, 1, 1, 0}, {0, 0, 0, 0}};
    const int blue[2][4] = {{255, 255, 2, 2}, {255, 254, 3, 3}};
    const RasterImage src = test::makeImage(
        4, 2, [&](int x, int y) { return packColour(red[y][x], green[y][x], blue[y][x]); });
    RasterImage dest;
    ASSERT_TRUE(dest.create(2, 1, 24));
    ASSERT_TRUE(smoothStretch(src, Rect{0, 0, 4, 2}, dest));
    EXPECT_EQ(pixelAt(dest, 1, 1), packColour(0, 1, 255));
    EXPECT_EQ(pixelAt(dest, 2, 1), packColour(1, 0, 3));

    // 3 x 3 onto 1 x 1: sums 4 (0.44), 5 (0.56), 904 (100.44).
    const RasterImage nine = test::makeImage(3, 3, [](int x, int y) {
        const int i = y * 3 + x;
        return packColour(i < 4 ? 1 : 0, i < 5 ? 1 : 0, i == 0 ? 104 : 100);
    });
    RasterImage one;
    ASSERT_TRUE(one.create(1, 1, 24));
    ASSERT_TRUE(smoothStretch(nine, Rect{0, 0, 3, 3}, one));
    EXPECT_EQ(pixelAt(one, 1, 1), packColour(0, 1, 100));
}

TEST(SmoothStretch, RefusesUnusableArguments) {
    const RasterImage src = randomImage(4, 4, 24, 1);
    RasterImage dest;
    ASSERT_TRUE(dest.create(2, 2, 24));
    EXPECT_FALSE(smoothStretch(src, Rect{2, 0, 2, 4}, dest));
    EXPECT_FALSE(smoothStretch(src, Rect{0, 3, 4, 1}, dest));
    EXPECT_FALSE(smoothStretch(RasterImage{}, Rect{0, 0, 4, 4}, dest));
    RasterImage palette;
    ASSERT_TRUE(palette.create(2, 2, 8));
    EXPECT_FALSE(smoothStretch(src, Rect{0, 0, 4, 4}, palette));
    EXPECT_FALSE(fastStretch(src, Rect{0, 0, 4, 4}, palette));
    RasterImage none;
    EXPECT_FALSE(fastStretch(src, Rect{0, 0, 4, 4}, none));
    EXPECT_FALSE(fastStretch(src, Rect{0, 0, 0, 4}, dest));
}

TEST(SmoothStretch, ReducedSourceUnderARectangleTooTallForNarrowSums) {
    // Column sums of 32 bits hold 255 times the step down only up to about
    // 16.8 million units; this rectangle's step is 18 million, so the
    // sums go to 64 bits and must give what the plain rectangle gives.
    // 40 x 30 held at 4/8, light enough that narrow sums would overflow.
    std::mt19937 rng(7);
    const RasterImage source = test::makeImage(20, 15, [&rng](int, int) {
        return packColour(static_cast<int>(230 + rng() % 26), static_cast<int>(230 + rng() % 26),
                          static_cast<int>(230 + rng() % 26));
    });
    const PictureScale scale{40, 30, 4};
    constexpr int kRows = 150'000;
    RasterImage plain, tall;
    ASSERT_TRUE(plain.create(8, 1, 24) && tall.create(8, kRows, 24));
    ASSERT_TRUE(smoothStretchEighths(source, scale, Rect{0, 0, 40, 30}, plain));
    ASSERT_TRUE(smoothStretchEighths(source, scale, Rect{0, 0, 40, 30 * kRows}, tall));
    for (int x = 1; x <= 8; ++x) {
        EXPECT_EQ(pixelAt(tall, x, 1), pixelAt(plain, x, 1)) << x;
        EXPECT_EQ(pixelAt(tall, x, 2), kWhite) << x;  // below the picture
        EXPECT_EQ(pixelAt(tall, x, kRows), kWhite) << x;
    }
    // The picture is not one colour, so the row says something.
    EXPECT_NE(pixelAt(plain, 1, 1), pixelAt(plain, 8, 1));
}

TEST(FastStretch, TakesThePixelUnderEachCentre) {
    // 3 -> 7 columns: centres (X + 0.5) * 3 / 7 fall in source columns 0,0,1,1,1,2,2.
    const int expectedColumn[7] = {0, 0, 1, 1, 1, 2, 2};
    const RasterImage src = test::makeImage(3, 4, [](int x, int y) { return packColour(x, y, 9); });
    RasterImage dest;
    ASSERT_TRUE(dest.create(7, 2, 24));
    ASSERT_TRUE(fastStretch(src, Rect{0, 0, 3, 4}, dest));
    for (int X = 0; X < 7; ++X) {
        EXPECT_EQ(pixelAt(dest, X + 1, 1), packColour(expectedColumn[X], 1, 9));  // row 0.5 * 2
        EXPECT_EQ(pixelAt(dest, X + 1, 2), packColour(expectedColumn[X], 3, 9));  // row 1.5 * 2
    }
}

TEST(FastStretch, MatchesNearestPixelOnRandomImages) {
    const StretchCase cases[] = {{37, 23, 24, {0, 0, 37, 23}, 11, 7},
                                 {13, 17, 8, {0, 0, 13, 17}, 29, 31},
                                 {40, 25, 4, {5, 3, 30, 20}, 9, 6},
                                 {29, 19, 1, {-6, -4, 29, 21}, 12, 9},
                                 {20, 20, 24, {10, 10, 40, 40}, 7, 7}};
    for (const StretchCase& c : cases) {
        const RasterImage src = randomImage(c.width, c.height, c.bits, static_cast<unsigned>(c.dh));
        RasterImage dest;
        ASSERT_TRUE(dest.create(c.dw, c.dh, 24));
        ASSERT_TRUE(fastStretch(src, c.rect, dest));
        for (int Y = 0; Y < c.dh; ++Y)
            for (int X = 0; X < c.dw; ++X) {
                const int sx =
                    static_cast<int>(std::floor(c.rect.left + (X + 0.5) * c.rect.width() / c.dw));
                const int sy =
                    static_cast<int>(std::floor(c.rect.top + (Y + 0.5) * c.rect.height() / c.dh));
                ASSERT_EQ(pixelAt(dest, X + 1, Y + 1), pixelAt(src, sx + 1, sy + 1))
                    << X << "," << Y << " of case " << c.width << "x" << c.height;
            }
    }
}

TEST(RasterImageResize, AveragesBlocksAndAlwaysGivesTwentyFourBits) {
    const RasterImage src = randomImage(6, 4, 24, 5);
    RasterImage img = src;
    img.setResolution(5000, 5000);
    ASSERT_TRUE(img.resize(3, 2));
    ASSERT_EQ(img.width(), 3);
    ASSERT_EQ(img.height(), 2);
    EXPECT_EQ(img.xResolution(), 2835);
    for (int Y = 0; Y < 2; ++Y)
        for (int X = 0; X < 3; ++X) {
            int sum[3] = {0, 0, 0};
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const PackedColour c = pixelAt(src, 2 * X + dx + 1, 2 * Y + dy + 1);
                    sum[0] += redOf(c);
                    sum[1] += greenOf(c);
                    sum[2] += blueOf(c);
                }
            // Rounded quarter: (sum + 2) / 4.
            EXPECT_EQ(pixelAt(img, X + 1, Y + 1),
                      packColour((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4));
        }

    RasterImage palette = randomImage(4, 4, 8, 6);
    const PackedColour corner = pixelAt(palette, 1, 1);
    ASSERT_TRUE(palette.resize(8, 8));
    EXPECT_EQ(palette.bitsPerPixel(), 24);
    EXPECT_EQ(pixelAt(palette, 1, 1), corner);
    EXPECT_FALSE(palette.resize(0, 8));
    EXPECT_EQ(palette.width(), 8);
}

}  // namespace
}  // namespace turnpixa
