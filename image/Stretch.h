#pragma once
#include "PictureScale.h"
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

// The same from a source held at a scale of a picture (eighths 1..8), the
// rectangle given in full-size pixels: full-size x lies at x * eighths / 8
// in the source, and the smooth stretch weighs the source pixels by their
// exact fractional coverage. Outside the full-size picture reads white.
// Eighths 8 is the plain stretch.
bool smoothStretchEighths(const RasterImage& source, const PictureScale& scale,
                          const Rect& fullRect, RasterImage& destination);
bool fastStretchEighths(const RasterImage& source, const PictureScale& scale, const Rect& fullRect,
                        RasterImage& destination);

// Reduces a picture to eighths / 8 (1..7) of its size, rounded up: each
// pixel is the area-weighted average of the pixels it covers, a last
// partial row or column averaging only the pixels there are. 24-bit result.
bool reduceToEighths(const RasterImage& full, int eighths, RasterImage& reduced);

}  // namespace turnpixa
