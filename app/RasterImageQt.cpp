#include "RasterImageQt.h"

#include <cstring>
#include <vector>

namespace turnpixa {

QImage toQImage(const RasterImage& image) {
    if (image.empty() || image.width() <= 0 || image.height() <= 0) return {};
    const int w = image.width();
    const int h = image.height();
    QImage out(w, h, QImage::Format_RGB888);
    if (out.isNull()) return {};
    if (image.bitsPerPixel() == 24) {
        for (int r = 0; r < h; ++r) {
            const std::uint8_t* src = image.rowData(r);
            uchar* dst = out.scanLine(r);
            for (int x = 0; x < w; ++x) {
                dst[3 * x] = src[3 * x + 2];
                dst[3 * x + 1] = src[3 * x + 1];
                dst[3 * x + 2] = src[3 * x];
            }
        }
        return out;
    }
    std::vector<std::uint8_t> row(static_cast<std::size_t>(w) * 4);
    for (int r = 0; r < h; ++r) {
        image.getRow(r, row.data());
        uchar* dst = out.scanLine(r);
        for (int x = 0; x < w; ++x) std::memcpy(dst + 3 * x, row.data() + 4 * x, 3);
    }
    return out;
}

}  // namespace turnpixa
