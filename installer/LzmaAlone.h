#pragma once
// The .lzma (LZMA-alone) streams that package entries are stored as: a
// 13-byte header with the uncompressed size, then the LZMA payload.
#include <cstdint>
#include <string>

namespace turnpixa::setup {

enum class LzmaResult { Ok, ReadError, WriteError };

// Decodes the stream of `length` bytes at `offset` in inFd and writes the
// output to outFd in 64 KiB pieces. Ok only when the header's size equals
// expectedSize and exactly that many bytes were decoded; an empty stream
// decodes to nothing. Memory stays bounded whatever the header claims.
LzmaResult lzmaDecode(int inFd, std::uint64_t offset, std::uint64_t length,
                      std::uint32_t expectedSize, int outFd, std::string& reason);

// Encodes `data` as an .lzma stream with its size in the header, properties
// 0x5D and an 8 MiB dictionary, without an end marker.
bool lzmaEncode(const std::string& data, std::string& stream, std::string& reason);

}  // namespace turnpixa::setup
