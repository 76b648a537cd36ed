#include "process/FrameRenderer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include "image/Stretch.h"
#include "process/BackgroundRemoval.h"

namespace turnpixa {

namespace {

// The crop rectangle, moved by the photo's pan only while the pan is smaller
// than the rectangle (a larger stored pan is left over from another crop).
// A crop without area means the whole source.
Rect sourceRectangle(const Photo& photo, const ProcessingSettings& s) {
    const Rect whole{0, 0, photo.width(), photo.height()};
    if (!s.cropOn) return whole;
    const std::int64_t cropWidth = std::int64_t{s.crop.right} - s.crop.left;
    const std::int64_t cropHeight = std::int64_t{s.crop.bottom} - s.crop.top;
    if (cropWidth <= 0 || cropHeight <= 0) return whole;
    const std::int64_t panX = photo.panX;
    const std::int64_t panY = photo.panY;
    if (std::llabs(panX) >= cropWidth || std::llabs(panY) >= cropHeight) return s.crop;
    const std::int64_t left = s.crop.left + panX, right = s.crop.right + panX;
    const std::int64_t top = s.crop.top + panY, bottom = s.crop.bottom + panY;
    constexpr std::int64_t lo = std::numeric_limits<int>::min();
    constexpr std::int64_t hi = std::numeric_limits<int>::max();
    if (left < lo || right > hi || top < lo || bottom > hi) return s.crop;
    return Rect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                static_cast<int>(bottom)};
}

bool rotateBy(RasterImage& image, int rotation) {
    switch (rotation) {
        case 1:
            return image.rotate90(true);
        case 2:
            return image.rotate180();
        case 3:
            return image.rotate90(false);
        default:
            return true;
    }
}

// Red, green and blue each scaled by their gain, clipped at white.
void applyBalance(RasterImage& frame, const std::array<double, 3>& gain) {
    if (frame.bitsPerPixel() != 24) return;
    std::uint8_t table[3][256];
    for (int c = 0; c < 3; ++c)
        for (int v = 0; v < 256; ++v)
            table[c][v] = static_cast<std::uint8_t>(std::min(255.0, v * gain[c] + 0.5));
    const int w = frame.width();
    for (int r = 0; r < frame.height(); ++r) {
        std::uint8_t* p = frame.rowData(r);
        for (int x = 0; x < w; ++x, p += 3) {  // blue, green, red
            p[0] = table[2][p[0]];
            p[1] = table[1][p[1]];
            p[2] = table[0][p[2]];
        }
    }
}

}  // namespace

RasterImage render(const Photo& photo, const ProcessingSettings& s) {
    if (photo.source().empty() || s.outputWidth <= 0 || s.outputHeight <= 0 ||
        !RasterImage::sizeAllowed(s.outputWidth, s.outputHeight))
        return {};
    RasterImage frame;
    if (!frame.create(s.outputWidth, s.outputHeight, 24)) return {};
    const Rect from = sourceRectangle(photo, s);
    const PictureScale scale = photo.scale();
    const bool stretched = s.quick ? fastStretchEighths(photo.source(), scale, from, frame)
                                   : smoothStretchEighths(photo.source(), scale, from, frame);
    if (!stretched || !rotateBy(frame, s.rotation)) return {};
    if (s.quick) return frame;

    const double gamma = s.lightness + photo.lightnessOffset;
    if (gamma != 1.0) frame.lightness(gamma > 0 ? gamma : 0.1);
    if (photo.balance != std::array<double, 3>{1.0, 1.0, 1.0}) applyBalance(frame, photo.balance);
    if (s.transparent())
        removeBackgroundToAlpha(frame, s.removalStrength);
    else if (s.removalOn)
        removeBackground(frame, s.removalStrength, s.replacementColour);
    if (s.frameWidth > 0) softEdgeFrame(frame, s.frameWidth, s.frameColour);
    return frame;
}

namespace {

// The logo over a transparent corner: the corner is laid on black and on
// white, the logo blended into both, and coverage and colour read back from
// the difference (the blends are linear in the frame's colour), so that the
// logo shows as it does on an opaque frame and the corner stays clear.
void layInSpinLogoOverAlpha(RasterImage& frame, const LogoPlacement& logo) {
    const int w = std::min(frame.width(), 100);
    const int h = std::min(frame.height(), 30);
    RasterImage onBlack, onWhite;
    if (!onBlack.create(w, h, 24) || !onWhite.create(w, h, 24)) return;
    std::vector<std::uint8_t>& alpha = frame.alpha();
    const auto at = [&](int x, int y) -> std::uint8_t& {
        return alpha[static_cast<std::size_t>(y) * frame.width() + x];
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t c[3];
            frame.getPixel(x + 1, y + 1, c[0], c[1], c[2]);
            const int a = at(x, y);
            std::uint8_t b[3], wh[3];
            for (int k = 0; k < 3; ++k) {
                b[k] = static_cast<std::uint8_t>(c[k] * a / 255);
                wh[k] = static_cast<std::uint8_t>(b[k] + 255 - a);
            }
            onBlack.putPixel(x + 1, y + 1, b[0], b[1], b[2]);
            onWhite.putPixel(x + 1, y + 1, wh[0], wh[1], wh[2]);
        }
    const RasterImage blackBefore = onBlack, whiteBefore = onWhite;
    layInSpinLogo(onBlack, logo);
    layInSpinLogo(onWhite, logo);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t b[3], wh[3], b0[3], w0[3];
            onBlack.getPixel(x + 1, y + 1, b[0], b[1], b[2]);
            onWhite.getPixel(x + 1, y + 1, wh[0], wh[1], wh[2]);
            blackBefore.getPixel(x + 1, y + 1, b0[0], b0[1], b0[2]);
            whiteBefore.getPixel(x + 1, y + 1, w0[0], w0[1], w0[2]);
            if (std::equal(b, b + 3, b0) && std::equal(wh, wh + 3, w0)) continue;  // untouched
            int spread = 0;
            for (int k = 0; k < 3; ++k) spread += wh[k] - b[k];
            const int a = std::clamp(255 - (spread + 1) / 3, 0, 255);
            if (a == 0) {
                at(x, y) = 0;
                continue;
            }
            std::uint8_t out[3];
            for (int k = 0; k < 3; ++k)
                out[k] = static_cast<std::uint8_t>(std::min(255, (b[k] * 255 + a / 2) / a));
            frame.putPixel(x + 1, y + 1, out[0], out[1], out[2]);
            at(x, y) = static_cast<std::uint8_t>(a);
        }
}

}  // namespace

void layInSpinLogo(RasterImage& frame, const LogoPlacement& logo) {
    if (!logo.logo || frame.empty()) return;
    if (frame.hasAlpha()) {
        if (frame.alpha().size() ==
            static_cast<std::size_t>(frame.width()) * static_cast<std::size_t>(frame.height()))
            layInSpinLogoOverAlpha(frame, logo);
        return;
    }
    RasterImage patch;
    if (patch.create(100, 30, 24) && patch.fill(kWhite))
        frame.overlayBlend(patch, 0, 0, 40, kBlack, false, 0, 10);
    const int index = SpinLogo::indexFor(logo.photoCount, logo.index, logo.startImage);
    const RasterImage& picture = logo.logo->picture(index);
    if (!picture.empty()) frame.overlayBlend(picture, 0, 3, 50, kWhite, true, 150, 0);
}

const RasterImage* renderAnew(Photo& photo, const ProcessingSettings& settings,
                              const LogoPlacement& logo) {
    // A quick frame makes do with the scale held; it is never saved.
    if (!settings.quick) photo.matchScale(settings);
    RasterImage frame = render(photo, settings);
    if (frame.empty()) return nullptr;
    if (!settings.quick) layInSpinLogo(frame, logo);
    photo.setCachedOutput(std::make_unique<RasterImage>(std::move(frame)));
    // The cache records exactly what it was made with; only a frame with its
    // logo laid in is no longer logo stale.
    photo.cachedSettings() = settings;
    if (!settings.quick) photo.cachedSettings().logoStale = false;
    return photo.cachedOutput();
}

bool renderAndRelease(Photo& photo, const ProcessingSettings& settings, std::string& reason) {
    photo.matchScale(settings);  // a failure renders from the scale held
    auto frame = std::make_unique<RasterImage>(render(photo, settings));
    if (frame->empty()) {
        reason = "the frame could not be rendered (out of memory?)";
        return false;
    }
    photo.setCachedOutput(std::move(frame));
    photo.cachedSettings() = settings;
    photo.cachedSettings().logoStale = true;  // laid in once the count is known
    photo.releaseSource();
    return true;
}

void finishWithLogo(Photo& photo, const LogoPlacement& logo) {
    if (!photo.cachedOutput()) return;
    auto frame = std::make_unique<RasterImage>(*photo.cachedOutput());
    if (!photo.cachedSettings().quick) layInSpinLogo(*frame, logo);
    photo.setCachedOutput(std::move(frame));
    photo.cachedSettings().logoStale = false;
}

const RasterImage* processedOutputImage(Photo& photo, const ProcessingSettings& settings,
                                        const LogoPlacement& logo) {
    if (photo.cachedOutput() && !photo.cachedSettings().logoStale &&
        photo.cachedSettings() == settings)
        return photo.cachedOutput();
    return renderAnew(photo, settings, logo);
}

}  // namespace turnpixa
