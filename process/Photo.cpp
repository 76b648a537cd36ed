#include "process/Photo.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "image/Stretch.h"
#include "process/FrameRenderer.h"

namespace turnpixa {

namespace {

constexpr int kThumbnailSize = 100;
constexpr int kPreviewSide = 64;

// White square with the source smoothly stretched into a centred box that
// keeps its aspect.
RasterImage makeThumbnail(const RasterImage& source) {
    RasterImage thumbnail;
    thumbnail.create(kThumbnailSize, kThumbnailSize, 24);
    thumbnail.fill(kWhite);
    if (source.empty()) return thumbnail;
    const std::int64_t w = source.width(), h = source.height();
    std::int64_t boxWidth = kThumbnailSize;
    std::int64_t boxHeight = h * kThumbnailSize / w;
    if (boxHeight > kThumbnailSize) {
        boxWidth = w * kThumbnailSize / h;
        boxHeight = kThumbnailSize;
    }
    // A very long, thin source still shows as one line rather than nothing.
    boxWidth = std::max<std::int64_t>(boxWidth, 1);
    boxHeight = std::max<std::int64_t>(boxHeight, 1);
    RasterImage box;
    if (!box.create(static_cast<int>(boxWidth), static_cast<int>(boxHeight), 24) ||
        !smoothStretch(source, Rect{0, 0, source.width(), source.height()}, box))
        return thumbnail;
    const int left = static_cast<int>((kThumbnailSize - boxWidth) / 2);
    const int top = static_cast<int>((kThumbnailSize - boxHeight) / 2);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(boxWidth) * 4);
    for (int y = 0; y < box.height(); ++y) {
        box.getRow(y, row.data());
        for (int x = 0; x < box.width(); ++x) {
            const std::uint8_t* p = &row[static_cast<std::size_t>(x) * 4];
            thumbnail.putPixel(left + x + 1, top + y + 1, p[0], p[1], p[2]);
        }
    }
    return thumbnail;
}

}  // namespace

Photo::Photo(RasterImage source, std::string name)
    : source_(std::move(source)), name_(std::move(name)) {
    if (!source_.empty()) {
        width_ = source_.width();
        height_ = source_.height();
    }
}

void Photo::releaseSource() { source_.clear(); }

const RasterImage& Photo::thumbnail() {
    if (thumbnail_.empty()) thumbnail_ = makeThumbnail(source_);
    return thumbnail_;
}

const RasterImage& Photo::smallPreview() {
    if (smallPreview_.empty() && !source_.empty()) {
        ProcessingSettings s;
        const std::int64_t w = source_.width(), h = source_.height();
        // trunc(64 * a / b + 0.5) on the long side's ratio, in integers.
        if (w > h) {
            s.outputWidth = kPreviewSide;
            s.outputHeight = static_cast<int>((2 * kPreviewSide * h + w) / (2 * w));
        } else {
            s.outputHeight = kPreviewSide;
            s.outputWidth = static_cast<int>((2 * kPreviewSide * w + h) / (2 * h));
        }
        s.outputWidth = std::max(s.outputWidth, 1);
        s.outputHeight = std::max(s.outputHeight, 1);
        smallPreview_ = render(*this, s);
    }
    return smallPreview_;
}

void Photo::setPan(int dx, int dy) {
    // Edges are exclusive: the moved rectangle may reach the source's last
    // column and row but not pass them.
    const Rect& c = cachedSettings_.crop;
    const std::int64_t w = width(), h = height();
    std::int64_t x = dx, y = dy;
    if (c.left + x < 0) x = -std::int64_t{c.left};
    if (c.top + y < 0) y = -std::int64_t{c.top};
    if (c.right + x > w) x = w - c.right;
    if (c.bottom + y > h) y = h - c.bottom;
    panX = static_cast<int>(std::clamp<std::int64_t>(x, INT32_MIN, INT32_MAX));
    panY = static_cast<int>(std::clamp<std::int64_t>(y, INT32_MIN, INT32_MAX));
}

void Photo::movePan(int ddx, int ddy) {
    auto sum = [](int a, int b) {
        return static_cast<int>(
            std::clamp<std::int64_t>(std::int64_t{a} + b, INT32_MIN, INT32_MAX));
    };
    setPan(sum(panX, ddx), sum(panY, ddy));
}

double Photo::sourceScale(const ProcessingSettings* settings) const {
    const ProcessingSettings& s = settings ? *settings : cachedSettings_;
    if (s.outputWidth <= 0) return 1.0;
    const double across =
        s.cropOn ? static_cast<double>(std::int64_t{s.crop.right} - s.crop.left) : width();
    return across / s.outputWidth;
}

}  // namespace turnpixa
