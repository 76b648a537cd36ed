#include <algorithm>
#include <cstdint>

#include "process/FrameRenderer.h"

namespace turnpixa {

namespace {

// Widths beyond this only change rings no image can have; the limit keeps
// the exact integer weights below from overflowing.
constexpr std::int64_t kMaxFrameWidth = 1 << 24;

// Percentage of the pixel that ring i keeps: the S-shaped weight times 100,
// rounded halves up. Worked in integers so that the halves are exact
// (for F = 10 the weights 0.005, 0.045, ... round to 1, 5, ...).
int ringPercentage(std::int64_t i, std::int64_t f) {
    const std::int64_t f2 = f * f;
    if (i < f / 2) {
        const std::int64_t odd = 2 * i + 1;  // 100 * 2 * (i + 0.5)^2 / F^2 = 50 * odd^2 / F^2
        return static_cast<int>((100 * odd * odd + f2) / (2 * f2));
    }
    const std::int64_t odd = 2 * (f - i) - 1;
    return static_cast<int>((201 * f2 - 100 * odd * odd) / (2 * f2));
}

void fade(RasterImage& image, int x, int y, int keep, PackedColour colour) {
    if (image.hasAlpha()) {  // a transparent frame fades out instead
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
        std::uint8_t& a = image.alpha()[static_cast<std::size_t>(y) * image.width() + x];
        a = static_cast<std::uint8_t>(a * keep / 100);
        return;
    }
    std::uint8_t r = 0, g = 0, b = 0;
    if (!image.getPixel(x + 1, y + 1, r, g, b)) return;
    auto mix = [keep](int frame, int pixel) {
        return static_cast<std::uint8_t>((frame * (100 - keep) + keep * pixel) / 100);
    };
    image.putPixel(x + 1, y + 1, mix(redOf(colour), r), mix(greenOf(colour), g),
                   mix(blueOf(colour), b));
}

}  // namespace

void softEdgeFrame(RasterImage& image, int width, PackedColour colour) {
    if (image.empty() || width <= 0) return;
    const int w = image.width();
    const int h = image.height();
    const std::int64_t f = std::min<std::int64_t>(width, kMaxFrameWidth);
    // Rings from max(w, h) inwards touch no pixel.
    const int rings = static_cast<int>(std::min<std::int64_t>(f, std::max(w, h)));
    for (int i = 0; i < rings; ++i) {
        const int keep = ringPercentage(i, f);
        if (i < w - i) {
            for (int x = i; x <= w - i - 1; ++x) {
                fade(image, x, i, keep, colour);
                fade(image, x, h - i - 1, keep, colour);
            }
        }
        if (i + 1 < h - i - 1) {
            for (int y = i + 1; y <= h - i - 2; ++y) {
                fade(image, i, y, keep, colour);
                fade(image, w - i - 1, y, keep, colour);
            }
        }
    }
}

}  // namespace turnpixa
