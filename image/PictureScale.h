#pragma once

namespace turnpixa {

// How a loaded image relates to the picture in its file: reduced to
// eighths / 8 of the full size in each direction, rounded up (8 = every
// pixel). Full-size pixel x lies at x * eighths / 8 in the loaded image.
struct PictureScale {
    int fullWidth = 0;
    int fullHeight = 0;
    int eighths = 8;
};

}  // namespace turnpixa
