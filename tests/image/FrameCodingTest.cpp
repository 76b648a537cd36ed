#include <png.h>
#include <webp/decode.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormatTestUtil.h"
#include "image/ImageFormats.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

std::string written(const std::function<bool(BufferedFile&)>& write) {
    test::TempDir dir;
    {
        BufferedFile file;
        EXPECT_TRUE(file.open(dir.file("out"), BufferedFile::Mode::Write));
        EXPECT_TRUE(write(file));
        EXPECT_TRUE(file.close());
    }
    return test::readWholeFile(dir.file("out"));
}

RasterImage sampleFrame(int width, int height) {
    RasterImage photo;
    EXPECT_TRUE(loadPhotoFile(
        std::string(TURNPIXA_SOURCE_DIR) + "/resources/sample-photos/turntable-01.jpg", photo));
    EXPECT_TRUE(photo.resize(width, height));
    return photo;
}

bool progressive(const std::string& jpeg) {
    return jpeg.find("\xFF\xC2", 0, 2) != std::string::npos;
}

// Huffman tables and scan order are lossless: every frame decodes to the
// pixels a plain baseline file of the same quality gives.
TEST(JpegWriter, TheSmallestCodingKeepsThePlainFilesPixels) {
    for (const auto& [w, h] : {std::pair{400, 300}, std::pair{1200, 900}}) {
        const RasterImage frame = sampleFrame(w, h);
        auto coded = [&](JpegCoding c) {
            return written([&](BufferedFile& f) { return writeJpegCoded(frame, f, 75, c); });
        };
        const std::string plain = coded(JpegCoding::Plain);
        const std::string optimised = coded(JpegCoding::Optimised);
        const std::string stepwise = coded(JpegCoding::Progressive);
        const std::string smallest = written([&](BufferedFile& f) { return writeJpeg(frame, f); });
        EXPECT_EQ(smallest.size(), std::min(optimised.size(), stepwise.size())) << w;
        EXPECT_LE(smallest.size() * 100, plain.size() * 96) << w;
        EXPECT_FALSE(progressive(plain));
        EXPECT_TRUE(progressive(stepwise));
        RasterImage before, after;
        ASSERT_TRUE(test::readBytesWith(readJpeg, plain, before));
        for (const std::string* bytes : {&optimised, &stepwise}) {
            ASSERT_TRUE(test::readBytesWith(readJpeg, *bytes, after));
            EXPECT_EQ(test::maxChannelDifference(before, after), 0)
                << w << " x " << h << (bytes == &stepwise ? " progressive" : " sequential");
        }
    }
}

// A frame whose removed background is transparent: red object, a ramp,
// and transparent backdrop.
RasterImage transparentFrame() {
    RasterImage frame = test::makeImage(
        40, 20, [](int x, int) { return x < 20 ? packColour(200, 30, 40) : kWhite; });
    EXPECT_TRUE(frame.addAlpha());
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            frame.alpha()[y * 40 + x] = static_cast<std::uint8_t>(x < 20   ? 255
                                                                  : x < 30 ? (30 - x) * 25
                                                                           : 0);
    return frame;
}

TEST(WebpWriter, WritesALossyFrameWithAlphaWhenThereIsOne) {
    const RasterImage frame = sampleFrame(400, 300);
    const std::string bytes =
        written([&](BufferedFile& f) { return writeWebp(frame, f, kDefaultWebpQuality); });
    ASSERT_GT(bytes.size(), 12u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(12, 4), "VP8 ") << "lossy, no alpha chunk";
    RasterImage back;
    ASSERT_TRUE(test::readBytesWith(readWebp, bytes, back));
    ASSERT_EQ(back.width(), 400);
    ASSERT_EQ(back.height(), 300);
    long total = 0;
    for (int y = 1; y <= 300; y += 7)
        for (int x = 1; x <= 400; x += 7) {
            const PackedColour a = test::pixelAt(frame, x, y), b = test::pixelAt(back, x, y);
            total += std::abs(redOf(a) - redOf(b)) + std::abs(greenOf(a) - greenOf(b)) +
                     std::abs(blueOf(a) - blueOf(b));
        }
    EXPECT_LT(total / (43 * 58 * 3), 6) << "top row first, red not swapped with blue";
    // A smaller quality gives a smaller file.
    EXPECT_LT(written([&](BufferedFile& f) { return writeWebp(frame, f, 30); }).size(),
              bytes.size());

    const RasterImage clear = transparentFrame();
    const std::string withAlpha =
        written([&](BufferedFile& f) { return writeWebp(clear, f, kDefaultWebpQuality); });
    int w = 0, h = 0;
    std::uint8_t* rgba = WebPDecodeRGBA(reinterpret_cast<const std::uint8_t*>(withAlpha.data()),
                                        withAlpha.size(), &w, &h);
    ASSERT_NE(rgba, nullptr);
    ASSERT_EQ(w, 40);
    EXPECT_EQ(rgba[(10 * 40 + 5) * 4 + 3], 255);
    EXPECT_EQ(rgba[(10 * 40 + 35) * 4 + 3], 0);
    EXPECT_NEAR(rgba[(10 * 40 + 25) * 4 + 3], 125, 3);  // alpha is kept losslessly
    EXPECT_GT(rgba[(10 * 40 + 5) * 4], 180);
    WebPFree(rgba);
}

TEST(PngWriter, AFrameWithAlphaBecomesRgba) {
    const RasterImage frame = transparentFrame();
    const std::string bytes = written([&](BufferedFile& f) { return writePng(frame, f); });
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()));
    EXPECT_NE(image.format & PNG_FORMAT_FLAG_ALPHA, 0u);
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(pixels[(3 * 40 + x) * 4 + 3], frame.alpha()[3 * 40 + x]) << x;
        EXPECT_EQ(pixels[(3 * 40 + x) * 4], redOf(test::pixelAt(frame, x + 1, 4))) << x;
    }
    // Without alpha it stays the three-channel file it always was.
    RasterImage opaque = frame;
    opaque.alpha().clear();
    const std::string plain = written([&](BufferedFile& f) { return writePng(opaque, f); });
    EXPECT_EQ(static_cast<unsigned char>(plain[25]), 2u) << "colour type RGB";
}

TEST(WebpReader, LoadsPhotosLikeAnyOther) {
    RasterImage lossy;
    std::string reason;
    ASSERT_TRUE(loadPhotoFile(test::imageData("webp-hopper-lossy.webp"), lossy, &reason)) << reason;
    RasterImage jpeg;
    ASSERT_TRUE(loadPhotoFile(test::imageData("jpeg/hopper.jpg"), jpeg));
    ASSERT_EQ(lossy.width(), 128);
    EXPECT_EQ(lossy.bitsPerPixel(), 24);
    EXPECT_LT(test::maxChannelDifference(lossy, jpeg), 80);

    // Lossless with alpha: exactly the reference pixels over white.
    RasterImage alpha;
    ASSERT_TRUE(loadPhotoFile(test::imageData("webp-basn6a08-lossless.webp"), alpha));
    const std::string reference =
        test::readWholeFile(test::imageData("pngsuite/reference/basn6a08.rgba8"));
    ASSERT_EQ(reference.size(), 32u * 32u * 4u);
    int worst = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const auto* p =
                reinterpret_cast<const std::uint8_t*>(reference.data()) + (y * 32 + x) * 4;
            const PackedColour got = test::pixelAt(alpha, x + 1, y + 1);
            const int want = (p[0] * p[3] + 255 * (255 - p[3]) + 127) / 255;
            worst = std::max(worst, std::abs(redOf(got) - want));
        }
    EXPECT_EQ(worst, 0);

    for (const auto& [file, says] : {std::pair{"webp-truncated.webp", "a damaged WebP file"},
                                     std::pair{"webp-animated.webp", "animated"}}) {
        RasterImage refused;
        EXPECT_FALSE(loadPhotoFile(test::imageData(file), refused, &reason)) << file;
        EXPECT_NE(reason.find(says), std::string::npos) << reason;
        EXPECT_TRUE(refused.empty());
    }
}

}  // namespace
}  // namespace turnpixa
