#include "GifLzwDecoder.h"

namespace turnpixa {

void GifLzwDecoder::complain(const std::string& text) {
    if (message_.empty()) message_ = text;
}

void GifLzwDecoder::emit(std::uint8_t value, std::vector<std::uint8_t>& out, std::size_t count) {
    if (produced_ < count) out.push_back(value);
    ++produced_;
}

bool GifLzwDecoder::decode(BufferedFile& file, std::vector<std::uint8_t>& out, std::size_t count) {
    produced_ = 0;
    message_.clear();
    std::uint8_t minimum = 0;
    if (file.read(&minimum, 1) != 1 || minimum < 1 || minimum > 11) return false;

    const int clear = 1 << minimum;
    const int end = clear + 1;
    int width = minimum + 1;
    int mask = (1 << width) - 1;
    int next = clear + 2;
    int previous = -1;
    std::uint8_t first = 0;
    prefix_.fill(0);
    suffix_.fill(0);
    for (int i = 0; i < clear; ++i) suffix_[i] = static_cast<std::uint8_t>(i);

    std::uint32_t bits = 0;
    int bitCount = 0;
    std::uint8_t block[255];
    for (;;) {
        std::uint8_t length = 0;
        if (file.read(&length, 1) != 1 || length == 0) break;
        const std::size_t got = file.read(block, length);
        for (std::size_t i = 0; i < got; ++i) {
            bits |= static_cast<std::uint32_t>(block[i]) << bitCount;
            bitCount += 8;
            while (bitCount >= width) {
                int code = static_cast<int>(bits & static_cast<std::uint32_t>(mask));
                bits >>= width;
                bitCount -= width;
                if (code == end) return true;
                if (code == clear) {
                    width = minimum + 1;
                    mask = (1 << width) - 1;
                    next = clear + 2;
                    previous = -1;
                    continue;
                }
                if (previous < 0) {
                    emit(suffix_[code], out, count);
                    previous = code;
                    first = suffix_[code];
                    continue;
                }
                if (code > next) return false;
                const int incoming = code;
                int top = 0;
                if (code == next) {
                    stack_[top++] = first;
                    code = previous;
                }
                // Prefixes always point to lower codes, so the chain ends.
                while (code > clear && top < kMaxCodes) {
                    stack_[top++] = suffix_[code];
                    if (prefix_[code] == code) break;
                    code = prefix_[code];
                }
                if (top >= kMaxCodes) {
                    complain("Error: LoadGif(): Decode(): stack overrun " + std::to_string(top));
                } else {
                    first = suffix_[code];
                    stack_[top++] = first;
                }
                if (next < kMaxCodes) {
                    prefix_[next] = static_cast<std::uint16_t>(previous);
                    suffix_[next] = first;
                    ++next;
                } else {
                    complain("Error: LoadGif(): Decode(): 'avail' too high: " + std::to_string(next));
                }
                if ((next & mask) == 0 && next < kMaxCodes) {
                    ++width;
                    mask = mask * 2 + 1;
                }
                previous = incoming;
                while (top > 0) emit(stack_[--top], out, count);
            }
        }
        if (produced_ >= count || got < length) break;
    }
    return true;
}

}  // namespace turnpixa
