#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "BufferedFile.h"

namespace turnpixa {

// Decodes the LZW data of one GIF image: the minimum code size byte, then
// data sub-blocks up to a zero length. Appends at most `count` indices to
// `out`, which grows with the data: a tiny file claiming a huge picture costs
// no more memory than its data produce.
class GifLzwDecoder {
public:
    static constexpr int kMaxCodes = 4096;

    // False when the data cannot be decoded: a code size out of range, or a
    // code beyond the next free table entry.
    bool decode(BufferedFile& file, std::vector<std::uint8_t>& out, std::size_t count);

    // The first complaint raised while decoding (table full, stack overrun),
    // empty when there was none. Damaged files raise the same complaint for
    // every code; the caller shows the first only.
    const std::string& message() const { return message_; }

private:
    void complain(const std::string& text);
    void emit(std::uint8_t value, std::vector<std::uint8_t>& out, std::size_t count);

    std::array<std::uint16_t, kMaxCodes> prefix_{};
    std::array<std::uint8_t, kMaxCodes> suffix_{};
    std::array<std::uint8_t, kMaxCodes> stack_{};
    std::size_t produced_ = 0;
    std::string message_;
};

}  // namespace turnpixa
