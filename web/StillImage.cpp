#include "StillImage.h"

namespace turnpixa {

bool StillImage::compose(const RasterImage& startFrame, const RasterImage& arrowRight,
                         RasterImage& still) {
    if (startFrame.empty()) return false;
    still = startFrame;
    const int w = still.width();
    const int h = still.height();
    const int aw = w / 5;
    const int ah = h / 4;
    const int right = w - aw - kArrowMargin;
    if (arrowRight.empty() || aw < 1 || ah < 1 || right < 0) return true;

    RasterImage arrow = arrowRight;
    if (!arrow.resize(aw, ah)) return true;
    const int y = (h - arrow.height()) / 2;
    const int x = w - arrow.width() - kArrowMargin;
    still.overlayBlend(arrow, x, y, kArrowOpacity, kBlack, true, kArrowTolerance, 0);
    arrow.mirrorLeftRight();
    still.overlayBlend(arrow, kArrowMargin, y, kArrowOpacity, kBlack, true, kArrowTolerance, 0);
    return true;
}

}  // namespace turnpixa
