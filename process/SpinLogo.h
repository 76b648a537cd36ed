#pragma once
#include <array>

#include "image/RasterImage.h"

namespace turnpixa {

// The 45 pictures (100 x 24, 24 bits) of the product name turned about a
// vertical axis in steps of 1/45 turn; picture 0 faces front.
class SpinLogo {
public:
    static constexpr int kCount = 45;

    // Decodes the built-in pictures; false when one is missing or damaged.
    bool load();
    bool loaded() const { return loaded_; }
    // An empty image for an index outside 0..44.
    const RasterImage& picture(int index) const;

    // Which picture photo `index` (0-based) of `photoCount` shows when the
    // spin starts at `startImage` (1-based): the photo after the start image
    // shows picture 0.
    static int indexFor(int photoCount, int index, int startImage);

private:
    std::array<RasterImage, kCount> pictures_;
    bool loaded_ = false;
};

}  // namespace turnpixa
