#include <gtest/gtest.h>

#include "process/FrameRenderer.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

using test::makeImage;
using test::pixelAt;

const PackedColour kMarker = packColour(1, 2, 3);

ProcessingSettings defaults() {
    ProcessingSettings s;
    s.outputWidth = 120;
    s.outputHeight = 60;
    return s;
}

Photo blackPhoto() {
    return Photo(makeImage(240, 120, [](int, int) { return kBlack; }), "black");
}

// Plants a recognisable cached output made with `s`, so that a reuse can be
// told from a render.
void plantCache(Photo& photo, const ProcessingSettings& s) {
    photo.setCachedOutput(
        std::make_unique<RasterImage>(makeImage(4, 4, [](int, int) { return kMarker; })));
    photo.cachedSettings() = s;
}

bool reused(const RasterImage* out) {
    return out && pixelAt(*out, 1, 1) == kMarker;
}

TEST(OutputCache, EqualSettingsReuseTheCachedOutput) {
    Photo photo = blackPhoto();
    const ProcessingSettings s = defaults();
    plantCache(photo, s);
    EXPECT_TRUE(reused(processedOutputImage(photo, s, {})));
    ProcessingSettings cropOff = s;
    cropOff.crop = Rect{5, 5, 50, 50};
    EXPECT_TRUE(reused(processedOutputImage(photo, cropOff, {})));
    ProcessingSettings removalOff = s;
    removalOff.removalStrength = 150;
    removalOff.replacementColour = kBlack;
    EXPECT_TRUE(reused(processedOutputImage(photo, removalOff, {})));
}

TEST(OutputCache, ChangedSettingsRenderAndAreRecorded) {
    Photo photo = blackPhoto();
    ProcessingSettings s = defaults();
    plantCache(photo, s);
    s.rotation = 2;
    const RasterImage* out = processedOutputImage(photo, s, {});
    ASSERT_NE(out, nullptr);
    EXPECT_FALSE(reused(out));
    EXPECT_EQ(out->width(), 120);
    EXPECT_TRUE(photo.cachedSettings() == s);
    EXPECT_EQ(photo.cachedOutput(), out);
    EXPECT_EQ(processedOutputImage(photo, s, {}), out);
}

TEST(OutputCache, LogoStaleForcesOneRender) {
    Photo photo = blackPhoto();
    const ProcessingSettings s = defaults();
    plantCache(photo, s);
    photo.cachedSettings().logoStale = true;
    EXPECT_FALSE(reused(processedOutputImage(photo, s, {})));
    EXPECT_FALSE(photo.cachedSettings().logoStale);
    plantCache(photo, s);
    EXPECT_TRUE(reused(processedOutputImage(photo, s, {})));
}

TEST(OutputCache, StartImageChangeMakesEveryPhotoStale) {
    Photo a = blackPhoto(), b = blackPhoto();
    ProcessingSettings s = defaults();
    s.startImage = 1;
    plantCache(a, s);
    plantCache(b, s);
    s.startImage = 2;
    EXPECT_FALSE(reused(processedOutputImage(a, s, {})));
    EXPECT_FALSE(reused(processedOutputImage(b, s, {})));
}

TEST(OutputCache, QuickFramesAreReplacedByFullOnes) {
    Photo photo = blackPhoto();
    SpinLogo logo;  // not loaded: the white patch alone
    const LogoPlacement placement{&logo, 4, 0, 1};
    ProcessingSettings s = defaults();
    s.quick = true;
    const RasterImage* quick = processedOutputImage(photo, s, placement);
    ASSERT_NE(quick, nullptr);
    EXPECT_EQ(pixelAt(*quick, 50, 15), kBlack);  // no logo in quick frames
    EXPECT_TRUE(photo.cachedSettings().quick);
    s.quick = false;
    const RasterImage* full = processedOutputImage(photo, s, placement);
    ASSERT_NE(full, nullptr);
    EXPECT_NE(pixelAt(*full, 50, 15), kBlack);
}

TEST(OutputCache, RenderAnewAlwaysRenders) {
    Photo photo = blackPhoto();
    const ProcessingSettings s = defaults();
    plantCache(photo, s);
    const RasterImage* out = renderAnew(photo, s, {});
    ASSERT_NE(out, nullptr);
    EXPECT_FALSE(reused(out));
}

TEST(OutputCache, AFailedRenderKeepsTheOldCache) {
    Photo photo = blackPhoto();
    const ProcessingSettings s = defaults();
    plantCache(photo, s);
    ProcessingSettings bad = s;
    bad.outputHeight = 0;
    EXPECT_EQ(processedOutputImage(photo, bad, {}), nullptr);
    EXPECT_TRUE(reused(photo.cachedOutput()));
    EXPECT_TRUE(photo.cachedSettings() == s);
}

// The logo's white patch on a black frame: 40 % white inside the 10-pixel
// ramp, less towards its edges, nothing outside 100 x 30.
TEST(SpinLogoPatch, WhitePatchFadesInAtItsEdges) {
    RasterImage frame = makeImage(200, 60, [](int, int) { return kBlack; });
    SpinLogo logo;  // no pictures
    layInSpinLogo(frame, LogoPlacement{&logo, 8, 3, 3});
    EXPECT_EQ(pixelAt(frame, 50, 15), packColour(102, 102, 102));  // (40 * 255) / 100
    // Row 28 (0-based): 2 from the bottom, ramp 2 * 2.5^2 / 100 = 0.125,
    // r = trunc(40 * 0.125) = 5 -> 5 * 255 / 100 = 12.
    EXPECT_EQ(pixelAt(frame, 50, 29), packColour(12, 12, 12));
    // Column 0: ramp 0.005, r = 0: untouched.
    EXPECT_EQ(pixelAt(frame, 1, 15), kBlack);
    // Column 95 (0-based): 100 - 95 = 5 from the right, F / 2 = 5: second
    // formula 1 - 2 * (10 - 5.5)^2 / 100 = 0.595, r = trunc(23.8) = 23 -> 58.
    EXPECT_EQ(pixelAt(frame, 96, 15), packColour(58, 58, 58));
    EXPECT_EQ(pixelAt(frame, 101, 15), kBlack);
    EXPECT_EQ(pixelAt(frame, 50, 31), kBlack);
}

TEST(SpinLogoPatch, NoLogoNoPatch) {
    RasterImage frame = makeImage(200, 60, [](int, int) { return kBlack; });
    layInSpinLogo(frame, LogoPlacement{});
    EXPECT_EQ(pixelAt(frame, 50, 15), kBlack);
    RasterImage tiny = makeImage(3, 2, [](int, int) { return kBlack; });
    SpinLogo logo;
    layInSpinLogo(tiny, LogoPlacement{&logo, 1, 0, 1});
    EXPECT_EQ(tiny.width(), 3);
}

}  // namespace
}  // namespace turnpixa
