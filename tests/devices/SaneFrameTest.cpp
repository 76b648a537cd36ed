// SANE frames to packed DIBs: what devices send is outside input.
#include <gtest/gtest.h>

#include <cstring>

#include "devices/SaneFrame.h"
#include "image/RasterImage.h"

namespace turnpixa {
namespace {

SaneFrame frame(SaneFrame::Format format, std::int64_t ppl, std::int64_t bpl, std::int64_t lines,
                int depth, std::vector<std::uint8_t> data) {
    SaneFrame f;
    f.format = format;
    f.pixelsPerLine = ppl;
    f.bytesPerLine = bpl;
    f.lines = lines;
    f.depth = depth;
    f.data = std::move(data);
    return f;
}

RasterImage toImage(const std::vector<SaneFrame>& frames) {
    std::vector<std::uint8_t> dib;
    std::string reason;
    RasterImage image;
    EXPECT_TRUE(saneFramesToDib(frames, dib, reason)) << reason;
    EXPECT_TRUE(image.importPackedDib(dib.data(), dib.size()));
    return image;
}

PackedColour at(const RasterImage& image, int x, int y) {
    std::uint8_t r = 0, g = 0, b = 0;
    image.getPixel(x, y, r, g, b);
    return packColour(r, g, b);
}

using F = SaneFrame::Format;

TEST(SaneFrame, ColourLinesPaddedAndTopRowFirst) {
    // Two lines of two pixels with two bytes of padding each.
    const RasterImage image =
        toImage({frame(F::Rgb, 2, 8, 2, 8, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0})});
    EXPECT_EQ(at(image, 1, 1), packColour(1, 2, 3));
    EXPECT_EQ(at(image, 2, 1), packColour(4, 5, 6));
    EXPECT_EQ(at(image, 2, 2), packColour(10, 11, 12));
}

TEST(SaneFrame, SixteenBitSamplesKeepTheirHighByte) {
    std::vector<std::uint8_t> data(4);
    const std::uint16_t samples[2] = {0x12ff, 0xab00};
    std::memcpy(data.data(), samples, 4);  // machine byte order, as SANE sends
    const RasterImage image = toImage({frame(F::Gray, 2, 4, 1, 16, data)});
    EXPECT_EQ(at(image, 1, 1), packColour(0x12, 0x12, 0x12));
    EXPECT_EQ(at(image, 2, 1), packColour(0xab, 0xab, 0xab));
}

TEST(SaneFrame, LineArtSetBitIsBlack) {
    const RasterImage image = toImage({frame(F::Gray, 10, 2, 1, 1, {0b10100000, 0b01000000})});
    EXPECT_EQ(image.bitsPerPixel(), 1);
    EXPECT_EQ(at(image, 1, 1), kBlack);
    EXPECT_EQ(at(image, 2, 1), kWhite);
    EXPECT_EQ(at(image, 3, 1), kBlack);
    EXPECT_EQ(at(image, 10, 1), kBlack);
}

TEST(SaneFrame, ThreePassPlanesInAnyOrder) {
    SaneFrame blue = frame(F::Blue, 1, 1, 1, 8, {30});
    SaneFrame red = frame(F::Red, 1, 1, 1, 8, {10});
    SaneFrame green = frame(F::Green, 1, 1, 1, 8, {20});
    EXPECT_EQ(at(toImage({blue, red, green}), 1, 1), packColour(10, 20, 30));
}

TEST(SaneFrame, UnknownLineCountTakesEveryWholeLine) {
    // Two and a half lines of three grey pixels.
    const RasterImage image = toImage({frame(F::Gray, 3, 3, -1, 8, {1, 2, 3, 4, 5, 6, 7})});
    EXPECT_EQ(image.height(), 2);
    EXPECT_EQ(at(image, 3, 2), packColour(6, 6, 6));
}

TEST(SaneFrame, RefusesWhatDoesNotFit) {
    const std::vector<std::vector<SaneFrame>> bad = {
        {},
        {frame(F::Gray, 3, 3, 4, 8, std::vector<std::uint8_t>(9))},   // lines missing
        {frame(F::Rgb, 3, 8, 1, 8, std::vector<std::uint8_t>(8))},    // line too short
        {frame(F::Gray, 3, 3, 1, 4, std::vector<std::uint8_t>(3))},   // 4-bit samples
        {frame(F::Gray, 0, 3, 1, 8, std::vector<std::uint8_t>(3))},   // no pixels
        {frame(F::Gray, 3, 3, -2, 8, std::vector<std::uint8_t>(3))},  // negative lines
        {frame(F::Gray, 3, 3, -1, 8, std::vector<std::uint8_t>(2))},  // not one line
        {frame(F::Red, 1, 1, 1, 8, {1})},                             // one plane only
        {frame(F::Red, 1, 1, 1, 8, {1}), frame(F::Red, 1, 1, 1, 8, {1}),
         frame(F::Blue, 1, 1, 1, 8, {1})},  // red twice
        {frame(F::Red, 1, 1, 1, 8, {1}), frame(F::Green, 2, 2, 1, 8, {1, 1}),
         frame(F::Blue, 1, 1, 1, 8, {1})},  // sizes differ
        {frame(F::Gray, 1, 1, 1, 8, {1}), frame(F::Gray, 1, 1, 1, 8, {1})},
        // Claimed sizes whose products overflow 32 and 64 bits.
        {frame(F::Rgb, INT64_C(1) << 62, INT64_C(1) << 62, 1, 16, std::vector<std::uint8_t>(64))},
        {frame(F::Gray, 100000, 100000, 100000, 8, std::vector<std::uint8_t>(64))},
        // Line art whose data is all there but whose size is beyond any picture.
        {frame(F::Gray, 80'000'000, 10'000'000, 2, 1, std::vector<std::uint8_t>(20'000'000))},
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        std::vector<std::uint8_t> dib{1, 2, 3};
        std::string reason;
        EXPECT_FALSE(saneFramesToDib(bad[i], dib, reason)) << "case " << i;
        EXPECT_FALSE(reason.empty()) << "case " << i;
        EXPECT_TRUE(dib.empty()) << "case " << i;
    }
}

}  // namespace
}  // namespace turnpixa
