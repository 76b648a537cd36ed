#pragma once
#include <string>

#include "Photo.h"
#include "ProcessingSettings.h"
#include "SpinLogo.h"

namespace turnpixa {

// Where a frame stands in the spin, for its logo picture.
struct LogoPlacement {
    const SpinLogo* logo = nullptr;  // null: no logo is laid in
    int photoCount = 1;
    int index = 0;       // the photo's 0-based index in the list
    int startImage = 1;  // the project's start image, 1-based
};

// Crop (moved by the photo's pan), stretch, rotate, lightness, background
// removal and soft-edge frame; no logo. Renders from the source as held.
// Empty image on failure.
RasterImage render(const Photo& photo, const ProcessingSettings& settings);

// The cached output when the settings equal the cached settings and the
// cache is not logo stale; otherwise renders, lays in the logo unless the
// settings are quick, caches the result with a copy of the settings. The
// image stays owned by the photo. Null when rendering failed.
const RasterImage* processedOutputImage(Photo& photo, const ProcessingSettings& settings,
                                        const LogoPlacement& logo);
// The same without the cache test. A full-quality frame first brings the
// source to the scale the settings need.
const RasterImage* renderAnew(Photo& photo, const ProcessingSettings& settings,
                              const LogoPlacement& logo);

// Batch work, where memory must not grow with the photo count: renders the
// frame without its logo (which needs the final photo count), caches it as
// logo stale and lets the source go. False, with a reason, when the frame
// cannot be rendered.
bool renderAndRelease(Photo& photo, const ProcessingSettings& settings, std::string& reason);
// Lays the logo into a frame cached by renderAndRelease, which is then
// current. Nothing without a cached frame.
void finishWithLogo(Photo& photo, const LogoPlacement& logo);

// Lays the spin logo into the frame's top-left corner.
void layInSpinLogo(RasterImage& frame, const LogoPlacement& logo);

// The soft-edge frame step on its own: the borders fade into `colour` over
// `width` rings, or into transparency when the image has an alpha plane.
void softEdgeFrame(RasterImage& image, int width, PackedColour colour);

}  // namespace turnpixa
