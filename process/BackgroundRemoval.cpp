#include "process/BackgroundRemoval.h"

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

}  // namespace turnpixa
