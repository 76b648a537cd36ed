#pragma once
#include <string>
#include <vector>

namespace turnpixa {

// A spin shot in rows at several camera heights: the photos stay one list in
// frame order, row 1's first, then row 2's, each row with the same number of
// photos (its columns). Turning goes round within a row, tilting moves to the
// same column of the row above or below. Indexes and rows count from 0 here,
// photo numbers from 1.
class SpinRows {
public:
    static constexpr int kMostRows = 36;

    // A row count that does not fit the photo count (see fits) lays the
    // photos out in one row.
    SpinRows(int count, int rows);

    // 1 <= rows <= kMostRows and count a positive multiple of rows.
    static bool fits(int count, int rows);
    // The row counts count photos can be laid out in: 1 and every divisor
    // of count up to kMostRows, in ascending order.
    static std::vector<int> choices(int count);
    // Why rows do not fit count, naming both; empty when they do.
    static std::string misfit(int count, int rows);

    int count() const { return count_; }
    int rows() const { return rows_; }
    int columns() const { return rows_ > 0 ? count_ / rows_ : 0; }

    int rowOf(int index) const;
    int columnOf(int index) const;
    int indexAt(int row, int column) const;

    // The photo number reached by turning `steps` within the row of
    // `number`, wrapping round that row (backwards when reversed). With one
    // row it is the turn through all photos; a number outside 1..count
    // stays as it is with several rows.
    int turned(int number, int steps, bool reverse) const;
    // The photo number reached by tilting `steps` rows down the list (to the
    // same column), clamped at the first and the last row.
    int tilted(int number, int steps) const;

    // Photo indexes in the order of the written frames: row by row, each
    // from the start image's column onwards (backwards when reversed), so
    // that every row starts in the same column. With one row, or a start
    // image outside the list, this is the one-row spin order.
    std::vector<int> frameOrder(int startImage, bool reverse) const;
    // The position of the start image in frameOrder: the first frame of its
    // row (0 with one row).
    int startFrame(int startImage) const;

private:
    int count_ = 0;
    int rows_ = 1;
};

// Dragging across the preview: horizontal travel turns within the row and
// vertical travel tilts between rows, each gathered until it makes a whole
// step (4 pixels), which moves to another photo and empties it. Travel
// pushing past the first or last row is dropped.
class SpinDrag {
public:
    static constexpr int kPixelsPerStep = 4;

    // Adds the movement; the photo number to select, or 0 when nothing moves.
    int move(int dx, int dy, int current, const SpinRows& grid, bool reverse);
    void reset() { across_ = down_ = 0; }
    int across() const { return across_; }
    int down() const { return down_; }

private:
    int across_ = 0;
    int down_ = 0;
};

}  // namespace turnpixa
