// Feeds arbitrary bytes to the photo loader through an in-memory stream.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "image/BufferedFile.h"
#include "image/ImageFormats.h"
#include "image/ImageReport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        turnpixa::setReportHandler([](const std::string&, const std::string&) {});
        return true;
    }();
    (void)quiet;
    turnpixa::BufferedFile file;
    file.openMemory(std::string_view(reinterpret_cast<const char*>(data), size));
    turnpixa::RasterImage image;
    // A ".tif" name lets libtiff's messages through to the (silent) report hook.
    if (turnpixa::loadPhoto(file, "input.tif", image)) {
        // The pixel block must be as long as the header says.
        const std::uint8_t* p = image.pixels();
        const std::size_t n = static_cast<std::size_t>(image.stride()) * image.height();
        if (!p || n != image.pixelLength()) __builtin_trap();
        volatile std::uint8_t sink = static_cast<std::uint8_t>(p[0] + p[n - 1]);
        (void)sink;
    }
    // Again as the loader of files does it, gathering the readers' notes: the
    // same answer, and a reason whenever the file is refused.
    turnpixa::LoadNotes notes;
    turnpixa::RasterImage again;
    file.seek(0, SEEK_SET);
    const bool taken = turnpixa::loadPhoto(file, "input.tif", again, &notes);
    if (taken != !image.empty() || (!taken && notes.reason.empty())) __builtin_trap();
    // The same bytes as a JPEG decoded at a reduced scale: the image is the
    // full size times eighths / 8, rounded up.
    const int eighths = 1 + static_cast<int>(size % 8);
    turnpixa::PictureScale scale;
    if (file.seek(0, SEEK_SET) &&
        turnpixa::readJpegScaled(
            file, image, [eighths](int, int) { return eighths; }, scale)) {
        const auto scaled = [eighths](int full) {
            return static_cast<int>((std::int64_t{full} * eighths + 7) / 8);
        };
        if (scale.eighths != eighths || image.width() != scaled(scale.fullWidth) ||
            image.height() != scaled(scale.fullHeight))
            __builtin_trap();
    }
    return 0;
}
