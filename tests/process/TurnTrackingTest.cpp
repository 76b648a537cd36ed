#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "image/PackedColour.h"
#include "process/ObjectOutline.h"
#include "process/TurnCentring.h"
#include "process/TurnTracking.h"
#include "tests/support/TurningMug.h"

namespace turnpixa {
namespace {

constexpr int kW = 240, kH = 180, kCount = 36;

// Photo k of a turn: a banded body, broad side on and narrow end on, with
// a back nearly as broad that rises as it comes round until it runs off
// the top of the photo; the whole picture moved by (dx, dy).
ObjectOutline backPhoto(int k, int dx, int dy) {
    RasterImage image;
    image.create(kW, kH, 24);
    image.fill(packColour(235, 235, 238));
    const double t = 2.0 * std::numbers::pi * k / kCount;
    const int cx = kW / 2 + dx, top = 60 + dy, bottom = 150 + dy;
    const int half = 30 + static_cast<int>(std::lround(25.0 * std::abs(std::cos(t))));
    for (int y = top; y < bottom; y += 12) {
        const bool dark = (y - top) / 12 % 2 == 0;
        test::fillBox(image, cx - half, y, cx + half, std::min(y + 12, bottom), dark ? 40 : 70,
                      dark ? 90 : 120, 160);
    }
    const int backTop = top - 20 - static_cast<int>(std::lround(60.0 * std::max(0.0, std::sin(t))));
    test::fillBox(image, cx - half + 6, backTop, cx + half - 6, top, 150, 60, 40);
    int gw = 0, gh = 0;
    outlineGrid(kW, kH, 400, gw, gh);
    return traceOutline(image, kW, kH, gw, gh);
}

std::vector<int> shakeDown() {
    std::vector<int> v;
    unsigned seed = 7;
    for (int k = 0; k < kCount; ++k) {
        seed = seed * 1103515245u + 12345u;
        v.push_back(static_cast<int>((seed >> 16) % 9) - 4);
    }
    return v;
}

TEST(TurnTracking, HeightsFollowTheShakeOfAnObjectThatChangesShapeAndRunsOffTheTop) {
    const std::vector<int> shake = shakeDown();
    std::vector<ObjectOutline> steady, shaken;
    for (int k = 0; k < kCount; ++k) {
        steady.push_back(backPhoto(k, 0, 0));
        // Sideways too, as an off-centre object swings.
        const int across =
            static_cast<int>(std::lround(12.0 * std::sin(2.0 * std::numbers::pi * k / kCount)));
        shaken.push_back(backPhoto(k, across, shake[k]));
    }
    // The object's own change comes round smoothly and is the same in
    // both series: what they differ by is the shake, photo by photo.
    std::vector<double> still, moved;
    ASSERT_TRUE(trackHeights(steady, still));
    ASSERT_TRUE(trackHeights(shaken, moved));
    ASSERT_EQ(moved.size(), static_cast<std::size_t>(kCount));
    double mean = 0.0;
    for (int v : shake) mean += v / double(kCount);
    for (int k = 0; k < kCount; ++k)
        EXPECT_NEAR(moved[k] - still[k], shake[k] - mean, 1.5) << "photo " << k;
}

TEST(TurnTracking, TooFewOrUnmatchablePhotosAreRefused) {
    std::vector<ObjectOutline> few{backPhoto(0, 0, 0), backPhoto(1, 0, 0)};
    std::vector<double> down;
    EXPECT_FALSE(trackHeights(few, down));
    // Photos of a plain backdrop give nothing to match.
    std::vector<ObjectOutline> blank(kCount, backPhoto(0, 0, 0));
    for (ObjectOutline& o : blank) std::fill(o.luminance.begin(), o.luminance.end(), 200);
    EXPECT_FALSE(trackHeights(blank, down));
}

}  // namespace
}  // namespace turnpixa
