#include <cstdio>

#include "Resources.h"
#include "image/BufferedFile.h"
#include "image/ImageFormats.h"

namespace turnpixa {

// Kept apart from resourceBytes so that a program that only needs the bytes
// does not pull in the PNG reader.
bool loadResourceImage(std::string_view name, RasterImage& image) {
    image.clear();
    const std::span<const std::uint8_t> bytes = resourceBytes(name);
    if (bytes.empty()) return false;
    // fmemopen never writes through a buffer opened for reading.
    std::FILE* stream = fmemopen(const_cast<std::uint8_t*>(bytes.data()), bytes.size(), "rb");
    if (stream == nullptr) return false;
    BufferedFile file;
    file.attach(stream, true);
    if (!readPng(file, image)) {
        image.clear();
        return false;
    }
    return true;
}

}  // namespace turnpixa
