#include "process/ObjectOutline.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "image/Stretch.h"
#include "process/BackgroundRemoval.h"

namespace turnpixa {

namespace {

// Summed channel distance from the backdrop colour: below kNear a pixel is
// backdrop, from kFar on it is object, between it is part of an edge. JPEG
// noise and a gentle shading of a sweep stay below kNear.
constexpr int kNear = 30;
constexpr int kFar = 90;
// An edge needs this many object pixels in a row behind it: a speck of dust
// on the backdrop is not the object.
constexpr int kRun = 3;

float objectness(int distance) {
    if (distance <= kNear) return 0.0f;
    if (distance >= kFar) return 1.0f;
    return static_cast<float>(distance - kNear) / (kFar - kNear);
}

// The first edge from the start of a line of objectness values, stepping
// by `step`: where the values rise through one half, interpolated; kNone
// when the line holds no run of object.
float firstEdge(const std::vector<float>& line, int count, int start, int step) {
    int run = 0;
    for (int k = 0; k < count; ++k) {
        const float v = line[static_cast<std::size_t>(start + k * step)];
        run = v >= 0.5f ? run + 1 : 0;
        if (run < kRun) continue;
        const int at = k - kRun + 1;  // the first of the run
        if (at == 0) return 0.0f;
        const float before = line[static_cast<std::size_t>(start + (at - 1) * step)];
        const float here = line[static_cast<std::size_t>(start + at * step)];
        return static_cast<float>(at - 1) + (0.5f - before) / (here - before);
    }
    return ObjectOutline::kNone;
}

}  // namespace

void outlineGrid(int fullWidth, int fullHeight, int longSide, int& gridWidth, int& gridHeight) {
    const int w = std::max(fullWidth, 1), h = std::max(fullHeight, 1);
    if (w >= h) {
        gridWidth = std::min(longSide, w);
        gridHeight = std::max(1, static_cast<int>(std::lround(double{1.0} * h * gridWidth / w)));
    } else {
        gridHeight = std::min(longSide, h);
        gridWidth = std::max(1, static_cast<int>(std::lround(double{1.0} * w * gridHeight / h)));
    }
}

ObjectOutline traceOutline(const RasterImage& source, int fullWidth, int fullHeight, int gridWidth,
                           int gridHeight) {
    ObjectOutline o;
    RasterImage grid;
    if (source.empty() || gridWidth <= 0 || gridHeight <= 0 ||
        !grid.create(gridWidth, gridHeight, 24) ||
        !smoothStretch(source, Rect{0, 0, source.width(), source.height()}, grid) ||
        !detectBackgroundColour(grid))
        return o;
    o.gridWidth = gridWidth;
    o.gridHeight = gridHeight;
    o.scaleX = static_cast<double>(fullWidth) / gridWidth;
    o.scaleY = static_cast<double>(fullHeight) / gridHeight;
    const PackedColour k = grid.backgroundColour();
    const int kr = static_cast<int>(k & 0xFF), kg = static_cast<int>((k >> 8) & 0xFF),
              kb = static_cast<int>((k >> 16) & 0xFF);

    const std::size_t w = static_cast<std::size_t>(gridWidth);
    std::vector<float> weight(w * static_cast<std::size_t>(gridHeight));
    std::vector<std::uint8_t> row(w * 4);
    std::array<double, 3> backSum{}, objectSum{};
    std::int64_t backCount = 0, objectCount = 0;
    o.luminance.resize(w * static_cast<std::size_t>(gridHeight));
    for (int y = 0; y < gridHeight; ++y) {
        grid.getRow(y, row.data());
        for (std::size_t x = 0; x < w; ++x) {
            const int r = row[4 * x], g = row[4 * x + 1], b = row[4 * x + 2];
            o.luminance[static_cast<std::size_t>(y) * w + x] =
                static_cast<std::uint8_t>((77 * r + 150 * g + 29 * b) >> 8);
            const int d = std::abs(r - kr) + std::abs(g - kg) + std::abs(b - kb);
            const float v = objectness(d);
            weight[static_cast<std::size_t>(y) * w + x] = v;
            if (v == 0.0f) {
                backSum[0] += r, backSum[1] += g, backSum[2] += b;
                ++backCount;
                ++o.backdropLevels[0][r], ++o.backdropLevels[1][g], ++o.backdropLevels[2][b];
            } else if (v == 1.0f) {
                objectSum[0] += r, objectSum[1] += g, objectSum[2] += b;
                ++objectCount;
            }
        }
    }
    const double all = static_cast<double>(w) * gridHeight;
    o.backdropShare = static_cast<double>(backCount) / all;
    o.objectShare = static_cast<double>(objectCount) / all;
    for (int c = 0; c < 3; ++c) {
        o.backdropMean[c] = backCount ? backSum[c] / static_cast<double>(backCount) : 0.0;
        o.objectMean[c] = objectCount ? objectSum[c] / static_cast<double>(objectCount) : 0.0;
    }

    const int gw = gridWidth, gh = gridHeight;
    o.left.resize(static_cast<std::size_t>(gh));
    o.right.resize(static_cast<std::size_t>(gh));
    for (int y = 0; y < gh; ++y) {
        const int start = y * gw;
        o.left[y] = firstEdge(weight, gw, start, 1);
        const float fromRight = firstEdge(weight, gw, start + gw - 1, -1);
        o.right[y] = fromRight == ObjectOutline::kNone ? fromRight : (gw - 1) - fromRight;
    }
    o.top.resize(w);
    o.bottom.resize(w);
    for (int x = 0; x < gw; ++x) {
        o.top[x] = firstEdge(weight, gh, x, gw);
        const float fromBottom = firstEdge(weight, gh, x + (gh - 1) * gw, -gw);
        o.bottom[x] = fromBottom == ObjectOutline::kNone ? fromBottom : (gh - 1) - fromBottom;
    }
    return o;
}

}  // namespace turnpixa
