#pragma once

namespace turnpixa {

// The Save page's "Rate" slider, 0 (slow) .. 80 (fast), and the auto-spin
// interval it stands for: 100 ms at 50, doubling every 10 steps down.
class RateSlider {
public:
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 80;
    static constexpr int kPageSize = 10;

    // The new interval for a position; the sign of the current interval stays.
    static int intervalFor(int position, int currentInterval);
    // The position for an interval, within the slider's range.
    static int positionFor(int interval);
};

}  // namespace turnpixa
