#include <gtest/gtest.h>

#include "process/BackgroundRemoval.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

using test::makeImage;
using test::pixelAt;

const PackedColour kBackdrop = packColour(100, 100, 100);

// 40 x 40: the band is the top 10 rows, the bottom 9 and 10 columns at
// either side; 1-based columns 11..30 of rows 11..31 are never looked at.
bool inInterior(int x, int y) {
    return x >= 10 && x < 30 && y >= 10 && y <= 30;
}

TEST(BackgroundDetection, UniformBorderGivesExactlyThatColour) {
    RasterImage img = makeImage(40, 40, [](int x, int y) {
        return inInterior(x, y) ? packColour(250, 10, 10) : packColour(37, 141, 222);
    });
    ASSERT_TRUE(detectBackgroundColour(img));
    EXPECT_EQ(img.backgroundColour(), packColour(37, 141, 222));
}

TEST(BackgroundDetection, OnlyTheBorderBandIsLookedAt) {
    // The interior colour covers more of the frame but none of the band.
    RasterImage img = makeImage(60, 60, [](int x, int y) {
        const bool band = x < 10 || x >= 50 || y < 10 || y > 50;
        return band ? packColour(0, 90, 0) : packColour(200, 0, 200);
    });
    ASSERT_TRUE(detectBackgroundColour(img));
    EXPECT_EQ(img.backgroundColour(), packColour(0, 90, 0));
}

TEST(BackgroundDetection, MajorityOfThreeSeparatedColoursWins) {
    // Top band 10 x 50 = 500, bottom band 9 x 50 = 450, the sides of the 31
    // rows between 31 x 20 = 620.
    RasterImage img = makeImage(50, 50, [](int x, int y) {
        if (y < 10) return packColour(250, 250, 250);
        if (y > 40) return packColour(0, 0, 200);
        if (x < 10 || x >= 40) return packColour(30, 160, 90);
        return packColour(255, 0, 0);
    });
    ASSERT_TRUE(detectBackgroundColour(img));
    EXPECT_EQ(img.backgroundColour(), packColour(30, 160, 90));
}

TEST(BackgroundDetection, EqualCountsInDifferentClustersGoToTheSmallerCode) {
    // Left half blue, right half red: the same number of band pixels each.
    for (const bool blueLeft : {true, false}) {
        RasterImage img = makeImage(40, 40, [&](int x, int) {
            return (x < 20) == blueLeft ? packColour(0, 0, 255) : packColour(255, 0, 0);
        });
        ASSERT_TRUE(detectBackgroundColour(img));
        EXPECT_EQ(img.backgroundColour(), packColour(0, 0, 255)) << blueLeft;
    }
}

TEST(BackgroundDetection, FramesUnderTwentyRowsAreScannedWhole) {
    // 60 x 19, the middle 34 columns B, 13 columns A at either side. Whole
    // rows: B 19 * 34 = 646 beats A 19 * 26 = 494. Had rows 10..18 been read
    // as side bands, A would have 440 against B's 340.
    auto colour = [](int x, int) {
        return x >= 13 && x < 47 ? packColour(20, 20, 220) : packColour(220, 220, 20);
    };
    RasterImage img = makeImage(60, 19, colour);
    ASSERT_TRUE(detectBackgroundColour(img));
    EXPECT_EQ(img.backgroundColour(), packColour(20, 20, 220));
    // With 30 rows, rows 10..20 are side-band rows and A wins:
    // B 19 * 34 = 646 < A 19 * 26 + 11 * 20 = 714.
    RasterImage taller = makeImage(60, 30, colour);
    ASSERT_TRUE(detectBackgroundColour(taller));
    EXPECT_EQ(taller.backgroundColour(), packColour(220, 220, 20));
}

TEST(BackgroundDetection, NarrowFramesDoNotReadPastTheirEdges) {
    // Three columns: the side band wants ten on each side. Reads past the
    // edge would count as white and outnumber the real pixels.
    RasterImage img = makeImage(3, 200, [](int, int) { return packColour(60, 50, 40); });
    ASSERT_TRUE(detectBackgroundColour(img));
    EXPECT_EQ(img.backgroundColour(), packColour(60, 50, 40));
}

TEST(BackgroundDetection, NoFrameIsAFailure) {
    RasterImage empty;
    EXPECT_FALSE(detectBackgroundColour(empty));
    EXPECT_FALSE(removeBackground(empty, 60, kWhite));
}

TEST(BackgroundDetection, NoisyBackdropGivesItsTruncatedMean) {
    // The backdrop alternates in runs between two colours that differ only
    // in the lowest bit, in 3 : 1; with more than 16 colours in the band the
    // two become one cluster: mean trunc((3 * 181 + 180) / 4) = 180.
    RasterImage img = makeImage(64, 64, [](int x, int y) {
        const bool band = x < 10 || x >= 54 || y < 10 || y > 54;
        if (!band) return packColour(0, 0, 0);
        if ((x + y) % 29 == 0) return packColour(8 * (y % 32), 255, 8 * (x % 32));  // sparse noise
        return (x % 4 == 0) ? packColour(180, 180, 180) : packColour(181, 181, 181);
    });
    ASSERT_TRUE(detectBackgroundColour(img));
    EXPECT_EQ(img.backgroundColour(), packColour(180, 180, 180));
}

class Replacement : public ::testing::Test {
protected:
    // Backdrop K everywhere except test pixels in the interior.
    RasterImage frameWith(PackedColour pixel) {
        return makeImage(40, 40,
                         [&](int x, int y) { return x == 20 && y == 20 ? pixel : kBackdrop; });
    }
    PackedColour removed(PackedColour pixel, int strength, PackedColour replacement) {
        RasterImage img = frameWith(pixel);
        EXPECT_TRUE(removeBackground(img, strength, replacement));
        EXPECT_EQ(img.backgroundColour(), kBackdrop);
        EXPECT_EQ(pixelAt(img, 1, 1), replacement);
        return pixelAt(img, 21, 21);
    }
};

TEST_F(Replacement, BackdropBecomesTheReplacementColour) {
    EXPECT_EQ(removed(kBackdrop, 60, packColour(0, 200, 0)), packColour(0, 200, 0));
}

TEST_F(Replacement, DistanceNinetyAtStrengthSixtyGoesHalfWay) {
    // d = 30 * 3 = 90 < 180: r = 50, channel (50 * 130 + 50 * 255) / 100 = 192.
    EXPECT_EQ(removed(packColour(130, 130, 130), 60, kWhite), packColour(192, 192, 192));
    // d = 10 + 40 + 40 = 90 towards black: (50 * p) / 100.
    EXPECT_EQ(removed(packColour(110, 140, 60), 60, kBlack), packColour(55, 70, 30));
}

TEST_F(Replacement, DistanceOfThreeTimesTheStrengthIsKept) {
    EXPECT_EQ(removed(packColour(160, 160, 160), 60, kWhite), packColour(160, 160, 160));
    EXPECT_EQ(removed(packColour(0, 20, 0), 60, kWhite), packColour(0, 20, 0));
    // d = 179: r = trunc(17900 / 180) = 99 -> (99 * 160 + 255) / 100 = 160,
    // (99 * 159 + 255) / 100 = 159.
    EXPECT_EQ(removed(packColour(160, 160, 159), 60, kWhite), packColour(160, 160, 159));
}

TEST_F(Replacement, StrengthSixTouchesOnlyDistancesUpToSeventeen) {
    // d = 17: r = trunc(1700 / 18) = 94: (94 * 106 + 6 * 255) / 100 = 114,
    // (94 * 105 + 1530) / 100 = 114.
    EXPECT_EQ(removed(packColour(106, 106, 105), 6, kWhite), packColour(114, 114, 114));
    EXPECT_EQ(removed(packColour(106, 106, 106), 6, kWhite), packColour(106, 106, 106));
    EXPECT_EQ(removed(packColour(82, 100, 100), 6, kWhite), packColour(82, 100, 100));
}

}  // namespace
}  // namespace turnpixa
