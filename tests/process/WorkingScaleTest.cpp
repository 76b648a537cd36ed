#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>

#include "image/BufferedFile.h"
#include "image/ImageFormats.h"
#include "image/Stretch.h"
#include "process/FrameRenderer.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

using test::makeImage;
using test::pixelAt;

ProcessingSettings frameOf(int width, int height) {
    ProcessingSettings s;
    s.outputWidth = width;
    s.outputHeight = height;
    return s;
}

// Peak signal-to-noise ratio over every channel of two 24-bit images.
double psnr(const RasterImage& a, const RasterImage& b) {
    EXPECT_EQ(a.width(), b.width());
    EXPECT_EQ(a.height(), b.height());
    double sum = 0;
    std::int64_t n = 0;
    for (int y = 0; y < a.height() && y < b.height(); ++y) {
        const std::uint8_t* p = a.rowData(y);
        const std::uint8_t* q = b.rowData(y);
        for (int i = 0; i < 3 * std::min(a.width(), b.width()); ++i, ++n) {
            const double d = double(p[i]) - double(q[i]);
            sum += d * d;
        }
    }
    if (n == 0) return 0;
    if (sum == 0) return 99;
    return 10 * std::log10(255.0 * 255.0 / (sum / static_cast<double>(n)));
}

void saveImage(const RasterImage& image, const std::string& path, bool png) {
    BufferedFile out;
    ASSERT_TRUE(out.open(path, BufferedFile::Mode::Write));
    ASSERT_TRUE(png ? writePng(image, out) : writeJpeg(image, out));
    ASSERT_TRUE(out.close());
}

// A product shot without a soft edge anywhere: sharp-cornered blocks of
// saturated colour, a disc and a few black rules on a light ground.
RasterImage hardEdged(int width, int height) {
    return makeImage(width, height, [width, height](int x, int y) {
        const int rule = std::max(2, width / 150);
        if ((x + y / 3) % (width / 3) < rule || y % (height / 3) < rule) return kBlack;
        const int dx = x - width * 2 / 3, dy = y - height / 2;
        if (dx * dx + dy * dy < height * height / 10) return packColour(20, 40, 160);
        if (x > width / 8 && x < width / 2 && y > height / 6 && y < height * 3 / 5)
            return packColour(230, 0, 0);
        if (y > height * 5 / 6 && x < width / 2) return (x / (width / 16)) % 2 ? kBlack : kWhite;
        return packColour(240, 236, 225);
    });
}

// Busier still, and harder than a photo: three-pixel rules and bars a few
// frame pixels apart. Only from 3/8 up do its frames reach 40 dB.
RasterImage busyEdges(int width, int height) {
    return makeImage(width, height, [width, height](int x, int y) {
        if (x % (width / 9) < 3 || y % (height / 7) < 3) return kBlack;
        if (y > height * 4 / 5) return (x / (width / 24)) % 2 ? kBlack : kWhite;
        if ((x / (width / 6) + y / (height / 5)) % 3 == 0) return packColour(255, 0, 0);
        return packColour(250, 230, 90);
    });
}

// Lettering in a 5 x 7 grid, one byte a row, bit 4 the leftmost column.
constexpr std::uint8_t kLetters[4][7] = {
    {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E},  // S
    {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10},  // P
    {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E},  // I
    {0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11},  // N
};

// What a turntable shoot looks like at camera size, edges left as hard as
// a pixel: a dark bottle on white with a cream label, a line of lettering
// (strokes about a JPEG block wide) and a rule on it; beside it a shoe-like
// body with a pale sole and lace bars.
RasterImage productShot(int width, int height) {
    return makeImage(width, height, [width, height](int x, int y) {
        const double u = double(x) / width, v = double(y) / height;
        const double fromAxis = std::abs(u - 0.3);
        const bool neck = v > 0.08 && v <= 0.2 && fromAxis < 0.04;
        const bool shoulder = v > 0.2 && v <= 0.3 && fromAxis < 0.04 + 0.08 * (v - 0.2) / 0.1;
        const bool body = v > 0.3 && v < 0.92 && fromAxis < 0.12;
        if (neck || shoulder || body) {
            if (v < 0.12) return packColour(30, 30, 30);  // cap
            if (v < 0.45 || v > 0.8 || fromAxis > 0.11) return packColour(26, 58, 34);
            const int cell = std::max(1, width / 330);  // a stroke about a block wide
            const int gx = (x - int(0.2 * width)) / cell, gy = (y - int(0.5 * height)) / cell;
            if (gx >= 0 && gy >= 0 && gy < 7 && gx < 24 && gx % 6 < 5 &&
                (kLetters[gx / 6][gy] >> (4 - gx % 6)) & 1)
                return packColour(16, 16, 16);
            if (v > 0.72 && v < 0.72 + double(cell) / height && fromAxis < 0.09)
                return packColour(16, 16, 16);
            return packColour(240, 232, 216);
        }
        const double du = (u - 0.72) / 0.22, dv = (v - 0.6) / 0.2;
        if (du * du + dv * dv < 1 || (v > 0.6 && v < 0.75 && std::abs(u - 0.72) < 0.24)) {
            if (v > 0.7) return packColour(235, 235, 230);  // sole
            if (v > 0.45 && v < 0.55 && u > 0.62 && u < 0.8 && int(u * 200) % 3 == 0)
                return packColour(245, 245, 245);  // laces
            return packColour(32, 48, 160);
        }
        return kWhite;
    });
}

TEST(WorkingScale, LargestReductionThatStillLeavesTwiceTheFrame) {
    EXPECT_EQ(workingEighths(4000, 3000, frameOf(400, 300)), 2);  // 1000 x 750
    EXPECT_EQ(workingEighths(4000, 3000, frameOf(800, 600)), 4);
    EXPECT_EQ(workingEighths(4000, 3000, frameOf(250, 187)), 1);  // exactly enough
    EXPECT_EQ(workingEighths(4000, 3000, frameOf(251, 100)), 2);
    EXPECT_EQ(workingEighths(4000, 3000, frameOf(100, 188)), 2);  // the height decides
    EXPECT_EQ(workingEighths(4000, 3000, frameOf(1750, 1312)), 7);
    EXPECT_EQ(workingEighths(4000, 3000, frameOf(1751, 1312)), 8);
    EXPECT_EQ(workingEighths(4000, 3000, frameOf(6000, 4500)), 8);  // larger than the photo
    // A height not derived yet follows the aspect; the crop replaces the photo.
    EXPECT_EQ(workingEighths(4000, 3000, frameOf(240, 0)), 1);
    EXPECT_EQ(workingEighths(4000, 3000, frameOf(250, 0)), 2);  // 187.5 rounds up
    ProcessingSettings crop = frameOf(400, 300);
    crop.cropOn = true;
    crop.crop = Rect{1000, 500, 3000, 2000};  // 2000 x 1500
    EXPECT_EQ(workingEighths(4000, 3000, crop), 4);
    crop.crop = Rect{10, 10, 10, 20};  // no area: the whole photo
    EXPECT_EQ(workingEighths(4000, 3000, crop), 2);
}

TEST(WorkingScale, ReductionAveragesOnlyThePixelsThereAre) {
    // Blocks of 8 x 8 in one colour each, 21 x 10 pixels: the last column
    // of blocks is 5 wide and the last row 2 high.
    auto blockColour = [](int bx, int by) { return packColour(60 * bx, 100 + 40 * by, 7); };
    const RasterImage full =
        makeImage(21, 10, [&](int x, int y) { return blockColour(x / 8, y / 8); });
    RasterImage reduced;
    ASSERT_TRUE(reduceToEighths(full, 1, reduced));
    ASSERT_EQ(reduced.width(), 3);
    ASSERT_EQ(reduced.height(), 2);
    for (int by = 0; by < 2; ++by)
        for (int bx = 0; bx < 3; ++bx)
            EXPECT_EQ(pixelAt(reduced, bx + 1, by + 1), blockColour(bx, by)) << bx << "," << by;
    ASSERT_TRUE(reduceToEighths(full, 3, reduced));
    EXPECT_EQ(reduced.width(), 8);  // 21 * 3 / 8 rounded up
    EXPECT_EQ(reduced.height(), 4);
    EXPECT_FALSE(reduceToEighths(full, 8, reduced));
    EXPECT_FALSE(reduceToEighths(full, 0, reduced));
}

TEST(WorkingScale, StretchFromAReducedSourceWeighsExactCoverage) {
    // A picture that is constant over 8 x 8 blocks is held exactly at 1/8;
    // at 1/2 over 2 x 2 blocks. Stretching any rectangle from the reduced
    // source then gives what stretching from the full picture gives.
    for (int eighths : {1, 2, 4}) {
        const int block = 8 / eighths;
        const RasterImage full = makeImage(203, 157, [block](int x, int y) {
            const int bx = x / block, by = y / block;
            return packColour((bx * 37) % 256, (by * 53) % 256, ((bx ^ by) * 29) % 256);
        });
        RasterImage reduced;
        ASSERT_TRUE(reduceToEighths(full, eighths, reduced));
        for (const Rect& r : {Rect{0, 0, 203, 157}, Rect{13, 7, 190, 150}, Rect{-5, 3, 77, 41},
                              Rect{100, 90, 210, 160}}) {
            for (auto [w, h] : {std::pair{40, 30}, std::pair{17, 23}, std::pair{3, 2}}) {
                RasterImage a, b;
                ASSERT_TRUE(a.create(w, h, 24) && b.create(w, h, 24));
                ASSERT_TRUE(smoothStretch(full, r, a));
                const PictureScale scale{full.width(), full.height(), eighths};
                ASSERT_TRUE(smoothStretchEighths(reduced, scale, r, b));
                // Ties may round apart when the two sums' totals differ.
                EXPECT_LE(test::maxChannelDifference(a, b), 1)
                    << eighths << " " << r.left << "," << r.top << " " << w << "x" << h;
                ASSERT_TRUE(fastStretch(full, r, a));
                ASSERT_TRUE(fastStretchEighths(reduced, scale, r, b));
                EXPECT_EQ(test::maxChannelDifference(a, b), 0)
                    << eighths << " " << r.left << "," << r.top << " " << w << "x" << h;
            }
        }
    }
}

// A frame rendered from the working scale against the same frame rendered
// from every pixel of the same file: at least `minimum` dB, and closer than
// the JPEG writer's own quality 75 comes to that frame.
void expectCloseToFullResolution(const std::string& path, ProcessingSettings s, int expectEighths,
                                 double minimum = 40.0) {
    RasterImage whole;
    std::string reason;
    ASSERT_TRUE(loadPhotoFile(path, whole, &reason)) << reason;
    Photo full(std::move(whole), "full");
    std::unique_ptr<Photo> scaled = Photo::fromFile(path, s, &reason);
    ASSERT_NE(scaled, nullptr) << reason;
    EXPECT_EQ(scaled->eighths(), expectEighths) << path;
    EXPECT_EQ(scaled->width(), full.width());
    EXPECT_EQ(scaled->height(), full.height());
    for (Photo* p : {&full, scaled.get()}) {
        p->cachedSettings() = s;
        p->setPan(-24, 17);
    }
    EXPECT_EQ(scaled->panX, full.panX);
    const RasterImage a = render(full, s);
    const RasterImage b = render(*scaled, s);
    ASSERT_FALSE(a.empty());
    const double scaledPsnr = psnr(a, b);
    EXPECT_GE(scaledPsnr, minimum)
        << path << " at " << s.outputWidth << " eighths " << scaled->eighths();
    test::TempDir dir;
    saveImage(a, dir.file("q75.jpg"), false);
    RasterImage q75;
    ASSERT_TRUE(loadPhotoFile(dir.file("q75.jpg"), q75));
    EXPECT_GT(scaledPsnr, psnr(a, q75)) << path << " at " << s.outputWidth;
}

TEST(WorkingScale, FramesFromTheWorkingScaleMatchFullResolution) {
    const std::string samples = std::string(TURNPIXA_SOURCE_DIR) + "/resources/sample-photos/";
    ProcessingSettings s = frameOf(400, 300);
    expectCloseToFullResolution(samples + "turntable-01.jpg", s, 4);  // 1600 x 1200
    s = frameOf(190, 142);
    expectCloseToFullResolution(samples + "turntable-04.jpg", s, 2);
    s = frameOf(300, 200);
    s.cropOn = true;
    s.crop = Rect{301, 253, 1333, 1001};
    s.lightness = 1.2;
    expectCloseToFullResolution(samples + "turntable-02.jpg", s, 5);
}

TEST(WorkingScale, HardEdgedPhotosInJpegAndPng) {
    test::TempDir dir;
    const RasterImage picture = hardEdged(1203, 901);
    const std::string jpeg = dir.file("edges.jpg"), png = dir.file("edges.png");
    saveImage(picture, jpeg, false);
    saveImage(picture, png, true);
    for (const std::string& path : {jpeg, png}) {
        expectCloseToFullResolution(path, frameOf(150, 112), 2);
        ProcessingSettings s = frameOf(300, 200);
        s.cropOn = true;
        s.crop = Rect{77, 33, 977, 833};
        s.setRotation(1);
        expectCloseToFullResolution(path, s, 6);
    }
    saveImage(busyEdges(1203, 901), jpeg, false);
    saveImage(busyEdges(1203, 901), png, true);
    for (const std::string& path : {jpeg, png}) {
        expectCloseToFullResolution(path, frameOf(150, 112), 2, 33.0);
        expectCloseToFullResolution(path, frameOf(400, 300), 6, 36.0);
    }
}

TEST(WorkingScale, ProductShotsWithHardEdges) {
    test::TempDir dir;
    const RasterImage picture = productShot(2000, 1500);
    const std::string jpeg = dir.file("product.jpg"), png = dir.file("product.png");
    BufferedFile out;
    ASSERT_TRUE(out.open(jpeg, BufferedFile::Mode::Write));
    ASSERT_TRUE(writeJpegAtQuality(picture, out, 90));  // as cameras save
    ASSERT_TRUE(out.close());
    saveImage(picture, png, true);
    // 200 and 190 wide are 4000 to 400 and 6000 to 570 at this size, held
    // at 2/8; 125 is held at 1/8, 330 at 3/8 and the turned crop at 4/8.
    expectCloseToFullResolution(jpeg, frameOf(190, 142), 2);
    expectCloseToFullResolution(jpeg, frameOf(125, 93), 1);
    expectCloseToFullResolution(jpeg, frameOf(330, 247), 3);
    ProcessingSettings s = frameOf(240, 240);
    s.cropOn = true;
    s.crop = Rect{310, 100, 1510, 1300};  // the shoe and half the bottle
    s.setRotation(1);
    for (const std::string& path : {jpeg, png}) {
        expectCloseToFullResolution(path, frameOf(200, 150), 2);
        expectCloseToFullResolution(path, s, 4);
    }
}

TEST(WorkingScale, ALargerFrameDecodesTheFileAgain) {
    test::TempDir dir;
    const std::string path = dir.file("edges.jpg");
    saveImage(hardEdged(800, 600), path, false);
    std::string reason;
    std::unique_ptr<Photo> photo = Photo::fromFile(path, frameOf(100, 75), &reason);
    ASSERT_NE(photo, nullptr) << reason;
    EXPECT_EQ(photo->eighths(), 2);
    EXPECT_EQ(photo->source().width(), 200);

    // A full-quality render brings the source to the scale it needs; a
    // quick one makes do with what is held.
    ProcessingSettings big = frameOf(200, 150);
    big.quick = true;
    ASSERT_NE(renderAnew(*photo, big, {}), nullptr);
    EXPECT_EQ(photo->eighths(), 2);
    big.quick = false;
    ASSERT_NE(renderAnew(*photo, big, {}), nullptr);
    EXPECT_EQ(photo->eighths(), 4);
    EXPECT_EQ(photo->source().width(), 400);
    EXPECT_EQ(photo->width(), 800);

    // A file that is no longer the photo it was leaves the source as it is.
    saveImage(hardEdged(640, 480), path, false);
    EXPECT_FALSE(photo->matchScale(frameOf(100, 75), &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(photo->eighths(), 4);
    // Nor is it read again at that scale for every render; another scale
    // tries again.
    saveImage(hardEdged(800, 600), path, false);
    EXPECT_FALSE(photo->matchScale(frameOf(100, 75), &reason));
    EXPECT_EQ(reason, "the file could not be read again");
    EXPECT_TRUE(photo->matchScale(frameOf(400, 300)));
    EXPECT_EQ(photo->eighths(), 8);
    std::filesystem::remove(path);
    EXPECT_FALSE(photo->matchScale(frameOf(100, 75)));
    EXPECT_EQ(photo->source().width(), 800);

    // A photo without a file keeps every pixel.
    Photo scanned(hardEdged(800, 600), "scan");
    EXPECT_EQ(scanned.eighthsFor(frameOf(100, 75)), 8);
    EXPECT_TRUE(scanned.matchScale(frameOf(100, 75)));
    EXPECT_EQ(scanned.source().width(), 800);
}

}  // namespace
}  // namespace turnpixa
