#include "process/CropEdit.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace turnpixa {

namespace {

// Halves up, kept well inside the int range.
int scaled(int v, double scale) {
    return static_cast<int>(std::clamp(std::floor(v * scale + 0.5), -1.0e9, 1.0e9));
}

// A span of the photo, at least one pixel wide, inside 0..limit (the
// coordinate is limited to size - 1, as drawn crops always were).
void limitSpan(int& low, int& high, int size) {
    const int limit = std::max(size - 1, 1);
    low = std::clamp(low, 0, limit - 1);
    high = std::clamp(high, low + 1, limit);
}

}  // namespace

ProcessingSettings appliedCrop(ProcessingSettings s, const Rect& drawn, const CropPhoto* photo) {
    const int w = std::max(1, drawn.width());
    const int h = std::max(1, drawn.height());
    const bool odd = s.rotation % 2 != 0;
    s.outputWidth = odd ? h : w;
    s.outputHeight = odd ? w : h;
    if (!photo) return s;

    const double scale = photo->sourceScale;
    int l = scaled(drawn.left, scale), t = scaled(drawn.top, scale);
    int r = scaled(drawn.right, scale), b = scaled(drawn.bottom, scale);
    const int wp = std::max(photo->width, 1), hp = std::max(photo->height, 1);
    // Across the displayed frame runs the photo's width, or its height after
    // a quarter turn: each side is limited by the photo's own axis.
    limitSpan(l, r, odd ? hp : wp);
    limitSpan(t, b, odd ? wp : hp);
    switch (s.rotation) {
        case 1:
            s.crop = Rect{t, hp - r, b, hp - l};
            break;
        case 2:
            s.crop = Rect{wp - r, hp - b, wp - l, hp - t};
            break;
        case 3:
            s.crop = Rect{wp - b, l, wp - t, r};
            break;
        default:
            s.crop = Rect{l, t, r, b};
            break;
    }
    s.cropOn = true;
    return s;
}

ProcessingSettings undoneCrop(ProcessingSettings s, const CropPhoto* photo) {
    s.cropOn = false;
    if (photo && photo->width > 0) {
        s.outputWidth = 400;
        s.outputHeight =
            std::max(1, static_cast<int>(std::int64_t{photo->height} * 400 / photo->width));
    }
    return s;
}

PanStep panStep(int dx, int dy, int rotation, double scale, const Rect& crop, int photoWidth,
                int photoHeight) {
    // Displayed axes back to the photo's: a clockwise quarter turn shows the
    // photo's y across (reversed) and its x downwards.
    double sx = dx, sy = dy;
    switch (rotation) {
        case 1:
            sx = dy, sy = -dx;
            break;
        case 2:
            sx = -dx, sy = -dy;
            break;
        case 3:
            sx = -dy, sy = dx;
            break;
        default:
            break;
    }
    auto toSource = [scale](double v) {
        return static_cast<int>(std::clamp(-std::round(v * scale), -1.0e9, 1.0e9));
    };
    PanStep step{toSource(sx), toSource(sy)};
    // The same limits as the photo's own pan: left and top not below 0,
    // right and bottom not above size - 1.
    if (crop.left + step.dx < 0) step.dx = -crop.left;
    if (crop.right + step.dx > photoWidth - 1) step.dx = photoWidth - 1 - crop.right;
    if (crop.top + step.dy < 0) step.dy = -crop.top;
    if (crop.bottom + step.dy > photoHeight - 1) step.dy = photoHeight - 1 - crop.bottom;
    return step;
}

std::optional<double> aspectRatioOf(std::string_view entry) {
    const std::size_t colon = entry.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    auto number = [](std::string_view text, double& value) {
        const char* end = text.data() + text.size();
        const auto [ptr, ec] = std::from_chars(text.data(), end, value);
        return ec == std::errc() && ptr == end && std::isfinite(value) && value > 0;
    };
    double a = 0, b = 0;
    if (!number(entry.substr(0, colon), a) || !number(entry.substr(colon + 1), b))
        return std::nullopt;
    const double ratio = a / b;
    if (!std::isfinite(ratio) || ratio <= 0) return std::nullopt;
    return ratio;
}

std::optional<long long> typedInteger(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

}  // namespace turnpixa
