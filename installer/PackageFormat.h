#pragma once
// The package appended to setup-turnpixa; the stub, the packer and the tests
// all read and write it through this description.
//
//   offset 0        the stub (the installer program itself)
//   data offsets    entry blocks, back to back in the order added; each is one
//                   .lzma stream: properties byte (lc + 9*lp + 45*pb), u32
//                   dictionary size, u64 uncompressed size, then the payload
//   directory       one record per entry, back to back, no padding:
//                     u32 data offset (absolute), u32 compressed size,
//                     u32 uncompressed size, u32 entry checksum (sum of the
//                     compressed bytes as unsigned bytes, mod 2^32),
//                     u8 name length n counting the NUL, n bytes of name + NUL
//   trailer         the last 24 bytes: u32 package checksum, u32 trailer sum,
//                   u32 directory offset, u32 entry count, u32 magic 1,
//                   u32 magic 2
//
// All numbers little-endian. The package checksum covers every byte before
// the trailer, read in 64 KiB blocks: each block adds its whole u32 words and
// then its last 1 to 3 bytes singly; a sum of 0 is stored as 1. The trailer
// sum adds trailer bytes 8..23 as signed bytes. Names are compared ignoring
// ASCII case, and the first record of a name wins.
//
// A package is accepted only when the directory lies after every entry's
// data and ends exactly where the trailer begins.
#include <cstddef>
#include <cstdint>

namespace turnpixa::setup::format {

inline constexpr std::uint32_t kMagic1 = 0x03345283;
inline constexpr std::uint32_t kMagic2 = 0x0EFFF343;
inline constexpr std::size_t kTrailerSize = 24;
inline constexpr std::size_t kRecordFixedSize = 17;
inline constexpr std::size_t kMaxNameLength = 254;  // without the NUL
inline constexpr std::size_t kChecksumBlock = 65536;

inline constexpr std::size_t kLzmaHeaderSize = 13;
inline constexpr std::uint8_t kLzmaMaxProperties = 224;
inline constexpr std::uint8_t kLzmaProperties = 0x5D;  // lc 3, lp 0, pb 2
inline constexpr std::uint32_t kLzmaDictionary = 0x00800000;

// Reserved entry names.
inline constexpr const char* kScriptName = "setup.dat";
inline constexpr const char* kBannerName = "setup.bmp";
inline constexpr const char* kLicenceName = "setup.lic";

inline std::uint32_t getU32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

inline void putU32(unsigned char* p, std::uint32_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
    p[2] = static_cast<unsigned char>(v >> 16);
    p[3] = static_cast<unsigned char>(v >> 24);
}

struct Trailer {
    std::uint32_t packageChecksum = 0;
    std::uint32_t trailerSum = 0;
    std::uint32_t directoryOffset = 0;
    std::uint32_t entryCount = 0;
    std::uint32_t magic1 = kMagic1;
    std::uint32_t magic2 = kMagic2;
};

inline Trailer decodeTrailer(const unsigned char* p) {
    return {getU32(p),      getU32(p + 4),  getU32(p + 8),
            getU32(p + 12), getU32(p + 16), getU32(p + 20)};
}

inline void encodeTrailer(const Trailer& t, unsigned char* p) {
    putU32(p, t.packageChecksum);
    putU32(p + 4, t.trailerSum);
    putU32(p + 8, t.directoryOffset);
    putU32(p + 12, t.entryCount);
    putU32(p + 16, t.magic1);
    putU32(p + 20, t.magic2);
}

// Sum of trailer bytes 8..23, each sign-extended.
inline std::uint32_t trailerSum(const unsigned char* trailer) {
    std::uint32_t sum = 0;
    for (std::size_t i = 8; i < kTrailerSize; ++i)
        sum += static_cast<std::uint32_t>(
            static_cast<std::int32_t>(static_cast<signed char>(trailer[i])));
    return sum;
}

// Adds one checksum block (at most kChecksumBlock bytes) to a running sum.
inline std::uint32_t addChecksumBlock(std::uint32_t sum, const unsigned char* p, std::size_t n) {
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) sum += getU32(p + i);
    for (; i < n; ++i) sum += p[i];
    return sum;
}

}  // namespace turnpixa::setup::format
