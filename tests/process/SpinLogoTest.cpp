#include <gtest/gtest.h>

#include "process/FrameRenderer.h"
#include "process/SpinLogo.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

TEST(SpinLogoIndex, EightPhotosStartingAtTheThird) {
    EXPECT_EQ(SpinLogo::indexFor(8, 3, 3), 0);   // the photo after the start image
    EXPECT_EQ(SpinLogo::indexFor(8, 4, 3), 6);   // trunc(45 / 8 + 0.5)
    EXPECT_EQ(SpinLogo::indexFor(8, 2, 3), 39);  // the start image itself: p = 7
    EXPECT_EQ(SpinLogo::indexFor(8, 1, 3), 34);  // p = 6: trunc(33.75 + 0.5)
    EXPECT_EQ(SpinLogo::indexFor(8, 0, 3), 28);  // p = 5: trunc(28.125 + 0.5)
}

TEST(SpinLogoIndex, StepsOncePerPhotoForFortyFivePhotos) {
    for (int i = 0; i < 45; ++i) EXPECT_EQ(SpinLogo::indexFor(45, i, 1), (i + 44) % 45) << i;
}

TEST(SpinLogoIndex, RoundingUpToFortyFiveGivesZero) {
    // 100 photos, p = 99: trunc(44.55 + 0.5) = 45 -> 0; p = 98: 44.1 -> 44.
    EXPECT_EQ(SpinLogo::indexFor(100, 99, 0), 0);
    EXPECT_EQ(SpinLogo::indexFor(100, 98, 0), 44);
    // p = 1 of 100: trunc(0.45 + 0.5) = 0.
    EXPECT_EQ(SpinLogo::indexFor(100, 2, 1), 0);
}

TEST(SpinLogoIndex, OddCountsAndStartImagesStayInRange) {
    EXPECT_EQ(SpinLogo::indexFor(0, 0, 1), 0);
    EXPECT_EQ(SpinLogo::indexFor(-5, 2, 1), 0);
    EXPECT_EQ(SpinLogo::indexFor(1, 0, 1), 0);
    // A start image beyond the list: positions wrap like any other.
    EXPECT_EQ(SpinLogo::indexFor(8, 0, 13), SpinLogo::indexFor(8, 0, 5));
    for (int start = -20; start < 40; ++start)
        for (int i = 0; i < 8; ++i) {
            const int logo = SpinLogo::indexFor(8, i, start);
            EXPECT_GE(logo, 0);
            EXPECT_LT(logo, SpinLogo::kCount);
        }
}

}  // namespace
}  // namespace turnpixa

namespace turnpixa {
namespace {

TEST(SpinLogoPictures, AllFortyFiveLoad) {
    SpinLogo logo;
    ASSERT_TRUE(logo.load());
    EXPECT_TRUE(logo.loaded());
    for (int i = 0; i < SpinLogo::kCount; ++i) {
        EXPECT_EQ(logo.picture(i).width(), 100) << i;
        EXPECT_EQ(logo.picture(i).height(), 24) << i;
        EXPECT_EQ(logo.picture(i).bitsPerPixel(), 24) << i;
    }
    EXPECT_TRUE(logo.picture(-1).empty());
    EXPECT_TRUE(logo.picture(SpinLogo::kCount).empty());
}

// Inside the patch's flat part the frame is 102 grey (40 % white on black);
// the logo picture then goes on at (0, 3) at half opacity, keyed softly on
// white with tolerance 150.
TEST(SpinLogoPictures, PictureIsBlendedOverThePatch) {
    SpinLogo logo;
    ASSERT_TRUE(logo.load());
    RasterImage frame;
    ASSERT_TRUE(frame.create(200, 60, 24));
    frame.fill(kBlack);
    layInSpinLogo(frame, LogoPlacement{&logo, 8, 4, 3});  // picture 6
    const RasterImage& picture = logo.picture(6);
    int blended = 0;
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 90; ++x) {
            const PackedColour p = test::pixelAt(picture, x + 1, y - 3 + 1);
            int expected[3] = {102, 102, 102};
            const int d = (255 - redOf(p)) + (255 - greenOf(p)) + (255 - blueOf(p));
            if (d > 0) {
                // m = d / 450 in floating point, r = trunc(50 * m)
                const int r = d < 450 ? static_cast<int>(50 * (d / 450.0)) : 50;
                const int channels[3] = {redOf(p), greenOf(p), blueOf(p)};
                for (int c = 0; c < 3; ++c) expected[c] = (r * channels[c] + (100 - r) * 102) / 100;
                if (r > 0) ++blended;
            }
            ASSERT_EQ(test::pixelAt(frame, x + 1, y + 1),
                      packColour(expected[0], expected[1], expected[2]))
                << x << "," << y;
        }
    EXPECT_GT(blended, 50);  // the picture is not all white there
}

}  // namespace
}  // namespace turnpixa
