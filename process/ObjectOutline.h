#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "image/RasterImage.h"

namespace turnpixa {

// A photo looked at small, with its object told from its backdrop the way
// background removal finds the backdrop: by the colour along the border.
// Every photo of a series is looked at on the same grid, so that row r of
// one photo and row r of the next show the same height.
struct ObjectOutline {
    static constexpr float kNone = -1.0f;  // no edge on that row or column

    int gridWidth = 0;
    int gridHeight = 0;
    // Full-size pixels per grid pixel across and down.
    double scaleX = 1.0;
    double scaleY = 1.0;
    // Per grid row the first and last object column, per grid column the
    // first and last object row, to a fraction of a grid pixel; kNone where
    // the row or column holds no object.
    std::vector<float> left, right, top, bottom;
    double objectShare = 0.0;    // of the grid's pixels
    double backdropShare = 0.0;  // of the grid's pixels
    // Mean red, green and blue of the backdrop and of the object (0..255).
    std::array<double, 3> backdropMean{};
    std::array<double, 3> objectMean{};
    // How many backdrop pixels have each level, per channel.
    std::array<std::array<int, 256>, 3> backdropLevels{};
    // The grid's luminance, row by row (gridWidth x gridHeight), for
    // matching one photo against the next.
    std::vector<std::uint8_t> luminance;
};

// The grid a series of photos of this full size is looked at on: the long
// side `longSide` grid pixels.
void outlineGrid(int fullWidth, int fullHeight, int longSide, int& gridWidth, int& gridHeight);

// Traces the outline of a photo's source (any scale of a picture of
// fullWidth x fullHeight) on a grid. Empty outline (gridWidth 0) when the
// source has no pixels.
ObjectOutline traceOutline(const RasterImage& source, int fullWidth, int fullHeight, int gridWidth,
                           int gridHeight);

}  // namespace turnpixa
