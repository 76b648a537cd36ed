// Feeds arbitrary bytes to the WebP reader, and what it takes back through
// the WebP writer, through in-memory and temporary streams.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include <unistd.h>

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
    if (!turnpixa::readWebp(file, image)) {
        if (!image.empty()) __builtin_trap();  // a refusal leaves nothing behind
        return 0;
    }
    // Every row is there, at the size the header gave.
    const std::size_t n = static_cast<std::size_t>(image.stride()) * image.height();
    if (image.bitsPerPixel() != 24 || !image.pixels() || n != image.pixelLength()) __builtin_trap();
    volatile std::uint8_t sink =
        static_cast<std::uint8_t>(image.pixels()[0] + image.pixels()[n - 1]);
    (void)sink;
    // Small pictures go round the writer and come back the same size.
    if (image.width() * image.height() <= 64 * 64) {
        static const std::string path = "/tmp/webp-fuzz-" + std::to_string(::getpid());
        turnpixa::BufferedFile out;
        if (!out.open(path, turnpixa::BufferedFile::Mode::Write)) return 0;
        if (!turnpixa::writeWebp(image, out, 50) || !out.close()) __builtin_trap();
        turnpixa::BufferedFile in;
        turnpixa::RasterImage back;
        if (!in.open(path, turnpixa::BufferedFile::Mode::Read) || !turnpixa::readWebp(in, back) ||
            back.width() != image.width() || back.height() != image.height())
            __builtin_trap();
        std::remove(path.c_str());
    }
    return 0;
}
