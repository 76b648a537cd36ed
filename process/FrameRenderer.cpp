#include "process/FrameRenderer.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

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
    if (s.transparent())
        removeBackgroundToAlpha(frame, s.removalStrength);
    else if (s.removalOn)
        removeBackground(frame, s.removalStrength, s.replacementColour);
    if (s.frameWidth > 0) softEdgeFrame(frame, s.frameWidth, s.frameColour);
    return frame;
}

void layInSpinLogo(RasterImage& frame, const LogoPlacement& logo) {
    if (!logo.logo || frame.empty()) return;
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
