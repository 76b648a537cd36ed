#include "installer/Package.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "installer/LzmaAlone.h"
#include "installer/MessageTable.h"
#include "installer/PackageFormat.h"

namespace turnpixa::setup {

namespace {

constexpr std::uint64_t kU32Limit = 0xFFFFFFFFull;

enum class Read { Ok, End, Error };

Read readAt(int fd, void* buffer, std::size_t n, std::uint64_t offset) {
    auto* p = static_cast<unsigned char*>(buffer);
    while (n > 0) {
        const ssize_t got = ::pread(fd, p, n, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return Read::Error;
        if (got == 0) return Read::End;
        p += got;
        n -= static_cast<std::size_t>(got);
        offset += static_cast<std::uint64_t>(got);
    }
    return Read::Ok;
}

bool writeAt(int fd, const void* buffer, std::size_t n, std::uint64_t offset) {
    const auto* p = static_cast<const unsigned char*>(buffer);
    while (n > 0) {
        const ssize_t put = ::pwrite(fd, p, n, static_cast<off_t>(offset));
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        p += put;
        n -= static_cast<std::size_t>(put);
        offset += static_cast<std::uint64_t>(put);
    }
    return true;
}

bool sameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

}  // namespace

std::uint32_t packageChecksum(int fd, std::uint64_t end) {
    std::vector<unsigned char> block(format::kChecksumBlock);
    std::uint32_t sum = 0;
    for (std::uint64_t pos = 0; pos < end;) {
        const std::size_t n =
            static_cast<std::size_t>(std::min<std::uint64_t>(end - pos, block.size()));
        if (readAt(fd, block.data(), n, pos) != Read::Ok) return 0;
        sum = format::addChecksumBlock(sum, block.data(), n);
        pos += n;
    }
    return sum == 0 ? 1 : sum;
}

Package::~Package() {
    close();
}

void Package::open(const std::string& path, bool writable) {
    close();
    path_ = path;
    writable_ = writable;
    entries_.clear();
    modified_ = false;
    refusal_.clear();
    trailerFound_ = false;
    fd_ = writable ? ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)
                   : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        refusal_ = "cannot be opened";
        ui_.message("Unable to open '" + path + "'",
                    writable ? "Disk Write Error" : "Disk Read Error", Icon::Information);
        return;
    }
    const auto size = static_cast<std::uint64_t>(st.st_size);
    dataEnd_ = size;
    if (!readDirectory(size)) {
        entries_.clear();
        dataEnd_ = size;
    }
    oldSize_ = size;
    oldDataEnd_ = dataEnd_;
    oldTail_.clear();
    if (writable_ && size > dataEnd_) {
        oldTail_.resize(static_cast<std::size_t>(size - dataEnd_));
        if (readAt(fd_, oldTail_.data(), oldTail_.size(), dataEnd_) != Read::Ok) oldTail_.clear();
    }
}

// Reads the trailer and directory; false (with refusal_ set) unless every
// number in them fits the file.
bool Package::readDirectory(std::uint64_t size) {
    unsigned char raw[format::kTrailerSize];
    if (size < format::kTrailerSize) {
        refusal_ = "no trailer";
        return false;
    }
    const Read r = readAt(fd_, raw, sizeof raw, size - sizeof raw);
    if (r == Read::Error)
        ui_.message("Unable to read from '" + path_ + "'", "Disk Read Error", Icon::Information);
    const format::Trailer t = format::decodeTrailer(raw);
    if (r != Read::Ok || t.magic1 != format::kMagic1 || t.magic2 != format::kMagic2) {
        refusal_ = "no trailer";
        return false;
    }
    trailerFound_ = true;
    if (format::trailerSum(raw) != t.trailerSum) {
        refusal_ = "wrong trailer sum";
        return false;
    }
    const std::uint64_t directoryEnd = size - format::kTrailerSize;
    if (directoryEnd > kU32Limit) {
        refusal_ = "package of 4 GiB or more";
        return false;
    }
    if (t.directoryOffset > directoryEnd) {
        refusal_ = "directory outside the file";
        return false;
    }
    const std::uint64_t directorySize = directoryEnd - t.directoryOffset;
    // Every record holds 17 bytes and a name of at least one byte and a NUL.
    if (std::uint64_t(t.entryCount) * (format::kRecordFixedSize + 2) > directorySize ||
        std::uint64_t(t.entryCount) * (format::kRecordFixedSize + 256) < directorySize) {
        refusal_ = "entry count does not fit the directory";
        return false;
    }
    if (packageChecksum(fd_, directoryEnd) != t.packageChecksum) {
        const Answer a = ui_.ask(message(14, language_), "Installer", Icon::Error,
                                 Buttons::YesNoDefaultNo, Answer::No);
        if (a != Answer::Yes) {
            refusal_ = "package checksum mismatch";
            return false;
        }
    }
    std::string dir(static_cast<std::size_t>(directorySize), '\0');
    if (readAt(fd_, dir.data(), dir.size(), t.directoryOffset) != Read::Ok) {
        refusal_ = "directory not readable";
        return false;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(dir.data());
    std::size_t at = 0;
    for (std::uint32_t i = 0; i < t.entryCount; ++i) {
        if (dir.size() - at < format::kRecordFixedSize) {
            refusal_ = "directory cut short";
            return false;
        }
        PackageEntry e;
        e.dataOffset = format::getU32(p + at);
        e.compressedSize = format::getU32(p + at + 4);
        e.uncompressedSize = format::getU32(p + at + 8);
        e.checksum = format::getU32(p + at + 12);
        const std::size_t n = p[at + 16];
        at += format::kRecordFixedSize;
        if (n < 2 || dir.size() - at < n || p[at + n - 1] != 0) {
            refusal_ = "entry name without its length or its NUL";
            return false;
        }
        e.name.assign(dir.data() + at, n - 1);
        at += n;
        if (e.name.find('\0') != std::string::npos) {
            refusal_ = "entry name holds a NUL";
            return false;
        }
        if (std::uint64_t(e.dataOffset) + e.compressedSize > t.directoryOffset) {
            refusal_ = "entry data outside the data area";
            return false;
        }
        entries_.push_back(std::move(e));
    }
    if (at != dir.size()) {
        refusal_ = "directory does not end at the trailer";
        return false;
    }
    dataEnd_ = t.directoryOffset;
    return true;
}

bool Package::find(const std::string& name, PackageEntry* entry) const {
    for (const auto& e : entries_) {
        if (sameName(e.name, name)) {
            if (entry) *entry = e;
            return true;
        }
    }
    return false;
}

std::string Package::entryName(std::size_t index) const {
    return index < entries_.size() ? entries_[index].name : std::string();
}

bool Package::extract(const std::string& name, const std::string& target) {
    PackageEntry e;
    if (fd_ < 0 || !find(name, &e)) return false;
    // The whole block is checked before any of it is decoded.
    std::vector<unsigned char> block(format::kChecksumBlock);
    std::uint32_t sum = 0;
    for (std::uint64_t done = 0; done < e.compressedSize;) {
        const std::size_t n = static_cast<std::size_t>(
            std::min<std::uint64_t>(e.compressedSize - done, block.size()));
        const Read r = readAt(fd_, block.data(), n, e.dataOffset + done);
        if (r == Read::Error)
            ui_.message("Unable to read from '" + path_ + "'", "Disk Read Error",
                        Icon::Information);
        if (r != Read::Ok) return false;
        for (std::size_t i = 0; i < n; ++i) sum += block[i];
        done += n;
    }
    if (sum != e.checksum) return false;

    const int out =
        ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (out < 0) {
        ui_.message(
            "Error whilst uncompressing '" + target + "', unable to write to '" + target + "'",
            "Install", Icon::Error);
        return false;
    }
    std::string reason;
    const LzmaResult result =
        lzmaDecode(fd_, e.dataOffset, e.compressedSize, e.uncompressedSize, out, reason);
    bool ok = result == LzmaResult::Ok;
    if (::close(out) != 0 && ok) ok = false;
    if (!ok) {
        ::truncate(target.c_str(), 0);
        const bool writing = result == LzmaResult::WriteError || result == LzmaResult::Ok;
        ui_.message("Error whilst uncompressing '" + target + "', unable to " +
                        (writing ? "write to '" + target : "read from '" + path_) + "'",
                    "Install", Icon::Error);
    }
    return ok;
}

bool Package::add(const std::string& name, const std::string& block, std::uint32_t uncompressedSize,
                  std::string& reason) {
    if (fd_ < 0 || !writable_) {
        reason = "package not open for writing";
        return false;
    }
    if (name.empty() || name.size() > format::kMaxNameLength ||
        name.find('\0') != std::string::npos) {
        reason = "entry name empty, over 254 bytes or holding a NUL";
        return false;
    }
    const auto* h = reinterpret_cast<const unsigned char*>(block.data());
    if (block.size() < format::kLzmaHeaderSize || h[0] > format::kLzmaMaxProperties ||
        format::getU32(h + 9) != 0 || format::getU32(h + 5) != uncompressedSize) {
        reason = "compressed block without a header giving its size";
        return false;
    }
    std::uint64_t directorySize = 0;
    for (const auto& e : entries_) directorySize += format::kRecordFixedSize + e.name.size() + 1;
    directorySize += format::kRecordFixedSize + name.size() + 1;
    if (dataEnd_ + block.size() + directorySize + format::kTrailerSize > kU32Limit) {
        reason = "the package would reach 4 GiB";
        return false;
    }
    if (!writeAt(fd_, block.data(), block.size(), dataEnd_)) {
        ui_.message("Unable to write to '" + path_ + "'", "Disk Write Error", Icon::Information);
        restoreTail();
        reason = "write failed";
        return false;
    }
    PackageEntry e;
    e.dataOffset = static_cast<std::uint32_t>(dataEnd_);
    e.compressedSize = static_cast<std::uint32_t>(block.size());
    e.uncompressedSize = uncompressedSize;
    for (unsigned char c : block) e.checksum += c;
    e.name = name;
    entries_.push_back(std::move(e));
    dataEnd_ += block.size();
    modified_ = true;
    return true;
}

bool Package::restoreTail() {
    if (oldSize_ < oldDataEnd_ || oldTail_.size() != oldSize_ - oldDataEnd_) return false;
    return writeAt(fd_, oldTail_.data(), oldTail_.size(), oldDataEnd_) &&
           ::ftruncate(fd_, static_cast<off_t>(oldSize_)) == 0;
}

bool Package::copyStub(const std::string& target) {
    if (fd_ < 0) return false;
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return false;
    std::uint64_t end = static_cast<std::uint64_t>(st.st_size);
    for (const auto& e : entries_) end = std::min<std::uint64_t>(end, e.dataOffset);
    const int out =
        ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0755);
    if (out < 0) return false;
    std::vector<unsigned char> buffer(format::kChecksumBlock);
    bool ok = true;
    for (std::uint64_t pos = 0; ok && pos < end;) {
        const std::size_t n =
            static_cast<std::size_t>(std::min<std::uint64_t>(end - pos, buffer.size()));
        ok = readAt(fd_, buffer.data(), n, pos) == Read::Ok && writeAt(out, buffer.data(), n, pos);
        pos += n;
    }
    return ::close(out) == 0 && ok;
}

bool Package::close() {
    if (fd_ < 0) return true;
    bool ok = true;
    if (modified_) {
        std::string out;
        for (const auto& e : entries_) {
            unsigned char fixed[format::kRecordFixedSize];
            format::putU32(fixed, e.dataOffset);
            format::putU32(fixed + 4, e.compressedSize);
            format::putU32(fixed + 8, e.uncompressedSize);
            format::putU32(fixed + 12, e.checksum);
            fixed[16] = static_cast<unsigned char>(e.name.size() + 1);
            out.append(reinterpret_cast<const char*>(fixed), sizeof fixed);
            out.append(e.name.c_str(), e.name.size() + 1);
        }
        format::Trailer t;
        t.directoryOffset = static_cast<std::uint32_t>(dataEnd_);
        t.entryCount = static_cast<std::uint32_t>(entries_.size());
        unsigned char raw[format::kTrailerSize];
        format::encodeTrailer(t, raw);
        t.trailerSum = format::trailerSum(raw);
        const std::uint64_t end = dataEnd_ + out.size() + format::kTrailerSize;
        ok = writeAt(fd_, out.data(), out.size(), dataEnd_) &&
             ::ftruncate(fd_, static_cast<off_t>(end)) == 0;
        if (ok) {
            t.packageChecksum = packageChecksum(fd_, end - format::kTrailerSize);
            format::encodeTrailer(t, raw);
            ok = t.packageChecksum != 0 && writeAt(fd_, raw, sizeof raw, end - sizeof raw);
        }
        if (!ok) {
            ui_.message("Unable to write to '" + path_ + "'", "Disk Write Error",
                        Icon::Information);
            restoreTail();
        }
        modified_ = false;
    }
    if (::close(fd_) != 0) ok = false;
    fd_ = -1;
    return ok;
}

}  // namespace turnpixa::setup
