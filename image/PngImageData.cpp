#include "PngImageData.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <new>
#include <thread>

namespace turnpixa {

namespace {

constexpr int kBytesPerPixel = 3;
// Below this much filtered data a second thread costs more than it saves.
constexpr std::size_t kTwoThreadsFrom = 64 * 1024;
constexpr std::size_t kWindow = 32 * 1024;

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// libpng's measure of a filtered row: bytes read as signed, absolute sum.
std::uint64_t cost(const std::uint8_t* row, std::size_t n) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += row[i] < 128 ? row[i] : 256 - row[i];
    return sum;
}

// Filters one row (`up` is the row above, zeros for the first) into `out`:
// the filter type byte and the filtered bytes of the cheapest filter.
void filterRow(const std::uint8_t* row, const std::uint8_t* up, std::size_t n,
               std::vector<std::uint8_t> (&trial)[5], std::uint8_t* out) {
    for (std::size_t i = 0; i < n; ++i) {
        const int a = i >= kBytesPerPixel ? row[i - kBytesPerPixel] : 0;
        const int b = up[i];
        const int c = i >= kBytesPerPixel ? up[i - kBytesPerPixel] : 0;
        const int x = row[i];
        trial[0][i] = static_cast<std::uint8_t>(x);
        trial[1][i] = static_cast<std::uint8_t>(x - a);
        trial[2][i] = static_cast<std::uint8_t>(x - b);
        trial[3][i] = static_cast<std::uint8_t>(x - (a + b) / 2);
        trial[4][i] = static_cast<std::uint8_t>(x - paeth(a, b, c));
    }
    int best = 0;
    std::uint64_t least = cost(trial[0].data(), n);
    for (int f = 1; f < 5; ++f) {
        const std::uint64_t c = cost(trial[f].data(), n);
        if (c < least) {
            least = c;
            best = f;
        }
    }
    out[0] = static_cast<std::uint8_t>(best);
    std::copy(trial[best].begin(), trial[best].begin() + static_cast<std::ptrdiff_t>(n), out + 1);
}

// zlib's working memory for one stream, taken from a block the caller
// allocated: the helper thread then never calls malloc, so it never gets a
// malloc arena of its own (a library thread that is cancelled inside malloc,
// as SANE's test backend does, could otherwise find that arena locked).
struct ZlibMemory {
    // Window and hash tables at windowBits 15 and memLevel 8 (zlib's own
    // figures), the pending buffer and the state, with room to spare.
    static constexpr std::size_t kBytes = 768 * 1024;
    std::vector<std::uint8_t> block = std::vector<std::uint8_t>(kBytes);
    std::size_t used = 0;

    static voidpf take(voidpf self, uInt items, uInt size) {
        auto* m = static_cast<ZlibMemory*>(self);
        const std::size_t bytes = (static_cast<std::size_t>(items) * size + 15) & ~std::size_t{15};
        if (bytes > m->block.size() - m->used) return Z_NULL;
        void* at = m->block.data() + m->used;
        m->used += bytes;
        return at;
    }
    static void give(voidpf, voidpf) {}  // all of it goes with the block
};

// One part's input, output room and zlib memory, all allocated up front.
struct Part {
    std::size_t from = 0, to = 0;
    std::vector<std::uint8_t> out;
    ZlibMemory memory;
    bool ok = false;
};

// Raw deflate of data[part.from, part.to), primed with what comes before it
// (up to a window); the last part ends the stream, any other ends on a byte
// boundary so that the next part's blocks follow on. Allocates nothing.
void deflatePart(const std::vector<std::uint8_t>& data, int level, Part& part) {
    z_stream z{};
    z.zalloc = ZlibMemory::take;
    z.zfree = ZlibMemory::give;
    z.opaque = &part.memory;
    part.ok = false;
    if (deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) return;
    const bool last = part.to == data.size();
    bool ok = true;
    if (part.from > 0) {
        const std::size_t start = part.from > kWindow ? part.from - kWindow : 0;
        ok = deflateSetDictionary(&z, data.data() + start, static_cast<uInt>(part.from - start)) ==
             Z_OK;
    }
    z.next_in = const_cast<Bytef*>(data.data() + part.from);
    z.avail_in = static_cast<uInt>(part.to - part.from);
    z.next_out = part.out.data();
    z.avail_out = static_cast<uInt>(part.out.size());
    if (ok) {
        const int result = deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
        ok = last ? result == Z_STREAM_END : result == Z_OK && z.avail_in == 0 && z.avail_out > 0;
    }
    part.to = part.out.size() - z.avail_out;  // now the length of the output
    deflateEnd(&z);
    part.ok = ok;
}

// Filters and deflates the rows; throws when memory or a thread runs out.
std::vector<std::uint8_t> deflatedRows(const RasterImage& image, int level, bool twoThreads) {
    const std::size_t n = static_cast<std::size_t>(image.width()) * kBytesPerPixel;
    const auto height = static_cast<std::size_t>(image.height());
    std::vector<std::uint8_t> filtered(height * (n + 1));
    std::vector<std::uint8_t> row(n), up(n, 0);
    std::vector<std::uint8_t> trial[5];
    for (auto& t : trial) t.resize(n);
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* bgr = image.rowData(static_cast<int>(y));
        for (std::size_t i = 0; i < n; i += kBytesPerPixel) {
            row[i] = bgr[i + 2];
            row[i + 1] = bgr[i + 1];
            row[i + 2] = bgr[i];
        }
        filterRow(row.data(), up.data(), n, trial, filtered.data() + y * (n + 1));
        std::swap(row, up);
    }

    // Halves split at a row.
    const std::size_t split =
        filtered.size() >= kTwoThreadsFrom ? height / 2 * (n + 1) : filtered.size();
    Part first, second;
    first.to = split;
    second.from = split;
    second.to = filtered.size();
    for (Part* part : {&first, &second})  // room for all of it and a flush's empty block
        part->out.resize(compressBound(static_cast<uLong>(part->to - part->from)) + 64);
    // The halves are the same whoever deflates them, so the bytes are too.
    std::thread helper;
    if (split < filtered.size()) {
        if (twoThreads)
            helper = std::thread([&] { deflatePart(filtered, level, second); });
        else
            deflatePart(filtered, level, second);
    }
    deflatePart(filtered, level, first);
    if (helper.joinable()) helper.join();
    if (!first.ok || (split < filtered.size() && !second.ok)) return {};
    first.out.resize(first.to);
    second.out.resize(split < filtered.size() ? second.to : 0);

    // zlib's header (32K window, FLEVEL for the level) and Adler-32 trailer.
    std::vector<std::uint8_t> stream;
    stream.reserve(first.out.size() + second.out.size() + 6);
    const int flevel = level < 2 ? 0 : level < 6 ? 1 : level == 6 ? 2 : 3;
    const int cmf = 0x78;
    int flg = flevel << 6;
    flg += (31 - (cmf * 256 + flg) % 31) % 31;
    stream.push_back(static_cast<std::uint8_t>(cmf));
    stream.push_back(static_cast<std::uint8_t>(flg));
    stream.insert(stream.end(), first.out.begin(), first.out.end());
    stream.insert(stream.end(), second.out.begin(), second.out.end());
    const uLong adler =
        adler32(adler32(0, nullptr, 0), filtered.data(), static_cast<uInt>(filtered.size()));
    for (int shift = 24; shift >= 0; shift -= 8)
        stream.push_back(static_cast<std::uint8_t>(adler >> shift));
    return stream;
}

}  // namespace

std::size_t pngImageDataBytes(const RasterImage& image) {
    if (!image.hasPixels() || image.bitsPerPixel() != 24) return 0;
    return static_cast<std::size_t>(image.height()) *
           (static_cast<std::size_t>(image.width()) * kBytesPerPixel + 1);
}

std::vector<std::uint8_t> pngImageData(const RasterImage& image, int level, bool twoThreads) {
    const std::size_t bytes = pngImageDataBytes(image);
    // Every row in the 32 bits zlib counts in.
    if (bytes == 0 || bytes > 0x7FFFFFFFu) return {};
    try {
        return deflatedRows(image, level, twoThreads);
    } catch (const std::exception&) {  // out of memory, or no thread to be had
        return {};
    }
}

}  // namespace turnpixa
