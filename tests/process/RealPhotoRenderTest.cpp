#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "image/BufferedFile.h"
#include "image/ImageFormats.h"
#include "process/FrameRenderer.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

using test::pixelAt;

Photo loadPhoto(const std::string& name) {
    RasterImage image;
    std::string reason;
    EXPECT_TRUE(loadPhotoFile(test::dataFile("process/" + name), image, &reason)) << reason;
    return Photo(std::move(image), name);
}

// Compares with the expected frame exactly, or writes it when asked to.
void expectFrame(const RasterImage& frame, const std::string& name) {
    const std::string path = test::dataFile("process/" + name);
    if (std::getenv("TURNPIXA_WRITE_EXPECTED")) {
        BufferedFile out;
        ASSERT_TRUE(out.open(path, BufferedFile::Mode::Write));
        ASSERT_TRUE(writePng(frame, out));
        ASSERT_TRUE(out.close());
        return;
    }
    RasterImage expected;
    std::string reason;
    ASSERT_TRUE(loadPhotoFile(path, expected, &reason)) << reason;
    EXPECT_EQ(test::maxChannelDifference(frame, expected), 0)
        << name << ": " << test::describeDifference(frame, expected);
}

ProcessingSettings flowerSettings() {
    ProcessingSettings s;
    s.outputWidth = 240;
    s.outputHeight = 180;
    return s;
}

TEST(RealPhotoRender, FullQualityWithEverything) {
    Photo photo = loadPhoto("flower.jpg");
    ASSERT_EQ(photo.width(), 480);
    SpinLogo logo;
    ASSERT_TRUE(logo.load());
    ProcessingSettings s = flowerSettings();
    s.cropOn = true;
    s.crop = Rect{120, 60, 440, 300};  // the blossom
    photo.cachedSettings() = s;
    photo.setPan(-20, 10);
    s.setRotation(1);
    s.lightness = 1.3;
    s.frameWidth = 16;
    s.frameColour = packColour(255, 250, 235);
    const RasterImage* frame = processedOutputImage(photo, s, LogoPlacement{&logo, 8, 4, 3});
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->width(), 180);
    ASSERT_EQ(frame->height(), 240);
    expectFrame(*frame, "expected-flower-full.png");
}

TEST(RealPhotoRender, QuickFrame) {
    const Photo photo = loadPhoto("flower.jpg");
    ProcessingSettings s = flowerSettings();
    s.quick = true;
    s.frameWidth = 16;  // ignored in quick frames
    expectFrame(render(photo, s), "expected-flower-quick.png");
}

TEST(RealPhotoRender, SmallPreviewAndThumbnail) {
    Photo photo = loadPhoto("flower.jpg");
    ASSERT_EQ(photo.smallPreview().width(), 64);
    ASSERT_EQ(photo.smallPreview().height(), 48);
    expectFrame(photo.smallPreview(), "expected-flower-preview.png");
    expectFrame(photo.thumbnail(), "expected-flower-thumbnail.png");
}

// Red letters on a black ground: the ground becomes the replacement colour,
// the letters keep theirs.
TEST(RealPhotoRender, RemovalOnAPlainBackdrop) {
    const Photo photo = loadPhoto("pil_sample_rgb.jpg");
    ProcessingSettings s;
    s.outputWidth = 200;
    s.outputHeight = 200;
    const RasterImage plain = render(photo, s);
    s.removalOn = true;
    s.replacementColour = packColour(255, 255, 255);
    const RasterImage removed = render(photo, s);
    ASSERT_FALSE(removed.empty());
    const PackedColour k = removed.backgroundColour();
    EXPECT_LE(redOf(k) + greenOf(k) + blueOf(k), 12) << std::hex << k;

    int ground = 0, groundWhite = 0, letters = 0, lettersKept = 0;
    for (int y = 1; y <= 200; ++y)
        for (int x = 1; x <= 200; ++x) {
            const PackedColour p = pixelAt(plain, x, y);
            const int d = std::abs(redOf(p) - redOf(k)) + std::abs(greenOf(p) - greenOf(k)) +
                          std::abs(blueOf(p) - blueOf(k));
            if (d <= 6) {
                ++ground;
                // At most 6 from the ground: r <= 3, so at least 97 % white.
                const PackedColour q = pixelAt(removed, x, y);
                if (redOf(q) >= 240 && greenOf(q) >= 240 && blueOf(q) >= 240) ++groundWhite;
            } else if (d >= 180) {
                ++letters;
                if (pixelAt(removed, x, y) == p) ++lettersKept;
            }
        }
    EXPECT_GT(ground, 20000);
    EXPECT_EQ(groundWhite, ground);
    EXPECT_GT(letters, 2000);
    EXPECT_EQ(lettersKept, letters);
    expectFrame(removed, "expected-red-removed.png");
}

int distance(PackedColour p, PackedColour k) {
    return std::abs(redOf(p) - redOf(k)) + std::abs(greenOf(p) - greenOf(k)) +
           std::abs(blueOf(p) - blueOf(k));
}

// A mug on a turntable in front of a light-grey sweep: the sweep turns
// white, the mug and the turntable keep their colours.
TEST(RealPhotoRender, SamplePhotoBackdropBecomesWhite) {
    RasterImage source;
    std::string reason;
    ASSERT_TRUE(loadPhotoFile(
        std::string(TURNPIXA_SOURCE_DIR) + "/resources/sample-photos/turntable-01.jpg", source,
        &reason))
        << reason;
    const Photo photo(std::move(source), "turntable-01.jpg");
    ProcessingSettings s;
    s.outputWidth = 400;
    s.outputHeight = 300;
    const RasterImage plain = render(photo, s);
    s.removalOn = true;
    const RasterImage removed = render(photo, s);
    ASSERT_FALSE(removed.empty());
    const PackedColour k = removed.backgroundColour();
    EXPECT_GT(redOf(k), 180);
    EXPECT_LE(std::abs(redOf(k) - blueOf(k)), 15);

    int near = 0, nearWhite = 0, far = 0, farKept = 0;
    for (int y = 1; y <= 300; ++y)
        for (int x = 1; x <= 400; ++x) {
            const PackedColour p = pixelAt(plain, x, y);
            const PackedColour q = pixelAt(removed, x, y);
            const int d = distance(p, k);
            if (d <= 30) {
                // r <= trunc(3000 / 180) = 16: at least 84 % white, so >= 214.
                ++near;
                if (redOf(q) >= 214 && greenOf(q) >= 214 && blueOf(q) >= 214) ++nearWhite;
            } else if (d >= 180) {
                ++far;
                if (q == p) ++farKept;
            }
        }
    EXPECT_GT(near, 400 * 300 / 4);
    EXPECT_EQ(nearWhite, near);
    EXPECT_GT(far, 400 * 300 / 10);
    EXPECT_EQ(farKept, far);
    expectFrame(removed, "expected-turntable-removed.png");
}

}  // namespace
}  // namespace turnpixa
