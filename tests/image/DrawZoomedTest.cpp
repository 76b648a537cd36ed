#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "image/DrawZoomed.h"

namespace turnpixa {
namespace {

struct ZoomCase {
    const char* name;
    int imageWidth, imageHeight;
    int l, t, r, b;
    double zoom;
    Rect source;
    Rect destination;
};

// Each row worked out by hand from the placement rules; see the comments.
const ZoomCase kCases[] = {
    // g = 1: w = 50, h = 40; size trunc(50 + 0.5) = 50; drawn at 0 with trunc(50.5) = 50.
    {"one to one", 100, 80, 0, 0, 49, 39, 1.0, {0, 0, 50, 40}, {0, 0, 50, 40}},
    // g = 2: w = 29 - 10 + 1 = 20 (r - l + g - 1); x = 10 / 2 = 5; width trunc(10.5) = 10.
    {"double", 100, 80, 10, 20, 29, 39, 2.0, {5, 10, 15, 20}, {10, 20, 30, 40}},
    // g = 3: w = 12; x = trunc(3.33) = 3; width trunc(4 + 0.5) = 4; blocks of 3 from 9.
    {"triple", 100, 80, 10, 10, 20, 20, 3.0, {3, 3, 7, 7}, {9, 9, 21, 21}},
    // g = 1: width trunc(100.5) = 100, height 80; drawn trunc(100.5 * 0.5) = 50 by trunc(40.25).
    {"half", 100, 80, 0, 0, 49, 39, 0.5, {0, 0, 100, 80}, {0, 0, 50, 40}},
    // x = 20, width 40 cut to 30 - 20 = 10; y = 10, height cut to 10; drawn 10.5 -> 10.
    {"cut at the edges", 30, 20, 20, 10, 59, 49, 1.0, {20, 10, 30, 20}, {20, 10, 30, 20}},
    // negative l and t count as 0 for the position: w = 9 + 10 + 1 = 20, h = 10.
    {"negative origin", 100, 100, -10, -4, 9, 5, 2.0, {0, 0, 10, 5}, {0, 0, 20, 10}},
    // g = 1: x = trunc(3 / 1.5) = 2; width trunc(10 / 1.5 + 0.5) = 7; at trunc(3), size
    // trunc(11.25).
    {"one and a half", 100, 100, 3, 3, 12, 12, 1.5, {2, 2, 9, 9}, {3, 3, 14, 14}},
    // 2 - 1e-9 + 1e-8 truncates to 2: w = 10, width trunc(5.5) = 5.
    {"just below two", 100, 100, 0, 0, 9, 9, 2.0 - 1e-9, {0, 0, 5, 5}, {0, 0, 10, 10}},
    // g = 4, w = 3: width trunc(0.75 + 0.5) = 1; one 4 x 4 block.
    {"single pixel", 10, 10, 0, 0, 0, 0, 4.0, {0, 0, 1, 1}, {0, 0, 4, 4}},
    // a tiny zoom: the whole image, drawn at least 1 x 1.
    {"tiny zoom", 50, 40, 0, 0, 99, 99, 1e-12, {0, 0, 50, 40}, {0, 0, 1, 1}},
    // g = 1: x = trunc(7 / 0.3) = 23, w = 10: width trunc(33.83) = 33; at trunc(6.9) = 6,
    // drawn trunc(33.5 * 0.3) = 10.
    {"odd zoom", 200, 200, 7, 7, 16, 16, 0.3, {23, 23, 56, 56}, {6, 6, 16, 16}},
};

TEST(ZoomedPlacement, HandComputedTable) {
    for (const ZoomCase& c : kCases) {
        SCOPED_TRACE(c.name);
        ZoomedPlacement p;
        ASSERT_TRUE(zoomedPlacement(c.imageWidth, c.imageHeight, c.l, c.t, c.r, c.b, c.zoom, p));
        EXPECT_EQ(p.source, c.source);
        EXPECT_EQ(p.destination, c.destination);
    }
}

TEST(ZoomedPlacement, RefusesWhatCannotBeDrawn) {
    ZoomedPlacement p;
    EXPECT_FALSE(zoomedPlacement(0, 10, 0, 0, 9, 9, 1.0, p));
    EXPECT_FALSE(zoomedPlacement(10, 0, 0, 0, 9, 9, 1.0, p));
    EXPECT_FALSE(zoomedPlacement(10, 10, 0, 0, 9, 9, 0.0, p));
    EXPECT_FALSE(zoomedPlacement(10, 10, 0, 0, 9, 9, -2.0, p));
    EXPECT_FALSE(zoomedPlacement(10, 10, 0, 0, 9, 9, std::nan(""), p));
    EXPECT_FALSE(zoomedPlacement(10, 10, 0, 0, 9, 9, std::numeric_limits<double>::infinity(), p));
    // The area starts beyond the image.
    EXPECT_FALSE(zoomedPlacement(10, 10, 20, 0, 29, 9, 1.0, p));
    EXPECT_FALSE(zoomedPlacement(10, 10, 0, 40, 9, 49, 4.0, p));
    // Blocks so large that the device position leaves the int range.
    EXPECT_FALSE(zoomedPlacement(10, 10, 2000000000, 0, 2000000009, 9, 1e9, p));
}

}  // namespace
}  // namespace turnpixa
