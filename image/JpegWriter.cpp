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
#include "JpegErrorManager.h"

namespace turnpixa {

namespace {

constexpr std::size_t kDestinationBufferSize = 4096;

// Collects the coded file in memory, so that two codings can be compared.
struct Destination {
    jpeg_destination_mgr pub{};
    std::vector<std::uint8_t>* out = nullptr;
    JOCTET buffer[kDestinationBufferSize];
};

void initDestination(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<Destination*>(cinfo->dest);
    d->pub.next_output_byte = d->buffer;
    d->pub.free_in_buffer = kDestinationBufferSize;
}

boolean emptyOutputBuffer(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<Destination*>(cinfo->dest);
    d->out->insert(d->out->end(), d->buffer, d->buffer + kDestinationBufferSize);
    d->pub.next_output_byte = d->buffer;
    d->pub.free_in_buffer = kDestinationBufferSize;
    return TRUE;
}

void termDestination(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<Destination*>(cinfo->dest);
    const std::size_t used = kDestinationBufferSize - d->pub.free_in_buffer;
    d->out->insert(d->out->end(), d->buffer, d->buffer + used);
}

struct WriteState {
    jpeg_compress_struct cinfo{};
    JpegErrorManager err;
    Destination destination;
    std::vector<std::uint8_t> colourRow;
    std::vector<std::uint8_t> line;
};

bool encodeJpeg(WriteState& s, const RasterImage& image, std::vector<std::uint8_t>& out,
                int quality, JpegCoding coding) {
    jpeg_compress_struct& cinfo = s.cinfo;
    cinfo.err = useJpegErrorManager(s.err, true, false);
    if (setjmp(s.err.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    s.destination.out = &out;
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
    if (coding != JpegCoding::Plain) cinfo.optimize_coding = TRUE;
    if (coding == JpegCoding::Progressive) jpeg_simple_progression(&cinfo);
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

bool writeJpegCoded(const RasterImage& image, BufferedFile& file, int quality, JpegCoding coding) {
    if (image.empty()) {
        report(kJpegErrorTitle, "No image to write");
        return false;
    }
    auto state = std::make_unique<WriteState>();
    state->colourRow.resize(static_cast<std::size_t>(image.width()) * 4);
    state->line.resize(static_cast<std::size_t>(image.width()) * 3);
    std::vector<std::uint8_t> coded;
    if (!encodeJpeg(*state, image, coded, quality,
                    coding == JpegCoding::Smallest ? JpegCoding::Optimised : coding))
        return false;
    if (coding == JpegCoding::Smallest) {
        // Progressive pays off on larger frames only; which one is smaller
        // depends on the picture, so both are made.
        std::vector<std::uint8_t> progressive;
        if (!encodeJpeg(*state, image, progressive, quality, JpegCoding::Progressive)) return false;
        if (progressive.size() < coded.size()) coded.swap(progressive);
    }
    if (!file.write(coded.data(), coded.size()) || !file.flush()) {
        report(kJpegErrorTitle, file.error());
        return false;
    }
    return true;
}

bool writeJpegAtQuality(const RasterImage& image, BufferedFile& file, int quality) {
    return writeJpegCoded(image, file, quality, JpegCoding::Smallest);
}

bool writeJpeg(const RasterImage& image, BufferedFile& file) {
    return writeJpegAtQuality(image, file, 75);
}

}  // namespace turnpixa
