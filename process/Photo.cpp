#include "process/Photo.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "image/Stretch.h"
#include "process/FrameRenderer.h"

namespace turnpixa {

namespace {

constexpr int kThumbnailSize = 100;
// The working source holds at least this many pixels per frame pixel in
// each direction. With one, a frame pixel straddles source pixels that
// each average a whole block, and hard edges come out visibly softer than
// from the full picture (about 35 dB); with two they stay above 40 dB.
constexpr std::int64_t kOversample = 2;
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

int workingEighths(int fullWidth, int fullHeight, const ProcessingSettings& s) {
    std::int64_t across = fullWidth, down = fullHeight;
    if (s.cropOn && s.crop.width() > 0 && s.crop.height() > 0) {
        across = s.crop.width();
        down = s.crop.height();
    }
    if (across <= 0 || down <= 0 || s.outputWidth <= 0) return 8;
    const std::int64_t frameWidth = s.outputWidth;
    // A height not derived yet follows the crop's aspect.
    const std::int64_t frameHeight =
        s.outputHeight > 0 ? s.outputHeight : (frameWidth * down + across - 1) / across;
    for (int m = 1; m < 8; ++m)
        if (across * m >= 8 * kOversample * frameWidth && down * m >= 8 * kOversample * frameHeight)
            return m;
    return 8;
}

Photo::Photo(RasterImage source, std::string name)
    : source_(std::move(source)), name_(std::move(name)) {
    if (!source_.empty()) {
        width_ = source_.width();
        height_ = source_.height();
    }
}

Photo::Photo(RasterImage source, std::string name, const PictureScale& scale, std::string filePath)
    : Photo(std::move(source), std::move(name)) {
    filePath_ = std::move(filePath);
    if (!source_.empty() && scale.fullWidth > 0 && scale.fullHeight > 0) {
        width_ = scale.fullWidth;
        height_ = scale.fullHeight;
        eighths_ = scale.eighths;
    }
}

std::unique_ptr<Photo> Photo::fromFile(const std::string& path, const ProcessingSettings& settings,
                                       std::string* reason, std::string* damage) {
    RasterImage image;
    PictureScale scale;
    const ScaleChoice choose = [&settings](int w, int h) { return workingEighths(w, h, settings); };
    if (!loadPhotoFileScaled(path, choose, image, scale, reason, damage)) return nullptr;
    return std::make_unique<Photo>(std::move(image), path, scale, path);
}

int Photo::eighthsFor(const ProcessingSettings& settings) const {
    return filePath_.empty() ? 8 : workingEighths(width_, height_, settings);
}

bool Photo::matchScale(const ProcessingSettings& settings, std::string* reason) {
    const int wanted = eighthsFor(settings);
    if (wanted == eighths_) return true;
    if (unreadableAt(wanted)) {
        if (reason) *reason = "the file could not be read again";
        return false;
    }
    RasterImage image;
    PictureScale scale;
    std::string damage;  // told once, when the photo was first loaded
    if (!loadPhotoFileScaled(
            filePath_, [wanted](int, int) { return wanted; }, image, scale, reason, &damage)) {
        markUnreadableAt(wanted);
        return false;
    }
    if (scale.fullWidth != width_ || scale.fullHeight != height_ || scale.eighths != wanted) {
        if (reason) *reason = "the file has changed since it was loaded";
        markUnreadableAt(wanted);
        return false;
    }
    source_ = std::move(image);
    eighths_ = wanted;
    return true;
}

void Photo::releaseSource() {
    source_.clear();
}

const RasterImage& Photo::thumbnail() {
    if (thumbnail_.empty()) thumbnail_ = makeThumbnail(source_);
    return thumbnail_;
}

const RasterImage& Photo::smallPreview() {
    if (smallPreview_.empty() && !source_.empty()) {
        ProcessingSettings s;
        const std::int64_t w = width_, h = height_;
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
