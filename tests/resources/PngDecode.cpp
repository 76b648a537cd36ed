#include "PngDecode.h"

#include <png.h>

#include <cstring>

namespace turnpixa::test {

namespace {
std::uint32_t bigEndian32(const std::uint8_t* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
           p[3];
}
}  // namespace

bool decodePng(std::span<const std::uint8_t> bytes, DecodedPng& out) {
    out = DecodedPng{};
    // The header chunk must come first: signature, length, "IHDR", fields.
    if (bytes.size() < 33 || std::memcmp(bytes.data() + 12, "IHDR", 4) != 0) return false;
    out.bitDepth = bytes[24];
    out.colourType = bytes[25];

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
    image.format = PNG_FORMAT_RGB;
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    if (out.width != static_cast<int>(bigEndian32(bytes.data() + 16)) ||
        out.height != static_cast<int>(bigEndian32(bytes.data() + 20))) {
        png_image_free(&image);
        return false;
    }
    out.rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    return true;
}

}  // namespace turnpixa::test
