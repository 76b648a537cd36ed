#include "AnimationEncoder.h"

#include <algorithm>

#include "AnimationEncoderParts.h"

namespace turnpixa {

bool animation::checkFrame(const RasterImage& frame, int width, int height, bool& failed,
                           std::string& reason) {
    if (failed) {
        reason = "an earlier frame failed";
        return false;
    }
    if (frame.empty() || frame.width() != width || frame.height() != height) {
        reason = "a frame is " + std::to_string(frame.width()) + " x " +
                 std::to_string(frame.height()) + " pixels, not " + std::to_string(width) + " x " +
                 std::to_string(height);
        failed = true;
        return false;
    }
    return true;
}

std::unique_ptr<AnimationEncoder> AnimationEncoder::create(AnimationFormat format, int width,
                                                           int height, int frameMs,
                                                           int webpQuality) {
    const int ms = std::max(frameMs, kMinAnimationFrameMs);
    if (format == AnimationFormat::Gif) return animation::makeGifEncoder(width, height, ms);
    return animation::makeWebpEncoder(width, height, ms, std::clamp(webpQuality, 1, 100));
}

std::vector<std::uint8_t> rgbaPixels(const RasterImage& image) {
    const int w = image.width();
    const int h = image.height();
    std::vector<std::uint8_t> out(static_cast<std::size_t>(w) * h * 4);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(w) * 4);
    const bool alpha = image.hasAlpha() && image.alpha().size() == static_cast<std::size_t>(w) * h;
    for (int y = 0; y < h; ++y) {
        image.getRow(y, row.data());
        std::uint8_t* o = out.data() + static_cast<std::size_t>(y) * w * 4;
        const std::uint8_t* a =
            alpha ? image.alpha().data() + static_cast<std::size_t>(y) * w : nullptr;
        for (int x = 0; x < w; ++x, o += 4) {
            o[0] = row[x * 4];
            o[1] = row[x * 4 + 1];
            o[2] = row[x * 4 + 2];
            o[3] = a ? a[x] : 255;
        }
    }
    return out;
}

}  // namespace turnpixa
