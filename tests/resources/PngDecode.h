#pragma once
#include <cstdint>
#include <span>
#include <vector>

namespace turnpixa::test {

// A PNG decoded by libpng itself, independent of the program's own reader:
// 8-bit RGB, top row first.
struct DecodedPng {
    int width = 0;
    int height = 0;
    int bitDepth = 0;  // from the header as stored
    int colourType = -1;
    std::vector<std::uint8_t> rgb;

    const std::uint8_t* at(int x, int y) const { return &rgb[(std::size_t(y) * width + x) * 3]; }
    int sum(int x, int y) const { return at(x, y)[0] + at(x, y)[1] + at(x, y)[2]; }
};

// False when libpng refuses the bytes.
bool decodePng(std::span<const std::uint8_t> bytes, DecodedPng& out);

}  // namespace turnpixa::test
