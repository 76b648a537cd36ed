// libtiff adapter: libtiff reads through callbacks over the BufferedFile.
#include <tiffio.h>

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "ImageFormats.h"
#include "ImageReport.h"

namespace turnpixa {

namespace {

struct Source {
    BufferedFile* file = nullptr;
    std::int64_t start = 0;
    std::int64_t size = 0;
    bool showMessages = false;
    bool shown = false;  // a damaged file can raise hundreds of messages; one is enough
};

tmsize_t readProc(thandle_t handle, void* buffer, tmsize_t n) {
    auto* s = static_cast<Source*>(handle);
    if (n <= 0) return 0;
    return static_cast<tmsize_t>(s->file->read(buffer, static_cast<std::size_t>(n)));
}

tmsize_t writeProc(thandle_t, void*, tmsize_t) {
    return -1;
}

toff_t seekProc(thandle_t handle, toff_t offset, int whence) {
    auto* s = static_cast<Source*>(handle);
    const toff_t failed = static_cast<toff_t>(-1);
    if (offset > static_cast<toff_t>(INT64_MAX / 2)) return failed;
    const auto off = static_cast<std::int64_t>(offset);
    std::int64_t target = 0;
    if (whence == SEEK_SET)
        target = off;
    else if (whence == SEEK_CUR)
        target = s->file->position() - s->start + off;
    else if (whence == SEEK_END)
        target = s->size + off;
    else
        return failed;
    if (target < 0 || target > s->size || !s->file->seek(s->start + target, SEEK_SET))
        return failed;
    return static_cast<toff_t>(target);
}

int closeProc(thandle_t) {
    return 0;
}
toff_t sizeProc(thandle_t handle) {
    return static_cast<toff_t>(static_cast<Source*>(handle)->size);
}
int mapProc(thandle_t, void**, toff_t*) {
    return 0;
}
void unmapProc(thandle_t, void*, toff_t) {}

// While the loader gathers a file's messages every error counts (the first
// is kept) and warnings, which good files raise too, are left out.
void show(Source* s, const char* module, const char* format, va_list args, bool error) {
    const bool captured = reportsCaptured();
    if (s->shown || (captured && !error) || (!captured && !s->showMessages)) return;
    char text[1024];
    std::vsnprintf(text, sizeof text, format, args);
    report(module && *module ? module : "TIFF", text);
    s->shown = true;
}

int onError(TIFF*, void* userData, const char* module, const char* format, va_list args) {
    show(static_cast<Source*>(userData), module, format, args, true);
    return 1;
}

int onWarning(TIFF*, void* userData, const char* module, const char* format, va_list args) {
    show(static_cast<Source*>(userData), module, format, args, false);
    return 1;
}

bool namedTiff(const std::string& name) {
    if (name.size() < 5) return false;
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    auto endsWith = [&](const char* suffix) {
        const std::size_t n = std::strlen(suffix);
        return lower.size() >= n && lower.compare(lower.size() - n, n, suffix) == 0;
    };
    return endsWith(".tif") || endsWith(".tiff");
}

struct TiffCloser {
    void operator()(TIFF* t) const { TIFFClose(t); }
};

// How the file's samples become image pixels.
struct Layout {
    int width = 0;
    int height = 0;
    int bitsPerSample = 1;
    int samples = 1;
    int photometric = 0;
    int imageBits = 1;
    bool cmyk = false;
    int xResolution = 0;
    int yResolution = 0;
    TIFF* tif = nullptr;
};

void fillColourTable(TIFF* tif, const Layout& l, RasterImage& image);

// The image is made once the first block has decoded: a small file claiming
// a huge picture is refused before the memory for it is taken.
bool makeImage(const Layout& l, RasterImage& image) {
    if (!image.empty()) return true;
    if (!image.create(l.width, l.height, l.imageBits, l.xResolution, l.yResolution)) return false;
    if (l.imageBits <= 8) fillColourTable(l.tif, l, image);
    return true;
}

std::uint8_t sampleAt(const std::uint8_t* src, const Layout& l, int x, int s) {
    const std::size_t i = static_cast<std::size_t>(x) * l.samples + s;
    if (l.bitsPerSample == 8) return src[i];
    std::uint16_t v = 0;
    std::memcpy(&v, src + i * 2, 2);  // libtiff hands out samples in host order
    return static_cast<std::uint8_t>(v >> 8);
}

int packedAt(const std::uint8_t* src, int bits, int x) {
    const int bit = x * bits;
    return (src[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
}

void putPacked(std::uint8_t* row, int bits, int x, int v) {
    const int bit = x * bits;
    const int shift = 8 - bits - bit % 8;
    row[bit / 8] =
        static_cast<std::uint8_t>((row[bit / 8] & ~(((1 << bits) - 1) << shift)) | (v << shift));
}

// Converts `count` pixels of one decoded row into image row `row` from column x0.
void convertRow(const std::uint8_t* src, const Layout& l, int count, std::uint8_t* row, int x0) {
    for (int i = 0; i < count; ++i) {
        const int x = x0 + i;
        if (l.imageBits < 8) {
            putPacked(row, l.imageBits, x, packedAt(src, l.bitsPerSample, i));
        } else if (l.imageBits == 8) {
            row[x] = sampleAt(src, l, i, 0);
        } else if (l.cmyk) {
            const int c = sampleAt(src, l, i, 0), m = sampleAt(src, l, i, 1);
            const int y = sampleAt(src, l, i, 2), k = sampleAt(src, l, i, 3);
            row[x * 3] = static_cast<std::uint8_t>((255 - y) * (255 - k) / 255);
            row[x * 3 + 1] = static_cast<std::uint8_t>((255 - m) * (255 - k) / 255);
            row[x * 3 + 2] = static_cast<std::uint8_t>((255 - c) * (255 - k) / 255);
        } else {
            row[x * 3] = sampleAt(src, l, i, 2);
            row[x * 3 + 1] = sampleAt(src, l, i, 1);
            row[x * 3 + 2] = sampleAt(src, l, i, 0);
        }
    }
}

std::int64_t bytesFor(const Layout& l, int pixels) {
    return (static_cast<std::int64_t>(pixels) * l.samples * l.bitsPerSample + 7) / 8;
}

// Row by row, so that a file claiming one huge strip costs one row of memory.
bool readStrips(TIFF* tif, const Layout& l, RasterImage& image) {
    const tmsize_t scanline = TIFFScanlineSize(tif);
    if (scanline < bytesFor(l, l.width) || scanline > 4 * bytesFor(l, l.width) + 64) return false;
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(scanline));
    for (int y = 0; y < l.height; ++y) {
        std::fill(buffer.begin(), buffer.end(), 0);
        if (TIFFReadScanline(tif, buffer.data(), static_cast<std::uint32_t>(y), 0) < 0 ||
            !makeImage(l, image))
            return false;
        convertRow(buffer.data(), l, l.width, image.rowData(y), 0);
    }
    return true;
}

bool readTiles(TIFF* tif, const Layout& l, RasterImage& image) {
    std::uint32_t tileWidth = 0, tileLength = 0;
    TIFFGetField(tif, TIFFTAG_TILEWIDTH, &tileWidth);
    TIFFGetField(tif, TIFFTAG_TILELENGTH, &tileLength);
    // Tiles are small by nature; a file claiming huge ones is not a photo.
    constexpr std::uint64_t kMaxTilePixels = 16u << 20;
    if (tileWidth == 0 || tileLength == 0 ||
        static_cast<std::uint64_t>(tileWidth) * tileLength > kMaxTilePixels)
        return false;
    const tmsize_t rowSize = TIFFTileRowSize(tif);
    const tmsize_t tileSize = TIFFTileSize(tif);
    if (rowSize < bytesFor(l, static_cast<int>(tileWidth)) ||
        rowSize > 4 * bytesFor(l, static_cast<int>(tileWidth)) + 64 ||
        tileSize < rowSize * static_cast<tmsize_t>(tileLength))
        return false;
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(tileSize));
    for (int y0 = 0; y0 < l.height; y0 += static_cast<int>(tileLength)) {
        for (int x0 = 0; x0 < l.width; x0 += static_cast<int>(tileWidth)) {
            std::fill(buffer.begin(), buffer.end(), 0);
            if (TIFFReadTile(tif, buffer.data(), static_cast<std::uint32_t>(x0),
                             static_cast<std::uint32_t>(y0), 0, 0) < 0 ||
                !makeImage(l, image))
                return false;
            // Edge tiles reach past the image; only the part inside is copied.
            const int rows = std::min(static_cast<int>(tileLength), l.height - y0);
            const int columns = std::min(static_cast<int>(tileWidth), l.width - x0);
            for (int r = 0; r < rows; ++r)
                convertRow(buffer.data() + static_cast<std::size_t>(r) * rowSize, l, columns,
                           image.rowData(y0 + r), x0);
        }
    }
    return true;
}

// Anything the direct path does not cover (separate planes, YCbCr, Lab, ...)
// goes through libtiff's own RGBA conversion, a band of rows at a time.
bool readThroughRgba(TIFF* tif, const Layout& l, RasterImage& image) {
    char message[1024];
    TIFFRGBAImage rgba{};
    if (!TIFFRGBAImageOK(tif, message) || !TIFFRGBAImageBegin(&rgba, tif, 1, message)) return false;
    rgba.req_orientation = ORIENTATION_TOPLEFT;
    const int band = std::max(1, std::min(l.height, (1 << 20) / l.width));
    std::vector<std::uint32_t> raster(static_cast<std::size_t>(l.width) * band);
    bool ok = true;
    for (int y0 = 0; ok && y0 < l.height; y0 += band) {
        const int rows = std::min(band, l.height - y0);
        rgba.row_offset = y0;
        rgba.col_offset = 0;
        ok = TIFFRGBAImageGet(&rgba, raster.data(), static_cast<std::uint32_t>(l.width),
                              static_cast<std::uint32_t>(rows)) &&
             makeImage(l, image);
        for (int r = 0; ok && r < rows; ++r) {
            std::uint8_t* row = image.rowData(y0 + r);
            const std::uint32_t* src = raster.data() + static_cast<std::size_t>(r) * l.width;
            for (int x = 0; x < l.width; ++x) {
                row[x * 3] = static_cast<std::uint8_t>(TIFFGetB(src[x]));
                row[x * 3 + 1] = static_cast<std::uint8_t>(TIFFGetG(src[x]));
                row[x * 3 + 2] = static_cast<std::uint8_t>(TIFFGetR(src[x]));
            }
        }
    }
    TIFFRGBAImageEnd(&rgba);
    return ok;
}

void fillColourTable(TIFF* tif, const Layout& l, RasterImage& image) {
    const int entries = l.bitsPerSample >= 8 ? 256 : 1 << l.bitsPerSample;
    if (l.photometric == PHOTOMETRIC_PALETTE) {
        std::uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
        if (!TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue) || !red || !green || !blue)
            return;
        bool wide = false;  // a 16-bit map has values of 256 and more
        for (int i = 0; i < entries; ++i)
            wide = wide || red[i] > 255 || green[i] > 255 || blue[i] > 255;
        auto byte = [wide](std::uint16_t v) {
            return static_cast<std::uint8_t>(wide ? v >> 8 : v);
        };
        for (int i = 0; i < entries; ++i)
            image.setColour(i, byte(red[i]), byte(green[i]), byte(blue[i]));
        return;
    }
    for (int i = 0; i < entries; ++i) {
        const int v = i * 255 / (entries - 1);
        const auto g =
            static_cast<std::uint8_t>(l.photometric == PHOTOMETRIC_MINISWHITE ? 255 - v : v);
        image.setColour(i, g, g, g);
    }
}

int pixelsPerMetre(float resolution, std::uint16_t unit) {
    if (!(resolution > 0.0f) || resolution > 1.0e6f) return 0;
    if (unit == RESUNIT_INCH) return static_cast<int>(resolution / 0.0254f + 0.5f);
    if (unit == RESUNIT_CENTIMETER) return static_cast<int>(resolution * 100.0f + 0.5f);
    return 0;
}

bool decodeTiff(TIFF* tif, RasterImage& image) {
    std::uint32_t width = 0, height = 0;
    std::uint16_t bits = 1, samples = 1, photometric = 0, planar = PLANARCONFIG_CONTIG;
    std::uint16_t compression = COMPRESSION_NONE, inkSet = INKSET_CMYK, unit = RESUNIT_INCH;
    float xRes = 0, yRes = 0;
    if (!TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &width) ||
        !TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &height))
        return false;
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &compression);
    TIFFGetFieldDefaulted(tif, TIFFTAG_INKSET, &inkSet);
    TIFFGetFieldDefaulted(tif, TIFFTAG_RESOLUTIONUNIT, &unit);
    TIFFGetField(tif, TIFFTAG_XRESOLUTION, &xRes);
    TIFFGetField(tif, TIFFTAG_YRESOLUTION, &yRes);
    if (width > 0x7FFFFFFF || height > 0x7FFFFFFF) return false;
    // Photos have at most colour, black and an alpha or two.
    if (samples == 0 || samples > 8 || bits == 0 || bits > 32) return false;

    Layout l;
    l.width = static_cast<int>(width);
    l.height = static_cast<int>(height);
    l.bitsPerSample = bits;
    l.samples = samples;
    l.photometric = photometric;
    if (photometric == PHOTOMETRIC_YCBCR && compression == COMPRESSION_JPEG) {
        // libjpeg turns the YCbCr data into RGB.
        TIFFSetField(tif, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
        l.photometric = PHOTOMETRIC_RGB;
    }
    const bool packed = bits == 1 || bits == 2 || bits == 4;
    const bool whole = bits == 8 || bits == 16;
    const bool contiguous = planar == PLANARCONFIG_CONTIG || samples == 1;
    const bool grey =
        l.photometric == PHOTOMETRIC_MINISWHITE || l.photometric == PHOTOMETRIC_MINISBLACK;
    bool direct = false;
    if (contiguous && (grey || l.photometric == PHOTOMETRIC_PALETTE) &&
        ((packed && samples == 1) ||
         (whole && samples >= 1 && l.photometric != PHOTOMETRIC_PALETTE) ||
         (bits == 8 && samples == 1))) {
        l.imageBits = bits == 1 ? 1 : packed ? 4 : 8;
        direct = true;
    } else if (contiguous && whole && l.photometric == PHOTOMETRIC_RGB && samples >= 3) {
        l.imageBits = 24;
        direct = true;
    } else if (contiguous && whole && l.photometric == PHOTOMETRIC_SEPARATED &&
               inkSet == INKSET_CMYK && samples >= 4) {
        l.imageBits = 24;
        l.cmyk = true;
        direct = true;
    } else {
        l.imageBits = 24;
    }
    if (!RasterImage::sizeAllowed(l.width, l.height, l.imageBits)) {
        noteTooLarge(l.width, l.height);
        return false;
    }
    l.xResolution = pixelsPerMetre(xRes, unit);
    l.yResolution = pixelsPerMetre(yRes, unit);
    l.tif = tif;
    if (!direct) return readThroughRgba(tif, l, image);
    return TIFFIsTiled(tif) ? readTiles(tif, l, image) : readStrips(tif, l, image);
}

}  // namespace

bool readTiff(BufferedFile& file, RasterImage& image, const std::string& fileName) {
    image.clear();
    Source source;
    source.file = &file;
    source.start = file.position();
    source.showMessages = namedTiff(fileName);
    if (source.start < 0 || !file.seek(0, SEEK_END)) return false;
    source.size = file.position() - source.start;
    if (!file.seek(source.start, SEEK_SET)) return false;

    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options) return false;
    TIFFOpenOptionsSetErrorHandlerExtR(options, onError, &source);
    TIFFOpenOptionsSetWarningHandlerExtR(options, onWarning, &source);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, 512 * 1024 * 1024);
    std::unique_ptr<TIFF, TiffCloser> tif(
        TIFFClientOpenExt(fileName.empty() ? "photo" : fileName.c_str(), "rm", &source, readProc,
                          writeProc, seekProc, closeProc, sizeProc, mapProc, unmapProc, options));
    TIFFOpenOptionsFree(options);
    if (!tif) return false;
    const bool ok = decodeTiff(tif.get(), image);
    if (!ok) image.clear();
    return ok;
}

}  // namespace turnpixa
