#include "RasterImage.h"

#include <cstring>
#include <new>

namespace turnpixa {

namespace {

std::int32_t read32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
        (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
}

void write32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

bool supportedDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 24;
}

}  // namespace

RasterImage::RasterImage(const RasterImage& other)
    : header_(other.header_), stride_(other.stride_), backgroundColour_(other.backgroundColour_) {
    try {
        pixels_ = other.pixels_;
        alpha_ = other.alpha_;
    } catch (const std::bad_alloc&) {
        pixels_.clear();
        alpha_.clear();
    }
}

RasterImage& RasterImage::operator=(const RasterImage& other) {
    if (this == &other) return *this;
    header_ = other.header_;
    stride_ = other.stride_;
    backgroundColour_ = other.backgroundColour_;
    try {
        pixels_ = other.pixels_;
        alpha_ = other.alpha_;
    } catch (const std::bad_alloc&) {
        pixels_.clear();
        alpha_.clear();
        pixels_.shrink_to_fit();
    }
    return *this;
}

std::int64_t RasterImage::strideFor(int width, int bits) {
    return ((static_cast<std::int64_t>(width) * bits + 31) / 32) * 4;
}

bool RasterImage::sizeAllowed(std::int64_t width, std::int64_t height, int bits) {
    if (width <= 0 || height <= 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF) return false;
    if (width * height > kMaxPixels) return false;
    return strideFor(static_cast<int>(width), bits) * height < 0x7FFFFFFF;
}

std::vector<std::uint8_t> RasterImage::newHeader(int width, int height, int bits, int xResolution,
                                                 int yResolution) {
    const int tableEntries = bits < 16 ? (1 << bits) : 0;
    std::vector<std::uint8_t> h(kHeaderSize + 4 * tableEntries, 0);
    write32(&h[0], kHeaderSize);
    write32(&h[4], static_cast<std::uint32_t>(width));
    write32(&h[8], static_cast<std::uint32_t>(height));
    h[12] = 1;
    h[14] = static_cast<std::uint8_t>(bits);
    write32(&h[20], static_cast<std::uint32_t>(strideFor(width, bits) * height));
    write32(&h[24], static_cast<std::uint32_t>(xResolution));
    write32(&h[28], static_cast<std::uint32_t>(yResolution));
    write32(&h[32], static_cast<std::uint32_t>(tableEntries));
    return h;
}

bool RasterImage::attachHeader(std::vector<std::uint8_t> header) {
    clear();
    if (header.size() < kHeaderSize) return false;
    const int w = read32(&header[4]);
    const int h = read32(&header[8]);
    const int bits = header[14] | (header[15] << 8);
    if (!supportedDepth(bits) || !sizeAllowed(w, h, bits)) return false;
    const std::size_t tableBytes = bits < 16 ? 4u * (1u << bits) : 0u;
    const std::int64_t stride = strideFor(w, bits);
    try {
        header.resize(kHeaderSize + tableBytes, 0);
        pixels_.assign(static_cast<std::size_t>(stride * h), 0);
    } catch (const std::bad_alloc&) {
        clear();
        return false;
    }
    header_ = std::move(header);
    write32(&header_[0], kHeaderSize);
    write32(&header_[20], static_cast<std::uint32_t>(pixels_.size()));
    stride_ = static_cast<int>(stride);
    return true;
}

bool RasterImage::create(int width, int height, int bits, int xResolution, int yResolution) {
    if (!supportedDepth(bits) || !sizeAllowed(width, height, bits)) {
        clear();
        return false;
    }
    return attachHeader(newHeader(width, height, bits, xResolution, yResolution));
}

void RasterImage::setPixels(const std::uint8_t* source) {
    if (source && !pixels_.empty()) std::memcpy(pixels_.data(), source, pixels_.size());
}

void RasterImage::clear() {
    header_.clear();
    header_.shrink_to_fit();
    pixels_.clear();
    pixels_.shrink_to_fit();
    alpha_.clear();
    alpha_.shrink_to_fit();
    stride_ = 0;
}

bool RasterImage::addAlpha() {
    if (!hasPixels()) return false;
    try {
        alpha_.assign(static_cast<std::size_t>(width()) * static_cast<std::size_t>(height()), 255);
    } catch (const std::bad_alloc&) {
        alpha_.clear();
        return false;
    }
    return true;
}

std::int32_t RasterImage::headerField32(int offset) const {
    return header_.size() >= kHeaderSize ? read32(&header_[offset]) : 0;
}

std::uint16_t RasterImage::headerField16(int offset) const {
    return header_.size() >= kHeaderSize
               ? static_cast<std::uint16_t>(header_[offset] | (header_[offset + 1] << 8))
               : 0;
}

void RasterImage::setHeaderField32(int offset, std::int32_t value) {
    if (header_.size() >= kHeaderSize) write32(&header_[offset], static_cast<std::uint32_t>(value));
}

int RasterImage::width() const {
    return headerField32(4);
}
int RasterImage::height() const {
    return headerField32(8);
}
int RasterImage::bitsPerPixel() const {
    return headerField16(14);
}
int RasterImage::xResolution() const {
    return headerField32(24);
}
int RasterImage::yResolution() const {
    return headerField32(28);
}

void RasterImage::setResolution(int xResolution, int yResolution) {
    setHeaderField32(24, xResolution);
    setHeaderField32(28, yResolution);
}

int RasterImage::colourTableSize() const {
    const int bits = bitsPerPixel();
    return (!header_.empty() && bits < 16) ? (1 << bits) : 0;
}

std::uint8_t* RasterImage::colourTable() {
    return colourTableSize() > 0 ? header_.data() + kHeaderSize : nullptr;
}

const std::uint8_t* RasterImage::colourTable() const {
    return colourTableSize() > 0 ? header_.data() + kHeaderSize : nullptr;
}

int RasterImage::colourCount() const {
    const int size = colourTableSize();
    if (size == 0) return 0;
    const std::uint32_t used = static_cast<std::uint32_t>(headerField32(32));
    // A loaded header may claim more colours than the table holds.
    return (used == 0 || used > static_cast<std::uint32_t>(size)) ? size : static_cast<int>(used);
}

void RasterImage::setColour(int index, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    if (index < 0 || index >= colourTableSize()) return;
    std::uint8_t* e = colourTable() + 4 * index;
    e[0] = blue;
    e[1] = green;
    e[2] = red;
    e[3] = 0;
}

std::uint8_t* RasterImage::rowData(int r) {
    if (pixels_.empty() || r < 0 || r >= height()) return nullptr;
    return pixels_.data() + static_cast<std::size_t>(height() - 1 - r) * stride_;
}

const std::uint8_t* RasterImage::rowData(int r) const {
    if (pixels_.empty() || r < 0 || r >= height()) return nullptr;
    return pixels_.data() + static_cast<std::size_t>(height() - 1 - r) * stride_;
}

bool RasterImage::isPaletteImage() const {
    return header_.empty() || bitsPerPixel() < 9;
}

bool RasterImage::isGreyPalette() const {
    if (header_.empty() || !isPaletteImage()) return false;
    const std::uint8_t* t = colourTable();
    for (int i = 0; i < colourTableSize(); ++i) {
        if (t[4 * i] != t[4 * i + 1] || t[4 * i + 1] != t[4 * i + 2]) return false;
    }
    return true;
}

bool RasterImage::inside(int x, int y) const {
    return !pixels_.empty() && x >= 1 && y >= 1 && x <= width() && y <= height();
}

std::uint8_t* RasterImage::pixelAddress(int x, int y) {
    return rowData(y - 1) + (static_cast<std::size_t>(x - 1) * bitsPerPixel()) / 8;
}

const std::uint8_t* RasterImage::pixelAddress(int x, int y) const {
    return rowData(y - 1) + (static_cast<std::size_t>(x - 1) * bitsPerPixel()) / 8;
}

bool RasterImage::getRow(int r, std::uint8_t* colourRow) const {
    const int w = width();
    const std::uint8_t* row = rowData(r);
    if (!row) {
        if (w > 0) std::memset(colourRow, 0xFF, static_cast<std::size_t>(w) * 4);
        return false;
    }
    const int bits = bitsPerPixel();
    const std::uint8_t* table = colourTable();
    auto fromTable = [&](int x, int index) {
        const std::uint8_t* e = table + 4 * index;
        colourRow[4 * x] = e[2];
        colourRow[4 * x + 1] = e[1];
        colourRow[4 * x + 2] = e[0];
        colourRow[4 * x + 3] = static_cast<std::uint8_t>(index);
    };
    switch (bits) {
        case 24:
            for (int x = 0; x < w; ++x) {
                colourRow[4 * x] = row[3 * x + 2];
                colourRow[4 * x + 1] = row[3 * x + 1];
                colourRow[4 * x + 2] = row[3 * x];
            }
            return true;
        case 8:
            for (int x = 0; x < w; ++x) fromTable(x, row[x]);
            return true;
        case 4:
            for (int x = 0; x < w; ++x) fromTable(x, (row[x / 2] >> ((x & 1) ? 0 : 4)) & 0x0F);
            return true;
        case 1:
            for (int x = 0; x < w; ++x) fromTable(x, (row[x / 8] >> (7 - (x & 7))) & 1);
            return true;
        default:
            return false;
    }
}

bool RasterImage::putRow(int r, const std::uint8_t* colourRow) {
    std::uint8_t* row = rowData(r);
    if (!row) return false;
    const int w = width();
    switch (bitsPerPixel()) {
        case 24:
            for (int x = 0; x < w; ++x) {
                row[3 * x] = colourRow[4 * x + 2];
                row[3 * x + 1] = colourRow[4 * x + 1];
                row[3 * x + 2] = colourRow[4 * x];
            }
            return true;
        case 8:
            for (int x = 0; x < w; ++x) row[x] = colourRow[4 * x + 3];
            return true;
        case 4:
            for (int x = 0; x < w; ++x) {
                const int shift = (x & 1) ? 0 : 4;
                row[x / 2] = static_cast<std::uint8_t>((row[x / 2] & ~(0x0F << shift)) |
                                                       ((colourRow[4 * x + 3] & 0x0F) << shift));
            }
            return true;
        case 1:
            for (int x = 0; x < w; ++x) {
                const int shift = 7 - (x & 7);
                row[x / 8] = static_cast<std::uint8_t>((row[x / 8] & ~(1 << shift)) |
                                                       ((colourRow[4 * x + 3] & 1) << shift));
            }
            return true;
        default:
            return false;
    }
}

bool RasterImage::getIndex(int x, int y, std::uint8_t& index) const {
    if (!inside(x, y)) return false;
    const std::uint8_t* p = pixelAddress(x, y);
    switch (bitsPerPixel()) {
        case 8:
            index = *p;
            return true;
        case 4:
            index = static_cast<std::uint8_t>((*p >> (((x - 1) & 1) ? 0 : 4)) & 0x0F);
            return true;
        case 1:
            index = static_cast<std::uint8_t>((*p >> (7 - ((x - 1) & 7))) & 1);
            return true;
        default:
            return false;
    }
}

bool RasterImage::getPixel(int x, int y, std::uint8_t& red, std::uint8_t& green,
                           std::uint8_t& blue) const {
    if (!inside(x, y)) {
        red = green = blue = 255;
        return false;
    }
    if (bitsPerPixel() == 24) {
        const std::uint8_t* p = pixelAddress(x, y);
        blue = p[0];
        green = p[1];
        red = p[2];
        return true;
    }
    std::uint8_t index = 0;
    if (!getIndex(x, y, index)) {
        red = green = blue = 255;
        return false;
    }
    const std::uint8_t* e = colourTable() + 4 * index;
    blue = e[0];
    green = e[1];
    red = e[2];
    return true;
}

bool RasterImage::putIndex(int x, int y, std::uint8_t index) {
    if (!inside(x, y)) return false;
    std::uint8_t* p = pixelAddress(x, y);
    switch (bitsPerPixel()) {
        case 8:
            *p = index;
            return true;
        case 4: {
            const int shift = ((x - 1) & 1) ? 0 : 4;
            *p = static_cast<std::uint8_t>((*p & ~(0x0F << shift)) | ((index & 0x0F) << shift));
            return true;
        }
        case 1: {
            const int shift = 7 - ((x - 1) & 7);
            *p = static_cast<std::uint8_t>((*p & ~(1 << shift)) | ((index & 1) << shift));
            return true;
        }
        default:
            return false;
    }
}

bool RasterImage::putPixel(int x, int y, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    if (!inside(x, y)) return false;
    if (bitsPerPixel() == 24) {
        std::uint8_t* p = pixelAddress(x, y);
        p[0] = blue;
        p[1] = green;
        p[2] = red;
        return true;
    }
    const std::uint8_t* t = colourTable();
    const int entries = colourTableSize();
    for (int i = 0; i < entries; ++i) {
        if (t[4 * i] == blue && t[4 * i + 1] == green && t[4 * i + 2] == red) {
            return putIndex(x, y, static_cast<std::uint8_t>(i));
        }
    }
    return false;
}

}  // namespace turnpixa
