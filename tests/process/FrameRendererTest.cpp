#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "process/FrameRenderer.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

using test::makeImage;
using test::pixelAt;

// Every pixel of a source up to 4096 x 4096 has its own colour.
PackedColour positionColour(int x, int y) {
    return packColour(x & 255, y & 255, (x >> 8) | ((y >> 8) << 4));
}

Photo positionPhoto(int w, int h) {
    return Photo(makeImage(w, h, positionColour), "pos");
}

ProcessingSettings sized(int w, int h) {
    ProcessingSettings s;
    s.outputWidth = w;
    s.outputHeight = h;
    return s;
}

TEST(Render, MakesAFrameOfTheOutputSize) {
    const Photo photo = positionPhoto(800, 600);
    const RasterImage frame = render(photo, sized(400, 300));
    EXPECT_EQ(frame.width(), 400);
    EXPECT_EQ(frame.height(), 300);
    EXPECT_EQ(frame.bitsPerPixel(), 24);
    EXPECT_EQ(frame.xResolution(), 2835);
}

TEST(Render, QuarterTurnTakesTheTopRowFromTheLeftColumn) {
    const Photo photo = positionPhoto(400, 300);
    for (const bool quick : {false, true}) {
        ProcessingSettings s = sized(400, 300);
        s.quick = quick;
        s.setRotation(1);
        const RasterImage frame = render(photo, s);
        ASSERT_EQ(frame.width(), 300);
        ASSERT_EQ(frame.height(), 400);
        for (int x = 1; x <= 300; ++x)
            ASSERT_EQ(pixelAt(frame, x, 1), positionColour(0, 300 - x)) << x << " quick " << quick;
        // The source's top row is now the right column.
        EXPECT_EQ(pixelAt(frame, 300, 17), positionColour(16, 0));
    }
}

TEST(Render, OtherTurns) {
    const Photo photo = positionPhoto(40, 30);
    ProcessingSettings s = sized(40, 30);
    s.setRotation(2);
    RasterImage half = render(photo, s);
    ASSERT_EQ(half.width(), 40);
    EXPECT_EQ(pixelAt(half, 1, 1), positionColour(39, 29));
    s.setRotation(-1);  // counter-clockwise: the top row becomes the left column
    RasterImage left = render(photo, s);
    ASSERT_EQ(left.width(), 30);
    ASSERT_EQ(left.height(), 40);
    EXPECT_EQ(pixelAt(left, 1, 40), positionColour(0, 0));
    EXPECT_EQ(pixelAt(left, 1, 1), positionColour(39, 0));
}

TEST(Render, CropIsMovedByThePanWhileThePanIsSmallerThanTheCrop) {
    Photo photo = positionPhoto(400, 300);
    ProcessingSettings s = sized(100, 100);
    s.cropOn = true;
    s.crop = Rect{100, 50, 200, 150};
    auto topLeft = [&](int panX, int panY) {
        photo.panX = panX;
        photo.panY = panY;
        return pixelAt(render(photo, s), 1, 1);
    };
    EXPECT_EQ(topLeft(0, 0), positionColour(100, 50));
    EXPECT_EQ(topLeft(30, -20), positionColour(130, 30));
    EXPECT_EQ(topLeft(-99, 0), positionColour(1, 50));
    EXPECT_EQ(topLeft(100, 0), positionColour(100, 50));  // not below the crop width
    EXPECT_EQ(topLeft(-100, 0), positionColour(100, 50));
    EXPECT_EQ(topLeft(30, 100), positionColour(100, 50));  // height too: not moved at all
}

TEST(Render, CropOffShowsTheWholeSource) {
    Photo photo = positionPhoto(200, 100);
    photo.panX = 10;
    ProcessingSettings s = sized(200, 100);
    s.crop = Rect{50, 50, 60, 60};
    const RasterImage frame = render(photo, s);
    EXPECT_EQ(pixelAt(frame, 1, 1), positionColour(0, 0));
    EXPECT_EQ(pixelAt(frame, 200, 100), positionColour(199, 99));
    // A crop without area is taken as the whole source too.
    s.cropOn = true;
    s.crop = Rect{};
    EXPECT_EQ(pixelAt(render(photo, s), 200, 100), positionColour(199, 99));
}

TEST(Render, BadSettingsOrSourceGiveNoFrame) {
    const Photo photo = positionPhoto(20, 20);
    EXPECT_TRUE(render(photo, sized(400, 0)).empty());  // height not derived yet
    EXPECT_TRUE(render(photo, sized(-5, 10)).empty());
    EXPECT_TRUE(render(photo, sized(200000, 200000)).empty());
    const Photo none(RasterImage{}, "none");
    EXPECT_TRUE(render(none, sized(10, 10)).empty());
    EXPECT_EQ(none.width(), 1);
    EXPECT_EQ(none.height(), 1);
}

Photo greyPhoto(int grey) {
    return Photo(makeImage(20, 20, [&](int, int) { return packColour(grey, grey, grey); }), "g");
}

int gammaOf(int value, double g) {
    return static_cast<int>(255.0 * std::pow(value / 255.0, 1.0 / g) + 0.5);
}

TEST(Render, LightnessAddsThePhotosOffset) {
    Photo photo = greyPhoto(240);
    ProcessingSettings s = sized(20, 20);
    s.lightness = 1.5;
    photo.lightnessOffset = 0.5;
    int v = gammaOf(240, 2.0);
    EXPECT_EQ(pixelAt(render(photo, s), 5, 5), packColour(v, v, v));
    // 0.5 + 0.5 = 1.0: the step is left out, the picture is unchanged.
    s.lightness = 0.5;
    EXPECT_EQ(pixelAt(render(photo, s), 5, 5), packColour(240, 240, 240));
    // A total of -0.3 is applied as 0.1.
    s.lightness = 0.2;
    photo.lightnessOffset = -0.5;
    v = gammaOf(240, 0.1);
    ASSERT_EQ(v, 139);
    EXPECT_EQ(pixelAt(render(photo, s), 5, 5), packColour(v, v, v));
    // Quick renders have no lightness step.
    s.quick = true;
    EXPECT_EQ(pixelAt(render(photo, s), 5, 5), packColour(240, 240, 240));
}

TEST(Render, BalanceScalesEachChannelAfterTheLightnessAndClipsAtWhite) {
    Photo photo = greyPhoto(200);
    ProcessingSettings s = sized(20, 20);
    photo.balance = {0.5, 1.0, 1.3};
    EXPECT_EQ(pixelAt(render(photo, s), 5, 5), packColour(100, 200, 255));
    s.lightness = 2.0;
    const int v = gammaOf(200, 2.0);
    EXPECT_EQ(pixelAt(render(photo, s), 5, 5),
              packColour(int(v * 0.5 + 0.5), v, std::min(255, int(v * 1.3 + 0.5))));
    s.quick = true;
    EXPECT_EQ(pixelAt(render(photo, s), 5, 5), packColour(200, 200, 200));
}

// A grey backdrop with a red square in the middle.
Photo objectPhoto() {
    return Photo(makeImage(120, 90,
                           [](int x, int y) {
                               return x >= 40 && x < 80 && y >= 30 && y < 60
                                          ? packColour(200, 30, 30)
                                          : packColour(90, 90, 90);
                           }),
                 "object");
}

TEST(Render, RemovalReplacesTheBackdropAndKeepsTheObject) {
    const Photo photo = objectPhoto();
    ProcessingSettings s = sized(120, 90);
    s.removalOn = true;
    s.replacementColour = packColour(0, 0, 255);
    const RasterImage frame = render(photo, s);
    EXPECT_EQ(frame.backgroundColour(), packColour(90, 90, 90));
    EXPECT_EQ(pixelAt(frame, 1, 1), packColour(0, 0, 255));
    EXPECT_EQ(pixelAt(frame, 30, 80), packColour(0, 0, 255));
    EXPECT_EQ(pixelAt(frame, 60, 45), packColour(200, 30, 30));
    // Off, or in a quick frame: no detection, nothing replaced.
    s.removalOn = false;
    const RasterImage off = render(photo, s);
    EXPECT_EQ(pixelAt(off, 1, 1), packColour(90, 90, 90));
    EXPECT_EQ(off.backgroundColour(), kWhite);
    s.removalOn = true;
    s.quick = true;
    const RasterImage quick = render(photo, s);
    EXPECT_EQ(pixelAt(quick, 1, 1), packColour(90, 90, 90));
    EXPECT_EQ(quick.backgroundColour(), kWhite);
}

TEST(Render, FrameComesAfterRemoval) {
    const Photo photo = objectPhoto();
    ProcessingSettings s = sized(120, 90);
    s.removalOn = true;
    s.replacementColour = kWhite;
    s.frameWidth = 10;
    s.frameColour = kBlack;
    const RasterImage frame = render(photo, s);
    // Ring 0 keeps 1 % of the replacement white; ring 3 keeps 25 %.
    EXPECT_EQ(pixelAt(frame, 1, 45), packColour(2, 2, 2));
    EXPECT_EQ(pixelAt(frame, 60, 4), packColour(63, 63, 63));
}

TEST(Render, QuickLeavesOutEveryColourStep) {
    const Photo photo = objectPhoto();
    ProcessingSettings plain = sized(60, 45);
    plain.quick = true;
    ProcessingSettings busy = plain;
    busy.removalOn = true;
    busy.frameWidth = 8;
    busy.lightness = 2.0;
    EXPECT_EQ(test::maxChannelDifference(render(photo, plain), render(photo, busy)), 0);
}

TEST(Render, LeavesTheCacheAlone) {
    Photo photo = positionPhoto(40, 30);
    const ProcessingSettings s = sized(20, 15);
    (void)render(photo, s);
    EXPECT_EQ(photo.cachedOutput(), nullptr);
    EXPECT_TRUE(photo.cachedSettings() == ProcessingSettings{});
}

TEST(PhotoPreviews, ThumbnailKeepsTheAspectCentredOnWhite) {
    const PackedColour red = packColour(255, 0, 0);
    Photo wide(makeImage(200, 100, [&](int, int) { return red; }), "wide");
    const RasterImage& t = wide.thumbnail();
    ASSERT_EQ(t.width(), 100);
    ASSERT_EQ(t.height(), 100);
    EXPECT_EQ(pixelAt(t, 50, 25), kWhite);  // box 100 x 50 at (0, 25)
    EXPECT_EQ(pixelAt(t, 50, 26), red);
    EXPECT_EQ(pixelAt(t, 1, 75), red);
    EXPECT_EQ(pixelAt(t, 100, 76), kWhite);
    Photo tall(makeImage(50, 100, [&](int, int) { return red; }), "tall");
    EXPECT_EQ(pixelAt(tall.thumbnail(), 25, 50), kWhite);  // box 50 x 100 at (25, 0)
    EXPECT_EQ(pixelAt(tall.thumbnail(), 26, 1), red);
    EXPECT_EQ(pixelAt(tall.thumbnail(), 75, 100), red);
    EXPECT_EQ(pixelAt(tall.thumbnail(), 76, 50), kWhite);
    Photo thin(makeImage(1000, 1, [&](int, int) { return red; }), "thin");
    EXPECT_EQ(pixelAt(thin.thumbnail(), 50, 50), red);  // one line rather than none
    Photo none(RasterImage{}, "none");
    EXPECT_EQ(pixelAt(none.thumbnail(), 50, 50), kWhite);
}

TEST(PhotoPreviews, SmallPreviewHasLongSideSixtyFour) {
    Photo wide = positionPhoto(300, 200);  // 64 x trunc(42.67 + 0.5)
    EXPECT_EQ(wide.smallPreview().width(), 64);
    EXPECT_EQ(wide.smallPreview().height(), 43);
    Photo tall = positionPhoto(200, 300);
    EXPECT_EQ(tall.smallPreview().width(), 43);
    EXPECT_EQ(tall.smallPreview().height(), 64);
    Photo square = positionPhoto(10, 10);
    EXPECT_EQ(square.smallPreview().width(), 64);
    EXPECT_EQ(square.smallPreview().height(), 64);
    // Made once; the cache keeps what it had.
    EXPECT_EQ(&wide.smallPreview(), &wide.smallPreview());
    EXPECT_EQ(wide.cachedOutput(), nullptr);
}

TEST(PhotoPan, ClampedSoTheCropStaysInTheSource) {
    Photo photo = positionPhoto(400, 300);
    photo.cachedSettings().crop = Rect{10, 20, 110, 120};
    photo.setPan(-50, -50);
    EXPECT_EQ(photo.panX, -10);
    EXPECT_EQ(photo.panY, -20);
    photo.setPan(500, 500);
    EXPECT_EQ(photo.panX, 290);  // right edge reaches the source's
    EXPECT_EQ(photo.panY, 180);
    photo.setPan(5, 6);
    photo.movePan(3, -4);
    EXPECT_EQ(photo.panX, 8);
    EXPECT_EQ(photo.panY, 2);
    photo.movePan(2147483647, -2147483647);
    EXPECT_EQ(photo.panX, 290);
    EXPECT_EQ(photo.panY, -20);
}

TEST(PhotoPan, AWholeSourceCropCannotMove) {
    Photo photo = positionPhoto(400, 300);
    photo.cachedSettings().crop = Rect{0, 0, 400, 300};
    photo.setPan(0, 0);
    EXPECT_EQ(photo.panX, 0);
    EXPECT_EQ(photo.panY, 0);
    photo.setPan(7, -7);
    EXPECT_EQ(photo.panX, 0);
    EXPECT_EQ(photo.panY, 0);
}

TEST(PhotoScale, SourcePixelsPerOutputPixel) {
    Photo photo = positionPhoto(800, 534);
    ProcessingSettings s = sized(400, 267);
    EXPECT_DOUBLE_EQ(photo.sourceScale(&s), 2.0);
    s.cropOn = true;
    s.crop = Rect{100, 0, 400, 200};
    EXPECT_DOUBLE_EQ(photo.sourceScale(&s), 0.75);
    photo.cachedSettings().outputWidth = 100;  // defaults otherwise: crop off
    EXPECT_DOUBLE_EQ(photo.sourceScale(), 8.0);
    s.outputWidth = 0;
    EXPECT_TRUE(std::isfinite(photo.sourceScale(&s)));
}

}  // namespace
}  // namespace turnpixa
