#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ImageFormats.h"
#include "ImageReport.h"

namespace turnpixa {

namespace {

std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// One channel of a bit-field pixel, widened to 8 bits by shifting left (five
// bits become 0 ... 248, as 5-5-5 pixels always have been read).
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (m == 0) return;
        while ((m & 1u) == 0) {
            m >>= 1;
            ++shift;
        }
        while (m & 1u) {
            m >>= 1;
            ++bits;
        }
    }
    std::uint8_t of(std::uint32_t pixel) const {
        if (bits == 0) return 0;
        // Bits of the mask above its first run are ignored.
        const std::uint32_t v =
            (pixel & mask) >> shift & (bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1u);
        return static_cast<std::uint8_t>(bits >= 8 ? v >> (bits - 8) : v << (8 - bits));
    }
};

std::int64_t fileSize(BufferedFile& file, std::int64_t restore) {
    if (!file.seek(0, SEEK_END)) return -1;
    const std::int64_t size = file.position();
    file.seek(restore, SEEK_SET);
    return size;
}

}  // namespace

// Reads uncompressed and bit-field BMP files of 1, 4, 8, 16, 24 and 32 bits,
// bottom-up or top-down. A file too short for the pixel rows it claims is
// refused before anything is allocated.
bool readBmp(BufferedFile& file, RasterImage& image) {
    image.clear();
    const std::int64_t start = file.position();
    std::uint8_t fileHeader[14];
    if (file.read(fileHeader, 14) != 14 || fileHeader[0] != 'B' || fileHeader[1] != 'M')
        return false;
    const std::uint32_t pixelOffset = le32(fileHeader + 10);

    std::uint8_t info[40];
    if (file.read(info, 40) != 40) return false;
    const std::uint32_t infoSize = le32(info);
    if (infoSize != 40 && infoSize != 108 && infoSize != 124) return false;
    const std::int32_t width = static_cast<std::int32_t>(le32(info + 4));
    const std::int32_t rawHeight = static_cast<std::int32_t>(le32(info + 8));
    const int bits = le16(info + 14);
    const std::uint32_t compression = le32(info + 16);
    const std::int32_t xRes = static_cast<std::int32_t>(le32(info + 24));
    const std::int32_t yRes = static_cast<std::int32_t>(le32(info + 28));
    const std::uint32_t coloursUsed = le32(info + 32);

    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
    if (compression != 0 && !(compression == 3 && (bits == 16 || bits == 32))) return false;
    if (rawHeight == 0 || rawHeight == INT32_MIN) return false;
    const bool topDown = rawHeight < 0;
    const std::int32_t height = topDown ? -rawHeight : rawHeight;
    const int storedBits = bits > 8 ? 24 : bits;
    if (!RasterImage::sizeAllowed(width, height, storedBits)) {
        noteTooLarge(width, height);
        return false;
    }

    std::uint32_t masks[3] = {0, 0, 0};  // red, green, blue
    if (bits == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    } else if (bits == 32) {
        masks[0] = 0xFF0000;
        masks[1] = 0x00FF00;
        masks[2] = 0x0000FF;
    }
    if (compression == 3) {
        std::uint8_t m[12];
        if (file.read(m, 12) != 12) return false;
        masks[0] = le32(m);
        masks[1] = le32(m + 4);
        masks[2] = le32(m + 8);
    }

    // The rows must all be in the file (the last may lack its padding).
    const std::int64_t fileStride = RasterImage::strideFor(width, bits);
    const std::int64_t lastRow = (static_cast<std::int64_t>(width) * bits + 7) / 8;
    const std::int64_t size = fileSize(file, file.position());
    if (size < 0 || start + pixelOffset + fileStride * (height - 1) + lastRow > size) {
        noteRefusal("the file ends before its pixel rows do");
        return false;
    }

    if (!image.attachHeader(RasterImage::newHeader(width, height, storedBits, xRes > 0 ? xRes : 0,
                                                   yRes > 0 ? yRes : 0)))
        return false;

    if (bits <= 8) {
        const int entries = 1 << bits;
        const int inFile = coloursUsed == 0 || coloursUsed > static_cast<std::uint32_t>(entries)
                               ? entries
                               : static_cast<int>(coloursUsed);
        std::vector<std::uint8_t> table(static_cast<std::size_t>(entries) * 4, 0);
        if (!file.seek(start + 14 + infoSize, SEEK_SET) ||
            file.read(table.data(), static_cast<std::size_t>(inFile) * 4) !=
                static_cast<std::size_t>(inFile) * 4) {
            image.clear();
            return false;
        }
        std::uint8_t* ct = image.colourTable();
        for (int i = 0; i < entries; ++i) {
            ct[i * 4] = table[i * 4];
            ct[i * 4 + 1] = table[i * 4 + 1];
            ct[i * 4 + 2] = table[i * 4 + 2];
            ct[i * 4 + 3] = 0;
        }
        // Two equal entries would make the picture invisible.
        if (bits == 1 && std::memcmp(ct, ct + 4, 3) == 0) {
            const int average = (ct[0] + ct[1] + ct[2]) / 3;
            const std::uint8_t v = average < 200 ? 255 : 0;
            ct[4] = ct[5] = ct[6] = v;
        }
    }

    if (!file.seek(start + pixelOffset, SEEK_SET)) {
        image.clear();
        return false;
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    const int bytesPerPixel = bits / 8;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(fileStride), 0);
    for (int i = 0; i < height; ++i) {
        std::fill(row.begin(), row.end(), 0);
        file.read(row.data(), row.size());  // the size check above guarantees the data
        std::uint8_t* out = image.pixels() +
                            static_cast<std::size_t>(topDown ? height - 1 - i : i) * image.stride();
        if (bits <= 8 || bits == 24) {
            std::memcpy(out, row.data(), static_cast<std::size_t>(image.stride()));
            continue;
        }
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = row.data() + static_cast<std::size_t>(x) * bytesPerPixel;
            const std::uint32_t v = bits == 16 ? le16(p) : le32(p);
            out[x * 3] = blue.of(v);
            out[x * 3 + 1] = green.of(v);
            out[x * 3 + 2] = red.of(v);
        }
    }
    return true;
}

}  // namespace turnpixa
