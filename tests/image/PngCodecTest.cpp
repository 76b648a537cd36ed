#include <gtest/gtest.h>

#include <string>

#include "FormatTestUtil.h"
#include "image/ImageFormats.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

std::uint32_t be32(const std::string& s, std::size_t at) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8) |
           static_cast<unsigned char>(s[at + 3]);
}

// Chunk data by type, read straight from the bytes.
std::string chunk(const std::string& png, const std::string& type) {
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = be32(png, at);
        if (png.compare(at + 4, 4, type) == 0) return png.substr(at + 8, length);
        at += 12 + length;
    }
    return {};
}

std::string written(const RasterImage& image) {
    test::TempDir dir;
    {
        BufferedFile file;
        EXPECT_TRUE(file.open(dir.file("f.png"), BufferedFile::Mode::Write));
        EXPECT_TRUE(writePng(image, file));
        EXPECT_TRUE(file.close());
    }
    return test::readWholeFile(dir.file("f.png"));
}

TEST(PngWriter, FramesCarryTheirHeaderTextAndResolution) {
    const RasterImage frame =
        test::makeImage(5, 3, [](int x, int y) { return packColour(x * 50, y * 100, 7); });
    const std::string png = written(frame);
    ASSERT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
    const std::string ihdr = chunk(png, "IHDR");
    ASSERT_EQ(ihdr.size(), 13u);
    EXPECT_EQ(be32(ihdr, 0), 5u);
    EXPECT_EQ(be32(ihdr, 4), 3u);
    EXPECT_EQ(ihdr[8], 8);   // depth
    EXPECT_EQ(ihdr[9], 2);   // colour type RGB
    EXPECT_EQ(ihdr[12], 0);  // not interlaced
    EXPECT_EQ(chunk(png, "tEXt"), std::string("Software\0Graphmill Pro", 22));
    const std::string phys = chunk(png, "pHYs");
    ASSERT_EQ(phys.size(), 9u);
    EXPECT_EQ(be32(phys, 0), 2835u);
    EXPECT_EQ(be32(phys, 4), 2835u);
    EXPECT_EQ(phys[8], 1);  // metre

    RasterImage back;
    ASSERT_TRUE(test::readBytesWith(readPng, png, back));
    EXPECT_EQ(test::maxChannelDifference(frame, back), 0) << test::describeDifference(frame, back);
    EXPECT_EQ(back.xResolution(), 2835);
}

TEST(PngWriter, ALargeFrameIsOneStreamFromBothHalves) {
    // Large enough to be deflated in two halves: a gradient, noise and flat
    // areas, so that every row filter has rows it wins; an odd height puts
    // the split off the middle.
    std::uint32_t seed = 1;
    const RasterImage frame = test::makeImage(301, 207, [&seed](int x, int y) {
        seed = seed * 1664525u + 1013904223u;
        if (y < 60) return packColour(x % 256, y * 4, (x + y) % 256);
        if (y < 120) return packColour(static_cast<int>(seed >> 24), (seed >> 16) & 0xFF, 40);
        return x < 150 ? packColour(250, 250, 245) : packColour(20, 40, 160);
    });
    const std::string png = written(frame);
    EXPECT_EQ(png.substr(png.size() - 12, 8), std::string("\0\0\0\0IEND", 8));
    RasterImage back;
    ASSERT_TRUE(test::readBytesWith(readPng, png, back));
    EXPECT_EQ(test::maxChannelDifference(frame, back), 0) << test::describeDifference(frame, back);
    // Deflated, not stored: well under the 187 KB of raw rows.
    EXPECT_LT(png.size(), 120'000u);
    // The second half on a thread of its own gives the same bytes.
    setPngEncodeThreads(2);
    EXPECT_EQ(pngEncodeThreads(), 2);
    const std::string onTwoThreads = written(frame);
    setPngEncodeThreads(1);
    EXPECT_TRUE(onTwoThreads == png);
}

TEST(PngWriter, PaletteImagesKeepDepthIndicesAndTable) {
    for (int bits : {1, 4, 8}) {
        RasterImage image;
        ASSERT_TRUE(image.create(13, 4, bits, 1000, 2000));
        const int colours = 1 << bits;
        for (int i = 0; i < colours; ++i)
            image.setColour(i, static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(255 - i),
                            static_cast<std::uint8_t>(i * 3 % 256));
        for (int y = 1; y <= 4; ++y)
            for (int x = 1; x <= 13; ++x)
                image.putIndex(x, y, static_cast<std::uint8_t>((x * 5 + y) % colours));
        const std::string png = written(image);
        const std::string ihdr = chunk(png, "IHDR");
        EXPECT_EQ(ihdr[8], bits);
        EXPECT_EQ(ihdr[9], 3);  // palette
        EXPECT_EQ(chunk(png, "PLTE").size(), static_cast<std::size_t>(colours) * 3);
        RasterImage back;
        ASSERT_TRUE(test::readBytesWith(readPng, png, back)) << bits;
        EXPECT_EQ(back.bitsPerPixel(), bits);
        EXPECT_EQ(back.yResolution(), 2000);
        int wrong = 0;
        for (int y = 1; y <= 4; ++y)
            for (int x = 1; x <= 13; ++x) {
                std::uint8_t a = 0, b = 0;
                image.getIndex(x, y, a);
                back.getIndex(x, y, b);
                wrong += a != b;
            }
        EXPECT_EQ(wrong, 0) << bits;
        EXPECT_EQ(test::maxChannelDifference(image, back), 0) << bits;
    }
}

TEST(PngReader, DepthsFollowTheSamples) {
    struct Case {
        const char* file;
        int bits;
    } cases[] = {{"basn0g01", 1}, {"basn0g02", 4}, {"basn0g04", 4},  {"basn0g08", 8},
                 {"basn0g16", 8}, {"basn3p01", 1}, {"basn3p02", 4},  {"basn3p04", 4},
                 {"basn3p08", 8}, {"basn4a08", 8}, {"basn2c16", 24}, {"basn6a08", 24}};
    for (const Case& c : cases) {
        RasterImage image;
        ASSERT_TRUE(test::readWith(
            readPng, test::imageData(std::string("pngsuite/") + c.file + ".png"), image));
        EXPECT_EQ(image.bitsPerPixel(), c.bits) << c.file;
    }
    // Two-bit grey: a ramp of four, 0 85 170 255.
    RasterImage grey;
    ASSERT_TRUE(test::readWith(readPng, test::imageData("pngsuite/basn0g02.png"), grey));
    EXPECT_EQ(grey.colourTable()[4 * 1], 85);
    EXPECT_EQ(grey.colourTable()[4 * 3], 255);
}

TEST(PngReader, AlphaIsComposedOntoWhite) {
    // basn6a08 holds every alpha from 0 to 255; the reference gives the straight colours.
    RasterImage image;
    ASSERT_TRUE(test::readWith(readPng, test::imageData("pngsuite/basn6a08.png"), image));
    ASSERT_EQ(image.bitsPerPixel(), 24);
    const std::string ref =
        test::readWholeFile(test::imageData("pngsuite/reference/basn6a08.rgba8"));
    int transparent = 0, partial = 0;
    for (int i = 0; i < 32 * 32; ++i) {
        const auto* p = reinterpret_cast<const unsigned char*>(ref.data()) + i * 4;
        const PackedColour got = test::pixelAt(image, i % 32 + 1, i / 32 + 1);
        if (p[3] == 0) {
            ++transparent;
            EXPECT_EQ(got, kWhite) << i;
        } else if (p[3] < 255) {
            ++partial;
            const int want = (p[0] * p[3] + 255 * (255 - p[3]) + 127) / 255;
            EXPECT_NEAR(redOf(got), want, 1) << i;
        }
    }
    EXPECT_GT(transparent, 0);
    EXPECT_GT(partial, 0);
    // Transparency by tRNS on a palette file shows white too.
    ASSERT_TRUE(test::readWith(readPng, test::imageData("pngsuite/tbwn3p08.png"), image));
    EXPECT_EQ(test::pixelAt(image, 1, 1), kWhite);
}

TEST(PngReader, ADamagedFileIsReportedOnceAndRefused) {
    test::RecordedReports reports;
    RasterImage image;
    EXPECT_FALSE(
        test::readWith(readPng, test::imageData("pngsuite/xcsn0g01.png"), image));  // bad checksum
    EXPECT_TRUE(image.empty());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports.all()[0].first, "PNG Library Error");
    // A file cut short is refused too, never half filled.
    const std::string whole = test::readWholeFile(test::imageData("pngsuite/basn2c08.png"));
    for (std::size_t cut : {std::size_t{8}, std::size_t{40}, whole.size() / 2, whole.size() - 13})
        EXPECT_FALSE(test::readBytesWith(readPng, whole.substr(0, cut), image)) << cut;
    // Not a PNG at all: refused without a word, the file back at its start.
    reports.all();
    const std::size_t before = reports.size();
    EXPECT_FALSE(test::readWith(readPng, test::imageData("jpeg/hopper.jpg"), image));
    EXPECT_EQ(reports.size(), before);
}

}  // namespace
}  // namespace turnpixa
