// Arbitrary bytes as a typed frame size and as an aspect entry; a ratio
// read must be usable by the crop tracker.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "process/CropEdit.h"
#include "process/CropTracker.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)turnpixa::typedInteger(text);
    const auto ratio = turnpixa::aspectRatioOf(text);
    if (ratio && !(std::isfinite(*ratio) && *ratio > 0)) std::abort();
    turnpixa::CropTracker tracker(400, 267);
    tracker.setRatio(ratio);
    tracker.beginDrag(turnpixa::CropTracker::Handle::BottomRight, 300, 200);
    tracker.moveTo(390, 260);
    const turnpixa::Rect r = tracker.rect();
    if (r.left < 0 || r.top < 0 || r.right > 400 || r.bottom > 267) std::abort();
    return 0;
}
