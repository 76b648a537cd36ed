#pragma once
#include "RasterImage.h"
#include "Rect.h"

namespace turnpixa {

// Both stretches copy the source rectangle (source pixels, right and bottom
// exclusive) onto the whole of a 24-bit destination image, aspect not kept.
// Parts of the rectangle outside the source read as white. Palette sources
// are looked up through their colour table.

// Smooth: every destination pixel is the area-weighted average of the source
// pixels it covers, partial coverage at the edges weighted exactly.
bool smoothStretch(const RasterImage& source, const Rect& sourceRect, RasterImage& destination);
// Fast: nearest source pixel.
bool fastStretch(const RasterImage& source, const Rect& sourceRect, RasterImage& destination);

}  // namespace turnpixa
