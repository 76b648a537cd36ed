#include <algorithm>
#include <cstdint>
#include <cstring>

#include "RasterImage.h"

namespace turnpixa {

namespace {

constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionBitFields = 3;

std::uint32_t readU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void writeU32(std::uint8_t* p, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) p[k] = static_cast<std::uint8_t>(v >> (8 * k));
}

// One colour channel of a 16- or 32-bit pixel, given by its bit mask and
// brought to 8 bits by shifting, so that 5-bit channels are shifted left by 3.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int widthShift = 0;  // > 0: shift left by it; < 0: shift right

    explicit Channel(std::uint32_t m) : mask(m) {
        if (m == 0) return;
        while (((m >> shift) & 1u) == 0) ++shift;
        int bits = 0;
        while (bits + shift < 32 && ((m >> (shift + bits)) & 1u)) ++bits;
        widthShift = 8 - bits;
    }

    std::uint8_t of(std::uint32_t pixel) const {
        const std::uint32_t v = (pixel & mask) >> shift;
        return static_cast<std::uint8_t>(widthShift >= 0 ? v << widthShift : v >> -widthShift);
    }
};

}  // namespace

// A packed DIB: a bitmap-info header (40 bytes or one of its longer
// versions), the bit-field masks when compression is 3 and the header has no
// room for them, the colour table, then the pixel rows. Everything is checked
// against size before it is read; anything inconsistent is refused.
bool RasterImage::importPackedDib(const std::uint8_t* data, std::size_t size) {
    if (!data || size < kHeaderSize) return false;
    const std::uint32_t headerSize = readU32(data);
    if (headerSize < kHeaderSize || headerSize > size) return false;
    const auto width = static_cast<std::int32_t>(readU32(data + 4));
    const auto rawHeight = static_cast<std::int32_t>(readU32(data + 8));
    const int bits = data[14] | (data[15] << 8);
    const std::uint32_t compression = readU32(data + 16);
    const std::uint32_t coloursUsed = readU32(data + 32);
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) return false;
    const bool topDown = rawHeight < 0;
    const std::int32_t height = topDown ? -rawHeight : rawHeight;

    const bool palette = bits == 1 || bits == 4 || bits == 8;
    const bool direct = bits == 16 || bits == 24 || bits == 32;
    if (!palette && !direct) return false;
    const bool bitFields = compression == kCompressionBitFields;
    if (compression != kCompressionNone && !(bitFields && (bits == 16 || bits == 32))) return false;

    std::uint64_t pos = headerSize;
    std::uint32_t redMask = bits == 16 ? 0x7C00u : 0xFF0000u;
    std::uint32_t greenMask = bits == 16 ? 0x03E0u : 0x00FF00u;
    std::uint32_t blueMask = bits == 16 ? 0x001Fu : 0x0000FFu;
    if (bitFields) {
        // Longer headers hold the masks at offset 40; a 40-byte one is followed by them.
        if (headerSize == kHeaderSize)
            pos += 12;
        else if (headerSize < kHeaderSize + 12)
            return false;
        if (pos > size) return false;
        redMask = readU32(data + 40);
        greenMask = readU32(data + 44);
        blueMask = readU32(data + 48);
    }

    // Palette depths carry coloursUsed entries (0: all 2^bits); direct depths
    // may carry an optional table, which is skipped.
    std::uint64_t tableEntries = coloursUsed;
    if (palette) {
        if (coloursUsed > (1u << bits)) return false;
        if (coloursUsed == 0) tableEntries = 1u << bits;
    }
    const std::uint64_t tablePos = pos;
    pos += 4 * tableEntries;
    if (pos > size) return false;

    const int outBits = palette ? bits : 24;
    if (!sizeAllowed(width, height, bits) || !sizeAllowed(width, height, outBits)) return false;
    const auto inStride = static_cast<std::uint64_t>(strideFor(width, bits));
    if (inStride * static_cast<std::uint64_t>(height) > size - pos) return false;

    std::vector<std::uint8_t> header =
        newHeader(width, height, outBits, static_cast<std::int32_t>(readU32(data + 24)),
                  static_cast<std::int32_t>(readU32(data + 28)));
    if (palette) {
        writeU32(&header[32], coloursUsed);
        std::memcpy(&header[kHeaderSize], data + tablePos,
                    static_cast<std::size_t>(4 * tableEntries));
    }
    RasterImage image;
    if (!image.attachHeader(std::move(header))) return false;

    const std::uint8_t* rows = data + pos;
    const Channel red(redMask), green(greenMask), blue(blueMask);
    const bool plain32 =
        bits == 32 && redMask == 0xFF0000u && greenMask == 0x00FF00u && blueMask == 0x0000FFu;
    const std::size_t copyBytes = static_cast<std::size_t>(
        std::min<std::uint64_t>(inStride, static_cast<std::uint64_t>(image.stride())));
    for (std::int32_t i = 0; i < height; ++i) {
        const std::uint8_t* in = rows + static_cast<std::size_t>(i) * inStride;
        // Memory rows run bottom-up unless the height was negative.
        const int r = topDown ? i : height - 1 - i;
        std::uint8_t* out = image.rowData(r);
        if (bits == outBits) {
            std::memcpy(out, in, copyBytes);
            continue;
        }
        for (std::int32_t x = 0; x < width; ++x, out += 3) {
            if (plain32) {
                const std::uint8_t* p = in + 4 * static_cast<std::size_t>(x);
                out[0] = p[0];
                out[1] = p[1];
                out[2] = p[2];
                continue;
            }
            const std::uint32_t px =
                bits == 16 ? static_cast<std::uint32_t>(in[2 * x] | (in[2 * x + 1] << 8))
                           : readU32(in + 4 * static_cast<std::size_t>(x));
            out[0] = blue.of(px);
            out[1] = green.of(px);
            out[2] = red.of(px);
        }
    }
    image.backgroundColour_ = backgroundColour_;
    *this = std::move(image);
    return true;
}

}  // namespace turnpixa
