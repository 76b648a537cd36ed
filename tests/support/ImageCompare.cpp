#include "tests/support/ImageCompare.h"
#include <algorithm>

#include <cstdlib>
#include <sstream>

namespace turnpixa::test {

PackedColour pixelAt(const RasterImage& img, int x, int y) {
    std::uint8_t r = 0, g = 0, b = 0;
    img.getPixel(x, y, r, g, b);
    return packColour(r, g, b);
}

int maxChannelDifference(const RasterImage& a, const RasterImage& b) {
    if (a.width() != b.width() || a.height() != b.height()) return -1;
    int worst = 0;
    for (int y = 1; y <= a.height(); ++y)
        for (int x = 1; x <= a.width(); ++x) {
            const PackedColour p = pixelAt(a, x, y), q = pixelAt(b, x, y);
            worst = std::max({worst, std::abs(redOf(p) - redOf(q)),
                              std::abs(greenOf(p) - greenOf(q)), std::abs(blueOf(p) - blueOf(q))});
        }
    return worst;
}

std::string describeDifference(const RasterImage& a, const RasterImage& b) {
    std::ostringstream s;
    if (a.width() != b.width() || a.height() != b.height()) {
        s << "sizes differ: " << a.width() << "x" << a.height() << " vs " << b.width() << "x"
          << b.height();
        return s.str();
    }
    for (int y = 1; y <= a.height(); ++y)
        for (int x = 1; x <= a.width(); ++x) {
            const PackedColour p = pixelAt(a, x, y), q = pixelAt(b, x, y);
            if (p != q) {
                s << "first difference at (" << x << "," << y << "): " << std::hex << p << " vs "
                  << q;
                return s.str();
            }
        }
    return "identical";
}

}  // namespace turnpixa::test
