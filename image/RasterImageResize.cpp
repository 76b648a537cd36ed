#include "RasterImage.h"
#include "Stretch.h"

namespace turnpixa {

// Smooth-stretches the whole image to the new size at 72 dpi. The result is
// always 24-bit: averaged colours of a palette image are rarely in its table.
bool RasterImage::resize(int newWidth, int newHeight) {
    if (!hasPixels()) return false;
    RasterImage resized;
    if (!resized.create(newWidth, newHeight, 24)) return false;
    if (!smoothStretch(*this, Rect{0, 0, width(), height()}, resized)) return false;
    resized.backgroundColour_ = backgroundColour_;
    *this = std::move(resized);
    return true;
}

}  // namespace turnpixa
