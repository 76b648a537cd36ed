#include <gtest/gtest.h>

#include <algorithm>

#include "process/BackgroundRemoval.h"
#include "process/FrameRenderer.h"
#include "process/SpinLogo.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

using test::makeImage;
using test::pixelAt;

// White backdrop, a red block in columns 20..39 and grey steps towards the
// backdrop in columns 40..49 (distance 3 * 9 * (50 - x) from white).
PackedColour scene(int x, int) {
    if (x >= 20 && x < 40) return packColour(190, 20, 30);
    if (x >= 40 && x < 50) {
        const int v = 255 - 9 * (50 - x);
        return packColour(v, v, v);
    }
    return kWhite;
}

ProcessingSettings transparentAt(int strength) {
    ProcessingSettings s;
    s.outputWidth = 60;
    s.outputHeight = 40;
    s.removalOn = true;
    s.removalStrength = strength;
    s.transparentBackground = true;
    return s;
}

int alphaAt(const RasterImage& frame, int x, int y) {
    return frame.alpha()[static_cast<std::size_t>(y) * frame.width() + x];
}

TEST(TransparentBackground, BackdropClearObjectOpaqueAndTheToleranceAsARamp) {
    const Photo photo(makeImage(60, 40, scene), "scene");
    const RasterImage frame = render(photo, transparentAt(60));
    ASSERT_EQ(frame.alpha().size(), 60u * 40u);
    EXPECT_EQ(alphaAt(frame, 5, 20), 0);
    EXPECT_EQ(alphaAt(frame, 55, 3), 0);
    EXPECT_EQ(alphaAt(frame, 30, 20), 255);
    // Column 40: distance 270 >= 180, kept; column 45: distance 135,
    // r = trunc(13500 / 180) = 75 -> alpha 191; column 49: distance 27, r = 15.
    EXPECT_EQ(alphaAt(frame, 40, 20), 255);
    EXPECT_EQ(alphaAt(frame, 45, 20), 191);
    EXPECT_EQ(alphaAt(frame, 49, 20), 38);
    for (int x = 44; x < 50; ++x) EXPECT_LT(alphaAt(frame, x, 20), alphaAt(frame, x - 1, 20)) << x;
    // The colours stay: over a colour the frame looks as a replacement by it does.
    EXPECT_EQ(pixelAt(frame, 46, 21), scene(45, 20));
    RasterImage replaced = makeImage(60, 40, scene);
    ASSERT_TRUE(removeBackground(replaced, 60, kBlack));
    const int shown = redOf(scene(45, 20)) * alphaAt(frame, 45, 20) / 255;
    EXPECT_NEAR(redOf(pixelAt(replaced, 46, 21)), shown, 2);

    // Without it, or with removal off, the frame stays opaque.
    ProcessingSettings off = transparentAt(60);
    off.removalOn = false;
    EXPECT_FALSE(render(photo, off).hasAlpha());
    off = transparentAt(60);
    off.transparentBackground = false;
    EXPECT_FALSE(render(photo, off).hasAlpha());
}

TEST(TransparentBackground, TheSoftEdgeFadesToTransparentAndLeavesTheColours) {
    // A red object that touches the left border, on white.
    const Photo photo(
        makeImage(60, 40, [](int x, int) { return x < 25 ? packColour(190, 20, 30) : kWhite; }),
        "edge");
    ProcessingSettings s = transparentAt(60);
    s.frameWidth = 10;
    s.frameColour = kBlack;
    const RasterImage frame = render(photo, s);
    ASSERT_TRUE(frame.hasAlpha());
    // Rings keep 1, 5, 13 ... percent of the object's 255; ring 9 and inwards all.
    EXPECT_EQ(alphaAt(frame, 0, 20), 2);
    EXPECT_EQ(alphaAt(frame, 1, 20), 12);
    EXPECT_EQ(alphaAt(frame, 2, 20), 33);
    EXPECT_EQ(alphaAt(frame, 12, 9), 255);
    EXPECT_EQ(alphaAt(frame, 12, 20), 255);
    EXPECT_EQ(alphaAt(frame, 40, 20), 0);
    EXPECT_EQ(pixelAt(frame, 1, 21), packColour(190, 20, 30)) << "not faded to the frame colour";
}

TEST(TransparentBackground, TheLogoShowsOverTheClearCornerAsOverWhite) {
    SpinLogo logo;
    ASSERT_TRUE(logo.load());
    const LogoPlacement placement{&logo, 8, 3, 1};
    const Photo photo(makeImage(160, 60, scene), "scene");
    ProcessingSettings s = transparentAt(60);
    s.outputWidth = 160;
    s.outputHeight = 60;
    RasterImage clear = render(photo, s);
    ProcessingSettings white = s;
    white.transparentBackground = false;
    RasterImage opaque = render(photo, white);
    layInSpinLogo(clear, placement);
    layInSpinLogo(opaque, placement);
    int worst = 0, shown = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 160; ++x) {
            const int a = alphaAt(clear, x, y);
            const PackedColour c = pixelAt(clear, x + 1, y + 1), o = pixelAt(opaque, x + 1, y + 1);
            // The clear frame laid over white is the frame made on white.
            const auto over = [a](int v) { return (v * a + 255 * (255 - a)) / 255; };
            worst = std::max({worst, std::abs(over(redOf(c)) - redOf(o)),
                              std::abs(over(greenOf(c)) - greenOf(o)),
                              std::abs(over(blueOf(c)) - blueOf(o))});
            if (x < 20 && y < 30 && a > 0) ++shown;
            if ((y >= 30 && x < 20) || x >= 100) {
                EXPECT_EQ(a, 0) << x << "," << y;
            }
        }
    EXPECT_LE(worst, 3);
    EXPECT_GT(shown, 20) << "the logo is seen where the backdrop was";
}

TEST(TransparentBackground, TheCacheTellsTransparentFromReplacedFrames) {
    ProcessingSettings a = transparentAt(60), b = transparentAt(60);
    b.transparentBackground = false;
    EXPECT_FALSE(a == b);
    a.removalOn = b.removalOn = false;
    EXPECT_TRUE(a == b);
}

}  // namespace
}  // namespace turnpixa
