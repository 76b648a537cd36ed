#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace turnpixa {

// One frame as a SANE device announces it (sane_get_parameters) and the
// bytes it then delivered. Everything in it comes from the device and is
// checked before use.
struct SaneFrame {
    enum class Format { Gray, Rgb, Red, Green, Blue };
    Format format = Format::Gray;
    bool lastFrame = true;
    std::int64_t bytesPerLine = 0;
    std::int64_t pixelsPerLine = 0;
    std::int64_t lines = 0;  // -1: not known in advance (hand scanners)
    int depth = 8;           // 1, 8 or 16 bits per sample
    std::vector<std::uint8_t> data;
};

// The frames of one page to a packed DIB: one grey or RGB frame, or the red,
// green and blue frames of a three-pass scanner in any order. Grey gives an
// 8-bit grey palette (1-bit line art a black-and-white one), colour 24 bits;
// 16-bit samples (machine byte order) keep their high byte. A frame whose
// size does not fit its data, or frames that disagree, are refused with a
// reason; data beyond the announced lines is ignored, and with unknown lines
// every whole line delivered counts.
bool saneFramesToDib(const std::vector<SaneFrame>& frames, std::vector<std::uint8_t>& dib,
                     std::string& reason);

}  // namespace turnpixa
