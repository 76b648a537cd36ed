#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "image/RasterImage.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

using test::makeImage;
using test::pixelAt;

RasterImage solid(int w, int h, PackedColour c) {
    return makeImage(w, h, [c](int, int) { return c; });
}

RasterImage greyPalette8(int w, int h, int grey) {
    RasterImage img;
    img.create(w, h, 8);
    for (int i = 0; i < 256; ++i)
        img.setColour(i, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i),
                      static_cast<std::uint8_t>(i));
    for (int y = 1; y <= h; ++y)
        for (int x = 1; x <= w; ++x) img.putIndex(x, y, static_cast<std::uint8_t>(grey));
    return img;
}

constexpr PackedColour kUnusedKey = packColour(1, 2, 3);

// --- fill -----------------------------------------------------------------

TEST(RasterImageFill, SetsEveryPixelAndLeavesRowPadding) {
    RasterImage img;
    ASSERT_TRUE(img.create(3, 2, 24));  // 9 pixel bytes + 3 padding per row
    std::memset(img.pixels(), 0xAB, img.pixelLength());
    ASSERT_TRUE(img.fill(packColour(10, 20, 30)));
    for (int y = 1; y <= 2; ++y)
        for (int x = 1; x <= 3; ++x) EXPECT_EQ(pixelAt(img, x, y), packColour(10, 20, 30));
    EXPECT_EQ(img.rowData(0)[9], 0xAB);
}

TEST(RasterImageFill, PaletteImagesTakeTheFirstMatchingEntryOnly) {
    RasterImage img;
    ASSERT_TRUE(img.create(5, 3, 4));
    img.setColour(3, 7, 8, 9);
    img.setColour(9, 7, 8, 9);
    ASSERT_TRUE(img.fill(packColour(7, 8, 9)));
    std::uint8_t index = 0;
    for (int y = 1; y <= 3; ++y)
        for (int x = 1; x <= 5; ++x) {
            ASSERT_TRUE(img.getIndex(x, y, index));
            EXPECT_EQ(index, 3);
        }
    // A colour outside the table writes nothing.
    EXPECT_FALSE(img.fill(packColour(200, 200, 200)));
    ASSERT_TRUE(img.getIndex(5, 3, index));
    EXPECT_EQ(index, 3);
}

TEST(RasterImageFill, EmptyImageIsRefused) {
    RasterImage img;
    EXPECT_FALSE(img.fill(kWhite));
}

// --- keyed overlay blend --------------------------------------------------

TEST(RasterImageBlend, OpacityIsClampedToOneToHundred) {
    RasterImage dest = solid(2, 2, kBlack);
    const RasterImage src = solid(2, 2, packColour(200, 100, 50));
    ASSERT_TRUE(dest.overlayBlend(src, 0, 0, 150, kUnusedKey, false, 0, 0));
    EXPECT_EQ(pixelAt(dest, 1, 1), packColour(200, 100, 50));  // 150 would overflow

    RasterImage grey = solid(2, 2, packColour(100, 100, 100));
    ASSERT_TRUE(grey.overlayBlend(src, 0, 0, 0, kUnusedKey, false, 0, 0));
    // (1 * 200 + 99 * 100) / 100 = 101, (1 * 100 + 99 * 100) / 100 = 100, (50 + 9900) / 100 = 99
    EXPECT_EQ(pixelAt(grey, 1, 1), packColour(101, 100, 99));
}

TEST(RasterImageBlend, IntegerBlendTruncates) {
    RasterImage dest = solid(1, 1, packColour(10, 0, 255));
    const RasterImage src = solid(1, 1, packColour(255, 33, 0));
    ASSERT_TRUE(dest.overlayBlend(src, 0, 0, 30, kUnusedKey, false, 0, 0));
    // red (30*255 + 70*10)/100 = 83.5, green 9.9, blue 178.5
    EXPECT_EQ(pixelAt(dest, 1, 1), packColour(83, 9, 178));
}

TEST(RasterImageBlend, KeyPixelIsSkippedEvenWithSoftKeying) {
    const PackedColour key = packColour(0, 255, 0);
    RasterImage dest = solid(2, 1, packColour(40, 50, 60));
    RasterImage src = solid(2, 1, key);
    src.putPixel(2, 1, 0, 254, 0);  // distance 1: nearly transparent but not skipped
    ASSERT_TRUE(dest.overlayBlend(src, 0, 0, 100, key, true, 50, 0));
    EXPECT_EQ(pixelAt(dest, 1, 1), packColour(40, 50, 60));
    // m = 1/150, r = trunc(100/150) = 0: the destination stays, through the blend path.
    EXPECT_EQ(pixelAt(dest, 2, 1), packColour(40, 50, 60));
}

TEST(RasterImageBlend, SoftKeyingScalesOpacityByDistance) {
    const PackedColour key = packColour(100, 100, 100);
    const int tolerance = 10;
    // d = 29 = 3T - 1: r = trunc(100 * 29 / 30) = 96; with A = 50, trunc(48.33) = 48.
    RasterImage src = solid(3, 1, packColour(129, 100, 100));
    src.putPixel(3, 1, 130, 100, 100);  // d = 30 = 3T: full opacity
    RasterImage dest = solid(3, 1, kBlack);
    ASSERT_TRUE(dest.overlayBlend(src, 0, 0, 100, key, true, tolerance, 0));
    EXPECT_EQ(pixelAt(dest, 1, 1), packColour(96 * 129 / 100, 96, 96));
    EXPECT_EQ(pixelAt(dest, 3, 1), packColour(130, 100, 100));

    RasterImage half = solid(3, 1, kBlack);
    ASSERT_TRUE(half.overlayBlend(src, 0, 0, 50, key, true, tolerance, 0));
    EXPECT_EQ(pixelAt(half, 1, 1), packColour(48 * 129 / 100, 48, 48));
    // A huge tolerance makes every pixel nearly transparent: r = trunc(100 * 29 / 3e9) = 0.
    RasterImage wide = solid(3, 1, kBlack);
    ASSERT_TRUE(wide.overlayBlend(src, 0, 0, 100, key, true, 1'000'000'000, 0));
    EXPECT_EQ(pixelAt(wide, 3, 1), kBlack);
    // Without soft keying the near-key pixel blends at the full opacity.
    RasterImage hard = solid(3, 1, kBlack);
    ASSERT_TRUE(hard.overlayBlend(src, 0, 0, 50, key, false, tolerance, 0));
    EXPECT_EQ(pixelAt(hard, 1, 1), packColour(64, 50, 50));
}

TEST(RasterImageBlend, EdgeRampOfWidthTen) {
    // A 30 x 30 source over black at full opacity; on row 15 the vertical
    // distance is 15, so only the columns ramp. r = trunc(100 * weight) with
    // weights 0.005, 0.045, 0.125, 0.245, 0.405 (2v^2/F^2) and 0.595, 0.755,
    // 0.875, 0.955, 0.995 (1 - 2(F-v)^2/F^2); the value is trunc(r * 250 / 100).
    const int expectedByDistance[11] = {0, 10, 30, 60, 100, 147, 187, 217, 237, 247, 250};
    RasterImage dest = solid(30, 30, kBlack);
    const RasterImage src = solid(30, 30, packColour(250, 250, 250));
    ASSERT_TRUE(dest.overlayBlend(src, 0, 0, 100, kUnusedKey, false, 0, 10));
    for (int j = 0; j < 30; ++j) {
        const int u = std::min(j, 30 - j);  // the last column counts 1, the first 0
        const int expected = expectedByDistance[std::min(u, 10)];
        EXPECT_EQ(redOf(pixelAt(dest, j + 1, 16)), expected) << "column " << j;
    }
    // Corners take the smaller of both distances.
    EXPECT_EQ(redOf(pixelAt(dest, 1, 1)), 0);
    EXPECT_EQ(redOf(pixelAt(dest, 30, 30)), 10);
    EXPECT_EQ(redOf(pixelAt(dest, 3, 30)), 10);
}

TEST(RasterImageBlend, ClipsAtTheRightAndBottomAndRampsTheClippedArea) {
    RasterImage dest = solid(30, 4, kBlack);
    const RasterImage src = solid(30, 40, packColour(250, 250, 250));
    ASSERT_TRUE(dest.overlayBlend(src, 20, 1, 100, kUnusedKey, false, 0, 0));
    EXPECT_EQ(pixelAt(dest, 20, 2), kBlack);
    EXPECT_EQ(pixelAt(dest, 21, 2), packColour(250, 250, 250));
    EXPECT_EQ(pixelAt(dest, 30, 4), packColour(250, 250, 250));
    EXPECT_EQ(pixelAt(dest, 30, 1), kBlack);

    // The ramp measures from the cut edge: w = 10, h = 3.
    RasterImage ramped = solid(30, 30, kBlack);
    ASSERT_TRUE(ramped.overlayBlend(src, 20, 0, 100, kUnusedKey, false, 0, 4));
    // Row 15 of the source: vertical distance min(14, 30 - 14) = 14; the last
    // column (j = 9) has u = 1 < F/2: 2 * 1.5^2 / 16 = 0.28125, r = 28 -> 70.
    EXPECT_EQ(redOf(pixelAt(ramped, 30, 15)), 70);
}

TEST(RasterImageBlend, RefusesNegativeOffsetsAndEmptyImages) {
    RasterImage dest = solid(4, 4, kBlack);
    const RasterImage src = solid(2, 2, kWhite);
    EXPECT_FALSE(dest.overlayBlend(src, -1, 0, 100, kUnusedKey, false, 0, 0));
    EXPECT_FALSE(dest.overlayBlend(RasterImage{}, 0, 0, 100, kUnusedKey, false, 0, 0));
    EXPECT_EQ(pixelAt(dest, 1, 1), kBlack);
    // Entirely beyond the right edge: nothing to do, not an error.
    EXPECT_TRUE(dest.overlayBlend(src, 4, 0, 100, kUnusedKey, false, 0, 0));
    EXPECT_EQ(pixelAt(dest, 4, 1), kBlack);
}

TEST(RasterImageBlend, PaletteDestinationWritesTableColoursOnly) {
    RasterImage dest = greyPalette8(2, 1, 100);
    dest.setColour(150, 150, 0, 0);  // the blend result of grey 150 is no longer in the table
    RasterImage evenSrc = solid(2, 1, packColour(200, 200, 200));
    evenSrc.putPixel(2, 1, 160, 160, 160);
    ASSERT_TRUE(dest.overlayBlend(evenSrc, 0, 0, 50, kUnusedKey, false, 0, 0));
    std::uint8_t index = 0;
    ASSERT_TRUE(dest.getIndex(1, 1, index));
    EXPECT_EQ(index, 100);  // 150 grey not found: unchanged
    ASSERT_TRUE(dest.getIndex(2, 1, index));
    EXPECT_EQ(index, 130);  // (160 + 100) / 2
}

// --- lightness -------------------------------------------------------------

TEST(RasterImageLightness, OneIsTheIdentityAndTwoMaps64To128) {
    RasterImage img = makeImage(256, 1, [](int x, int) { return packColour(x, 255 - x, x); });
    const RasterImage before = img;
    ASSERT_TRUE(img.lightness(1.0));
    EXPECT_EQ(test::maxChannelDifference(img, before), 0) << test::describeDifference(img, before);

    RasterImage two = solid(1, 1, packColour(64, 0, 255));
    ASSERT_TRUE(two.lightness(2.0));
    EXPECT_EQ(pixelAt(two, 1, 1), packColour(128, 0, 255));  // 255 * sqrt(64/255) = 127.75
    RasterImage dark = solid(1, 1, packColour(64, 128, 200));
    ASSERT_TRUE(dark.lightness(0.5));
    // 255 * (c/255)^2 + 0.5: 16.06, 64.25, 156.86
    EXPECT_EQ(pixelAt(dark, 1, 1), packColour(16, 64, 157));
}

TEST(RasterImageLightness, PaletteTableIsTruncatedAndPixelsStay) {
    RasterImage img = greyPalette8(2, 1, 64);
    ASSERT_TRUE(img.lightness(2.0));
    std::uint8_t index = 0;
    ASSERT_TRUE(img.getIndex(1, 1, index));
    EXPECT_EQ(index, 64);
    EXPECT_EQ(pixelAt(img, 1, 1), packColour(127, 127, 127));  // no + 0.5 here
    // Identity at 1.0 for every table value.
    RasterImage same = greyPalette8(1, 1, 0);
    ASSERT_TRUE(same.lightness(1.0));
    for (int i = 0; i < 256; ++i) EXPECT_EQ(same.colourTable()[4 * i], i);
}

TEST(RasterImageLightness, RefusesNonPositiveGamma) {
    RasterImage img = solid(1, 1, packColour(64, 64, 64));
    EXPECT_FALSE(img.lightness(0.0));
    EXPECT_FALSE(img.lightness(-1.0));
    EXPECT_EQ(pixelAt(img, 1, 1), packColour(64, 64, 64));
    EXPECT_FALSE(RasterImage{}.lightness(1.0));
}

TEST(RasterImageColourTable, ColourCountNeverExceedsTheTable) {
    std::vector<std::uint8_t> header = RasterImage::newHeader(2, 2, 4);
    header[32] = 0x00;
    header[33] = 0x01;  // claims 256 colours for a 16-entry table
    RasterImage img;
    ASSERT_TRUE(img.attachHeader(header));
    EXPECT_EQ(img.colourCount(), 16);
}

}  // namespace
}  // namespace turnpixa
