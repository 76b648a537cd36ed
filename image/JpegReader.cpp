// libjpeg adapter for reading. libjpeg reports fatal errors through
// error_exit, which jumps back here; the functions holding the jump point
// create no object with a destructor after it.
#include <cstdio>
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "ImageFormats.h"
#include "ImageReport.h"
#include "JpegErrorManager.h"

namespace turnpixa {

namespace {

constexpr std::size_t kSourceBufferSize = 4096;
// Progressive files of thousands of empty scans take minutes to decode;
// real encoders write a dozen or so.
constexpr int kMaxScans = 500;
// The start marker may follow some other data, but not much.
constexpr int kStartSearchOffsets = 100;

void progress(j_common_ptr cinfo) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->is_decompressor && d->input_scan_number > kMaxScans) ERREXIT(cinfo, JERR_NOT_COMPILED);
}

struct Source {
    jpeg_source_mgr pub{};
    BufferedFile* file = nullptr;
    bool startOfFile = true;
    JOCTET buffer[kSourceBufferSize];
};

void initSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr cinfo) {
    auto* src = reinterpret_cast<Source*>(cinfo->src);
    std::size_t n = src->file->read(src->buffer, kSourceBufferSize);
    if (n == 0) {
        if (src->startOfFile) ERREXIT(cinfo, JERR_INPUT_EMPTY);
        WARNMS(cinfo, JWRN_JPEG_EOF);
        // A fake end marker lets a truncated file finish with what it has.
        src->buffer[0] = 0xFF;
        src->buffer[1] = JPEG_EOI;
        n = 2;
    }
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = n;
    src->startOfFile = false;
    return TRUE;
}

void skipInputData(j_decompress_ptr cinfo, long count) {
    auto* src = reinterpret_cast<Source*>(cinfo->src);
    if (count <= 0) return;
    while (static_cast<std::size_t>(count) > src->pub.bytes_in_buffer) {
        count -= static_cast<long>(src->pub.bytes_in_buffer);
        fillInputBuffer(cinfo);
    }
    src->pub.next_input_byte += count;
    src->pub.bytes_in_buffer -= static_cast<std::size_t>(count);
}

int pixelsPerMetre(int density, int unit) {
    if (unit == 1) return (density * 10000 + 127) / 254;  // 72 dpi gives 2835
    if (unit == 2) return density * 100;
    return 0;
}

struct ReadState {
    jpeg_decompress_struct cinfo{};
    JpegErrorManager err;
    jpeg_progress_mgr progress{};
    Source source;
    std::vector<std::uint8_t> cmykRow;
    std::int64_t dataBytes = 0;  // from the start marker to the end of the file
};

// Every block of every MCU carries at least one bit of DC code, so a file
// with fewer bits than the header's MCUs cannot be a picture of that size: a
// small file claiming a huge one is refused before the memory is taken.
bool plausibleSize(const jpeg_decompress_struct& cinfo, std::int64_t dataBytes) {
    int maxH = 1, maxV = 1;
    for (int c = 0; c < cinfo.num_components; ++c) {
        maxH = std::max(maxH, cinfo.comp_info[c].h_samp_factor);
        maxV = std::max(maxV, cinfo.comp_info[c].v_samp_factor);
    }
    const std::int64_t across =
        (static_cast<std::int64_t>(cinfo.image_width) + 8 * maxH - 1) / (8 * maxH);
    const std::int64_t down =
        (static_cast<std::int64_t>(cinfo.image_height) + 8 * maxV - 1) / (8 * maxV);
    return dataBytes * 8 >= across * down;
}

int clampedEighths(int eighths) {
    return eighths >= 1 && eighths <= 8 ? eighths : 8;
}

bool decodeJpeg(ReadState& s, BufferedFile& file, RasterImage& image, const ScaleChoice* choose,
                PictureScale& scale) {
    jpeg_decompress_struct& cinfo = s.cinfo;
    // The first warning of a read is shown; reading goes on.
    cinfo.err = useJpegErrorManager(s.err, false, true);
    if (setjmp(s.err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = 1024L * 1024 * 1024;
    s.progress.progress_monitor = progress;
    cinfo.progress = &s.progress;
    s.source.file = &file;
    s.source.pub.init_source = initSource;
    s.source.pub.fill_input_buffer = fillInputBuffer;
    s.source.pub.skip_input_data = skipInputData;
    s.source.pub.resync_to_restart = jpeg_resync_to_restart;
    s.source.pub.term_source = termSource;
    cinfo.src = &s.source.pub;

    jpeg_read_header(&cinfo, TRUE);
    const int width = static_cast<int>(cinfo.image_width);
    const int height = static_cast<int>(cinfo.image_height);
    if (width > 0 && height > 0 && !RasterImage::sizeAllowed(width, height)) {
        noteTooLarge(width, height);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (width <= 0 || height <= 0 || !plausibleSize(cinfo, s.dataBytes)) {
        noteRefusal("the file is too short for the picture its header describes");
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    scale.fullWidth = width;
    scale.fullHeight = height;
    scale.eighths = choose && *choose ? clampedEighths((*choose)(width, height)) : 8;
    cinfo.scale_num = static_cast<unsigned>(scale.eighths);
    cinfo.scale_denom = 8;
    const bool grey = cinfo.num_components == 1;
    const bool cmyk =
        !grey && (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK);
    cinfo.out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_EXT_BGR;
    jpeg_calc_output_dimensions(&cinfo);
    const int outWidth = static_cast<int>(cinfo.output_width);
    const int outHeight = static_cast<int>(cinfo.output_height);
    if (!image.create(outWidth, outHeight, grey ? 8 : 24,
                      pixelsPerMetre(cinfo.X_density, cinfo.density_unit),
                      pixelsPerMetre(cinfo.Y_density, cinfo.density_unit))) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (grey)
        for (int i = 0; i < 256; ++i)
            image.setColour(i, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i),
                            static_cast<std::uint8_t>(i));
    jpeg_start_decompress(&cinfo);
    if (static_cast<int>(cinfo.output_width) != outWidth ||
        static_cast<int>(cinfo.output_height) != outHeight ||
        static_cast<std::size_t>(cinfo.output_width) * cinfo.output_components >
            static_cast<std::size_t>(cmyk ? outWidth * 4 : image.stride())) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (cmyk) s.cmykRow.resize(static_cast<std::size_t>(outWidth) * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int line = static_cast<int>(cinfo.output_scanline);
        std::uint8_t* row = image.rowData(line);
        JSAMPROW target = cmyk ? s.cmykRow.data() : row;
        if (jpeg_read_scanlines(&cinfo, &target, 1) != 1) break;  // rows left stay zero
        if (cmyk) {
            // Stored as Adobe writes it: inverted inks.
            const std::uint8_t* p = s.cmykRow.data();
            for (int x = 0; x < outWidth; ++x, p += 4) {
                row[x * 3] = static_cast<std::uint8_t>(p[2] * p[3] / 255);
                row[x * 3 + 1] = static_cast<std::uint8_t>(p[1] * p[3] / 255);
                row[x * 3 + 2] = static_cast<std::uint8_t>(p[0] * p[3] / 255);
            }
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool readJpegAt(BufferedFile& file, RasterImage& image, const ScaleChoice* choose,
                PictureScale& scale) {
    image.clear();
    const std::int64_t start = file.position();
    std::uint8_t head[kStartSearchOffsets + 2] = {};
    const std::size_t got = file.read(head, sizeof head);
    int offset = 0;
    for (int i = 0; i < kStartSearchOffsets && static_cast<std::size_t>(i) + 3 <= got; ++i)
        if (head[i] == 0xFF && head[i + 1] == 0xD8 && head[i + 2] == 0xFF) {
            offset = i;
            break;
        }
    if (!file.seek(0, SEEK_END)) return false;
    const std::int64_t end = file.position();
    if (!file.seek(start + offset, SEEK_SET)) return false;
    auto state = std::make_unique<ReadState>();
    state->dataBytes = end - start - offset;
    const bool ok = decodeJpeg(*state, file, image, choose, scale);
    if (!ok) image.clear();
    return ok;
}

}  // namespace

bool readJpeg(BufferedFile& file, RasterImage& image) {
    PictureScale scale;
    return readJpegAt(file, image, nullptr, scale);
}

bool readJpegScaled(BufferedFile& file, RasterImage& image, const ScaleChoice& choose,
                    PictureScale& scale) {
    return readJpegAt(file, image, &choose, scale);
}

}  // namespace turnpixa
