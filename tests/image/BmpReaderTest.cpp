#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormatTestUtil.h"
#include "image/ImageFormats.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

std::string le32(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

// A BMP with a 40-byte header (or 108 with masks), rows given bottom-up and
// padded here.
std::string makeBmp(int width, int height, int bits, const std::vector<std::string>& rows,
                    const std::vector<std::uint32_t>& masks = {}) {
    const int stride = (width * bits + 31) / 32 * 4;
    std::string pixels;
    for (const std::string& r : rows)
        pixels += r + std::string(static_cast<std::size_t>(stride) - r.size(), '\0');
    const std::uint32_t infoSize = masks.empty() ? 40 : 108;
    std::string info = le32(infoSize) + le32(static_cast<std::uint32_t>(width)) +
                       le32(static_cast<std::uint32_t>(height));
    info += std::string("\1\0", 2) + std::string(1, static_cast<char>(bits)) + std::string(1, '\0');
    info += le32(masks.empty() ? 0 : 3) + le32(static_cast<std::uint32_t>(pixels.size())) +
            le32(2835) + le32(2835) + le32(0) + le32(0);
    if (!masks.empty()) {
        for (std::uint32_t m : masks) info += le32(m);
        info += std::string(infoSize - info.size(), '\0');
    }
    const std::uint32_t offset = 14 + infoSize;
    return "BM" + le32(offset + static_cast<std::uint32_t>(pixels.size())) + le32(0) +
           le32(offset) + info + pixels;
}

std::string le16(int v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

TEST(BmpReader, OneBitTableWithEqualEntriesStaysVisible) {
    RasterImage image;
    ASSERT_TRUE(test::readWith(readBmp, test::imageData("bmp-1bit-equal-dark-entries.bmp"), image));
    ASSERT_EQ(image.bitsPerPixel(), 1);
    // Bottom row 10101010, top row 11110000; index 1 became white.
    for (int x = 1; x <= 8; ++x) {
        EXPECT_EQ(test::pixelAt(image, x, 2), x % 2 == 1 ? kWhite : packColour(10, 10, 10)) << x;
        EXPECT_EQ(test::pixelAt(image, x, 1), x <= 4 ? kWhite : packColour(10, 10, 10)) << x;
    }
    ASSERT_TRUE(
        test::readWith(readBmp, test::imageData("bmp-1bit-equal-light-entries.bmp"), image));
    EXPECT_EQ(test::pixelAt(image, 1, 1), kBlack);
    EXPECT_EQ(test::pixelAt(image, 8, 1), packColour(230, 230, 230));
}

TEST(BmpReader, SixteenBitPixelsAreFiveFiveFiveUnlessMasked) {
    const std::string row = le16(0x7C00) + le16(0x03E0) + le16(0x001F) + le16(0x4210);
    RasterImage image;
    ASSERT_TRUE(test::readBytesWith(readBmp, makeBmp(4, 1, 16, {row}), image));
    EXPECT_EQ(image.bitsPerPixel(), 24);
    EXPECT_EQ(test::pixelAt(image, 1, 1), packColour(248, 0, 0));
    EXPECT_EQ(test::pixelAt(image, 2, 1), packColour(0, 248, 0));
    EXPECT_EQ(test::pixelAt(image, 3, 1), packColour(0, 0, 248));
    EXPECT_EQ(test::pixelAt(image, 4, 1), packColour(128, 128, 128));

    // 5-6-5 masks: 0x07E0 is full green.
    const std::string masked = le16(0xF800) + le16(0x07E0) + le16(0x001F) + le16(0x0020);
    ASSERT_TRUE(
        test::readBytesWith(readBmp, makeBmp(4, 1, 16, {masked}, {0xF800, 0x07E0, 0x001F}), image));
    EXPECT_EQ(test::pixelAt(image, 1, 1), packColour(248, 0, 0));
    EXPECT_EQ(test::pixelAt(image, 2, 1), packColour(0, 252, 0));
    EXPECT_EQ(test::pixelAt(image, 4, 1), packColour(0, 4, 0));
}

TEST(BmpReader, ThirtyTwoBitPixelsFollowTheirMasks) {
    const std::string row = le32(0x00112233) + le32(0xFF445566);
    RasterImage image;
    ASSERT_TRUE(test::readBytesWith(readBmp, makeBmp(2, 1, 32, {row}), image));
    EXPECT_EQ(test::pixelAt(image, 1, 1), packColour(0x11, 0x22, 0x33));  // x, red, green, blue
    EXPECT_EQ(test::pixelAt(image, 2, 1), packColour(0x44, 0x55, 0x66));
    ASSERT_TRUE(test::readBytesWith(
        readBmp, makeBmp(2, 1, 32, {row}, {0x000000FF, 0x0000FF00, 0x00FF0000}), image));
    EXPECT_EQ(test::pixelAt(image, 1, 1), packColour(0x33, 0x22, 0x11));
}

TEST(BmpReader, RowsAndBitsOfPaletteDepths) {
    // 4 bits, 3 x 2: bottom row indices 1 2 3, top row 15 0 7.
    std::string table;
    for (int i = 0; i < 16; ++i)
        table += std::string(1, static_cast<char>(i)) + std::string(1, static_cast<char>(i * 16)) +
                 std::string(1, static_cast<char>(255 - i)) + std::string(1, '\0');
    std::string bmp = makeBmp(3, 2, 4, {"\x12\x30", "\xF0\x70"});
    // Put the table between header and pixels.
    bmp.insert(14 + 40, table);
    const std::uint32_t offset = 14 + 40 + 64;
    bmp.replace(10, 4, le32(offset));
    RasterImage image;
    ASSERT_TRUE(test::readBytesWith(readBmp, bmp, image));
    auto colour = [](int i) {
        return packColour(255 - i, i * 16, i);
    };  // table is blue, green, red
    EXPECT_EQ(test::pixelAt(image, 1, 2), colour(1));
    EXPECT_EQ(test::pixelAt(image, 3, 2), colour(3));
    EXPECT_EQ(test::pixelAt(image, 1, 1), colour(15));
    EXPECT_EQ(test::pixelAt(image, 3, 1), colour(7));
}

TEST(BmpReader, RefusesShortAndOversizedFiles) {
    RasterImage image;
    // The last row lacks eight of its bytes: refused, rather than loaded with a
    // made-up part.
    EXPECT_FALSE(test::readWith(readBmp, test::imageData("bmp-truncated-pixels.bmp"), image));
    EXPECT_TRUE(image.empty());
    // Claims 20000 x 20000 with 48 bytes of pixels: refused before allocating.
    EXPECT_FALSE(test::readWith(readBmp, test::imageData("bmp-claims-huge-size.bmp"), image));
    const std::string good = makeBmp(2, 2, 24, {"abcdef", "ghijkl"});
    for (std::size_t cut = 0; cut < good.size() - 2; cut += 3)  // the last row may lack its padding
        EXPECT_FALSE(test::readBytesWith(readBmp, good.substr(0, cut), image)) << cut;
    EXPECT_TRUE(test::readBytesWith(readBmp, good.substr(0, good.size() - 2), image));
    EXPECT_EQ(test::pixelAt(image, 2, 1), packColour('l', 'k', 'j'));
    std::string rle = good;
    rle[14 + 16] = 1;  // compression: RLE8
    EXPECT_FALSE(test::readBytesWith(readBmp, rle, image));
}

}  // namespace
}  // namespace turnpixa
