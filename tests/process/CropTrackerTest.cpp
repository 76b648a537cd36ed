#include <gtest/gtest.h>

#include "process/CropTracker.h"

namespace turnpixa {
namespace {

using H = CropTracker::Handle;

void drag(CropTracker& t, H handle, int fromX, int fromY, int toX, int toY) {
    t.beginDrag(handle, fromX, fromY);
    t.moveTo(toX, toY);
    t.endDrag();
}

TEST(CropTracker, StartsOnTheMiddleHalf) {
    const CropTracker t(400, 300);
    EXPECT_EQ(t.rect(), (Rect{100, 75, 300, 225}));
    const CropTracker odd(401, 303);
    EXPECT_EQ(odd.rect(), (Rect{100, 75, 300, 227}));
}

TEST(CropTracker, LabelShowsTheOuterRectangle) {
    const CropTracker t(400, 300);
    EXPECT_EQ(t.outerRect(), (Rect{90, 65, 310, 235}));
    EXPECT_EQ(t.label(), "90,65 (220 x 170)");
}

TEST(CropTracker, HandlesAreFoundAroundTheRectangle) {
    const CropTracker t(400, 300);  // 100, 75 - 300, 225
    EXPECT_EQ(t.hitTest(95, 70), H::TopLeft);
    EXPECT_EQ(t.hitTest(305, 70), H::TopRight);
    EXPECT_EQ(t.hitTest(95, 230), H::BottomLeft);
    EXPECT_EQ(t.hitTest(305, 230), H::BottomRight);
    EXPECT_EQ(t.hitTest(200, 70), H::Top);
    EXPECT_EQ(t.hitTest(200, 230), H::Bottom);
    EXPECT_EQ(t.hitTest(95, 150), H::Left);
    EXPECT_EQ(t.hitTest(305, 150), H::Right);
    EXPECT_EQ(t.hitTest(150, 100), H::Inside);
    EXPECT_EQ(t.hitTest(89, 150), H::None);
    EXPECT_EQ(t.hitTest(200, 235), H::None);
}

TEST(CropTracker, DraggingStaysOneFromThePreviewEdges) {
    CropTracker t(400, 300);
    drag(t, H::BottomRight, 300, 225, 900, 900);
    EXPECT_EQ(t.rect(), (Rect{100, 75, 399, 299}));
    drag(t, H::TopLeft, 100, 75, -50, -50);
    EXPECT_EQ(t.rect(), (Rect{1, 1, 399, 299}));
}

TEST(CropTracker, MovingKeepsTheSizeAtTheEdges) {
    CropTracker t(400, 300);
    drag(t, H::Inside, 150, 150, 1000, 150);
    EXPECT_EQ(t.rect(), (Rect{199, 75, 399, 225}));
    drag(t, H::Inside, 150, 150, 150, -1000);
    EXPECT_EQ(t.rect(), (Rect{199, 1, 399, 151}));
}

TEST(CropTracker, KeepsItsMinimumSize) {
    CropTracker t(400, 300);
    drag(t, H::Left, 100, 150, 500, 150);
    EXPECT_EQ(t.rect(), (Rect{280, 75, 300, 225}));
    t.setMinimumSize(50, 60);
    drag(t, H::Top, 200, 75, 200, 400);
    EXPECT_EQ(t.rect(), (Rect{280, 165, 300, 225}));
}

TEST(CropTracker, FollowsTheMouseFromWhereTheDragBegan) {
    CropTracker t(400, 300);
    t.beginDrag(H::Right, 300, 150);
    t.moveTo(320, 150);
    t.moveTo(310, 150);
    EXPECT_EQ(t.rect().right, 310);
    EXPECT_TRUE(t.dragging());
    t.endDrag();
    EXPECT_FALSE(t.dragging());
    t.moveTo(0, 0);
    EXPECT_EQ(t.rect().right, 310);
}

TEST(CropTracker, SideHandlesSetTheOtherDimensionFromTheRatio) {
    CropTracker t(400, 300);
    t.setRatio(9.0 / 13.0);
    // Applying the ratio: right = 100 + trunc(9/13 * 150) = 100 + 103.
    EXPECT_EQ(t.rect(), (Rect{100, 75, 203, 225}));
    drag(t, H::Bottom, 150, 225, 150, 245);                // height 170
    EXPECT_EQ(t.rect(), (Rect{100, 75, 100 + 117, 245}));  // trunc(117.69)
    drag(t, H::Right, 217, 150, 237, 150);                 // width 137
    EXPECT_EQ(t.rect(), (Rect{100, 75, 237, 75 + 197}));   // trunc(197.89)
}

TEST(CropTracker, LeftCornersMoveTheLeftEdge) {
    CropTracker t(400, 300);
    t.setRatio(2.0);  // 100,75 - 300,225 -> right = 100 + 300 passes 399: cut
    EXPECT_EQ(t.rect(), (Rect{100, 75, 399, 75 + 149}));
    t.setRect(Rect{200, 100, 300, 150});
    drag(t, H::BottomLeft, 200, 150, 200, 160);  // height 60 -> left = 300 - 120
    EXPECT_EQ(t.rect(), (Rect{180, 100, 300, 160}));
    drag(t, H::TopLeft, 180, 100, 180, 50);  // height 110 -> left = 300 - 220 = 80
    EXPECT_EQ(t.rect(), (Rect{80, 50, 300, 160}));
}

TEST(CropTracker, ARatioCutAtTheRightMarginRecomputesTheHeight) {
    CropTracker t(400, 300, Rect{300, 100, 350, 150});
    t.setRatio(1.0);
    drag(t, H::Bottom, 325, 150, 325, 250);  // height 150: right 450 -> 399, width 99
    EXPECT_EQ(t.rect(), (Rect{300, 100, 399, 199}));
    drag(t, H::Top, 325, 100, 325, 20);  // height 179: cut, top moves: 199 - 99
    EXPECT_EQ(t.rect(), (Rect{300, 100, 399, 199}));
    drag(t, H::TopRight, 399, 100, 399, 20);
    EXPECT_EQ(t.rect(), (Rect{300, 100, 399, 199}));
}

TEST(CropTracker, ARatioCutAtTheLeftMarginRecomputesTheHeight) {
    CropTracker t(400, 300, Rect{20, 100, 60, 140});
    t.setRatio(1.0);
    drag(t, H::BottomLeft, 20, 140, 20, 200);  // height 100: left = 60 - 100 -> 1
    EXPECT_EQ(t.rect(), (Rect{1, 100, 60, 159}));
    drag(t, H::TopLeft, 1, 100, 1, 50);  // height 109 -> left -49 -> 1, top = 159 - 59
    EXPECT_EQ(t.rect(), (Rect{1, 100, 60, 159}));
}

TEST(CropTracker, ARatioCutAtTheBottomRecomputesTheWidth) {
    CropTracker t(400, 300, Rect{100, 100, 200, 200});
    t.setRatio(0.5);  // Applying: right = 100 + 50
    EXPECT_EQ(t.rect(), (Rect{100, 100, 150, 200}));
    drag(t, H::Right, 150, 150, 250, 150);  // width 150: bottom = 100 + 300 -> 299
    EXPECT_EQ(t.rect(), (Rect{100, 100, 199, 299}));
}

TEST(CropTracker, FreeAspectAfterRatioIsCleared) {
    CropTracker t(400, 300);
    t.setRatio(1.0);
    t.setRatio(std::nullopt);
    EXPECT_FALSE(t.ratio());
    drag(t, H::Right, 250, 150, 390, 150);
    EXPECT_EQ(t.rect(), (Rect{100, 75, 390, 225}));
    t.setRatio(0.0);  // not a ratio
    EXPECT_FALSE(t.ratio());
}

TEST(CropTracker, TinyPreviewsGiveAnEmptyRectangleInside) {
    CropTracker t(1, 1);
    drag(t, H::BottomRight, 0, 0, 50, 50);
    EXPECT_LE(t.rect().left, t.rect().right);
    EXPECT_LE(t.rect().top, t.rect().bottom);
    CropTracker none(0, 0);
    none.setRatio(4.0 / 3.0);
    EXPECT_EQ(none.rect().width(), 0);
}

}  // namespace
}  // namespace turnpixa
