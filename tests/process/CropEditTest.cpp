#include <gtest/gtest.h>

#include "process/CropEdit.h"

namespace turnpixa {
namespace {

ProcessingSettings withRotation(int rotation) {
    ProcessingSettings s;
    s.outputWidth = 400;
    s.outputHeight = 267;
    s.setRotation(rotation);
    return s;
}

bool inside(const Rect& r, int w, int h) {
    return r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h && r.left < r.right &&
           r.top < r.bottom;
}

TEST(CropEdit, ApplyTurnsTheDrawnRectangleIntoSourcePixelsForEveryRotation) {
    const CropPhoto photo{800, 534, 2.0};  // a 400 x 267 frame of an 800 x 534 photo
    // Unturned: 200 x 100 drawn, twice that in the source.
    ProcessingSettings s = appliedCrop(withRotation(0), Rect{100, 50, 300, 150}, &photo);
    EXPECT_TRUE(s.cropOn);
    EXPECT_EQ(s.outputWidth, 200);
    EXPECT_EQ(s.outputHeight, 100);
    EXPECT_EQ(s.crop, (Rect{200, 100, 600, 300}));

    // The frame is shown 267 wide and 400 high after a quarter turn: the same
    // drawn size gives a pre-rotation output of 100 x 200.
    const Rect drawn{20, 100, 220, 200};
    s = appliedCrop(withRotation(1), drawn, &photo);
    EXPECT_EQ(s.outputWidth, 100);
    EXPECT_EQ(s.outputHeight, 200);
    EXPECT_EQ(s.crop, (Rect{200, 534 - 440, 400, 534 - 40}));
    s = appliedCrop(withRotation(2), Rect{100, 50, 300, 150}, &photo);
    EXPECT_EQ(s.outputWidth, 200);
    EXPECT_EQ(s.crop, (Rect{800 - 600, 534 - 300, 800 - 200, 534 - 100}));
    s = appliedCrop(withRotation(3), drawn, &photo);
    EXPECT_EQ(s.outputHeight, 200);
    EXPECT_EQ(s.crop, (Rect{800 - 400, 40, 800 - 200, 440}));
}

TEST(CropEdit, ApplyLimitsAlongThePhotosOwnAxesAfterAQuarterTurn) {
    // A landscape photo turned: down the displayed frame runs the photo's
    // width, so a crop to the bottom reaches its right-hand side.
    const CropPhoto landscape{800, 534, 2.0};
    ProcessingSettings s = appliedCrop(withRotation(1), Rect{20, 250, 220, 399}, &landscape);
    EXPECT_EQ(s.crop, (Rect{500, 94, 798, 494}));
    // A portrait photo turned the other way: across runs its height.
    const CropPhoto portrait{534, 800, 534.0 / 400};
    for (int rotation : {1, 3}) {
        s = appliedCrop(withRotation(rotation), Rect{1, 1, 599, 399}, &portrait);
        EXPECT_TRUE(inside(s.crop, 534, 800)) << rotation;
        EXPECT_GE(s.crop.height(), 790) << rotation;
        EXPECT_GE(s.crop.width(), 520) << rotation;
    }
    // A scale from an older, larger frame never leads outside the photo.
    const CropPhoto stale{300, 200, 5.0};
    for (int rotation = 0; rotation < 4; ++rotation) {
        s = appliedCrop(withRotation(rotation), Rect{10, 10, 390, 260}, &stale);
        EXPECT_TRUE(inside(s.crop, 300, 200)) << rotation;
    }
}

TEST(CropEdit, ApplyNeverStoresASizeBelowOneAndWithoutAPhotoKeepsTheCrop) {
    ProcessingSettings before = withRotation(0);
    before.crop = Rect{1, 2, 3, 4};
    const ProcessingSettings s = appliedCrop(before, Rect{50, 50, 50, 50}, nullptr);
    EXPECT_EQ(s.outputWidth, 1);
    EXPECT_EQ(s.outputHeight, 1);
    EXPECT_FALSE(s.cropOn);
    EXPECT_EQ(s.crop, before.crop);
}

TEST(CropEdit, UndoGivesA400PixelFrameOfTheWholePhoto) {
    ProcessingSettings s = withRotation(1);
    s.cropOn = true;
    s.outputWidth = 120;
    const CropPhoto photo{3000, 2000, 1.0};
    s = undoneCrop(s, &photo);
    EXPECT_FALSE(s.cropOn);
    EXPECT_EQ(s.outputWidth, 400);
    EXPECT_EQ(s.outputHeight, 266);  // integer division
    const CropPhoto thin{4000, 3, 1.0};
    EXPECT_EQ(undoneCrop(s, &thin).outputHeight, 1);
    s.outputWidth = 120;
    EXPECT_EQ(undoneCrop(s, nullptr).outputWidth, 120);
}

TEST(CropEdit, PanFollowsThePointerInEveryRotationAndStopsAtTheEdges) {
    const Rect crop{100, 100, 300, 200};  // of a 1000 x 800 photo
    // Dragging right pulls the picture right: the crop moves left.
    EXPECT_EQ(panStep(10, 0, 0, 2.0, crop, 1000, 800).dx, -20);
    // Turned clockwise, the photo's y runs right to left across the screen.
    PanStep p = panStep(10, 4, 1, 2.0, crop, 1000, 800);
    EXPECT_EQ(p.dx, -8);
    EXPECT_EQ(p.dy, 20);
    p = panStep(10, 4, 3, 2.0, crop, 1000, 800);
    EXPECT_EQ(p.dx, 8);
    EXPECT_EQ(p.dy, -20);
    p = panStep(10, 4, 2, 2.0, crop, 1000, 800);
    EXPECT_EQ(p.dx, 20);
    EXPECT_EQ(p.dy, 8);
    // Halves away from zero, and clamped at the photo's edges.
    EXPECT_EQ(panStep(1, -1, 0, 1.5, crop, 1000, 800).dx, -2);
    EXPECT_EQ(panStep(1, -1, 0, 1.5, crop, 1000, 800).dy, 2);
    p = panStep(500, 500, 0, 1.0, crop, 1000, 800);
    EXPECT_EQ(p.dx, -100);
    EXPECT_EQ(p.dy, -100);
    p = panStep(-5000, -5000, 0, 1.0, crop, 1000, 800);
    EXPECT_EQ(p.dx, 999 - 300);
    EXPECT_EQ(p.dy, 799 - 200);
}

TEST(CropEdit, NumbersAreReadTheSameInEveryLanguage) {
    EXPECT_DOUBLE_EQ(*aspectRatioOf("10:15"), 10.0 / 15.0);
    EXPECT_DOUBLE_EQ(*aspectRatioOf("1.5:1"), 1.5);
    for (const char* bad : {"Manual", "1,5:1", "0:4", "4:0", "4:", ":4", "a:b", "1e999:1", "-1:2"})
        EXPECT_FALSE(aspectRatioOf(bad)) << bad;
    EXPECT_EQ(*typedInteger(" 400 "), 400);
    EXPECT_EQ(*typedInteger("0"), 0);
    EXPECT_EQ(*typedInteger("-3"), -3);
    for (const char* bad : {"", " ", "12a", "1.5", "1 2", "99999999999999999999"})
        EXPECT_FALSE(typedInteger(bad)) << bad;
}

}  // namespace
}  // namespace turnpixa
