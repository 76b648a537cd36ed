#include <algorithm>
#include <cstring>
#include <vector>

#include "RasterImage.h"

namespace turnpixa {

namespace {

// Reverses a colour row of n entries (4 bytes each) in place.
void reverseColourRow(std::uint8_t* row, int n) {
    for (int a = 0, b = n - 1; a < b; ++a, --b) {
        for (int k = 0; k < 4; ++k) std::swap(row[4 * a + k], row[4 * b + k]);
    }
}

// Side of the square blocks rotate90 copies at a time, so that the rows of
// both images being touched stay in cache.
constexpr int kTile = 64;

}  // namespace

bool RasterImage::mirrorLeftRight() {
    if (!hasPixels()) return false;
    alpha_.clear();
    const int w = width();
    std::vector<std::uint8_t> row(static_cast<std::size_t>(w) * 4);
    for (int r = 0; r < height(); ++r) {
        getRow(r, row.data());
        reverseColourRow(row.data(), w);
        putRow(r, row.data());
    }
    return true;
}

bool RasterImage::mirrorTopBottom() {
    if (!hasPixels()) return false;
    alpha_.clear();
    const int h = height();
    std::vector<std::uint8_t> temp(static_cast<std::size_t>(stride_));
    for (int i = 0; i < h / 2; ++i) {
        std::uint8_t* a = rowData(i);
        std::uint8_t* b = rowData(h - 1 - i);
        std::memcpy(temp.data(), a, temp.size());
        std::memcpy(a, b, temp.size());
        std::memcpy(b, temp.data(), temp.size());
    }
    return true;
}

bool RasterImage::rotate180() {
    if (!hasPixels()) return false;
    alpha_.clear();
    const int w = width();
    const int h = height();
    std::vector<std::uint8_t> top(static_cast<std::size_t>(w) * 4);
    std::vector<std::uint8_t> bottom(top.size());
    for (int i = 0; i < h / 2; ++i) {
        getRow(i, top.data());
        getRow(h - 1 - i, bottom.data());
        reverseColourRow(top.data(), w);
        reverseColourRow(bottom.data(), w);
        putRow(i, bottom.data());
        putRow(h - 1 - i, top.data());
    }
    if (h % 2 == 1) {
        getRow(h / 2, top.data());
        reverseColourRow(top.data(), w);
        putRow(h / 2, top.data());
    }
    return true;
}

// Clockwise the source pixel (x, y) goes to (H - y + 1, x); counter-clockwise
// to (y, W - x + 1). Resolutions are exchanged with the axes.
bool RasterImage::rotate90(bool clockwise) {
    if (!hasPixels()) return false;
    const int w = width();
    const int h = height();
    const int bits = bitsPerPixel();
    std::vector<std::uint8_t> header = header_;
    auto put32 = [&header](int offset, std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int k = 0; k < 4; ++k) header[offset + k] = static_cast<std::uint8_t>(u >> (8 * k));
    };
    put32(4, h);
    put32(8, w);
    put32(24, yResolution());
    put32(28, xResolution());
    RasterImage turned;
    if (!turned.attachHeader(std::move(header))) return false;

    // Destination pixel (X, Y), 0-based, takes source pixel (sx, sy).
    auto sourceOf = [&](int X, int Y, int& sx, int& sy) {
        if (clockwise) {
            sx = Y;
            sy = h - 1 - X;
        } else {
            sx = w - 1 - Y;
            sy = X;
        }
    };
    const int tw = h;  // width of the turned image
    const int th = w;
    if (bits == 24 || bits == 8) {
        const int bytes = bits / 8;
        for (int Y0 = 0; Y0 < th; Y0 += kTile) {
            for (int X0 = 0; X0 < tw; X0 += kTile) {
                const int Y1 = std::min(th, Y0 + kTile);
                const int X1 = std::min(tw, X0 + kTile);
                for (int Y = Y0; Y < Y1; ++Y) {
                    std::uint8_t* out = turned.rowData(Y);
                    for (int X = X0; X < X1; ++X) {
                        int sx = 0, sy = 0;
                        sourceOf(X, Y, sx, sy);
                        const std::uint8_t* in = rowData(sy) + static_cast<std::size_t>(sx) * bytes;
                        std::memcpy(out + static_cast<std::size_t>(X) * bytes, in,
                                    static_cast<std::size_t>(bytes));
                    }
                }
            }
        }
    } else {
        for (int Y = 0; Y < th; ++Y) {
            for (int X = 0; X < tw; ++X) {
                int sx = 0, sy = 0;
                sourceOf(X, Y, sx, sy);
                std::uint8_t index = 0;
                getIndex(sx + 1, sy + 1, index);
                turned.putIndex(X + 1, Y + 1, index);
            }
        }
    }
    turned.backgroundColour_ = backgroundColour_;
    *this = std::move(turned);
    return true;
}

}  // namespace turnpixa
