#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "image/RasterImage.h"

namespace turnpixa {

// The pictures compiled into the programs (PNG files under resources/pictures,
// made by tools/ and committed). Names are the file names, e.g.
// "spin-logo-00.png", "arrow-left.png", "arrow-right.png", "empty-state.png",
// "take-photos.png".

// The file's bytes; empty when there is no such resource.
std::span<const std::uint8_t> resourceBytes(std::string_view name);
// Decodes a built-in PNG with the project's own reader; false when missing.
bool loadResourceImage(std::string_view name, RasterImage& image);

}  // namespace turnpixa
