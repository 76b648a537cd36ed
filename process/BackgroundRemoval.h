#pragma once
#include "image/PackedColour.h"
#include "image/RasterImage.h"

namespace turnpixa {

// Finds the backdrop colour of a frame from its border band (10 pixels) with
// a colour cluster tree, and stores it in the frame's background colour.
// False only when the frame has no pixels.
bool detectBackgroundColour(RasterImage& frame);

// Detects the background colour, then moves every pixel towards `replacement`
// by its closeness to it: distance 0 becomes the replacement, distances below
// 3 * strength are mixed, the rest stay.
bool removeBackground(RasterImage& frame, int strength, PackedColour replacement);

// The same closeness as coverage instead: the frame gets an alpha plane,
// 0 where the pixel is the background colour, 255 from 3 * strength on and
// the percentage of the mix between; colours stay, so that the frame over
// any colour looks as if that colour had replaced the background.
bool removeBackgroundToAlpha(RasterImage& frame, int strength);

}  // namespace turnpixa
