#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "BufferedFile.h"

namespace turnpixa {

// Decodes the LZW data of one GIF image: the minimum code size byte, then
// data sub-blocks up to a zero length. Produces at most `count` indices into
// `out`; what the data leaves short stays as it was (the caller zero-fills).
class GifLzwDecoder {
public:
    static constexpr int kMaxCodes = 4096;

    // False when the data cannot be decoded: a code size out of range, or a
    // code beyond the next free table entry.
    bool decode(BufferedFile& file, std::uint8_t* out, std::size_t count);

    // The first complaint raised while decoding (table full, stack overrun),
    // empty when there was none. Damaged files raise the same complaint for
    // every code; the caller shows the first only.
    const std::string& message() const { return message_; }

private:
    void complain(const std::string& text);
    void emit(std::uint8_t value, std::uint8_t* out, std::size_t count);

    std::array<std::uint16_t, kMaxCodes> prefix_{};
    std::array<std::uint8_t, kMaxCodes> suffix_{};
    std::array<std::uint8_t, kMaxCodes> stack_{};
    std::size_t produced_ = 0;
    std::string message_;
};

}  // namespace turnpixa
