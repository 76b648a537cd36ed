// Scanner frames are what a device claims plus what it sends: the conversion
// must refuse every inconsistency without reading past the data.
//
// Input: a count byte (1 to 3 frames), then per frame 16 bytes: format,
// depth, flags (bit 0: last frame, bit 1: sizes shifted up by 32 bits),
// a spare byte, then bytes per line, pixels per line and lines as signed
// little-endian 32-bit numbers. The rest is shared out as the frames' data.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "devices/SaneFrame.h"
#include "image/RasterImage.h"

namespace {

std::int64_t read32(const std::uint8_t* p) {
    std::uint32_t v = 0;
    for (int k = 0; k < 4; ++k) v |= static_cast<std::uint32_t>(p[k]) << (8 * k);
    return static_cast<std::int32_t>(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using turnpixa::SaneFrame;
    if (size < 1) return 0;
    const std::size_t count = 1 + data[0] % 3;
    const std::size_t headers = 1 + 16 * count;
    if (size < headers) return 0;
    const std::size_t share = (size - headers) / count;
    std::vector<SaneFrame> frames(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* h = data + 1 + 16 * i;
        SaneFrame& f = frames[i];
        f.format = static_cast<SaneFrame::Format>(h[0] % 5);
        f.depth = h[1];
        f.lastFrame = (h[2] & 1) != 0;
        const int shift = (h[2] & 2) ? 32 : 0;
        f.bytesPerLine = read32(h + 4) * (std::int64_t{1} << shift);
        f.pixelsPerLine = read32(h + 8) * (std::int64_t{1} << shift);
        f.lines = read32(h + 12);
        const std::uint8_t* body = data + headers + share * i;
        f.data.assign(body, body + share);
    }
    std::vector<std::uint8_t> dib;
    std::string reason;
    if (!turnpixa::saneFramesToDib(frames, dib, reason)) return 0;
    // What was accepted must be a DIB the image import takes.
    turnpixa::RasterImage image;
    if (!image.importPackedDib(dib.data(), dib.size())) __builtin_trap();
    return 0;
}
