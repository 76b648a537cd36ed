#pragma once
#include <array>
#include <vector>

#include "process/ObjectOutline.h"

namespace turnpixa {

// What brings one photo's backdrop and object to the brightness of the
// series' median photo: a lightness offset (added to the gamma) and a gain
// for red, green and blue applied after it.
struct LightnessMatch {
    double lightnessOffset = 0.0;
    std::array<double, 3> balance{1.0, 1.0, 1.0};
};

// One match per outline, for frames rendered at the global gamma `lightness`.
std::vector<LightnessMatch> matchLightness(const std::vector<ObjectOutline>& outlines,
                                           double lightness);

}  // namespace turnpixa
