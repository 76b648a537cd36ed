#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "RasterImage.h"

namespace turnpixa {

// The zlib stream a PNG's IDAT chunks carry for a 24-bit picture: rows top
// first, red-green-blue, each behind the filter that leaves the smallest
// sum of absolute differences (libpng's own choice). A larger picture is
// deflated in two halves, the second primed with the end of the first, and
// the halves joined into one stream; with `twoThreads` the second half is
// deflated on a thread of its own. Empty when zlib fails.
std::vector<std::uint8_t> pngImageData(const RasterImage& image, int level, bool twoThreads);
// The bytes of filtered rows pngImageData works on; 0 when it takes no such
// picture.
std::size_t pngImageDataBytes(const RasterImage& image);

}  // namespace turnpixa
