#include "process/BackgroundRemoval.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "process/ColourClusterTree.h"

namespace turnpixa {

namespace {

constexpr int kBand = 10;

}  // namespace

bool detectBackgroundColour(RasterImage& frame) {
    if (frame.empty()) return false;
    const int width = frame.width();
    const int height = frame.height();
    const int maxLeaves = frame.isPaletteImage() ? frame.colourCount() : 16;
    ColourClusterTree tree(maxLeaves);
    std::uint8_t r = 0, g = 0, b = 0;
    auto visit = [&](int x, int y) {
        frame.getPixel(x, y, r, g, b);
        tree.feed(r, g, b);
    };
    for (int y = 0; y < height; ++y) {
        if (y < kBand || y > height - kBand) {
            for (int x = 1; x <= width; ++x) visit(x, y + 1);
            continue;
        }
        // From the outside in, alternating left and right; columns that a
        // narrow frame does not have are not read (they would read as white).
        for (int j = 1; j <= kBand && j <= width; ++j) {
            visit(j, y + 1);
            visit(width - j + 1, y + 1);
        }
    }
    tree.finish();
    PackedColour background = kWhite;
    if (!tree.winner(background)) return false;
    frame.setBackgroundColour(background);
    return true;
}

bool removeBackground(RasterImage& frame, int strength, PackedColour replacement) {
    if (!detectBackgroundColour(frame)) return false;
    const PackedColour key = frame.backgroundColour();
    // The canvas shares the frame's geometry, depth and colour table.
    RasterImage canvas = frame;
    canvas.fill(replacement);
    canvas.overlayBlend(frame, 0, 0, 100, key, true, strength, 0);
    frame = std::move(canvas);
    frame.setBackgroundColour(key);
    return true;
}

bool removeBackgroundToAlpha(RasterImage& frame, int strength) {
    if (!detectBackgroundColour(frame) || !frame.addAlpha()) return false;
    const PackedColour key = frame.backgroundColour();
    const int kr = redOf(key), kg = greenOf(key), kb = blueOf(key);
    const int range = 3 * std::max(strength, 1);
    const int w = frame.width();
    std::vector<std::uint8_t> row(static_cast<std::size_t>(w) * 4);
    for (int y = 0; y < frame.height(); ++y) {
        frame.getRow(y, row.data());
        std::uint8_t* alpha = frame.alpha().data() + static_cast<std::size_t>(y) * w;
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p = row.data() + static_cast<std::size_t>(x) * 4;
            const int d = std::abs(p[0] - kr) + std::abs(p[1] - kg) + std::abs(p[2] - kb);
            if (d >= range) continue;
            const int r = 100 * d / range;  // the percentage of the pixel a replacement keeps
            alpha[x] = static_cast<std::uint8_t>((r * 255 + 50) / 100);
        }
    }
    return true;
}

}  // namespace turnpixa
