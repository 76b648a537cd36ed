#include "RasterImageQt.h"

#include <cstring>
#include <vector>

namespace turnpixa {

namespace {

// A transparent frame is shown over the usual grey and white chequers.
void showOverChequers(const RasterImage& image, QImage& out) {
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const std::uint8_t* a = image.alpha().data() + static_cast<std::size_t>(y) * w;
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < w; ++x) {
            if (a[x] == 255) continue;
            const int behind = ((x / 8 + y / 8) % 2) ? 204 : 255;
            for (int c = 0; c < 3; ++c)
                dst[3 * x + c] =
                    static_cast<uchar>((dst[3 * x + c] * a[x] + behind * (255 - a[x]) + 127) / 255);
        }
    }
}

}  // namespace

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
        if (image.alpha().size() == static_cast<std::size_t>(w) * h) showOverChequers(image, out);
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
