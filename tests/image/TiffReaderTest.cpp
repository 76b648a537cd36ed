#include <tiffio.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "FormatTestUtil.h"
#include "image/ImageFormats.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

struct TiffSpec {
    int width = 4;
    int height = 3;
    int bits = 8;
    int samples = 1;
    int photometric = PHOTOMETRIC_MINISBLACK;
    int tile = 0;  // tile width and length, 0 for strips
    int rowsPerStrip = 1;
    std::vector<std::uint16_t> red, green, blue;  // colour map
    // Byte of sample s of pixel (x, y) for 8-bit files, the 16-bit value for 16-bit
    // ones; packed files take the sample value.
    std::function<int(int x, int y, int s)> sample;
};

// Writes the file with libtiff itself.
void writeTiff(const std::string& path, const TiffSpec& t) {
    TIFF* tif = TIFFOpen(path.c_str(), "w");
    ASSERT_NE(tif, nullptr);
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, t.width);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, t.height);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, t.bits);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, t.samples);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, t.photometric);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_XRESOLUTION, 300.0f);
    TIFFSetField(tif, TIFFTAG_YRESOLUTION, 150.0f);
    TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    if (t.samples == 2) {
        const std::uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
        TIFFSetField(tif, TIFFTAG_EXTRASAMPLES, 1, extra);
    }
    if (!t.red.empty())
        TIFFSetField(tif, TIFFTAG_COLORMAP, t.red.data(), t.green.data(), t.blue.data());
    const int w = t.tile ? t.tile : t.width;
    const int h = t.tile ? t.tile : t.height;
    auto rowBytes = [&](int pixels) { return (pixels * t.samples * t.bits + 7) / 8; };
    // One block (a tile or the whole image) at (x0, y0), w x h pixels.
    auto block = [&](int x0, int y0) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(rowBytes(w)) * h, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                for (int s = 0; s < t.samples; ++s) {
                    const int gx = x0 + x, gy = y0 + y;
                    const int v = gx < t.width && gy < t.height ? t.sample(gx, gy, s) : 0xEE;
                    std::uint8_t* row = bytes.data() + static_cast<std::size_t>(y) * rowBytes(w);
                    const int i = x * t.samples + s;
                    if (t.bits == 16) {
                        const auto v16 = static_cast<std::uint16_t>(v);
                        std::memcpy(row + i * 2, &v16, 2);
                    } else if (t.bits == 8) {
                        row[i] = static_cast<std::uint8_t>(v);
                    } else {
                        const int bit = i * t.bits;
                        row[bit / 8] |= static_cast<std::uint8_t>((v & ((1 << t.bits) - 1))
                                                                  << (8 - t.bits - bit % 8));
                    }
                }
        return bytes;
    };
    if (t.tile) {
        TIFFSetField(tif, TIFFTAG_TILEWIDTH, t.tile);
        TIFFSetField(tif, TIFFTAG_TILELENGTH, t.tile);
        for (int y0 = 0; y0 < t.height; y0 += t.tile)
            for (int x0 = 0; x0 < t.width; x0 += t.tile) {
                std::vector<std::uint8_t> b = block(x0, y0);
                TIFFWriteTile(tif, b.data(), static_cast<std::uint32_t>(x0),
                              static_cast<std::uint32_t>(y0), 0, 0);
            }
    } else {
        TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, t.rowsPerStrip);
        std::vector<std::uint8_t> b = block(0, 0);
        for (int y = 0; y < t.height; ++y)
            TIFFWriteScanline(tif, b.data() + static_cast<std::size_t>(y) * rowBytes(w), y, 0);
    }
    TIFFClose(tif);
}

bool readTiffFile(const std::string& path, RasterImage& image,
                  const std::string& name = "photo.tif") {
    BufferedFile file;
    if (!file.open(path, BufferedFile::Mode::Read)) return false;
    return readTiff(file, image, name);
}

PackedColour colourOf(const RasterImage& image, int x, int y) {
    return test::pixelAt(image, x, y);
}

TEST(TiffReader, PaletteMapsOfEightAndSixteenBits) {
    test::TempDir dir;
    TiffSpec t;
    t.photometric = PHOTOMETRIC_PALETTE;
    t.sample = [](int x, int y, int) { return (x + y * 4) % 256; };
    for (int i = 0; i < 256; ++i) {
        t.red.push_back(static_cast<std::uint16_t>(i));
        t.green.push_back(static_cast<std::uint16_t>(255 - i));
        t.blue.push_back(static_cast<std::uint16_t>(i / 2));
    }
    writeTiff(dir.file("map8.tif"), t);
    for (auto* channel : {&t.red, &t.green, &t.blue})
        for (auto& v : *channel) v = static_cast<std::uint16_t>(v * 257);
    writeTiff(dir.file("map16.tif"), t);

    for (const char* name : {"map8.tif", "map16.tif"}) {
        RasterImage image;
        ASSERT_TRUE(readTiffFile(dir.file(name), image)) << name;
        EXPECT_EQ(image.bitsPerPixel(), 8);
        // Pixel (3, 2) holds index 2 + 1 * 4 = 6: red 6, green 249, blue 3.
        EXPECT_EQ(colourOf(image, 3, 2), packColour(6, 249, 3)) << name;
        EXPECT_EQ(colourOf(image, 4, 3), packColour(11, 244, 5)) << name;
        EXPECT_EQ(image.xResolution(), 11811);  // 300 dpi
        EXPECT_EQ(image.yResolution(), 5906);
    }
}

TEST(TiffReader, GreyDepthsAndPhotometrics) {
    test::TempDir dir;
    struct Case {
        int bits;
        int photometric;
        int imageBits;
        std::function<int(int, int, int)> sample;
        std::function<int(int, int)> grey;  // expected grey at 0-based (x, y)
    } cases[] = {
        {1, PHOTOMETRIC_MINISBLACK, 1, [](int x, int y, int) { return (x + y) % 2; },
         [](int x, int y) { return (x + y) % 2 * 255; }},
        {1, PHOTOMETRIC_MINISWHITE, 1, [](int x, int y, int) { return (x + y) % 2; },
         [](int x, int y) { return 255 - (x + y) % 2 * 255; }},
        {2, PHOTOMETRIC_MINISBLACK, 4, [](int x, int y, int) { return (x + 2 * y) % 4; },
         [](int x, int y) { return (x + 2 * y) % 4 * 85; }},
        {4, PHOTOMETRIC_MINISWHITE, 4, [](int x, int y, int) { return (x * 3 + y) % 16; },
         [](int x, int y) { return 255 - (x * 3 + y) % 16 * 17; }},
        {8, PHOTOMETRIC_MINISBLACK, 8, [](int x, int y, int) { return x * 40 + y; },
         [](int x, int y) { return x * 40 + y; }},
        {16, PHOTOMETRIC_MINISBLACK, 8, [](int x, int y, int) { return (x * 40 + y) * 256 + 0x7F; },
         [](int x, int y) { return x * 40 + y; }},
    };
    for (const Case& c : cases) {
        TiffSpec t;
        t.width = 11;  // odd: rows end inside a byte
        t.height = 5;
        t.bits = c.bits;
        t.photometric = c.photometric;
        t.rowsPerStrip = 2;
        t.sample = c.sample;
        writeTiff(dir.file("g.tif"), t);
        RasterImage image;
        ASSERT_TRUE(readTiffFile(dir.file("g.tif"), image)) << c.bits;
        EXPECT_EQ(image.bitsPerPixel(), c.imageBits) << c.bits;
        int wrong = 0;
        for (int y = 0; y < t.height; ++y)
            for (int x = 0; x < t.width; ++x) {
                const int g = c.grey(x, y);
                wrong += colourOf(image, x + 1, y + 1) != packColour(g, g, g);
            }
        EXPECT_EQ(wrong, 0) << c.bits << " bits, photometric " << c.photometric;
    }
}

TEST(TiffReader, RgbAndCmykInStripsAndEdgeTiles) {
    test::TempDir dir;
    TiffSpec rgb;
    rgb.width = 37;  // tiles of 16 reach past the right and bottom edges
    rgb.height = 21;
    rgb.samples = 3;
    rgb.photometric = PHOTOMETRIC_RGB;
    rgb.sample = [](int x, int y, int s) { return s == 0 ? x * 6 : s == 1 ? y * 12 : 200 - x - y; };
    auto want = [](int x, int y) { return packColour(x * 6, y * 12, 200 - x - y); };
    for (int tile : {0, 16}) {
        rgb.tile = tile;
        writeTiff(dir.file("rgb.tif"), rgb);
        RasterImage image;
        ASSERT_TRUE(readTiffFile(dir.file("rgb.tif"), image)) << tile;
        EXPECT_EQ(image.bitsPerPixel(), 24);
        int wrong = 0;
        for (int y = 0; y < rgb.height; ++y)
            for (int x = 0; x < rgb.width; ++x)
                wrong += colourOf(image, x + 1, y + 1) != want(x, y);
        EXPECT_EQ(wrong, 0) << "tile " << tile;
    }

    TiffSpec rgb16 = rgb;
    rgb16.tile = 0;
    rgb16.bits = 16;
    rgb16.sample = [&](int x, int y, int s) { return rgb.sample(x, y, s) * 256 + 0xAB; };
    writeTiff(dir.file("rgb16.tif"), rgb16);
    RasterImage image;
    ASSERT_TRUE(readTiffFile(dir.file("rgb16.tif"), image));
    EXPECT_EQ(colourOf(image, 5, 7), want(4, 6));

    TiffSpec cmyk;
    cmyk.samples = 4;
    cmyk.photometric = PHOTOMETRIC_SEPARATED;
    cmyk.sample = [](int x, int, int s) { return s == 3 ? 51 * x : 60 * s; };  // c 0, m 60, y 120
    writeTiff(dir.file("cmyk.tif"), cmyk);
    ASSERT_TRUE(readTiffFile(dir.file("cmyk.tif"), image));
    // Pixel x = 1: black 51, so each channel is (255 - ink) * 204 / 255.
    EXPECT_EQ(colourOf(image, 2, 1), packColour(204, 195 * 204 / 255, 135 * 204 / 255));
}

TEST(TiffReader, EncodingsOfOnePictureAgree) {
    // The suite stores one picture stripped and tiled, interleaved and in planes.
    RasterImage reference;
    ASSERT_TRUE(readTiffFile(test::imageData("tiff/tiff_strip_raw.tif"), reference));
    for (const char* other :
         {"tiff_tiled_raw.tif", "tiff_strip_planar_raw.tif", "tiff_tiled_planar_raw.tif"}) {
        RasterImage image;
        ASSERT_TRUE(readTiffFile(test::imageData(std::string("tiff/") + other), image)) << other;
        EXPECT_EQ(test::maxChannelDifference(image, reference), 0)
            << other << ": " << test::describeDifference(image, reference);
    }
    RasterImage plain, lzw, jpeg;
    ASSERT_TRUE(readTiffFile(test::imageData("tiff/hopper.tif"), plain));
    ASSERT_TRUE(readTiffFile(test::imageData("tiff/hopper_lzw.tif"), lzw));
    EXPECT_EQ(test::maxChannelDifference(plain, lzw), 0);
    // Lossy YCbCr JPEG inside TIFF: close to the plain one, colours not swapped.
    ASSERT_TRUE(readTiffFile(test::imageData("tiff/hopper_jpg.tif"), jpeg));
    EXPECT_GE(test::maxChannelDifference(plain, jpeg), 0);
    EXPECT_LE(test::maxChannelDifference(plain, jpeg), 80);
}

double meanDifference(const RasterImage& a, const RasterImage& b) {
    if (a.width() != b.width() || a.height() != b.height()) return 1e9;
    double total = 0;
    for (int y = 1; y <= a.height(); ++y)
        for (int x = 1; x <= a.width(); ++x) {
            const PackedColour p = test::pixelAt(a, x, y), q = test::pixelAt(b, x, y);
            total += std::abs(redOf(p) - redOf(q)) + std::abs(greenOf(p) - greenOf(q)) +
                     std::abs(blueOf(p) - blueOf(q));
        }
    return total / (3.0 * a.width() * a.height());
}

TEST(TiffReader, JpegCompressedFilesMatchTheirJpegTwins) {
    // The suite's JPEG-in-TIFF files hold the pictures of two of its JPEG files.
    const struct {
        const char* tiff;
        const char* jpeg;
    } pairs[] = {{"tiff_strip_ycbcr_jpeg_2x2_sampling.tif", "flower.jpg"},
                 {"tiff_strip_cmyk_jpeg.tif", "pil_sample_cmyk.jpg"},
                 {"tiff_tiled_cmyk_jpeg.tif", "pil_sample_cmyk.jpg"}};
    test::RecordedReports quiet;
    for (const auto& p : pairs) {
        RasterImage tiff, jpeg;
        ASSERT_TRUE(readTiffFile(test::imageData(std::string("tiff/") + p.tiff), tiff)) << p.tiff;
        ASSERT_TRUE(test::readWith(readJpeg, test::imageData(std::string("jpeg/") + p.jpeg), jpeg));
        const double d = meanDifference(tiff, jpeg);
        EXPECT_LT(d, 2.0) << p.tiff;  // one picture through one codec; only rounding differs
    }
}

TEST(TiffReader, MessagesOnlyForTiffNamesAndOncePerFile) {
    const std::string damaged = test::readWholeFile(test::imageData("tiff/libtiff_segfault.tif"));
    RasterImage image;
    {
        test::RecordedReports reports;
        EXPECT_FALSE(test::loadBytes(damaged, "scan.TIFF", image));
        EXPECT_EQ(reports.size(), 1u);
    }
    {
        test::RecordedReports reports;
        EXPECT_FALSE(test::loadBytes(damaged, "scan.jpg", image));
        EXPECT_FALSE(test::loadBytes(damaged, ".tif", image));  // too short to be a TIFF name
        EXPECT_EQ(reports.size(), 0u);
    }
}

}  // namespace
}  // namespace turnpixa
