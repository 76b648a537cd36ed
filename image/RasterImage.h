#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "PackedColour.h"

namespace turnpixa {

// The one picture type: a device-independent bitmap. A 40-byte bitmap-info
// header with a colour table for 1, 4 and 8 bits, pixel rows stored bottom-up
// and padded to 4 bytes, 24-bit pixels blue-green-red. Copies are deep.
//
// Pixel coordinates are 1-based from the top left; row numbers 0-based from
// the top. Reads outside give white (or false), writes outside are ignored.
// A "colour row" is width * 4 bytes: red, green, blue, palette index.
class RasterImage {
public:
    static constexpr int kHeaderSize = 40;
    static constexpr int kDefaultResolution = 2835;  // 72 dpi in pixels per metre
    // Largest image any operation will allocate: protects against files that
    // claim a huge size (decompression bombs). 150 megapixels.
    static constexpr std::int64_t kMaxPixels = 150'000'000;

    RasterImage() = default;
    RasterImage(const RasterImage& other);
    RasterImage& operator=(const RasterImage& other);
    RasterImage(RasterImage&& other) noexcept = default;
    RasterImage& operator=(RasterImage&& other) noexcept = default;
    ~RasterImage() = default;

    // Row size in bytes for a width and depth: ((width * bits + 31) / 32) * 4.
    static std::int64_t strideFor(int width, int bits);
    // True when width x height at this depth is a size this program accepts.
    static bool sizeAllowed(std::int64_t width, std::int64_t height, int bits = 24);

    // A header block for the geometry, with colour table space (zeroed) for
    // bits < 16; colours used is 2^bits for palette depths, 0 for 24 bits.
    static std::vector<std::uint8_t> newHeader(int width, int height, int bits,
                                               int xResolution = kDefaultResolution,
                                               int yResolution = kDefaultResolution);
    // Adopts a header block and allocates zeroed pixels of height * stride bytes.
    // False (and the image left empty) for a bad header or an oversized image.
    bool attachHeader(std::vector<std::uint8_t> header);
    // newHeader + attachHeader.
    bool create(int width, int height, int bits, int xResolution = kDefaultResolution,
                int yResolution = kDefaultResolution);
    // Copies pixelLength() bytes from source; nothing when source is null.
    void setPixels(const std::uint8_t* source);
    void clear();

    bool hasPixels() const { return !pixels_.empty(); }
    bool empty() const { return header_.empty() || pixels_.empty(); }
    int width() const;
    int height() const;
    int bitsPerPixel() const;
    int stride() const { return stride_; }
    int xResolution() const;
    int yResolution() const;
    void setResolution(int xResolution, int yResolution);

    // Colour table: entries blue, green, red, 0. Null for 24-bit images.
    std::uint8_t* colourTable();
    const std::uint8_t* colourTable() const;
    // Colours used, or 2^bits when that field is 0 or larger; 0 for 24 bits.
    int colourCount() const;
    // Number of entries the table has room for (2^bits, or 0).
    int colourTableSize() const;
    void setColour(int index, std::uint8_t red, std::uint8_t green, std::uint8_t blue);

    const std::vector<std::uint8_t>& header() const { return header_; }
    std::uint8_t* pixels() { return pixels_.empty() ? nullptr : pixels_.data(); }
    const std::uint8_t* pixels() const { return pixels_.empty() ? nullptr : pixels_.data(); }
    std::size_t pixelLength() const { return pixels_.size(); }
    // Raw bytes of row r counted from the top; null outside the image.
    std::uint8_t* rowData(int r);
    const std::uint8_t* rowData(int r) const;

    // True when there is no header or bits < 9.
    bool isPaletteImage() const;
    // A palette image whose every table entry has red = green = blue.
    bool isGreyPalette() const;

    // Coverage of each pixel, 0 (transparent) to 255 (opaque), width bytes a
    // row, top row first; empty for an opaque picture. Set on finished
    // frames only: operations that move pixels drop it.
    const std::vector<std::uint8_t>& alpha() const { return alpha_; }
    std::vector<std::uint8_t>& alpha() { return alpha_; }
    bool hasAlpha() const { return !alpha_.empty(); }
    // Makes an opaque plane (every pixel 255); false without pixels.
    bool addAlpha();

    PackedColour backgroundColour() const { return backgroundColour_; }
    void setBackgroundColour(PackedColour c) { backgroundColour_ = c; }

    bool getRow(int r, std::uint8_t* colourRow) const;
    bool putRow(int r, const std::uint8_t* colourRow);
    bool getPixel(int x, int y, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue) const;
    bool getIndex(int x, int y, std::uint8_t& index) const;
    bool putPixel(int x, int y, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    bool putIndex(int x, int y, std::uint8_t index);

    // Image operations; each returns false and changes nothing without pixels.
    // A palette image is filled only when the colour is in its table.
    bool fill(PackedColour colour);
    // Blends source onto this image at (dx, dy); see RasterImageBlend.cpp.
    bool overlayBlend(const RasterImage& source, int dx, int dy, int opacity, PackedColour key,
                      bool softKeying, int tolerance, int edgeWidth);
    bool lightness(double gamma);
    bool rotate180();
    bool rotate90(bool clockwise);
    bool mirrorLeftRight();
    bool mirrorTopBottom();
    // Smooth stretch to the new size at 72 dpi; the result is 24-bit.
    bool resize(int newWidth, int newHeight);
    // Adopts a packed DIB (header, colour table, pixels) held in memory;
    // anything truncated or inconsistent is refused and the image kept.
    bool importPackedDib(const std::uint8_t* data, std::size_t size);

private:
    std::int32_t headerField32(int offset) const;
    std::uint16_t headerField16(int offset) const;
    void setHeaderField32(int offset, std::int32_t value);
    std::uint8_t* pixelAddress(int x, int y);  // 1-based, inside only
    const std::uint8_t* pixelAddress(int x, int y) const;
    bool inside(int x, int y) const;

    std::vector<std::uint8_t> header_;  // 40 bytes + colour table
    std::vector<std::uint8_t> pixels_;  // bottom row first
    std::vector<std::uint8_t> alpha_;   // top row first, or empty
    int stride_ = 0;
    PackedColour backgroundColour_ = kWhite;
};

}  // namespace turnpixa
