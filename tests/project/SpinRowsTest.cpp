#include "project/SpinRows.h"

#include <gtest/gtest.h>

#include "process/FrameSource.h"
#include "project/Project.h"
#include "project/RingLayout.h"

using namespace turnpixa;

namespace {

std::vector<int> numbers(const std::vector<int>& indexes) {
    std::vector<int> out;
    for (int i : indexes) out.push_back(i + 1);
    return out;
}

}  // namespace

TEST(SpinRows, FramesAndRowsAndColumnsBothWays) {
    const SpinRows grid(24, 3);
    ASSERT_EQ(grid.rows(), 3);
    EXPECT_EQ(grid.columns(), 8);
    for (int index = 0; index < 24; ++index) {
        EXPECT_EQ(grid.rowOf(index), index / 8) << index;
        EXPECT_EQ(grid.columnOf(index), index % 8) << index;
        EXPECT_EQ(grid.indexAt(grid.rowOf(index), grid.columnOf(index)), index);
    }
    // A column wraps round its row; a row is clamped.
    EXPECT_EQ(grid.indexAt(1, 8), 8);
    EXPECT_EQ(grid.indexAt(1, -1), 15);
    EXPECT_EQ(grid.indexAt(5, 2), 18);
    EXPECT_EQ(grid.indexAt(-1, 2), 2);
}

TEST(SpinRows, OnlyDivisorsUpTo36FitAndAMisfitNamesBothNumbers) {
    EXPECT_EQ(SpinRows::choices(24), (std::vector<int>{1, 2, 3, 4, 6, 8, 12, 24}));
    EXPECT_EQ(SpinRows::choices(72), (std::vector<int>{1, 2, 3, 4, 6, 8, 9, 12, 18, 24, 36}));
    EXPECT_EQ(SpinRows::choices(37), (std::vector<int>{1}));
    EXPECT_EQ(SpinRows::choices(1), (std::vector<int>{1}));
    EXPECT_EQ(SpinRows::choices(0), (std::vector<int>{1}));
    EXPECT_TRUE(SpinRows::misfit(24, 3).empty());
    const std::string why = SpinRows::misfit(25, 3);
    EXPECT_NE(why.find("25 photos"), std::string::npos) << why;
    EXPECT_NE(why.find("3 rows"), std::string::npos) << why;
    EXPECT_NE(why.find("multiple of 3"), std::string::npos) << why;
    // Rows that do not fit are one row; so are none and too many.
    for (const auto& [count, rows] :
         std::vector<std::pair<int, int>>{{25, 3}, {24, 0}, {72, 72}, {0, 3}, {24, -3}}) {
        const SpinRows grid(count, rows);
        EXPECT_EQ(grid.rows(), 1) << count << " / " << rows;
        EXPECT_FALSE(SpinRows::misfit(count, rows).empty());
    }
}

TEST(SpinRows, TurningWrapsWithinTheRowAndTiltingIsClamped) {
    const SpinRows grid(24, 3);
    EXPECT_EQ(grid.turned(16, 1, false), 9);  // the last of row 2 to its first
    EXPECT_EQ(grid.turned(9, -1, false), 16);
    EXPECT_EQ(grid.turned(9, 1, true), 16);
    EXPECT_EQ(grid.turned(10, 8 * 1000 + 3, false), 13);
    EXPECT_EQ(grid.turned(10, -2147483647 - 1, false), 10);  // no overflow
    EXPECT_EQ(grid.tilted(10, 1), 18);
    EXPECT_EQ(grid.tilted(10, -1), 2);
    EXPECT_EQ(grid.tilted(10, 7), 18);
    EXPECT_EQ(grid.tilted(2, -1), 2);
    EXPECT_EQ(grid.tilted(24, 2147483647), 24);
    // Outside the list nothing moves.
    EXPECT_EQ(grid.turned(0, 1, false), 0);
    EXPECT_EQ(grid.tilted(25, -1), 25);

    // One row: the turn through all photos, and no tilt.
    const SpinRows one(24, 1);
    for (int current : {0, 1, 13, 24})
        for (int steps : {-25, -1, 1, 3, 30})
            for (bool reverse : {false, true})
                EXPECT_EQ(one.turned(current, steps, reverse),
                          ring::turned(current, steps, 24, reverse));
    EXPECT_EQ(one.tilted(13, 1), 13);
}

TEST(SpinRows, FramesRunRowByRowFromTheStartColumnAndTheStartFramePicksItsRow) {
    const SpinRows grid(12, 3);  // rows 1-4, 5-8, 9-12
    EXPECT_EQ(numbers(grid.frameOrder(7, false)),
              (std::vector<int>{3, 4, 1, 2, 7, 8, 5, 6, 11, 12, 9, 10}));
    EXPECT_EQ(grid.startFrame(7), 4);
    EXPECT_EQ(numbers(grid.frameOrder(7, true)),
              (std::vector<int>{3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12}));
    EXPECT_EQ(numbers(grid.frameOrder(1, false)),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(grid.startFrame(1), 0);
    EXPECT_EQ(grid.startFrame(12), 8);
    // The start photo is the start frame; tilting from it keeps the column.
    const std::vector<int> order = grid.frameOrder(10, false);
    EXPECT_EQ(order[static_cast<std::size_t>(grid.startFrame(10))], 9);
    EXPECT_EQ(order[static_cast<std::size_t>(grid.startFrame(10) - 4)], 5);

    // One row, and a start image outside the list, give the one-row order.
    for (int start : {1, 3, 12, 13, 0})
        for (bool reverse : {false, true}) {
            EXPECT_EQ(SpinRows(12, 1).frameOrder(start, reverse), spinOrder(12, start, reverse));
            EXPECT_EQ(SpinRows(12, 5).frameOrder(start, reverse), spinOrder(12, start, reverse));
            EXPECT_EQ(SpinRows(12, 1).startFrame(start), 0);
        }
    EXPECT_EQ(grid.frameOrder(13, false), spinOrder(12, 13, false));
    EXPECT_EQ(grid.startFrame(13), 0);
}

TEST(SpinRows, DragTurnsAcrossAndTiltsDownFourPixelsAStep) {
    const SpinRows grid(24, 3);
    SpinDrag drag;
    EXPECT_EQ(drag.move(9, 0, 8, grid, false), 2);  // two steps, wrapped in row 1
    EXPECT_EQ(drag.across(), 0);
    EXPECT_EQ(drag.move(0, 3, 2, grid, false), 0);
    EXPECT_EQ(drag.move(0, 1, 2, grid, false), 10);  // 4 pixels down: row 2
    EXPECT_EQ(drag.move(0, 9, 10, grid, false), 18);
    // Pushing past the last row is dropped: one step up comes straight back.
    EXPECT_EQ(drag.move(0, 40, 18, grid, false), 0);
    EXPECT_EQ(drag.down(), 0);
    EXPECT_EQ(drag.move(0, -4, 18, grid, false), 10);
    // Diagonal: across first, then down from there; reversed across only.
    EXPECT_EQ(drag.move(-4, 4, 10, grid, true), 19);
    drag.reset();
    EXPECT_EQ(drag.across(), 0);

    // One row: the turn as it always was; vertical travel turns nothing.
    SpinDrag flat;
    ring::TurnAccumulator old;
    const SpinRows one(36, 1);
    int current = 36, before = 36;
    for (int dx : {9, 1, 1, 1, -5, 2, -1, 0, 7}) {
        const int f = flat.move(dx, 6, current, one, false);
        const int g = old.move(dx, before, 36, false);
        EXPECT_EQ(f, g) << dx;
        EXPECT_EQ(flat.across(), old.pixels());
        if (f) current = f;
        if (g) before = g;
    }
    EXPECT_EQ(SpinDrag().move(8, 8, 0, SpinRows(0, 3), false), 0);
}

// The spin logo goes round once along each row, from the start column, so
// that the photos above and below one another carry the same logo picture.
TEST(SpinRows, TheLogoTurnsWithEachRow) {
    Project project;
    for (int n = 0; n < 12; ++n) {
        RasterImage image;
        ASSERT_TRUE(image.create(8, 6, 24));
        project.addPhotoFromImage(std::move(image));
    }
    project.chooseStartImage(7);
    const LogoPlacement flat = project.logoPlacement(9);
    EXPECT_EQ(flat.photoCount, 12);
    EXPECT_EQ(flat.index, 9);
    EXPECT_EQ(flat.startImage, 7);
    project.rows = 3;
    const LogoPlacement inRows = project.logoPlacement(9);
    EXPECT_EQ(inRows.photoCount, 4);
    EXPECT_EQ(inRows.index, 1);
    EXPECT_EQ(inRows.startImage, 3);
    const auto logoOf = [&](int index) {
        const LogoPlacement l = project.logoPlacement(index);
        return SpinLogo::indexFor(l.photoCount, l.index, l.startImage);
    };
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(logoOf(column), logoOf(column + 4));
        EXPECT_EQ(logoOf(column), logoOf(column + 8));
    }
    EXPECT_NE(logoOf(0), logoOf(1));
    project.rows = 5;  // does not fit 12: one row again
    EXPECT_EQ(project.logoPlacement(9).photoCount, 12);
}
