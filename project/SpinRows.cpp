#include "SpinRows.h"

#include <algorithm>

#include "RingLayout.h"
#include "process/FrameSource.h"

namespace turnpixa {

namespace {

int wrapped(long long value, int modulus) {
    const long long r = value % modulus;
    return static_cast<int>(r < 0 ? r + modulus : r);
}

}  // namespace

SpinRows::SpinRows(int count, int rows) : count_(std::max(count, 0)) {
    rows_ = fits(count, rows) ? rows : 1;
}

bool SpinRows::fits(int count, int rows) {
    return rows >= 1 && rows <= kMostRows && count > 0 && count % rows == 0;
}

std::vector<int> SpinRows::choices(int count) {
    std::vector<int> out{1};
    for (int rows = 2; rows <= kMostRows; ++rows)
        if (fits(count, rows)) out.push_back(rows);
    return out;
}

std::string SpinRows::misfit(int count, int rows) {
    if (fits(count, rows)) return {};
    const std::string photos = std::to_string(count) + (count == 1 ? " photo" : " photos");
    if (rows < 1 || rows > kMostRows)
        return std::to_string(rows) + " rows are not between 1 and " + std::to_string(kMostRows);
    return photos + " cannot be laid out in " + std::to_string(rows) +
           " rows: every row needs the same number of photos, so the photo count must be a "
           "multiple of " +
           std::to_string(rows);
}

int SpinRows::rowOf(int index) const {
    const int c = columns();
    return c > 0 && index >= 0 ? std::min(index / c, rows_ - 1) : 0;
}

int SpinRows::columnOf(int index) const {
    const int c = columns();
    return c > 0 && index >= 0 ? index % c : 0;
}

int SpinRows::indexAt(int row, int column) const {
    const int c = columns();
    if (c == 0) return 0;
    return std::clamp(row, 0, rows_ - 1) * c + wrapped(column, c);
}

int SpinRows::turned(int number, int steps, bool reverse) const {
    if (rows_ == 1) return ring::turned(number, steps, count_, reverse);
    if (number < 1 || number > count_) return number;
    const int index = number - 1;
    const long long s = reverse ? -static_cast<long long>(steps) : steps;
    return indexAt(rowOf(index), static_cast<int>(wrapped(columnOf(index) + s, columns()))) + 1;
}

int SpinRows::tilted(int number, int steps) const {
    if (rows_ == 1 || number < 1 || number > count_) return number;
    const int index = number - 1;
    const long long row =
        std::clamp<long long>(static_cast<long long>(rowOf(index)) + steps, 0, rows_ - 1);
    return indexAt(static_cast<int>(row), columnOf(index)) + 1;
}

std::vector<int> SpinRows::frameOrder(int startImage, bool reverse) const {
    if (rows_ == 1 || startImage < 1 || startImage > count_)
        return spinOrder(count_, startImage, reverse);
    const int c = columns();
    const int first = columnOf(startImage - 1);
    const int d = reverse ? -1 : 1;
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(count_));
    for (int row = 0; row < rows_; ++row)
        for (int k = 0; k < c; ++k) order.push_back(indexAt(row, first + d * k));
    return order;
}

int SpinRows::startFrame(int startImage) const {
    if (rows_ == 1 || startImage < 1 || startImage > count_) return 0;
    return rowOf(startImage - 1) * columns();
}

int SpinDrag::move(int dx, int dy, int current, const SpinRows& grid, bool reverse) {
    across_ += dx;
    if (grid.count() <= 0) return 0;
    int f = current;
    const int turnedTo = grid.turned(f, across_ / kPixelsPerStep, reverse);
    if (turnedTo != f) {
        across_ = 0;
        f = turnedTo;
    }
    down_ += dy;
    const int steps = down_ / kPixelsPerStep;
    const int tiltedTo = grid.tilted(f, steps);
    if (tiltedTo != f) {
        down_ = 0;
        f = tiltedTo;
    } else if (steps != 0) {
        // At the first or last row: what pushes beyond it is not kept.
        down_ %= kPixelsPerStep;
    }
    return f != current ? f : 0;
}

}  // namespace turnpixa
