// libjpeg adapter for writing. A library error is reported and ends the
// write with false instead of ending the program.
#include <cstdio>
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <csetjmp>
#include <cstdint>
#include <memory>
#include <vector>

#include "ImageFormats.h"
#include "ImageReport.h"

namespace turnpixa {

namespace {

constexpr const char* kJpegErrorTitle = "JPEG Library Error";
constexpr std::size_t kDestinationBufferSize = 1024;

struct ErrorManager {
    jpeg_error_mgr pub{};
    std::jmp_buf jump{};
};

[[noreturn]] void errorExit(j_common_ptr cinfo) {
    char text[JMSG_LENGTH_MAX];
    cinfo->err->format_message(cinfo, text);
    report(kJpegErrorTitle, text);
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void silent(j_common_ptr) {}

struct Destination {
    jpeg_destination_mgr pub{};
    BufferedFile* file = nullptr;
    JOCTET buffer[kDestinationBufferSize];
};

void initDestination(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<Destination*>(cinfo->dest);
    d->pub.next_output_byte = d->buffer;
    d->pub.free_in_buffer = kDestinationBufferSize;
}

boolean emptyOutputBuffer(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<Destination*>(cinfo->dest);
    if (!d->file->write(d->buffer, kDestinationBufferSize)) ERREXIT(cinfo, JERR_FILE_WRITE);
    d->pub.next_output_byte = d->buffer;
    d->pub.free_in_buffer = kDestinationBufferSize;
    return TRUE;
}

void termDestination(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<Destination*>(cinfo->dest);
    const std::size_t used = kDestinationBufferSize - d->pub.free_in_buffer;
    if (used > 0 && !d->file->write(d->buffer, used)) ERREXIT(cinfo, JERR_FILE_WRITE);
}

struct WriteState {
    jpeg_compress_struct cinfo{};
    ErrorManager err;
    Destination destination;
    std::vector<std::uint8_t> colourRow;
    std::vector<std::uint8_t> line;
};

bool encodeJpeg(WriteState& s, const RasterImage& image, BufferedFile& file, int quality) {
    jpeg_compress_struct& cinfo = s.cinfo;
    cinfo.err = jpeg_std_error(&s.err.pub);
    s.err.pub.error_exit = errorExit;
    s.err.pub.output_message = silent;
    if (setjmp(s.err.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    s.destination.file = &file;
    s.destination.pub.init_destination = initDestination;
    s.destination.pub.empty_output_buffer = emptyOutputBuffer;
    s.destination.pub.term_destination = termDestination;
    cinfo.dest = &s.destination.pub;

    const int width = image.width();
    const bool grey = image.isGreyPalette();
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    for (int r = 0; r < image.height(); ++r) {
        image.getRow(r, s.colourRow.data());
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* c = s.colourRow.data() + static_cast<std::size_t>(x) * 4;
            if (grey) {
                s.line[x] = c[0];
            } else {
                s.line[x * 3] = c[0];
                s.line[x * 3 + 1] = c[1];
                s.line[x * 3 + 2] = c[2];
            }
        }
        JSAMPROW row = s.line.data();
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

bool writeJpegAtQuality(const RasterImage& image, BufferedFile& file, int quality) {
    if (image.empty()) {
        report(kJpegErrorTitle, "No image to write");
        return false;
    }
    auto state = std::make_unique<WriteState>();
    state->colourRow.resize(static_cast<std::size_t>(image.width()) * 4);
    state->line.resize(static_cast<std::size_t>(image.width()) * 3);
    if (!encodeJpeg(*state, image, file, quality)) return false;
    if (!file.flush()) {
        report(kJpegErrorTitle, file.error());
        return false;
    }
    return true;
}

bool writeJpeg(const RasterImage& image, BufferedFile& file) {
    return writeJpegAtQuality(image, file, 75);
}

}  // namespace turnpixa
