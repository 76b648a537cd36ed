#include "DrawZoomed.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace turnpixa {

namespace {

bool fitsInt(double v) {
    return v >= INT_MIN && v <= INT_MAX;
}

}  // namespace

// The area (l, t, r, b) is in zoomed image coordinates, both edges included.
// At zooms of 2 and more the source is drawn as exact g x g blocks; below
// that the destination is the source scaled by the zoom, half a pixel larger
// so that rounding leaves no gap at the right and bottom.
bool zoomedPlacement(int imageWidth, int imageHeight, int l, int t, int r, int b, double zoom,
                     ZoomedPlacement& placement) {
    if (imageWidth <= 0 || imageHeight <= 0 || !(zoom > 0.0) || !std::isfinite(zoom)) return false;
    const double gd = std::max(1.0, std::trunc(zoom + 1e-8));
    if (!fitsInt(gd)) return false;
    const auto g = static_cast<std::int64_t>(gd);
    const std::int64_t w = g > 1 ? std::int64_t{r} - l + g - 1 : std::int64_t{r} - l + 1;
    const std::int64_t h = g > 1 ? std::int64_t{b} - t + g - 1 : std::int64_t{b} - t + 1;

    // Computed in floating point and cut to the image before narrowing, so
    // that tiny zooms cannot overflow.
    const double sxd = std::trunc(std::max(l, 0) / zoom);
    const double syd = std::trunc(std::max(t, 0) / zoom);
    if (sxd >= imageWidth || syd >= imageHeight) return false;
    const int sx = static_cast<int>(sxd);
    const int sy = static_cast<int>(syd);
    const double swd = std::max(1.0, std::trunc(static_cast<double>(w) / zoom + 0.5));
    const double shd = std::max(1.0, std::trunc(static_cast<double>(h) / zoom + 0.5));
    const int sw = static_cast<int>(std::min<double>(swd, imageWidth - sx));
    const int sh = static_cast<int>(std::min<double>(shd, imageHeight - sy));

    double dx = 0, dy = 0, dw = 0, dh = 0;
    if (g > 1) {
        dx = static_cast<double>(sx) * g;
        dy = static_cast<double>(sy) * g;
        dw = static_cast<double>(sw) * g;
        dh = static_cast<double>(sh) * g;
    } else {
        dx = std::trunc(sx * zoom);
        dy = std::trunc(sy * zoom);
        dw = std::max(1.0, std::trunc((sw + 0.5) * zoom));
        dh = std::max(1.0, std::trunc((sh + 0.5) * zoom));
    }
    if (!fitsInt(dx + dw) || !fitsInt(dy + dh)) return false;

    placement.source = Rect{sx, sy, sx + sw, sy + sh};
    placement.destination = Rect{static_cast<int>(dx), static_cast<int>(dy),
                                 static_cast<int>(dx + dw), static_cast<int>(dy + dh)};
    return true;
}

}  // namespace turnpixa
