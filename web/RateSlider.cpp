#include "RateSlider.h"

#include <algorithm>
#include <cmath>

namespace turnpixa {

int RateSlider::intervalFor(int position, int currentInterval) {
    position = std::clamp(position, kMinimum, kMaximum);
    const double exponent = (kMaximum - position - 30) / 10.0;
    const int magnitude = static_cast<int>(std::lround(100.0 * std::pow(2.0, exponent)));
    return currentInterval < 0 ? -magnitude : magnitude;
}

int RateSlider::positionFor(int interval) {
    const double magnitude = std::fabs(static_cast<double>(interval));
    // An interval of 0 gives +infinity, which lands on the fast end.
    const double position = 50.0 - 10.0 * std::log2(magnitude / 100.0) + 0.5;
    return std::clamp(static_cast<int>(std::clamp(position, -1.0, 81.0)), kMinimum, kMaximum);
}

}  // namespace turnpixa
