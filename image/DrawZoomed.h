#pragma once
#include "Rect.h"

namespace turnpixa {

// Where a view draws an image at zoom z into the destination rectangle
// (l, t, r, b): the part of the image to take and the device rectangle it is
// stretched onto. At zooms of 2 and more each pixel becomes a g x g block.
struct ZoomedPlacement {
    Rect source;       // image pixels, right and bottom exclusive
    Rect destination;  // device pixels, right and bottom exclusive
};

// False when the image is empty, the zoom is not positive, the area starts
// beyond the image or the placement would leave the int range.
bool zoomedPlacement(int imageWidth, int imageHeight, int l, int t, int r, int b, double zoom,
                     ZoomedPlacement& placement);

}  // namespace turnpixa
