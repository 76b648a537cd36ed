#include "SaneFrame.h"

#include <array>
#include <cstring>

#include "image/RasterImage.h"

namespace turnpixa {

namespace {

using Format = SaneFrame::Format;

// Lines of the frame once checked against its data.
struct CheckedFrame {
    const SaneFrame* frame = nullptr;
    std::int64_t lines = 0;
};

bool checkFrame(const SaneFrame& f, CheckedFrame& out, std::string& reason) {
    if (f.depth != 1 && f.depth != 8 && f.depth != 16) {
        reason = "the scanner sent " + std::to_string(f.depth) + "-bit samples";
        return false;
    }
    // The pixel count is bounded first so that the products below stay small.
    if (f.pixelsPerLine < 1 || f.pixelsPerLine > RasterImage::kMaxPixels) {
        reason = "the scanner announced a line of " + std::to_string(f.pixelsPerLine) + " pixels";
        return false;
    }
    const std::int64_t channels = f.format == Format::Rgb ? 3 : 1;
    const std::int64_t needed = (f.pixelsPerLine * channels * f.depth + 7) / 8;
    if (f.bytesPerLine < needed) {
        reason = "the scanner's lines are shorter than their pixels";
        return false;
    }
    const auto available = static_cast<std::int64_t>(f.data.size()) / f.bytesPerLine;
    std::int64_t lines = f.lines;
    if (lines == -1) lines = available;
    if (lines < 1) {
        reason = "the scanner sent no lines";
        return false;
    }
    if (lines > available) {
        reason = "the scanner stopped after " + std::to_string(available) + " of " +
                 std::to_string(lines) + " lines";
        return false;
    }
    if (!RasterImage::sizeAllowed(f.pixelsPerLine, lines, 24)) {
        reason = "the scanned page is too large";
        return false;
    }
    out.frame = &f;
    out.lines = lines;
    return true;
}

// Sample i of a line brought to 8 bits; 1-bit colour samples are on or off.
std::uint8_t sample(const std::uint8_t* line, std::int64_t i, int depth) {
    switch (depth) {
        case 1:
            return ((line[i >> 3] >> (7 - (i & 7))) & 1) ? 255 : 0;
        case 16: {
            std::uint16_t v = 0;
            std::memcpy(&v, line + 2 * i, 2);
            return static_cast<std::uint8_t>(v >> 8);
        }
        default:
            return line[i];
    }
}

void appendImage(const RasterImage& image, std::vector<std::uint8_t>& dib) {
    dib.assign(image.header().begin(), image.header().end());
    dib.insert(dib.end(), image.pixels(), image.pixels() + image.pixelLength());
}

bool greyToDib(const CheckedFrame& c, std::vector<std::uint8_t>& dib, std::string& reason) {
    const SaneFrame& f = *c.frame;
    const int width = static_cast<int>(f.pixelsPerLine);
    const int height = static_cast<int>(c.lines);
    RasterImage image;
    const int bits = f.depth == 1 ? 1 : 8;
    if (!image.create(width, height, bits)) {
        reason = "not enough memory for the scanned page";
        return false;
    }
    if (bits == 1) {
        // Line art: a set bit is black.
        image.setColour(0, 255, 255, 255);
        image.setColour(1, 0, 0, 0);
    } else {
        for (int i = 0; i < 256; ++i) {
            const auto v = static_cast<std::uint8_t>(i);
            image.setColour(i, v, v, v);
        }
    }
    for (int r = 0; r < height; ++r) {
        const std::uint8_t* in = f.data.data() + r * f.bytesPerLine;
        std::uint8_t* out = image.rowData(r);
        if (bits == 1) {
            std::memcpy(out, in, static_cast<std::size_t>((width + 7) / 8));
            continue;
        }
        for (int x = 0; x < width; ++x) out[x] = sample(in, x, f.depth);
    }
    appendImage(image, dib);
    return true;
}

// Colour from one RGB frame (planes all null) or three single-channel frames.
bool colourToDib(const std::array<const CheckedFrame*, 3>& planes, const CheckedFrame& first,
                 bool threePass, std::vector<std::uint8_t>& dib, std::string& reason) {
    const int width = static_cast<int>(first.frame->pixelsPerLine);
    const int height = static_cast<int>(first.lines);
    RasterImage image;
    if (!image.create(width, height, 24)) {
        reason = "not enough memory for the scanned page";
        return false;
    }
    for (int r = 0; r < height; ++r) {
        std::uint8_t* out = image.rowData(r);
        for (int channel = 0; channel < 3; ++channel) {
            const SaneFrame& f = threePass ? *planes[channel]->frame : *first.frame;
            const std::uint8_t* in = f.data.data() + r * f.bytesPerLine;
            // The DIB keeps blue, green, red.
            std::uint8_t* px = out + (2 - channel);
            for (int x = 0; x < width; ++x, px += 3)
                *px = threePass ? sample(in, x, f.depth) : sample(in, 3 * x + channel, f.depth);
        }
    }
    appendImage(image, dib);
    return true;
}

}  // namespace

bool saneFramesToDib(const std::vector<SaneFrame>& frames, std::vector<std::uint8_t>& dib,
                     std::string& reason) {
    dib.clear();
    if (frames.empty()) {
        reason = "the scanner sent no picture";
        return false;
    }
    std::vector<CheckedFrame> checked(frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i)
        if (!checkFrame(frames[i], checked[i], reason)) return false;

    if (frames.size() == 1 && frames[0].format == Format::Gray)
        return greyToDib(checked[0], dib, reason);
    if (frames.size() == 1 && frames[0].format == Format::Rgb)
        return colourToDib({}, checked[0], false, dib, reason);

    std::array<const CheckedFrame*, 3> planes{};
    for (const CheckedFrame& c : checked) {
        const Format f = c.frame->format;
        const int channel = f == Format::Red     ? 0
                            : f == Format::Green ? 1
                            : f == Format::Blue  ? 2
                                                 : -1;
        if (channel < 0 || planes[channel]) {
            reason = "the scanner sent frames that do not make one picture";
            return false;
        }
        planes[channel] = &c;
    }
    if (frames.size() != 3) {
        reason = "the scanner sent frames that do not make one picture";
        return false;
    }
    for (const CheckedFrame* p : planes) {
        if (p->frame->pixelsPerLine != planes[0]->frame->pixelsPerLine ||
            p->lines != planes[0]->lines) {
            reason = "the scanner's colour frames differ in size";
            return false;
        }
    }
    return colourToDib(planes, *planes[0], true, dib, reason);
}

}  // namespace turnpixa
