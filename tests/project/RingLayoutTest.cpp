#include "project/RingLayout.h"

#include <gtest/gtest.h>

#include "tests/support/ImageCompare.h"

using namespace turnpixa;
using namespace turnpixa::ring;

namespace {

const Rect kRing{0, 0, 500, 400};
const Size kThumb{64, 48};

std::vector<Slot> slotsFor(int count) {
    return layout(kRing, std::vector<Size>(static_cast<std::size_t>(count), kThumb));
}

}  // namespace

// The ring rectangle is 500 x 400 with 64 x 48 thumbnails: the spans are
// 436 x 352 and the centre is (250, 200), so the corners are at x 32 / 468
// and y 24 / 376.
TEST(RingLayout, FewPhotosFillTheCornersAnticlockwise) {
    const auto one = slotsFor(1);
    EXPECT_EQ(one[0].centre, (Point{32, 24}));
    const Rect r = thumbnailRect(one[0].centre, kThumb);
    EXPECT_EQ(r, (Rect{0, 0, 64, 48}));

    const auto three = slotsFor(3);
    EXPECT_EQ(three[0].centre, (Point{32, 24}));
    EXPECT_EQ(three[1].centre, (Point{32, 376}));
    EXPECT_EQ(three[2].centre, (Point{468, 376}));

    const auto four = slotsFor(4);
    EXPECT_EQ(four[3].centre, (Point{468, 24}));
}

TEST(RingLayout, EightPhotosTwoPerSide) {
    const auto s = slotsFor(8);
    const Point expected[] = {{32, 24},   {32, 200},  {32, 376}, {250, 376},
                              {468, 376}, {468, 200}, {468, 24}, {250, 24}};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(s[static_cast<std::size_t>(i)].centre, expected[i]) << "photo " << i;
}

TEST(RingLayout, RingOffsetFromThePanel) {
    // A side panel of 200 pixels moves everything right by its width.
    const auto s = layout(Rect{200, 0, 700, 400}, {kThumb, kThumb, kThumb, kThumb});
    EXPECT_EQ(s[0].centre, (Point{232, 24}));
    EXPECT_EQ(s[2].centre, (Point{668, 376}));
}

TEST(RingLayout, HitTestTakesTheFirstThumbnailHoldingThePoint) {
    const auto s = slotsFor(8);
    EXPECT_EQ(hitTest(s, {0, 0}), 0);
    EXPECT_EQ(hitTest(s, {63, 47}), 0);
    EXPECT_EQ(hitTest(s, {64, 47}), -1);
    EXPECT_EQ(hitTest(s, {250, 376}), 3);
    EXPECT_EQ(hitTest(s, {250, 200}), -1);
    // Overlapping thumbnails: the first in list order wins.
    std::vector<Slot> overlap = {{{10, 10}, {20, 20}}, {{15, 15}, {20, 20}}};
    EXPECT_EQ(hitTest(overlap, {16, 16}), 0);
    EXPECT_EQ(hitTest(overlap, {22, 22}), 1);
}

TEST(RingLayout, DistanceToSegment) {
    EXPECT_DOUBLE_EQ(distanceToSegment({0, 5}, {0, 0}, {10, 0}), 5.0);
    EXPECT_DOUBLE_EQ(distanceToSegment({5, 3}, {0, 0}, {10, 0}), 3.0);
    EXPECT_DOUBLE_EQ(distanceToSegment({13, 4}, {0, 0}, {10, 0}), 5.0);
    EXPECT_DOUBLE_EQ(distanceToSegment({-3, -4}, {0, 0}, {10, 0}), 5.0);
    EXPECT_DOUBLE_EQ(distanceToSegment({3, 4}, {0, 0}, {0, 0}), 5.0);
}

TEST(RingLayout, DropTargetIsTheNearestSpoke) {
    const auto s = slotsFor(8);
    const Point c = ringCentre(kRing);
    // On photo 4's spoke, 70 % of the way out.
    EXPECT_EQ(dropTarget(s, c, {403, 323}), 4);
    // Just beside photo 7's spoke (straight up from the centre).
    EXPECT_EQ(dropTarget(s, c, {252, 100}), 7);
    // The centre touches every spoke: the first wins.
    EXPECT_EQ(dropTarget(s, c, c), 0);
    EXPECT_EQ(dropTarget({}, c, c), -1);
}

TEST(RingLayout, HighlightIsARunningAverage) {
    PackedColour c = 0;
    EXPECT_FALSE(highlightColour(false, false, false, c));
    ASSERT_TRUE(highlightColour(true, false, false, c));
    EXPECT_EQ(c, packColour(255, 64, 64));
    ASSERT_TRUE(highlightColour(false, false, true, c));
    EXPECT_EQ(c, packColour(64, 255, 64));
    ASSERT_TRUE(highlightColour(true, true, false, c));
    EXPECT_EQ(c, packColour(159, 64, 159));
    ASSERT_TRUE(highlightColour(false, true, true, c));
    EXPECT_EQ(c, packColour(64, 159, 159));
    // ((255+64)/2 + 64)/2 = 111 for red; green (64+255)/2 = 159.
    ASSERT_TRUE(highlightColour(true, true, true, c));
    EXPECT_EQ(c, packColour(111, 159, 111));
    EXPECT_EQ(shadedColour(packColour(255, 64, 64)), packColour(204, 51, 51));
}

TEST(RingLayout, TurningWrapsBothWays) {
    EXPECT_EQ(turned(36, 2, 36, false), 2);
    EXPECT_EQ(turned(1, -1, 36, false), 36);
    EXPECT_EQ(turned(1, 1, 10, true), 10);
    EXPECT_EQ(turned(10, 1, 10, true), 9);
    EXPECT_EQ(turned(3, -25, 10, false), 8);
    EXPECT_EQ(turned(5, 0, 10, false), 5);
    EXPECT_EQ(turned(0, 3, 0, false), 0);
}

TEST(RingLayout, AccumulatorStepsEveryFourPixelsAndDropsTheRest) {
    TurnAccumulator a;
    EXPECT_EQ(a.move(9, 36, 36, false), 2);
    EXPECT_EQ(a.pixels(), 0);

    TurnAccumulator b;
    int current = 36;
    int steps = 0;
    for (int i = 0; i < 9; ++i) {
        const int f = b.move(1, current, 36, false);
        if (f != 0) {
            current = f;
            ++steps;
        }
    }
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(current, 2);
    EXPECT_EQ(b.pixels(), 1);

    TurnAccumulator c;
    EXPECT_EQ(c.move(-3, 1, 36, false), 0);
    EXPECT_EQ(c.move(-1, 1, 36, false), 36);
    // Reversed: dragging right goes backwards.
    EXPECT_EQ(c.move(4, 1, 36, true), 36);
    // A single photo never turns, and the travel keeps gathering.
    TurnAccumulator d;
    EXPECT_EQ(d.move(8, 1, 1, false), 0);
    EXPECT_EQ(d.pixels(), 8);
    EXPECT_EQ(d.move(8, 0, 0, false), 0);
}

TEST(RingLayout, PreviewIsCentredButNeverOverThePanel) {
    EXPECT_EQ(previewOrigin(200, 1000, 600, {400, 300}), (Point{400, 150}));
    EXPECT_EQ(previewOrigin(200, 1000, 600, {900, 700}), (Point{200, 0}));
}

TEST(RingLayout, FadedPictureTakesEightyPercentOfTheLimitingSide) {
    // 0.8 * 800 / 477 is smaller than 0.8 * 600 / 352: width limits, 640 x 472.
    EXPECT_EQ(fadedPictureRect({200, 0, 1000, 600}, {478, 353}), (Rect{280, 64, 920, 536}));
    // A tall narrow ring: height limits, scale 0.8 * 300 / 352.
    const Rect r = fadedPictureRect({0, 0, 2000, 300}, {478, 353});
    EXPECT_EQ(r.height(), 240);
    EXPECT_EQ(r.width(), 325);  // round(0.681818 * 477) = 325
    EXPECT_EQ(fadedPictureRect({0, 0, 100, 100}, {1, 1}), (Rect{}));
}

TEST(RingLayout, FadedOntoWhite) {
    const RasterImage src = test::makeImage(
        2, 1, [](int x, int) { return x == 0 ? kBlack : packColour(100, 200, 50); });
    const RasterImage out = fadedOntoWhite(src, 20);
    EXPECT_EQ(test::pixelAt(out, 1, 1), packColour(204, 204, 204));
    EXPECT_EQ(test::pixelAt(out, 2, 1), packColour(224, 244, 214));
}

TEST(RingLayout, DragCursorHasABlueBorderAndALightenedInside) {
    const RasterImage src = test::makeImage(4, 4, [](int, int) { return packColour(0, 100, 250); });
    const RasterImage out = dragCursorPicture(src);
    ASSERT_EQ(out.width(), 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(test::pixelAt(out, i, 1), packColour(0, 0, 255));
        EXPECT_EQ(test::pixelAt(out, 1, i), packColour(0, 0, 255));
        EXPECT_EQ(test::pixelAt(out, i, 4), packColour(0, 0, 255));
        EXPECT_EQ(test::pixelAt(out, 4, i), packColour(0, 0, 255));
    }
    // 192 - 192*0.8 = 38.4, 192 - 92*0.8 = 118.4, 192 + 58*0.8 = 238.4.
    EXPECT_EQ(test::pixelAt(out, 2, 2), packColour(38, 118, 238));
    EXPECT_EQ(test::pixelAt(out, 3, 3), packColour(38, 118, 238));
}
