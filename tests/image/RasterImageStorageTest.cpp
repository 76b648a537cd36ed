#include <gtest/gtest.h>

#include <vector>

#include "image/RasterImage.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

TEST(RasterImageStorage, StrideIsPaddedToFourBytes) {
    RasterImage rgb;
    ASSERT_TRUE(rgb.create(3, 2, 24));
    EXPECT_EQ(rgb.stride(), 12);
    EXPECT_EQ(rgb.pixelLength(), 24u);
    RasterImage mono;
    ASSERT_TRUE(mono.create(3, 2, 1));
    EXPECT_EQ(mono.stride(), 4);
    EXPECT_EQ(mono.colourTableSize(), 2);
    EXPECT_EQ(mono.header().size(), 40u + 8u);
}

TEST(RasterImageStorage, RowsAreStoredBottomUp) {
    RasterImage img;
    ASSERT_TRUE(img.create(2, 3, 24));
    img.putPixel(1, 1, 10, 20, 30);  // top-left
    const std::uint8_t* last = img.pixels() + 2 * img.stride();
    EXPECT_EQ(last[0], 30);  // blue first
    EXPECT_EQ(last[1], 20);
    EXPECT_EQ(last[2], 10);
}

TEST(RasterImageStorage, ReadsOutsideGiveWhite) {
    RasterImage img;
    ASSERT_TRUE(img.create(4, 4, 24));
    std::uint8_t r = 0, g = 0, b = 0;
    EXPECT_FALSE(img.getPixel(0, 1, r, g, b));
    EXPECT_EQ(packColour(r, g, b), kWhite);
    EXPECT_FALSE(img.getPixel(5, 1, r, g, b));
    EXPECT_EQ(packColour(r, g, b), kWhite);
    std::vector<std::uint8_t> row(16, 0);
    EXPECT_FALSE(img.getRow(-1, row.data()));
    for (std::uint8_t v : row) EXPECT_EQ(v, 0xFF);
    EXPECT_FALSE(img.putPixel(5, 5, 1, 2, 3));
}

TEST(RasterImageStorage, PalettePutPixelNeedsATableColour) {
    RasterImage img;
    ASSERT_TRUE(img.create(2, 2, 8));
    for (int i = 0; i < 256; ++i) img.setColour(i, 0, 0, 0);
    img.setColour(7, 1, 2, 3);
    EXPECT_TRUE(img.putPixel(1, 1, 1, 2, 3));
    std::uint8_t index = 0;
    ASSERT_TRUE(img.getIndex(1, 1, index));
    EXPECT_EQ(index, 7);
    EXPECT_FALSE(img.putPixel(2, 1, 9, 9, 9));
    ASSERT_TRUE(img.getIndex(2, 1, index));
    EXPECT_EQ(index, 0);
}

TEST(RasterImageStorage, PackedRowsOfFourAndOneBit) {
    for (int bits : {1, 4}) {
        RasterImage img;
        ASSERT_TRUE(img.create(9, 1, bits));
        for (int x = 1; x <= 9; ++x) img.putIndex(x, 1, static_cast<std::uint8_t>(x % 2));
        std::vector<std::uint8_t> row(9 * 4);
        ASSERT_TRUE(img.getRow(0, row.data()));
        for (int x = 0; x < 9; ++x) EXPECT_EQ(row[4 * x + 3], (x + 1) % 2) << bits << " bits";
        if (bits == 1) {
            EXPECT_EQ(img.pixels()[0], 0xAA);
        } else {
            EXPECT_EQ(img.pixels()[0], 0x10);
        }
    }
}

TEST(RasterImageStorage, CopiesAreDeep) {
    RasterImage a;
    ASSERT_TRUE(a.create(2, 2, 24));
    a.putPixel(1, 1, 1, 1, 1);
    RasterImage b = a;
    b.putPixel(1, 1, 9, 9, 9);
    EXPECT_EQ(test::pixelAt(a, 1, 1), packColour(1, 1, 1));
    EXPECT_EQ(test::pixelAt(b, 1, 1), packColour(9, 9, 9));
}

TEST(RasterImageStorage, RefusesOversizedImagesBeforeAllocating) {
    RasterImage img;
    EXPECT_FALSE(img.create(100000, 100000, 24));
    EXPECT_TRUE(img.empty());
    EXPECT_FALSE(img.create(0, 10, 24));
    EXPECT_FALSE(img.create(10, 10, 16));
}

}  // namespace
}  // namespace turnpixa
