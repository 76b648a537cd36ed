#include <cmath>

#include "RasterImage.h"

namespace turnpixa {

// Gamma correction with exponent 1 / gamma. 24-bit pixels go through a
// rounded table; palette images change only their colour table, truncated.
bool RasterImage::lightness(double gamma) {
    if (!hasPixels() || !(gamma > 0.0) || !std::isfinite(gamma)) return false;
    const double exponent = 1.0 / gamma;
    if (bitsPerPixel() == 24) {
        std::uint8_t table[256];
        for (int i = 0; i < 256; ++i)
            table[i] = static_cast<std::uint8_t>(255.0 * std::pow(i / 255.0, exponent) + 0.5);
        const std::size_t rowBytes = static_cast<std::size_t>(width()) * 3;
        for (int r = 0; r < height(); ++r) {
            std::uint8_t* p = rowData(r);
            for (std::size_t i = 0; i < rowBytes; ++i) p[i] = table[p[i]];
        }
        return true;
    }
    std::uint8_t* t = colourTable();
    for (int i = 0; i < colourTableSize(); ++i) {
        for (int c = 0; c < 3; ++c) {
            std::uint8_t& v = t[4 * i + c];
            v = static_cast<std::uint8_t>(255.0 * std::pow(v / 255.0, exponent));
        }
    }
    return true;
}

}  // namespace turnpixa
