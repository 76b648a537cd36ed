#include "Stretch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace turnpixa {

namespace {

// Limits that keep every accumulator inside its integer type: a vertical sum
// is at most 255 * rect height, which must fit 32 bits.
constexpr std::int64_t kMaxRectSide = std::int64_t{1} << 24;
constexpr std::int64_t kMaxRectArea = 4 * RasterImage::kMaxPixels;

bool usableRect(const Rect& r) {
    const std::int64_t w = static_cast<std::int64_t>(r.right) - r.left;
    const std::int64_t h = static_cast<std::int64_t>(r.bottom) - r.top;
    return w > 0 && h > 0 && w <= kMaxRectSide && h <= kMaxRectSide && w * h <= kMaxRectArea;
}

bool usableDestination(const RasterImage& d) {
    return d.hasPixels() && d.bitsPerPixel() == 24 && d.width() > 0 && d.height() > 0;
}

// Supplies the rows of the source rectangle as blue-green-red bytes, one
// entry per rectangle column. Rows of a 24-bit source that lie wholly inside
// are returned in place; everything else is converted into a scratch row,
// with white for the parts outside the source.
class RectRowReader {
public:
    RectRowReader(const RasterImage& source, const Rect& rect)
        : source_(source), rect_(rect), width_(rect.right - rect.left) {
        const int bits = source.bitsPerPixel();
        inPlace_ = bits == 24 && rect.left >= 0 && rect.right <= source.width();
        if (!inPlace_) scratch_.assign(static_cast<std::size_t>(width_) * 3, 0xFF);
        if (bits != 24) {
            const std::uint8_t* t = source.colourTable();
            for (int i = 0; i < 256; ++i) {
                const int e = i < source.colourTableSize() ? i : 0;
                palette_[3 * i] = t[4 * e];
                palette_[3 * i + 1] = t[4 * e + 1];
                palette_[3 * i + 2] = t[4 * e + 2];
            }
        }
        // Columns of the rectangle that lie inside the source.
        firstInside_ = std::clamp(-rect.left, 0, width_);
        endInside_ = std::clamp(source.width() - rect.left, firstInside_, width_);
    }

    // Row y of the rectangle (0-based from its top).
    const std::uint8_t* row(int y) {
        const std::uint8_t* src = source_.rowData(rect_.top + y);
        if (!src) {
            if (white_.empty()) white_.assign(static_cast<std::size_t>(width_) * 3, 0xFF);
            return white_.data();
        }
        if (inPlace_) return src + static_cast<std::size_t>(rect_.left) * 3;
        convert(src);
        return scratch_.data();
    }

private:
    void convert(const std::uint8_t* src) {
        std::uint8_t* out = scratch_.data();
        if (firstInside_ > 0) std::memset(out, 0xFF, static_cast<std::size_t>(firstInside_) * 3);
        if (endInside_ < width_)
            std::memset(out + static_cast<std::size_t>(endInside_) * 3, 0xFF,
                        static_cast<std::size_t>(width_ - endInside_) * 3);
        const int bits = source_.bitsPerPixel();
        for (int c = firstInside_; c < endInside_; ++c) {
            const int x = rect_.left + c;
            std::uint8_t* o = out + static_cast<std::size_t>(c) * 3;
            if (bits == 24) {
                const std::uint8_t* p = src + static_cast<std::size_t>(x) * 3;
                o[0] = p[0];
                o[1] = p[1];
                o[2] = p[2];
                continue;
            }
            int index = 0;
            if (bits == 8) {
                index = src[x];
            } else if (bits == 4) {
                index = (src[x / 2] >> ((x & 1) ? 0 : 4)) & 0x0F;
            } else {
                index = (src[x / 8] >> (7 - (x & 7))) & 1;
            }
            o[0] = palette_[3 * index];
            o[1] = palette_[3 * index + 1];
            o[2] = palette_[3 * index + 2];
        }
    }

    const RasterImage& source_;
    Rect rect_;
    int width_;
    bool inPlace_ = false;
    int firstInside_ = 0;
    int endInside_ = 0;
    std::vector<std::uint8_t> scratch_;
    std::vector<std::uint8_t> white_;
    std::uint8_t palette_[256 * 3] = {};
};

// Coverage of source cells by destination cells along one axis, in units of
// 1/destinationSize of a source cell: destination cell d spans
// [d * n, (d + 1) * n) and source cell k spans [k * m, (k + 1) * m), with
// n source cells and m destination cells. The weights of one destination
// cell are integers summing to n, so the averages are exact.
struct AxisWeights {
    std::vector<int> first;             // first source cell of each destination cell
    std::vector<int> count;             // number of source cells it covers
    std::vector<std::uint32_t> offset;  // start of its weights in weights
    std::vector<std::uint32_t> weights;
};

AxisWeights axisWeights(int sourceSize, int destinationSize) {
    AxisWeights a;
    const auto n = static_cast<std::int64_t>(sourceSize);
    const auto m = static_cast<std::int64_t>(destinationSize);
    a.first.resize(static_cast<std::size_t>(m));
    a.count.resize(static_cast<std::size_t>(m));
    a.offset.resize(static_cast<std::size_t>(m));
    a.weights.reserve(static_cast<std::size_t>(n + 2 * m));
    for (std::int64_t d = 0; d < m; ++d) {
        const std::int64_t begin = d * n;
        const std::int64_t end = begin + n;
        const std::int64_t k0 = begin / m;
        const std::int64_t k1 = (end + m - 1) / m;  // exclusive
        a.first[static_cast<std::size_t>(d)] = static_cast<int>(k0);
        a.count[static_cast<std::size_t>(d)] = static_cast<int>(k1 - k0);
        a.offset[static_cast<std::size_t>(d)] = static_cast<std::uint32_t>(a.weights.size());
        for (std::int64_t k = k0; k < k1; ++k) {
            const std::int64_t lo = std::max(begin, k * m);
            const std::int64_t hi = std::min(end, (k + 1) * m);
            a.weights.push_back(static_cast<std::uint32_t>(hi - lo));
        }
    }
    return a;
}

// sum[i] += weight * row[i] over n bytes; the hot loop of the smooth stretch.
// Sixteen bytes at a time: a fixed count the compiler turns into vector
// instructions at every optimisation level, the rest one by one.
constexpr std::size_t kBlock = 16;

void accumulateRow(std::uint32_t* __restrict sum, const std::uint8_t* __restrict row,
                   std::uint32_t weight, std::size_t n) {
    std::size_t i = 0;
    for (; i + kBlock <= n; i += kBlock)
        for (std::size_t k = 0; k < kBlock; ++k) sum[i + k] += weight * row[i + k];
    for (; i < n; ++i) sum[i] += weight * row[i];
}

void addRow(std::uint32_t* __restrict sum, const std::uint8_t* __restrict row, std::size_t n) {
    std::size_t i = 0;
    for (; i + kBlock <= n; i += kBlock)
        for (std::size_t k = 0; k < kBlock; ++k) sum[i + k] += row[i + k];
    for (; i < n; ++i) sum[i] += row[i];
}

// Whole-number division by one divisor many times over: a multiplication
// by its reciprocal, put right by one where that rounds the wrong way.
// Exact for dividends below 2^53.
class Divider {
public:
    explicit Divider(std::uint64_t divisor)
        : divisor_(divisor), inverse_(1.0 / static_cast<double>(divisor)) {}
    std::uint64_t operator()(std::uint64_t v) const {
        // Signed conversions: the dividends are well within their range.
        auto q = static_cast<std::uint64_t>(static_cast<std::int64_t>(
            static_cast<double>(static_cast<std::int64_t>(v)) * inverse_));
        if (q * divisor_ > v)
            --q;
        else if ((q + 1) * divisor_ <= v)
            ++q;
        return q;
    }

private:
    std::uint64_t divisor_;
    double inverse_;
};

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Coverage of source cells by destination cells along one axis, both laid
// on one integer line: destination cell d spans [origin + d * step,
// origin + (d + 1) * step), source cell k spans [k * cell, (k + 1) * cell).
// Only the part of the line in [0, end) holds the picture: the cells'
// weights cover that part, and `span` minus their sum lies outside it.
struct Coverage {
    std::vector<std::int64_t> first;
    std::vector<int> count;
    std::vector<std::size_t> offset;
    std::vector<std::uint64_t> weights;
    std::vector<std::uint64_t> inside;  // sum of each destination cell's weights
    std::uint64_t span = 0;             // step
    std::int64_t lowest = 0;            // first source cell any destination cell covers
    std::int64_t highest = 0;           // one past the last
};

Coverage coverage(std::int64_t origin, std::int64_t step, std::int64_t cell, int count,
                  std::int64_t end) {
    Coverage c;
    const auto m = static_cast<std::size_t>(count);
    c.first.assign(m, 0);
    c.count.assign(m, 0);
    c.offset.assign(m, 0);
    c.inside.assign(m, 0);
    c.span = static_cast<std::uint64_t>(step);
    bool any = false;
    for (std::size_t d = 0; d < m; ++d) {
        const std::int64_t begin =
            std::max<std::int64_t>(origin + static_cast<std::int64_t>(d) * step, 0);
        const std::int64_t stop = std::min(origin + static_cast<std::int64_t>(d + 1) * step, end);
        c.offset[d] = c.weights.size();
        if (begin >= stop) continue;
        const std::int64_t k0 = begin / cell;
        const std::int64_t k1 = (stop + cell - 1) / cell;
        c.first[d] = k0;
        c.count[d] = static_cast<int>(k1 - k0);
        for (std::int64_t k = k0; k < k1; ++k) {
            const std::int64_t lo = std::max(begin, k * cell);
            const std::int64_t hi = std::min(stop, (k + 1) * cell);
            c.weights.push_back(static_cast<std::uint64_t>(hi - lo));
        }
        c.inside[d] = static_cast<std::uint64_t>(stop - begin);
        if (!any || k0 < c.lowest) c.lowest = k0;
        if (!any || k1 > c.highest) c.highest = k1;
        any = true;
    }
    if (!any) c.lowest = c.highest = 0;
    return c;
}

// One destination row from the column sums of its source rows: each pixel
// the weighted average of the columns cx names. With `whiteOutside` the
// parts of a destination cell outside the picture count as white; without,
// a cell averages only what it covers of the picture.
template <typename Sum>
void averageRow(const Sum* column, const Coverage& cx, std::uint64_t insideDown,
                std::uint64_t spanDown, bool whiteOutside, int width, std::uint8_t* out) {
    for (int x = 0; x < width; ++x) {
        const auto xd = static_cast<std::size_t>(x);
        const Sum* s = column + static_cast<std::size_t>(cx.first[xd] - cx.lowest) * 3;
        const std::uint64_t* w = &cx.weights[cx.offset[xd]];
        const std::uint64_t covered = cx.inside[xd] * insideDown;
        std::uint64_t total = whiteOutside ? cx.span * spanDown : covered;
        std::uint64_t white = whiteOutside ? 255 * (total - covered) : 0;
        if (total == 0) {  // nothing of the picture and nothing outside
            total = 1;
            white = 255;
        }
        std::uint64_t b = white, g = white, r = white;
        for (int c = 0; c < cx.count[xd]; ++c, s += 3) {
            b += w[c] * s[0];
            g += w[c] * s[1];
            r += w[c] * s[2];
        }
        out[3 * x] = static_cast<std::uint8_t>((b + total / 2) / total);
        out[3 * x + 1] = static_cast<std::uint8_t>((g + total / 2) / total);
        out[3 * x + 2] = static_cast<std::uint8_t>((r + total / 2) / total);
    }
}

// Every destination pixel the weighted average of the source cells its
// coverages name: the covered rows summed into columns, then the columns
// averaged. Sum holds a column sum (at most 255 times the step down).
template <typename Sum>
bool resampleWith(const RasterImage& source, const Coverage& cx, const Coverage& cy,
                  bool whiteOutside, RasterImage& destination) {
    const std::int64_t lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    if (cx.lowest < lo || cx.highest > hi || cy.lowest < lo || cy.highest > hi) return false;
    const Rect rect{static_cast<int>(cx.lowest), static_cast<int>(cy.lowest),
                    static_cast<int>(std::max(cx.highest, cx.lowest + 1)),
                    static_cast<int>(std::max(cy.highest, cy.lowest + 1))};
    if (!usableRect(rect)) return false;
    RectRowReader reader(source, rect);
    const std::size_t rowBytes = static_cast<std::size_t>(rect.width()) * 3;
    std::vector<Sum> column(rowBytes);
    for (int y = 0; y < destination.height(); ++y) {
        const auto yd = static_cast<std::size_t>(y);
        std::fill(column.begin(), column.end(), Sum{0});
        Sum* __restrict sum = column.data();
        for (int k = 0; k < cy.count[yd]; ++k) {
            const auto w =
                static_cast<Sum>(cy.weights[cy.offset[yd] + static_cast<std::size_t>(k)]);
            const std::uint8_t* __restrict row =
                reader.row(static_cast<int>(cy.first[yd] - cy.lowest) + k);
            for (std::size_t i = 0; i < rowBytes; ++i) sum[i] += w * row[i];
        }
        averageRow(column.data(), cx, cy.inside[yd], cy.span, whiteOutside, destination.width(),
                   destination.rowData(y));
    }
    return true;
}

// Column sums in 32 bits where they fit: half the memory, twice the lanes.
bool resample(const RasterImage& source, const Coverage& cx, const Coverage& cy, bool whiteOutside,
              RasterImage& destination) {
    if (cy.span <= std::numeric_limits<std::uint32_t>::max() / 255)
        return resampleWith<std::uint32_t>(source, cx, cy, whiteOutside, destination);
    return resampleWith<std::uint64_t>(source, cx, cy, whiteOutside, destination);
}

bool validEighths(int eighths) {
    return eighths >= 1 && eighths <= 8;
}

}  // namespace

bool smoothStretch(const RasterImage& source, const Rect& sourceRect, RasterImage& destination) {
    if (!source.hasPixels() || !usableRect(sourceRect) || !usableDestination(destination))
        return false;
    const int sw = sourceRect.width();
    const int sh = sourceRect.height();
    const int dw = destination.width();
    const int dh = destination.height();

    const AxisWeights wx = axisWeights(sw, dw);
    const AxisWeights wy = axisWeights(sh, dh);
    const std::uint64_t total = static_cast<std::uint64_t>(sw) * static_cast<std::uint64_t>(sh);
    const std::uint64_t half = total / 2;
    // The sums reach 255.5 times the total at most.
    const Divider byTotal(total);

    RectRowReader reader(source, sourceRect);
    const std::size_t rowBytes = static_cast<std::size_t>(sw) * 3;
    std::vector<std::uint32_t> column(rowBytes);
    std::vector<std::uint32_t> inner(rowBytes);

    for (int y = 0; y < dh; ++y) {
        // Vertical pass: weighted sum of the covered source rows.
        std::fill(column.begin(), column.end(), 0u);
        const int k0 = wy.first[static_cast<std::size_t>(y)];
        const int kn = wy.count[static_cast<std::size_t>(y)];
        const std::uint32_t* rowWeights = &wy.weights[wy.offset[static_cast<std::size_t>(y)]];
        // Interior rows carry the full weight dh: add them unweighted and
        // scale once, which halves the work of the hot loop.
        const std::uint32_t full = static_cast<std::uint32_t>(std::min(dh, sh));
        int k = 0;
        if (kn > 2 && rowWeights[1] == full) {
            accumulateRow(column.data(), reader.row(k0), rowWeights[0], rowBytes);
            std::fill(inner.begin(), inner.end(), 0u);
            for (k = 1; k < kn - 1; ++k) addRow(inner.data(), reader.row(k0 + k), rowBytes);
            for (std::size_t i = 0; i < rowBytes; ++i) column[i] += full * inner[i];
        }
        for (; k < kn; ++k)
            accumulateRow(column.data(), reader.row(k0 + k), rowWeights[k], rowBytes);

        // Horizontal pass over the column sums, then the rounded average.
        std::uint8_t* out = destination.rowData(y);
        for (int x = 0; x < dw; ++x) {
            const int c0 = wx.first[static_cast<std::size_t>(x)];
            const int cn = wx.count[static_cast<std::size_t>(x)];
            const std::uint32_t* colWeights = &wx.weights[wx.offset[static_cast<std::size_t>(x)]];
            std::uint64_t b = 0, g = 0, r = 0;
            const std::uint32_t* s = column.data() + static_cast<std::size_t>(c0) * 3;
            for (int c = 0; c < cn; ++c, s += 3) {
                const std::uint64_t w = colWeights[c];
                b += w * s[0];
                g += w * s[1];
                r += w * s[2];
            }
            out[3 * x] = static_cast<std::uint8_t>(byTotal(b + half));
            out[3 * x + 1] = static_cast<std::uint8_t>(byTotal(g + half));
            out[3 * x + 2] = static_cast<std::uint8_t>(byTotal(r + half));
        }
    }
    return true;
}

bool fastStretch(const RasterImage& source, const Rect& sourceRect, RasterImage& destination) {
    return fastStretchEighths(source, PictureScale{source.width(), source.height(), 8}, sourceRect,
                              destination);
}

bool fastStretchEighths(const RasterImage& source, const PictureScale& scale, const Rect& fullRect,
                        RasterImage& destination) {
    const int eighths = scale.eighths;
    if (!source.hasPixels() || !validEighths(eighths) || !usableRect(fullRect) ||
        !usableDestination(destination))
        return false;
    const std::int64_t sw = fullRect.width();
    const std::int64_t sh = fullRect.height();
    const int dw = destination.width();
    const int dh = destination.height();
    const int width = source.width();
    const int bits = source.bitsPerPixel();

    // The source cell under the centre of each destination cell: full-size
    // left + (2x + 1) * sw / 2dw, times eighths / 8; -1 outside the picture.
    auto sample = [eighths](std::int64_t from, std::int64_t size, int count, int i,
                            std::int64_t fullSize) -> std::int64_t {
        const std::int64_t twice = 2 * from * count + (2 * std::int64_t{i} + 1) * size;
        const std::int64_t full = floorDiv(twice, 2 * std::int64_t{count});
        if (full < 0 || full >= fullSize) return -1;
        return floorDiv(eighths * twice, 16 * std::int64_t{count});
    };
    std::vector<int> columns(static_cast<std::size_t>(dw));
    for (int x = 0; x < dw; ++x) {
        const std::int64_t sx = sample(fullRect.left, sw, dw, x, scale.fullWidth);
        columns[static_cast<std::size_t>(x)] = (sx >= 0 && sx < width) ? static_cast<int>(sx) : -1;
    }
    std::uint8_t palette[256 * 3];
    if (bits != 24) {
        const std::uint8_t* t = source.colourTable();
        for (int i = 0; i < 256; ++i) {
            const int e = i < source.colourTableSize() ? i : 0;
            palette[3 * i] = t[4 * e];
            palette[3 * i + 1] = t[4 * e + 1];
            palette[3 * i + 2] = t[4 * e + 2];
        }
    }
    for (int y = 0; y < dh; ++y) {
        const std::int64_t sy = sample(fullRect.top, sh, dh, y, scale.fullHeight);
        const std::uint8_t* src =
            (sy >= 0 && sy < source.height()) ? source.rowData(static_cast<int>(sy)) : nullptr;
        std::uint8_t* out = destination.rowData(y);
        for (int x = 0; x < dw; ++x, out += 3) {
            const int sx = columns[static_cast<std::size_t>(x)];
            if (!src || sx < 0) {
                out[0] = out[1] = out[2] = 0xFF;
                continue;
            }
            const std::uint8_t* p = nullptr;
            switch (bits) {
                case 24:
                    p = src + static_cast<std::size_t>(sx) * 3;
                    break;
                case 8:
                    p = palette + 3 * src[sx];
                    break;
                case 4:
                    p = palette + 3 * ((src[sx / 2] >> ((sx & 1) ? 0 : 4)) & 0x0F);
                    break;
                default:
                    p = palette + 3 * ((src[sx / 8] >> (7 - (sx & 7))) & 1);
                    break;
            }
            out[0] = p[0];
            out[1] = p[1];
            out[2] = p[2];
        }
    }
    return true;
}

bool smoothStretchEighths(const RasterImage& source, const PictureScale& scale,
                          const Rect& fullRect, RasterImage& destination) {
    const int eighths = scale.eighths;
    if (eighths == 8) return smoothStretch(source, fullRect, destination);
    if (!source.hasPixels() || !validEighths(eighths) || !usableRect(fullRect) ||
        !usableDestination(destination))
        return false;
    // One unit is 1 / (8 * destination size) of a source cell: a full-size
    // pixel is eighths * destination size units long.
    const std::int64_t dw = destination.width(), dh = destination.height();
    // Outside the full-size picture reads white, as in the plain stretch,
    // even where the last source cell reaches past it.
    const Coverage cx = coverage(std::int64_t{fullRect.left} * eighths * dw,
                                 std::int64_t{fullRect.width()} * eighths, 8 * dw,
                                 destination.width(), std::int64_t{scale.fullWidth} * eighths * dw);
    const Coverage cy = coverage(
        std::int64_t{fullRect.top} * eighths * dh, std::int64_t{fullRect.height()} * eighths,
        8 * dh, destination.height(), std::int64_t{scale.fullHeight} * eighths * dh);
    return resample(source, cx, cy, true, destination);
}

bool reduceToEighths(const RasterImage& full, int eighths, RasterImage& reduced) {
    if (!full.hasPixels() || eighths < 1 || eighths > 7) return false;
    // Reduced cell k spans [8k, 8k + 8), full-size pixel i [i * eighths,
    // (i + 1) * eighths), in units of 1 / eighths of a full-size pixel.
    const std::int64_t w = (std::int64_t{full.width()} * eighths + 7) / 8;
    const std::int64_t h = (std::int64_t{full.height()} * eighths + 7) / 8;
    if (!reduced.create(static_cast<int>(w), static_cast<int>(h), 24)) return false;
    const Coverage cx =
        coverage(0, 8, eighths, static_cast<int>(w), std::int64_t{full.width()} * eighths);
    const Coverage cy =
        coverage(0, 8, eighths, static_cast<int>(h), std::int64_t{full.height()} * eighths);
    if (!resample(full, cx, cy, false, reduced)) {
        reduced.clear();
        return false;
    }
    return true;
}

}  // namespace turnpixa
