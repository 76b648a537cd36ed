#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "image/RasterImage.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

using test::pixelAt;
using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) b[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
}
void append32(Bytes& b, std::uint32_t v) {
    b.resize(b.size() + 4);
    put32(b, b.size() - 4, v);
}

// A bitmap-info header of headerSize bytes; the caller appends masks, table
// and rows.
Bytes header(int headerSize, int width, int height, int bits, std::uint32_t compression = 0,
             std::uint32_t coloursUsed = 0) {
    Bytes b(static_cast<std::size_t>(std::max(headerSize, 40)), 0);
    put32(b, 0, static_cast<std::uint32_t>(headerSize));
    put32(b, 4, static_cast<std::uint32_t>(width));
    put32(b, 8, static_cast<std::uint32_t>(height));
    put16(b, 12, 1);
    put16(b, 14, static_cast<std::uint32_t>(bits));
    put32(b, 16, compression);
    put32(b, 24, 3780);
    put32(b, 28, 3780);
    put32(b, 32, coloursUsed);
    return b;
}

// Appends rows given bottom row first, each padded to 4 bytes.
void appendRows(Bytes& b, const std::vector<Bytes>& rows) {
    for (const Bytes& r : rows) {
        b.insert(b.end(), r.begin(), r.end());
        for (std::size_t k = r.size(); k % 4 != 0; ++k) b.push_back(0xEE);
    }
}

bool import(RasterImage& img, const Bytes& b) {
    return img.importPackedDib(b.data(), b.size());
}

TEST(PackedDib, TwentyFourBitRowsAreBottomUpAndPadded) {
    Bytes dib = header(40, 3, 2, 24);
    // bottom row: blue-green-red triples, then the top row
    appendRows(dib, {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 20, 30, 40, 50, 60, 70, 80, 90}});
    RasterImage img;
    ASSERT_TRUE(import(img, dib));
    EXPECT_EQ(img.bitsPerPixel(), 24);
    EXPECT_EQ(img.xResolution(), 3780);
    EXPECT_EQ(img.header()[0], 40);
    EXPECT_EQ(pixelAt(img, 1, 2), packColour(3, 2, 1));
    EXPECT_EQ(pixelAt(img, 3, 2), packColour(9, 8, 7));
    EXPECT_EQ(pixelAt(img, 1, 1), packColour(30, 20, 10));
}

TEST(PackedDib, EightBitWithTableAndShortTable) {
    Bytes dib = header(40, 2, 1, 8, 0, 3);  // three colours used: three entries stored
    for (std::uint32_t c : {0x000000FFu, 0x0000FF00u, 0x00FF0000u}) append32(dib, c);  // B, G, R
    appendRows(dib, {{2, 0}});
    RasterImage img;
    ASSERT_TRUE(import(img, dib));
    EXPECT_EQ(img.bitsPerPixel(), 8);
    EXPECT_EQ(img.colourCount(), 3);
    EXPECT_EQ(img.colourTableSize(), 256);
    EXPECT_EQ(pixelAt(img, 1, 1), packColour(255, 0, 0));
    EXPECT_EQ(pixelAt(img, 2, 1), packColour(0, 0, 255));

    Bytes mono = header(40, 10, 1, 1);
    append32(mono, 0);
    append32(mono, 0x00FFFFFF);
    appendRows(mono, {{0x80, 0x40}});  // pixels 1 and 10 are set
    ASSERT_TRUE(import(img, mono));
    EXPECT_EQ(img.bitsPerPixel(), 1);
    EXPECT_EQ(pixelAt(img, 1, 1), kWhite);
    EXPECT_EQ(pixelAt(img, 2, 1), kBlack);
    EXPECT_EQ(pixelAt(img, 10, 1), kWhite);
}

TEST(PackedDib, SixteenBitIsFiveFiveFiveShiftedByThree) {
    Bytes dib = header(40, 4, 1, 16);
    Bytes row(8);
    put16(row, 0, 0x7C00);  // red
    put16(row, 2, 0x03E0);  // green
    put16(row, 4, 0x001F);  // blue
    put16(row, 6, 0x4210);  // 16, 16, 16
    appendRows(dib, {row});
    RasterImage img;
    ASSERT_TRUE(import(img, dib));
    EXPECT_EQ(img.bitsPerPixel(), 24);
    EXPECT_EQ(img.colourCount(), 0);
    EXPECT_EQ(pixelAt(img, 1, 1), packColour(248, 0, 0));
    EXPECT_EQ(pixelAt(img, 2, 1), packColour(0, 248, 0));
    EXPECT_EQ(pixelAt(img, 3, 1), packColour(0, 0, 248));
    EXPECT_EQ(pixelAt(img, 4, 1), packColour(128, 128, 128));
}

TEST(PackedDib, ThirtyTwoBitDropsTheFourthByte) {
    Bytes dib = header(40, 2, 2, 32);
    appendRows(dib, {{1, 2, 3, 99, 4, 5, 6, 99}, {7, 8, 9, 99, 10, 11, 12, 99}});
    RasterImage img;
    ASSERT_TRUE(import(img, dib));
    EXPECT_EQ(img.bitsPerPixel(), 24);
    EXPECT_EQ(img.stride(), 8);
    EXPECT_EQ(pixelAt(img, 1, 2), packColour(3, 2, 1));
    EXPECT_EQ(pixelAt(img, 2, 1), packColour(12, 11, 10));
}

TEST(PackedDib, BitFieldMasksAreHonoured) {
    // 5-6-5 after a 40-byte header: masks follow it.
    Bytes dib = header(40, 3, 1, 16, 3);
    append32(dib, 0xF800);
    append32(dib, 0x07E0);
    append32(dib, 0x001F);
    Bytes row(6);
    put16(row, 0, 0xF800);
    put16(row, 2, 0x07E0);
    put16(row, 4, 0x0821);  // 1, 1, 1
    appendRows(dib, {row});
    RasterImage img;
    ASSERT_TRUE(import(img, dib));
    EXPECT_EQ(pixelAt(img, 1, 1), packColour(248, 0, 0));
    EXPECT_EQ(pixelAt(img, 2, 1), packColour(0, 252, 0));
    EXPECT_EQ(pixelAt(img, 3, 1), packColour(8, 4, 8));

    // Red-green-blue byte order in 32 bits, masks inside a 124-byte header.
    Bytes v5 = header(124, 1, 1, 32, 3);
    put32(v5, 40, 0x000000FF);
    put32(v5, 44, 0x0000FF00);
    put32(v5, 48, 0x00FF0000);
    appendRows(v5, {{10, 20, 30, 0}});
    ASSERT_TRUE(import(img, v5));
    EXPECT_EQ(img.header()[0], 40);
    EXPECT_EQ(img.header()[16], 0);  // stored uncompressed
    EXPECT_EQ(pixelAt(img, 1, 1), packColour(10, 20, 30));
}

TEST(PackedDib, NegativeHeightMeansTopRowFirst) {
    Bytes dib = header(40, 1, -2, 24);
    appendRows(dib, {{1, 1, 1}, {2, 2, 2}});
    RasterImage img;
    ASSERT_TRUE(import(img, dib));
    EXPECT_EQ(img.height(), 2);
    EXPECT_EQ(pixelAt(img, 1, 1), packColour(1, 1, 1));
    EXPECT_EQ(pixelAt(img, 1, 2), packColour(2, 2, 2));
}

TEST(PackedDib, EveryTruncationIsRefusedAndLeavesTheImage) {
    Bytes dib = header(40, 5, 3, 8);
    for (int i = 0; i < 256; ++i) append32(dib, static_cast<std::uint32_t>(i * 0x010101));
    appendRows(dib, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14, 15}});
    RasterImage img;
    ASSERT_TRUE(import(img, dib));
    for (std::size_t n = 0; n < dib.size(); ++n) {
        // A copy of exactly n bytes, so that a read past it is caught by sanitizers.
        const Bytes part(dib.begin(), dib.begin() + static_cast<std::ptrdiff_t>(n));
        RasterImage other;
        ASSERT_TRUE(other.create(1, 1, 24));
        EXPECT_FALSE(other.importPackedDib(part.data(), part.size())) << n << " bytes";
        EXPECT_EQ(other.width(), 1);
    }
    EXPECT_FALSE(img.importPackedDib(nullptr, 100));
}

TEST(PackedDib, MalformedHeadersAreRefused) {
    auto refused = [](Bytes dib) {
        dib.resize(dib.size() + 4096, 0);  // plenty of data after the header
        RasterImage img;
        return !import(img, dib) && img.empty();
    };
    EXPECT_TRUE(refused(header(40, 4, 4, 8, 1)));   // RLE
    EXPECT_TRUE(refused(header(40, 4, 4, 24, 3)));  // bit fields on 24 bits
    EXPECT_TRUE(refused(header(40, 4, 4, 8, 3)));
    EXPECT_TRUE(refused(header(40, 4, 4, 2)));
    EXPECT_TRUE(refused(header(40, 4, 4, 0)));
    EXPECT_TRUE(refused(header(40, 0, 4, 24)));
    EXPECT_TRUE(refused(header(40, -4, 4, 24)));
    EXPECT_TRUE(refused(header(40, 4, 0, 24)));
    EXPECT_TRUE(refused(header(40, 4, INT32_MIN, 24)));
    EXPECT_TRUE(refused(header(40, 4, 4, 8, 0, 257)));    // more colours than the depth allows
    EXPECT_TRUE(refused(header(44, 4, 4, 16, 3)));        // no room for the masks
    EXPECT_TRUE(refused(header(40, 100000, 100000, 1)));  // far more pixels than bytes
    EXPECT_TRUE(refused(header(40, 0x7FFFFFFF, 1, 32)));
    Bytes shortHeader = header(12, 4, 4, 24);
    EXPECT_TRUE(refused(shortHeader));
    Bytes hugeHeaderSize = header(40, 1, 1, 24);
    put32(hugeHeaderSize, 0, 0xFFFFFFF0u);
    EXPECT_TRUE(refused(hugeHeaderSize));
    Bytes hugeTable = header(40, 1, 1, 24, 0, 0xFFFFFFFFu);  // optional table of 2^32 entries
    EXPECT_TRUE(refused(hugeTable));
}

TEST(PackedDib, RandomGarbageNeverCrashes) {
    std::mt19937 rng(77);
    const int depths[] = {1, 4, 8, 16, 24, 32};
    int accepted = 0;
    for (int round = 0; round < 2000; ++round) {
        Bytes dib = header(40, 1 + static_cast<int>(rng() % 40), 1 + static_cast<int>(rng() % 40),
                           depths[rng() % 6], rng() % 2 ? 0 : 3,
                           rng() % 3 ? 0 : static_cast<std::uint32_t>(rng() % 300));
        dib.resize(dib.size() + rng() % 8000);
        for (std::size_t i = 40; i < dib.size(); ++i) dib[i] = static_cast<std::uint8_t>(rng());
        if (rng() % 4 == 0) dib[rng() % 40] = static_cast<std::uint8_t>(rng());
        const Bytes exact(dib);  // exact-size buffer for sanitizers
        RasterImage img;
        if (img.importPackedDib(exact.data(), exact.size())) {
            ++accepted;
            std::vector<std::uint8_t> row(static_cast<std::size_t>(img.width()) * 4);
            for (int r = 0; r < img.height(); ++r) ASSERT_TRUE(img.getRow(r, row.data()));
        }
    }
    EXPECT_GT(accepted, 100);  // the generator does reach the pixel paths
}

}  // namespace
}  // namespace turnpixa
