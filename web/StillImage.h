#pragma once
#include "image/RasterImage.h"

namespace turnpixa {

// The still image of an output set: the start frame with a faint arrow at
// each side, which the page shows until the viewer has its frames.
class StillImage {
public:
    static constexpr int kArrowMargin = 3;
    static constexpr int kArrowOpacity = 70;
    static constexpr int kArrowTolerance = 100;

    // arrowRight points right on a black background (keyed on black). It is
    // resized to a fifth of the width and a quarter of the height, blended at
    // the right edge, then mirrored and blended at the left edge. A frame too
    // small for arrows gives a plain copy. False when startFrame is empty.
    static bool compose(const RasterImage& startFrame, const RasterImage& arrowRight,
                        RasterImage& still);
};

}  // namespace turnpixa
