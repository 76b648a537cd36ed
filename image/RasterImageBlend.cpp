#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "RasterImage.h"

namespace turnpixa {

namespace {

// Opacity weight of the soft-edge ramp at distance u from the nearest edge of
// the blended area, for an edge width f > 0 and u < f.
double rampWeight(int u, int f) {
    const double v = u + 0.5;
    const double ff = static_cast<double>(f) * f;
    if (u < f / 2) return 2.0 * v * v / ff;
    return 1.0 - 2.0 * (f - v) * (f - v) / ff;
}

}  // namespace

bool RasterImage::fill(PackedColour colour) {
    if (!hasPixels()) return false;
    const auto red = static_cast<std::uint8_t>(redOf(colour));
    const auto green = static_cast<std::uint8_t>(greenOf(colour));
    const auto blue = static_cast<std::uint8_t>(blueOf(colour));
    const int w = width();
    const int h = height();
    if (bitsPerPixel() == 24) {
        for (int r = 0; r < h; ++r) {
            std::uint8_t* p = rowData(r);
            for (int x = 0; x < w; ++x, p += 3) {
                p[0] = blue;
                p[1] = green;
                p[2] = red;
            }
        }
        return true;
    }
    // A palette image takes the first table entry of that colour everywhere;
    // without one nothing can be written.
    const std::uint8_t* t = colourTable();
    for (int i = 0; i < colourTableSize(); ++i) {
        if (t[4 * i] == blue && t[4 * i + 1] == green && t[4 * i + 2] == red) {
            for (int y = 1; y <= h; ++y)
                for (int x = 1; x <= w; ++x) putIndex(x, y, static_cast<std::uint8_t>(i));
            return true;
        }
    }
    return false;
}

// Blends source onto this image with its top-left pixel at (dx, dy), 0-based.
// Source pixels equal to key are skipped; with soft keying pixels near the key
// (channel distance below 3 * tolerance) blend in proportion to their distance.
// An edge width above 0 fades the source in over that many pixels from every
// edge. All percentages are integers truncated toward zero.
bool RasterImage::overlayBlend(const RasterImage& source, int dx, int dy, int opacity,
                               PackedColour key, bool softKeying, int tolerance, int edgeWidth) {
    if (!hasPixels() || !source.hasPixels() || dx < 0 || dy < 0) return false;
    const int a = std::clamp(opacity, 1, 100);
    const int w = std::min(source.width(), width() - dx);
    const int h = std::min(source.height(), height() - dy);
    if (w <= 0 || h <= 0) return true;

    const int keyRed = redOf(key);
    const int keyGreen = greenOf(key);
    const int keyBlue = blueOf(key);
    const std::int64_t threshold = 3 * std::int64_t{tolerance};  // no overflow for any tolerance
    const bool direct = bitsPerPixel() == 24;
    std::vector<std::uint8_t> sourceRow(static_cast<std::size_t>(source.width()) * 4);

    for (int i = 0; i < h; ++i) {
        source.getRow(i, sourceRow.data());
        std::uint8_t* destRow = direct ? rowData(i + dy) : nullptr;
        for (int j = 0; j < w; ++j) {
            const int pr = sourceRow[4 * j];
            const int pg = sourceRow[4 * j + 1];
            const int pb = sourceRow[4 * j + 2];
            if (pr == keyRed && pg == keyGreen && pb == keyBlue) continue;

            int r = a;
            if (softKeying) {
                const int d =
                    std::abs(pr - keyRed) + std::abs(pg - keyGreen) + std::abs(pb - keyBlue);
                if (d < threshold) {
                    const double m = static_cast<double>(d) / static_cast<double>(threshold);
                    r = static_cast<int>(a * m);
                }
            }
            if (edgeWidth > 0) {
                const int u = std::min({j, w - j, i, h - i});
                if (u < edgeWidth) r = static_cast<int>(r * rampWeight(u, edgeWidth));
            }

            const int x = j + dx;
            if (direct) {
                std::uint8_t* q = destRow + static_cast<std::size_t>(x) * 3;
                q[0] = static_cast<std::uint8_t>((r * pb + (100 - r) * q[0]) / 100);
                q[1] = static_cast<std::uint8_t>((r * pg + (100 - r) * q[1]) / 100);
                q[2] = static_cast<std::uint8_t>((r * pr + (100 - r) * q[2]) / 100);
            } else {
                std::uint8_t qr = 0, qg = 0, qb = 0;
                getPixel(x + 1, i + dy + 1, qr, qg, qb);
                putPixel(x + 1, i + dy + 1,
                         static_cast<std::uint8_t>((r * pr + (100 - r) * qr) / 100),
                         static_cast<std::uint8_t>((r * pg + (100 - r) * qg) / 100),
                         static_cast<std::uint8_t>((r * pb + (100 - r) * qb) / 100));
            }
        }
    }
    return true;
}

}  // namespace turnpixa
