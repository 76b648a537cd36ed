#include "PasswordScrambler.h"

#include <cstdint>
#include <vector>

#include "RuntimeRandom.h"

namespace turnpixa {
namespace {

constexpr std::size_t kStoredSize = PasswordScrambler::kBlockSize + 4;
// Values shorter than this cannot hold a block and read as no password.
constexpr std::size_t kMinBlockValue = 514;

std::uint32_t seedFor(std::string_view password) {
    // Bytes count as signed chars, as the format has always done.
    std::uint32_t seed = 0;
    for (std::size_t i = 0; i < password.size(); ++i) {
        const auto b = static_cast<std::int8_t>(static_cast<unsigned char>(password[i]));
        seed += static_cast<std::uint32_t>(i + 2) * static_cast<std::uint32_t>(b);
    }
    return seed;
}

void appendHex(std::string& out, std::uint8_t b) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += kDigits[b >> 4];
    out += kDigits[b & 0xF];
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Leading two-digit hex pairs; stops at the first pair that is not one.
std::vector<std::uint8_t> readHexPairs(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const int hi = hexDigit(text[i]);
        const int lo = hexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) break;
        bytes.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
    }
    return bytes;
}

std::string scrambleLong(std::string_view password) {
    const std::uint32_t seed = seedFor(password);
    RuntimeRandom random(seed);
    std::string out(1, PasswordScrambler::kLongMarker);
    for (int k = 0; k < 4; ++k) appendHex(out, static_cast<std::uint8_t>(seed >> (8 * k)));
    for (char ch : password)
        appendHex(out, static_cast<std::uint8_t>(static_cast<unsigned char>(ch) + random.draw()));
    return out;
}

std::string unscrambleLong(std::string_view hex) {
    if (hex.size() < 8 || hex.size() % 2 != 0) return {};
    const std::vector<std::uint8_t> bytes = readHexPairs(hex);
    if (bytes.size() * 2 != hex.size()) return {};
    std::uint32_t seed = 0;
    for (int k = 0; k < 4; ++k) seed |= static_cast<std::uint32_t>(bytes[k]) << (8 * k);
    RuntimeRandom random(seed);
    std::string password;
    for (std::size_t i = 4; i < bytes.size(); ++i)
        password += static_cast<char>(static_cast<std::uint8_t>(bytes[i] - random.draw()));
    return password;
}

}  // namespace

std::string PasswordScrambler::scramble(std::string_view password) {
    const std::size_t n = password.size();
    if (n == 0) return {};
    if (n > kMaxBlockPassword) return scrambleLong(password);

    const std::uint32_t seed = seedFor(password);
    RuntimeRandom random(seed);
    std::vector<std::uint8_t> block(kBlockSize);
    for (auto& b : block) b = static_cast<std::uint8_t>(random.draw() % 256);
    const std::size_t pos = static_cast<std::size_t>(random.draw()) % (kBlockSize - n);
    for (std::size_t i = 0; i < n; ++i)
        block[pos + i] = static_cast<std::uint8_t>(block[pos + i] + password[i]);

    // The seed is hidden c bytes before the end, c being the first byte.
    const std::size_t c = block[0];
    std::vector<std::uint8_t> stored(kStoredSize);
    const std::size_t at = kBlockSize - c;
    for (std::size_t i = 0; i < at; ++i) stored[i] = block[i];
    for (std::size_t k = 0; k < 4; ++k) stored[at + k] = static_cast<std::uint8_t>(seed >> (8 * k));
    for (std::size_t i = at; i < kBlockSize; ++i) stored[i + 4] = block[i];

    std::string out;
    out.reserve(2 * kStoredSize);
    for (std::uint8_t b : stored) appendHex(out, b);
    return out;
}

std::string PasswordScrambler::unscramble(std::string_view value) {
    if (!value.empty() && value[0] == kLongMarker) return unscrambleLong(value.substr(1));
    if (value.size() < kMinBlockValue) return {};

    std::vector<std::uint8_t> bytes = readHexPairs(value);
    const std::size_t m = bytes.size();
    if (m < 5) return {};
    const std::size_t c = bytes[0];
    if (m - 4 < c) return {};
    const std::size_t at = m - c - 4;
    std::uint32_t seed = 0;
    for (std::size_t k = 0; k < 4; ++k)
        seed |= static_cast<std::uint32_t>(bytes[at + k]) << (8 * k);
    bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                bytes.begin() + static_cast<std::ptrdiff_t>(at + 4));

    RuntimeRandom random(seed);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(b - random.draw() % 256);

    const std::size_t end = m - 5;
    bytes[end] = 0;
    std::size_t first = 0;
    while (first < end && bytes[first] == 0) ++first;
    std::string password;
    for (std::size_t i = first; bytes[i] != 0; ++i) password += static_cast<char>(bytes[i]);
    return password;
}

}  // namespace turnpixa
