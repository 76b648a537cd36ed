#include <cstdio>
// clang-format off
#include <jpeglib.h>
// clang-format on

#include <gtest/gtest.h>

#include <csetjmp>
#include <string>
#include <vector>

#include "FormatTestUtil.h"
#include "image/ImageFormats.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

TEST(JpegReader, LoadsWhateverTheNameSays) {
    RasterImage image;
    std::string reason;
    ASSERT_TRUE(loadPhotoFile(test::imageData("jpeg-named.bmp"), image, &reason)) << reason;
    EXPECT_EQ(image.width(), 128);
    EXPECT_EQ(image.bitsPerPixel(), 24);
    RasterImage direct;
    ASSERT_TRUE(test::readWith(readJpeg, test::imageData("jpeg/hopper.jpg"), direct));
    EXPECT_EQ(test::maxChannelDifference(image, direct), 0);
}

TEST(JpegReader, FindsTheStartWithinTheFirstHundredOffsets) {
    RasterImage image;
    EXPECT_TRUE(loadPhotoFile(test::imageData("jpeg-after-99-junk-bytes.bin"), image));
    EXPECT_EQ(image.width(), 128);
    EXPECT_FALSE(loadPhotoFile(test::imageData("jpeg-after-100-junk-bytes.bin"), image));
    EXPECT_TRUE(image.empty());
}

TEST(JpegReader, GreyBecomesEightBitsWithARamp) {
    RasterImage image;
    ASSERT_TRUE(test::readWith(readJpeg, test::imageData("jpeg/hopper_gray.jpg"), image));
    ASSERT_EQ(image.bitsPerPixel(), 8);
    for (int i : {0, 1, 128, 255}) {
        const std::uint8_t* entry = image.colourTable() + i * 4;
        EXPECT_EQ(entry[0], i);
        EXPECT_EQ(entry[1], i);
        EXPECT_EQ(entry[2], i);
    }
}

TEST(JpegReader, CmykLooksLikeTheSameRgbPicture) {
    // The suite holds one photo saved as RGB and as (Adobe, inverted) CMYK.
    RasterImage cmyk, rgb;
    ASSERT_TRUE(test::readWith(readJpeg, test::imageData("jpeg/pil_sample_cmyk.jpg"), cmyk));
    ASSERT_TRUE(test::readWith(readJpeg, test::imageData("jpeg/pil_sample_rgb.jpg"), rgb));
    ASSERT_EQ(cmyk.bitsPerPixel(), 24);
    long total = 0;
    for (int y = 1; y <= rgb.height(); ++y)
        for (int x = 1; x <= rgb.width(); ++x) {
            const PackedColour a = test::pixelAt(cmyk, x, y), b = test::pixelAt(rgb, x, y);
            total += std::abs(redOf(a) - redOf(b)) + std::abs(greenOf(a) - greenOf(b)) +
                     std::abs(blueOf(a) - blueOf(b));
        }
    EXPECT_LT(total / (rgb.width() * rgb.height() * 3), 16) << "mean channel difference";
}

TEST(JpegReader, ResolutionInPixelsPerMetre) {
    RasterImage image;
    // JFIF header: units 2 (per centimetre), X density 1, Y density 2.
    ASSERT_TRUE(test::readWith(readJpeg, test::imageData("jpeg/jfif_unit_cm.jpg"), image));
    EXPECT_EQ(image.xResolution(), 100);
    EXPECT_EQ(image.yResolution(), 200);
    // Per inch: 96 dpi, 3779.5 per metre.
    ASSERT_TRUE(test::readWith(readJpeg, test::imageData("jpeg/hopper.jpg"), image));
    EXPECT_EQ(image.xResolution(), 3780);
    // No JFIF header (the resolution sits in Photoshop's own block): none.
    ASSERT_TRUE(test::readWith(readJpeg, test::imageData("jpeg/photoshop-200dpi.jpg"), image));
    EXPECT_EQ(image.xResolution(), 0);
}

TEST(JpegReader, ATruncatedFileLoadsWithOneWarning) {
    const std::string whole = test::readWholeFile(test::imageData("jpeg/hopper.jpg"));
    RasterImage first, second;
    test::RecordedReports reports;
    ASSERT_TRUE(test::loadBytes(whole.substr(0, whole.size() / 2), "a.jpg", first));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports.all()[0].first, "JPEG Library Error");
    // Whatever fills the missing part is decided by the decoder, not by chance.
    ASSERT_TRUE(test::loadBytes(whole.substr(0, whole.size() / 2), "a.jpg", second));
    EXPECT_EQ(test::maxChannelDifference(first, second), 0);
    // The part that was there matches the whole file.
    RasterImage full;
    ASSERT_TRUE(test::loadBytes(whole, "a.jpg", full));
    EXPECT_EQ(test::pixelAt(first, 5, 5), test::pixelAt(full, 5, 5));
}

std::string withSize(std::string jpeg, int width, int height) {
    const std::size_t sof = jpeg.find("\xFF\xC0");
    EXPECT_NE(sof, std::string::npos);
    jpeg[sof + 5] = static_cast<char>(height >> 8);
    jpeg[sof + 6] = static_cast<char>(height & 0xFF);
    jpeg[sof + 7] = static_cast<char>(width >> 8);
    jpeg[sof + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

TEST(JpegReader, RefusesAClaimedSizeTheDataCannotHold) {
    const std::string hopper = test::readWholeFile(test::imageData("jpeg/hopper.jpg"));
    test::RecordedReports quiet;
    RasterImage image;
    // 12000 x 12000 needs 562500 MCUs, at least one bit each: far more than 6 KB.
    EXPECT_FALSE(test::readBytesWith(readJpeg, withSize(hopper, 12000, 12000), image));
    EXPECT_TRUE(image.empty());
    // 1000 x 1000 fits the bound, loads, and the data simply end early.
    ASSERT_TRUE(test::readBytesWith(readJpeg, withSize(hopper, 1000, 1000), image));
    EXPECT_EQ(image.width(), 1000);
}

// Reads back what libjpeg itself sees in a written file.
struct JpegFacts {
    int components = 0;
    int width = 0;
    int height = 0;
    std::vector<int> luminance, chrominance;  // natural order
};

struct FactsError {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

bool readFacts(const std::string& bytes, JpegFacts& facts) {
    jpeg_decompress_struct cinfo{};
    FactsError err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = [](j_common_ptr c) {
        std::longjmp(reinterpret_cast<FactsError*>(c->err)->jump, 1);
    };
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    facts.components = cinfo.num_components;
    facts.width = static_cast<int>(cinfo.image_width);
    facts.height = static_cast<int>(cinfo.image_height);
    for (int t = 0; t < 2; ++t) {
        auto& out = t == 0 ? facts.luminance : facts.chrominance;
        out.clear();
        if (cinfo.quant_tbl_ptrs[t])
            for (int i = 0; i < 64; ++i) out.push_back(cinfo.quant_tbl_ptrs[t]->quantval[i]);
    }
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// The example tables of the JPEG standard (Annex K), scaled for quality 75
// by the standard's rule: 50 percent, rounded, at least 1.
std::vector<int> atQuality75(const int (&table)[64]) {
    std::vector<int> out;
    for (int v : table) out.push_back(std::max(1, (v * 50 + 50) / 100));
    return out;
}
const int kLuminance[64] = {16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
                            14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
                            18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
                            49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
const int kChrominance[64] = {17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
                              24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
                              99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
                              99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

std::string writeToString(const RasterImage& image,
                          bool (*writer)(const RasterImage&, BufferedFile&), bool* ok = nullptr) {
    test::TempDir dir;
    {
        BufferedFile file;
        EXPECT_TRUE(file.open(dir.file("out"), BufferedFile::Mode::Write));
        const bool written = writer(image, file);
        if (ok) *ok = written;
        EXPECT_TRUE(file.close());
    }
    return test::readWholeFile(dir.file("out"));
}

TEST(JpegWriter, ColourFramesHaveThreeComponentsAtQuality75) {
    const RasterImage frame =
        test::makeImage(40, 30, [](int x, int y) { return packColour(x * 6, y * 8, 255 - x * 3); });
    const std::string bytes = writeToString(frame, writeJpeg);
    JpegFacts facts;
    ASSERT_TRUE(readFacts(bytes, facts));
    EXPECT_EQ(facts.components, 3);
    EXPECT_EQ(facts.width, 40);
    EXPECT_EQ(facts.height, 30);
    EXPECT_EQ(facts.luminance, atQuality75(kLuminance));
    EXPECT_EQ(facts.chrominance, atQuality75(kChrominance));

    RasterImage back;
    ASSERT_TRUE(test::readBytesWith(readJpeg, bytes, back));
    EXPECT_LE(test::maxChannelDifference(frame, back), 24)
        << "top row first, red not swapped with blue";
    EXPECT_GT(redOf(test::pixelAt(back, 40, 15)), 200);
    EXPECT_GT(greenOf(test::pixelAt(back, 20, 30)), 200);
}

// Quality 50 is the standard's own tables; other qualities scale them.
TEST(JpegWriter, QualityChoosesTheTables) {
    const RasterImage frame =
        test::makeImage(16, 16, [](int x, int y) { return packColour(x, y, 9); });
    test::TempDir dir;
    BufferedFile file;
    ASSERT_TRUE(file.open(dir.file("out"), BufferedFile::Mode::Write));
    ASSERT_TRUE(writeJpegAtQuality(frame, file, 50));
    ASSERT_TRUE(file.close());
    JpegFacts facts;
    ASSERT_TRUE(readFacts(test::readWholeFile(dir.file("out")), facts));
    EXPECT_EQ(facts.luminance, std::vector<int>(std::begin(kLuminance), std::end(kLuminance)));
    EXPECT_EQ(facts.chrominance,
              std::vector<int>(std::begin(kChrominance), std::end(kChrominance)));
}

TEST(JpegWriter, GreyPaletteImagesHaveOneComponent) {
    RasterImage grey;
    ASSERT_TRUE(grey.create(16, 8, 8));
    for (int i = 0; i < 256; ++i)
        grey.setColour(i, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i),
                       static_cast<std::uint8_t>(i));
    for (int x = 1; x <= 16; ++x)
        for (int y = 1; y <= 8; ++y) grey.putIndex(x, y, static_cast<std::uint8_t>(x * 15));
    JpegFacts facts;
    const std::string bytes = writeToString(grey, writeJpeg);
    ASSERT_TRUE(readFacts(bytes, facts));
    EXPECT_EQ(facts.components, 1);
    RasterImage back;
    ASSERT_TRUE(test::readBytesWith(readJpeg, bytes, back));
    EXPECT_EQ(back.bitsPerPixel(), 8);
    EXPECT_LE(test::maxChannelDifference(grey, back), 12);

    // A palette with colour in it is written in colour.
    RasterImage coloured;
    ASSERT_TRUE(coloured.create(8, 8, 4));
    coloured.setColour(1, 200, 10, 10);
    ASSERT_TRUE(readFacts(writeToString(coloured, writeJpeg), facts));
    EXPECT_EQ(facts.components, 3);
}

TEST(JpegWriter, ALibraryErrorIsReportedAndTheProgramGoesOn) {
    RasterImage tooWide;  // JPEG holds at most 65500 pixels a side
    ASSERT_TRUE(tooWide.create(70000, 2, 24));
    test::RecordedReports reports;
    bool ok = true;
    writeToString(tooWide, writeJpeg, &ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports.all()[0].first, "JPEG Library Error");
    EXPECT_NE(reports.all()[0].second.find("65500"), std::string::npos) << reports.all()[0].second;
}

TEST(JpegWriter, AFileErrorIsReported) {
    test::TempDir dir;
    test::writeWholeFile(dir.file("locked"), "");
    const RasterImage frame =
        test::makeImage(64, 64, [](int x, int y) { return packColour(x * 4, y * 4, x ^ y); });
    test::RecordedReports reports;
    for (auto* writer : {writeJpeg, writePng}) {
        BufferedFile file;
        file.attach(std::fopen(dir.file("locked").c_str(), "rb"), true);  // every write fails
        EXPECT_FALSE(writer(frame, file));
    }
    EXPECT_EQ(reports.size(), 2u);
}

}  // namespace
}  // namespace turnpixa
