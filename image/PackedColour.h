#pragma once
#include <cstdint>

namespace turnpixa {

// A colour as red + green * 256 + blue * 65536, top byte 0 (white = 0xFFFFFF).
using PackedColour = std::uint32_t;

constexpr PackedColour kWhite = 0xFFFFFF;
constexpr PackedColour kBlack = 0x000000;

constexpr PackedColour packColour(int red, int green, int blue) {
    return static_cast<PackedColour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(PackedColour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(PackedColour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(PackedColour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

}  // namespace turnpixa
