#pragma once
#include <string>

#include "image/RasterImage.h"

namespace turnpixa::test {

// Builds a 24-bit image from a function of the 0-based pixel position
// returning a packed colour.
template <typename F>
RasterImage makeImage(int width, int height, F colourAt) {
    RasterImage img;
    img.create(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const PackedColour c = colourAt(x, y);
            img.putPixel(x + 1, y + 1, static_cast<std::uint8_t>(redOf(c)),
                         static_cast<std::uint8_t>(greenOf(c)),
                         static_cast<std::uint8_t>(blueOf(c)));
        }
    return img;
}

PackedColour pixelAt(const RasterImage& img, int x, int y);  // 1-based

// Largest per-channel difference over two images of one size; -1 when the
// sizes differ. Palette images are compared by colour.
int maxChannelDifference(const RasterImage& a, const RasterImage& b);

// Human-readable first difference, for assertion messages.
std::string describeDifference(const RasterImage& a, const RasterImage& b);

}  // namespace turnpixa::test
