#include "PadGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace turnpixa {

PadDrawing padDrawing(int pageWidth, int pageHeight, int areaWidth, int areaHeight, int photos) {
    PadDrawing pad;
    pad.centreX = areaWidth / 2;
    pad.centreY = areaHeight / 2;
    const int padRadius = std::min(pageWidth, pageHeight) / 2;   // tenths of a millimetre
    const int drawRadius = std::min(areaWidth, areaHeight) / 2;  // pixels
    if (padRadius <= 0 || drawRadius <= 0) return pad;

    const double pixelsPerCm = drawRadius * 100.0 / padRadius;
    for (int i = 1; i <= padRadius / 100; ++i) {
        pad.circles.push_back({static_cast<int>(std::lround(i * pixelsPerCm)), i % 4 == 1});
    }

    const int n = std::clamp(photos, kPadMinPhotos, kPadMaxPhotos);
    pad.lines.reserve(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) {
        const double a = k * 2.0 * std::numbers::pi / n;
        pad.lines.push_back({pad.centreX + static_cast<int>(std::lround(std::sin(a) * drawRadius)),
                             pad.centreY + static_cast<int>(std::lround(std::cos(a) * drawRadius)),
                             k % 2 == 0});
    }
    return pad;
}

}  // namespace turnpixa
