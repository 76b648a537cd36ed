#include "CliValues.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace turnpixa {

namespace {

bool parseWhole(std::string_view text, long long& value, int base = 10) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value, base);
    return ec == std::errc() && stop == end;
}

bool parseList(std::string_view text, char separator, std::vector<int>& values, long low,
               long high) {
    values.clear();
    for (;;) {
        const std::size_t end = text.find(separator);
        int v = 0;
        if (!parseInt(text.substr(0, end), low, high, v)) return false;
        values.push_back(v);
        if (end == std::string_view::npos) return true;
        text.remove_prefix(end + 1);
    }
}

}  // namespace

bool parseInt(std::string_view text, long low, long high, int& value) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    long long v = 0;
    if (!parseWhole(text, v) || v < low || v > high) return false;
    value = static_cast<int>(v);
    return true;
}

bool parseDouble(std::string_view text, double& value) {
    if (text.empty()) return false;
    double v = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || stop != end || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool parseColour(std::string_view text, PackedColour& colour) {
    long long rgb = 0;
    if (text.size() != 6 || text[0] == '-' || !parseWhole(text, rgb, 16)) return false;
    colour = packColour(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                        static_cast<int>(rgb & 0xFF));
    return true;
}

bool parseFrameSize(std::string_view text, int maxSide, std::optional<int>& width,
                    std::optional<int>& height) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) return false;
    const std::string_view w = text.substr(0, x);
    const std::string_view h = text.substr(x + 1);
    if (w.empty() && h.empty()) return false;
    int wv = 0, hv = 0;
    if (!w.empty() && !parseInt(w, 1, maxSide, wv)) return false;
    if (!h.empty() && !parseInt(h, 1, maxSide, hv)) return false;
    width = w.empty() ? std::nullopt : std::optional<int>(wv);
    height = h.empty() ? std::nullopt : std::optional<int>(hv);
    return true;
}

bool parseCropRect(std::string_view text, int maxCoordinate, Rect& crop) {
    std::vector<int> v;
    if (text.find(',') != std::string_view::npos) {
        if (!parseList(text, ',', v, 0, maxCoordinate) || v.size() != 4) return false;
        if (v[2] <= v[0] || v[3] <= v[1]) return false;
        crop = Rect{v[0], v[1], v[2], v[3]};
        return true;
    }
    // WxH+X+Y: the size, then both offsets, each after a '+'.
    const std::size_t plus = text.find('+');
    const std::size_t x = text.find('x');
    if (plus == std::string_view::npos || x == std::string_view::npos || x > plus) return false;
    int w = 0, h = 0;
    if (!parseInt(text.substr(0, x), 1, maxCoordinate, w) ||
        !parseInt(text.substr(x + 1, plus - x - 1), 1, maxCoordinate, h))
        return false;
    if (!parseList(text.substr(plus + 1), '+', v, 0, maxCoordinate) || v.size() != 2) return false;
    if (w > maxCoordinate - v[0] || h > maxCoordinate - v[1]) return false;
    crop = Rect{v[0], v[1], v[0] + w, v[1] + h};
    return true;
}

}  // namespace turnpixa
