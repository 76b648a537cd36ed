#include "web/StillImage.h"

#include <gtest/gtest.h>

#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

using test::makeImage;
using test::pixelAt;

constexpr PackedColour kBase = packColour(100, 150, 200);
// 70 % white over the base, integer division: (70 * 255 + 30 * q) / 100.
constexpr PackedColour kLit = packColour(208, 223, 238);

TEST(StillImage, ArrowsAtBothSidesKeyedOnBlack) {
    const RasterImage frame = makeImage(100, 80, [](int, int) { return kBase; });
    // 40 x 40: left half black (the key), right half white. Resized to
    // 100/5 x 80/4 = 20 x 20 it keeps ten columns of each.
    const RasterImage arrow =
        makeImage(40, 40, [](int x, int) { return x < 20 ? kBlack : kWhite; });
    RasterImage still;
    ASSERT_TRUE(StillImage::compose(frame, arrow, still));
    ASSERT_EQ(still.width(), 100);
    ASSERT_EQ(still.height(), 80);

    // Right arrow at x = 100 - 20 - 3 = 77, y = (80 - 20) / 2 = 30 (0-based);
    // its white half covers columns 87..96. Mirrored at x = 3, the white
    // half covers columns 3..12. Edge columns of each half are left out,
    // the resize may soften them.
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 100; ++x) {
            const bool rows = y >= 30 && y < 50;
            const bool lit = rows && ((x >= 88 && x <= 95) || (x >= 4 && x <= 11));
            const bool plain = !rows || x < 2 || (x >= 14 && x <= 85) || x > 97;
            const PackedColour c = pixelAt(still, x + 1, y + 1);
            if (lit) {
                ASSERT_EQ(c, kLit) << x << "," << y;
            }
            if (plain) {
                ASSERT_EQ(c, kBase) << x << "," << y;
            }
        }
    }
    // The frame itself is untouched.
    EXPECT_EQ(pixelAt(frame, 90, 40), kBase);
}

TEST(StillImage, TinyFramesAndMissingArrowGiveAPlainCopy) {
    const RasterImage frame = makeImage(4, 3, [](int, int) { return kBase; });
    const RasterImage arrow = makeImage(8, 8, [](int, int) { return kWhite; });
    RasterImage still;
    ASSERT_TRUE(StillImage::compose(frame, arrow, still));
    EXPECT_EQ(test::maxChannelDifference(still, frame), 0);
    const RasterImage wide = makeImage(50, 40, [](int, int) { return kBase; });
    ASSERT_TRUE(StillImage::compose(wide, RasterImage{}, still));
    EXPECT_EQ(test::maxChannelDifference(still, wide), 0);
    EXPECT_FALSE(StillImage::compose(RasterImage{}, arrow, still));
}

}  // namespace
}  // namespace turnpixa
