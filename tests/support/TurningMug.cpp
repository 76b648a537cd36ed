#include "tests/support/TurningMug.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "image/PackedColour.h"

namespace turnpixa::test {

void fillBox(RasterImage& image, int left, int top, int right, int bottom, int r, int g, int b) {
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y)
        for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x)
            image.putPixel(x + 1, y + 1, static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                           static_cast<std::uint8_t>(b));
}

RasterImage mugPhoto(int k, int count, MugMove move, double gain) {
    RasterImage image;
    image.create(kMugWidth, kMugHeight, 24);
    image.fill(packColour(200, 200, 205));
    const double t = 2.0 * std::numbers::pi * k / count;
    const int cx = kMugWidth / 2 + move.x, cy = kMugHeight / 2 + move.y;
    const bool handleBehind = std::cos(t) > 0.0 && std::abs(std::sin(t)) < 0.6;
    const int hx = cx + static_cast<int>(std::lround(42.0 * std::sin(t)));
    if (handleBehind) fillBox(image, hx - 6, cy - 15, hx + 6, cy + 5, 40, 60, 130);
    fillBox(image, cx - 30, cy - 40, cx + 30, cy + 40, 60, 90, 170);
    const int sx = cx + static_cast<int>(std::lround(24.0 * std::cos(t)));
    fillBox(image, sx - 3, cy - 40, sx + 3, cy + 40, 230, 200, 40);
    if (!handleBehind) fillBox(image, hx - 6, cy - 15, hx + 6, cy + 5, 40, 60, 130);
    if (gain != 1.0)
        for (int r = 0; r < kMugHeight; ++r) {
            std::uint8_t* p = image.rowData(r);
            for (int i = 0; i < kMugWidth * 3; ++i)
                p[i] = static_cast<std::uint8_t>(std::min(255.0, p[i] * gain + 0.5));
        }
    return image;
}

std::vector<MugMove> mugWobble(int count) {
    std::vector<MugMove> moves;
    unsigned seed = 25;
    for (int k = 0; k < count; ++k) {
        seed = seed * 1103515245u + 12345u;
        const int shakeX = static_cast<int>((seed >> 16) % 9) - 4;
        seed = seed * 1103515245u + 12345u;
        const int shakeY = static_cast<int>((seed >> 16) % 9) - 4;
        const double t = 2.0 * std::numbers::pi * k / count;
        moves.push_back({static_cast<int>(std::lround(20.0 * std::sin(t))) + shakeX,
                         static_cast<int>(std::lround(5.0 * std::cos(t))) + shakeY});
    }
    return moves;
}

}  // namespace turnpixa::test
