#include "installer/LzmaAlone.h"

#include <lzma.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "installer/PackageFormat.h"

namespace turnpixa::setup {

namespace {

constexpr std::size_t kChunk = 65536;
// Decoding never needs a window larger than its output; this caps the rest.
constexpr std::uint32_t kMaxWindow = 256u << 20;

bool readAt(int fd, unsigned char* p, std::size_t n, std::uint64_t offset) {
    while (n > 0) {
        const ssize_t got = ::pread(fd, p, n, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        p += got;
        n -= static_cast<std::size_t>(got);
        offset += static_cast<std::uint64_t>(got);
    }
    return true;
}

bool writeAll(int fd, const unsigned char* p, std::size_t n) {
    while (n > 0) {
        const ssize_t put = ::write(fd, p, n);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        p += put;
        n -= static_cast<std::size_t>(put);
    }
    return true;
}

struct Stream {
    lzma_stream s = LZMA_STREAM_INIT;
    ~Stream() { lzma_end(&s); }
};

}  // namespace

LzmaResult lzmaDecode(int inFd, std::uint64_t offset, std::uint64_t length,
                      std::uint32_t expectedSize, int outFd, std::string& reason) {
    if (length == 0) {
        if (expectedSize == 0) return LzmaResult::Ok;
        reason = "empty stream for a non-empty entry";
        return LzmaResult::ReadError;
    }
    unsigned char header[format::kLzmaHeaderSize];
    if (length < sizeof header || !readAt(inFd, header, sizeof header, offset)) {
        reason = "header too short";
        return LzmaResult::ReadError;
    }
    const std::uint32_t sizeLow = format::getU32(header + 5);
    const std::uint32_t sizeHigh = format::getU32(header + 9);
    if (sizeHigh != 0 || sizeLow == 0xFFFFFFFFu) {
        reason = "size unknown or not below 4 GiB";
        return LzmaResult::ReadError;
    }
    if (sizeLow != expectedSize) {
        reason = "header size differs from the directory";
        return LzmaResult::ReadError;
    }
    const unsigned p = header[0];
    if (p > format::kLzmaMaxProperties) {
        reason = "properties byte above 224";
        return LzmaResult::ReadError;
    }
    if (expectedSize == 0) return LzmaResult::Ok;

    lzma_options_lzma opt{};
    opt.pb = p / 45;
    opt.lp = (p % 45) / 9;
    opt.lc = p % 9;
    opt.dict_size = std::max<std::uint32_t>(LZMA_DICT_SIZE_MIN, expectedSize);
    opt.dict_size = std::min(
        opt.dict_size, std::max<std::uint32_t>(LZMA_DICT_SIZE_MIN, format::getU32(header + 1)));
    if (opt.dict_size > kMaxWindow) {
        reason = "dictionary too large";
        return LzmaResult::WriteError;
    }
    opt.ext_flags = LZMA_LZMA1EXT_ALLOW_EOPM;
    lzma_set_ext_size(opt, expectedSize);
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1EXT, &opt}, {LZMA_VLI_UNKNOWN, nullptr}};
    Stream st;
    const lzma_ret init = lzma_raw_decoder(&st.s, filters);
    if (init == LZMA_MEM_ERROR) {
        reason = "out of memory";
        return LzmaResult::WriteError;
    }
    if (init != LZMA_OK) {
        reason = "unsupported properties";
        return LzmaResult::ReadError;
    }

    std::vector<unsigned char> in(kChunk), out(kChunk);
    std::uint64_t pos = offset + sizeof header;
    std::uint64_t left = length - sizeof header;
    std::uint64_t produced = 0;
    for (;;) {
        if (st.s.avail_in == 0 && left > 0) {
            const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(left, kChunk));
            if (!readAt(inFd, in.data(), n, pos)) {
                reason = "payload not fully read";
                return LzmaResult::ReadError;
            }
            st.s.next_in = in.data();
            st.s.avail_in = n;
            pos += n;
            left -= n;
        }
        st.s.next_out = out.data();
        st.s.avail_out = out.size();
        const lzma_ret r = lzma_code(&st.s, left == 0 ? LZMA_FINISH : LZMA_RUN);
        const std::size_t n = out.size() - st.s.avail_out;
        produced += n;
        if (n > 0 && !writeAll(outFd, out.data(), n)) {
            reason = "write failed";
            return LzmaResult::WriteError;
        }
        if (r == LZMA_STREAM_END) break;
        if (r == LZMA_MEM_ERROR) {
            reason = "out of memory";
            return LzmaResult::WriteError;
        }
        if (r != LZMA_OK || (n == 0 && st.s.avail_in == 0 && left == 0)) {
            reason = "decode error";
            return LzmaResult::ReadError;
        }
    }
    if (produced != expectedSize) {
        reason = "decoded size differs from the declared size";
        return LzmaResult::ReadError;
    }
    return LzmaResult::Ok;
}

bool lzmaEncode(const std::string& data, std::string& stream, std::string& reason) {
    if (data.size() >= 0xFFFFFFFFull) {
        reason = "source of 4 GiB or more";
        return false;
    }
    lzma_options_lzma opt{};
    if (lzma_lzma_preset(&opt, 6)) {
        reason = "no encoder preset";
        return false;
    }
    opt.dict_size = format::kLzmaDictionary;
    opt.lc = 3;
    opt.lp = 0;
    opt.pb = 2;
    opt.ext_flags = 0;  // no end marker: the header carries the size
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1EXT, &opt}, {LZMA_VLI_UNKNOWN, nullptr}};
    Stream st;
    if (lzma_raw_encoder(&st.s, filters) != LZMA_OK) {
        reason = "encoder could not start";
        return false;
    }
    stream.assign(format::kLzmaHeaderSize, '\0');
    auto* h = reinterpret_cast<unsigned char*>(stream.data());
    h[0] = format::kLzmaProperties;
    format::putU32(h + 1, format::kLzmaDictionary);
    format::putU32(h + 5, static_cast<std::uint32_t>(data.size()));
    format::putU32(h + 9, 0);

    st.s.next_in = reinterpret_cast<const std::uint8_t*>(data.data());
    st.s.avail_in = data.size();
    std::vector<unsigned char> out(kChunk);
    for (;;) {
        st.s.next_out = out.data();
        st.s.avail_out = out.size();
        const lzma_ret r = lzma_code(&st.s, LZMA_FINISH);
        stream.append(reinterpret_cast<const char*>(out.data()), out.size() - st.s.avail_out);
        if (r == LZMA_STREAM_END) return true;
        if (r != LZMA_OK) {
            reason = "encoding failed";
            return false;
        }
    }
}

}  // namespace turnpixa::setup
