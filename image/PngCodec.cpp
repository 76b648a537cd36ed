// libpng adapter. libpng reports errors by longjmp; every setjmp stays in
// this file, and the functions that hold one create no object with a
// destructor after it, so a jump skips nothing that needs cleaning up.
#include <png.h>

#include <algorithm>
#include <atomic>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ImageFormats.h"
#include "ImageReport.h"
#include "PngImageData.h"

namespace turnpixa {

namespace {

constexpr const char* kPngErrorTitle = "PNG Library Error";

void readData(png_structp png, png_bytep data, std::size_t n) {
    auto* file = static_cast<BufferedFile*>(png_get_io_ptr(png));
    if (file->read(data, n) != n) png_error(png, "Read Error");
}

void writeData(png_structp png, png_bytep data, std::size_t n) {
    auto* file = static_cast<BufferedFile*>(png_get_io_ptr(png));
    if (!file->write(data, n)) png_error(png, "Write Error");
}

void flushData(png_structp png) {
    static_cast<BufferedFile*>(png_get_io_ptr(png))->flush();
}

[[noreturn]] void onError(png_structp png, png_const_charp message) {
    report(kPngErrorTitle, message ? message : "unknown error");
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

void greyRamp(RasterImage& image, int entries) {
    for (int i = 0; i < entries && i < image.colourTableSize(); ++i) {
        const auto v = static_cast<std::uint8_t>(i * 255 / (entries - 1));
        image.setColour(i, v, v, v);
    }
}

// Every 2-bit value of the row becomes one 4-bit nibble.
void widenTwoBitRow(std::uint8_t* row, int width, std::vector<std::uint8_t>& scratch) {
    const std::size_t packed = (static_cast<std::size_t>(width) + 3) / 4;
    scratch.assign(row, row + packed);
    for (int x = 0; x < width; ++x) {
        const int v = (scratch[x / 4] >> (6 - 2 * (x % 4))) & 3;
        std::uint8_t& out = row[x / 2];
        out = (x % 2 == 0) ? static_cast<std::uint8_t>((out & 0x0F) | (v << 4))
                           : static_cast<std::uint8_t>((out & 0xF0) | v);
    }
}

struct ReadState {
    std::vector<png_bytep> rows;
    std::vector<std::uint8_t> scratch;
};

bool decodePng(png_structp png, png_infop info, BufferedFile& file, RasterImage& image,
               ReadState& state) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &file, readData);
    png_set_sig_bytes(png, 8);
    png_read_info(png, info);

    png_uint_32 width = 0, height = 0;
    int fileDepth = 0, colourType = 0, interlace = 0;
    png_get_IHDR(png, info, &width, &height, &fileDepth, &colourType, &interlace, nullptr, nullptr);
    if (!RasterImage::sizeAllowed(width, height)) {
        noteTooLarge(width, height);
        return false;
    }

    if (fileDepth == 16) png_set_strip_16(png);
    if (colourType == PNG_COLOR_TYPE_RGB || colourType == PNG_COLOR_TYPE_RGB_ALPHA)
        png_set_bgr(png);
    if ((colourType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS)) {
        png_color_16 white{};
        if (colourType == PNG_COLOR_TYPE_PALETTE) {
            white.red = white.green = white.blue = white.gray = 255;
            png_set_background_fixed(png, &white, PNG_BACKGROUND_GAMMA_SCREEN, 1, PNG_FP_1);
        } else {
            const auto top = static_cast<png_uint_16>((1u << fileDepth) - 1u);
            white.red = white.green = white.blue = white.gray = top;
            png_set_background_fixed(png, &white, PNG_BACKGROUND_GAMMA_SCREEN, 0, PNG_FP_1);
        }
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const int channels = png_get_channels(png, info);
    const int depth = png_get_bit_depth(png, info);
    if (channels != 1 && channels != 3) return false;
    const int h = (channels < 3 ? 1 : 3) * depth;
    const int bits = h <= 1 ? 1 : h <= 4 ? 4 : h <= 8 ? 8 : 24;

    int xRes = 0, yRes = 0;
    png_uint_32 px = 0, py = 0;
    int unit = 0;
    if (png_get_pHYs(png, info, &px, &py, &unit) && unit == PNG_RESOLUTION_METER &&
        px <= 0x7FFFFFFF && py <= 0x7FFFFFFF) {
        xRes = static_cast<int>(px);
        yRes = static_cast<int>(py);
    }
    const int w = static_cast<int>(width), ht = static_cast<int>(height);
    if (!image.attachHeader(RasterImage::newHeader(w, ht, bits, xRes, yRes))) return false;
    if (png_get_rowbytes(png, info) > static_cast<std::size_t>(image.stride())) return false;

    state.rows.resize(height);
    for (int r = 0; r < ht; ++r) state.rows[r] = image.rowData(r);
    png_read_image(png, state.rows.data());
    if (depth == 2 && bits == 4)
        for (int r = 0; r < ht; ++r) widenTwoBitRow(image.rowData(r), w, state.scratch);
    png_read_end(png, nullptr);

    if (bits <= 8) {
        png_colorp palette = nullptr;
        int count = 0;
        if (png_get_PLTE(png, info, &palette, &count) && palette) {
            for (int i = 0; i < count && i < image.colourTableSize(); ++i)
                image.setColour(i, palette[i].red, palette[i].green, palette[i].blue);
        } else {
            greyRamp(image, 1 << (depth == 2 ? 2 : bits));
        }
    }
    return true;
}

// Level 4 is the fastest of zlib's lazy-matching levels: frames encode in
// well under half the time of the default 6 and grow by about 7%.
constexpr int kCompressionLevel = 4;

// Larger pictures are left to libpng, which deflates row by row instead of
// holding the filtered rows and their deflated copy at once.
constexpr std::size_t kDeflateHereAtMost = 64 * 1024 * 1024;
std::atomic<int> encodeThreads{1};

// IDAT chunks of at most this many bytes, as encoders commonly write them.
constexpr std::size_t kChunkBytes = 256 * 1024;

struct WriteState {
    std::vector<std::uint8_t> imageData;  // 24-bit pictures: the deflated rows
    std::vector<png_bytep> rows;
    std::vector<png_color> palette;
    std::vector<std::uint8_t> rgba;  // pictures with alpha: red, green, blue, alpha rows
    char key[9] = "Software";
    char text[14] = "Graphmill Pro";
    png_text chunk{};
};

bool encodePng(png_structp png, png_infop info, BufferedFile& file, const RasterImage& image,
               WriteState& state) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &file, writeData, flushData);
    const int bits = image.bitsPerPixel();
    const bool palette = bits <= 8;
    const bool alpha = !state.rgba.empty();
    png_set_IHDR(
        png, info, static_cast<png_uint_32>(image.width()),
        static_cast<png_uint_32>(image.height()), bits < 8 ? bits : 8,
        palette ? PNG_COLOR_TYPE_PALETTE : (alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB),
        PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    state.chunk.compression = PNG_TEXT_COMPRESSION_NONE;
    state.chunk.key = state.key;
    state.chunk.text = state.text;
    state.chunk.text_length = std::strlen(state.text);
    png_set_text(png, info, &state.chunk, 1);
    png_set_pHYs(png, info, static_cast<png_uint_32>(image.xResolution()),
                 static_cast<png_uint_32>(image.yResolution()), PNG_RESOLUTION_METER);
    if (palette)
        png_set_PLTE(png, info, state.palette.data(), static_cast<int>(state.palette.size()));
    png_set_compression_level(png, kCompressionLevel);
    png_write_info(png, info);
    if (state.imageData.empty()) {  // palette pictures, and pictures too big to hold twice
        if (!palette && !alpha) png_set_bgr(png);
        png_write_image(png, state.rows.data());
        png_write_end(png, info);
        return true;
    }
    const std::vector<std::uint8_t>& data = state.imageData;
    for (std::size_t at = 0; at < data.size(); at += kChunkBytes)
        png_write_chunk(png, reinterpret_cast<png_const_bytep>("IDAT"), data.data() + at,
                        std::min(kChunkBytes, data.size() - at));
    png_write_chunk(png, reinterpret_cast<png_const_bytep>("IEND"), nullptr, 0);
    return true;
}

}  // namespace

bool readPng(BufferedFile& file, RasterImage& image) {
    image.clear();
    const std::int64_t start = file.position();
    png_byte signature[8];
    if (file.read(signature, 8) != 8 || png_sig_cmp(signature, 0, 8) != 0) {
        file.seek(start, SEEK_SET);
        return false;
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    ReadState state;
    const bool ok = decodePng(png, info, file, image, state);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) image.clear();
    return ok;
}

void setPngEncodeThreads(int threads) {
    encodeThreads = threads > 1 ? 2 : 1;
}

int pngEncodeThreads() {
    return encodeThreads;
}

bool writePng(const RasterImage& image, BufferedFile& file) {
    if (image.empty()) {
        report(kPngErrorTitle, "No image to write");
        return false;
    }
    WriteState state;
    state.rows.resize(static_cast<std::size_t>(image.height()));
    const bool alpha = image.hasAlpha() && image.bitsPerPixel() == 24 &&
                       image.alpha().size() == static_cast<std::size_t>(image.width()) *
                                                   static_cast<std::size_t>(image.height());
    if (alpha) {
        const auto w = static_cast<std::size_t>(image.width());
        state.rgba.resize(w * 4 * state.rows.size());
        for (int r = 0; r < image.height(); ++r) {
            png_bytep row = state.rgba.data() + w * 4 * static_cast<std::size_t>(r);
            image.getRow(r, row);
            const std::uint8_t* a = image.alpha().data() + w * static_cast<std::size_t>(r);
            for (std::size_t x = 0; x < w; ++x) row[x * 4 + 3] = a[x];
            state.rows[r] = row;
        }
    } else {
        for (int r = 0; r < image.height(); ++r)
            state.rows[r] = const_cast<png_bytep>(image.rowData(r));  // libpng only reads them
    }
    const std::size_t rowBytes = alpha ? 0 : pngImageDataBytes(image);
    if (rowBytes > 0 && rowBytes <= kDeflateHereAtMost) {
        // Deflated here, in two halves, and written as it is.
        state.imageData = pngImageData(image, kCompressionLevel, pngEncodeThreads() > 1);
        if (state.imageData.empty()) {
            report(kPngErrorTitle, "Could not compress the picture (out of memory?)");
            return false;
        }
    }
    if (image.bitsPerPixel() <= 8) {
        const std::uint8_t* table = image.colourTable();
        state.palette.resize(static_cast<std::size_t>(image.colourTableSize()));
        for (std::size_t i = 0; i < state.palette.size(); ++i)
            state.palette[i] = png_color{table[i * 4 + 2], table[i * 4 + 1], table[i * 4]};
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    bool ok = encodePng(png, info, file, image, state);
    png_destroy_write_struct(&png, &info);
    if (ok && !file.flush()) {
        report(kPngErrorTitle, file.error());
        ok = false;
    }
    return ok;
}

}  // namespace turnpixa
