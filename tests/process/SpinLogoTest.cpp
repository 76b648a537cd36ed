#include <gtest/gtest.h>

#include "process/SpinLogo.h"

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
