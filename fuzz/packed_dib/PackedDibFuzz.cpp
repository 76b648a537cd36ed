// Packed DIBs come from scanner drivers: import must refuse anything
// inconsistent without reading past the buffer.
#include <cstdint>
#include <vector>

#include "image/RasterImage.h"
#include "image/Stretch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    turnpixa::RasterImage image;
    if (!image.importPackedDib(data, size)) return 0;
    // Touch every pixel of what was accepted.
    std::vector<std::uint8_t> row(static_cast<std::size_t>(image.width()) * 4);
    for (int r = 0; r < image.height(); ++r) image.getRow(r, row.data());
    turnpixa::RasterImage small;
    if (small.create(7, 5, 24))
        turnpixa::smoothStretch(image, turnpixa::Rect{0, 0, image.width(), image.height()}, small);
    return 0;
}
