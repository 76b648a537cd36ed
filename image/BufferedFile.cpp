#include "BufferedFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace turnpixa {

BufferedFile::BufferedFile(std::size_t bufferSize) : buffer_(bufferSize ? bufferSize : 1) {}

BufferedFile::~BufferedFile() {
    close();
}

bool BufferedFile::open(const std::string& path, Mode mode) {
    close();
    failed_ = false;
    error_.clear();
    path_ = path;
    file_ = std::fopen(path.c_str(), mode == Mode::Read ? "rb" : "wb");
    if (!file_) {
        fail(mode == Mode::Read ? "cannot open" : "cannot create");
        return false;
    }
    owned_ = true;
    return true;
}

void BufferedFile::attach(std::FILE* file, bool takeOwnership) {
    close();
    failed_ = false;
    error_.clear();
    file_ = file;
    owned_ = takeOwnership;
}

void BufferedFile::openMemory(std::string_view bytes) {
    close();
    failed_ = false;
    error_.clear();
    path_.clear();
    memory_.assign(bytes.begin(), bytes.end());
    readPos_ = 0;
    inMemory_ = true;
}

void BufferedFile::fail(const char* what) {
    if (!failed_) {
        const int code = errno;
        error_ = what;
        if (code != 0) {
            error_ += ": ";
            error_ += std::strerror(code);
        }
    }
    failed_ = true;
}

std::size_t BufferedFile::read(void* destination, std::size_t n) {
    auto* out = static_cast<std::uint8_t*>(destination);
    if (inMemory_) {
        const std::size_t got = std::min(n, memory_.size() - readPos_);
        if (got) std::memcpy(out, memory_.data() + readPos_, got);
        readPos_ += got;
        return got;
    }
    if (!file_ || n == 0) return 0;
    if (readPos_ >= fill_) {
        fill_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
        readPos_ = 0;
    }
    const std::size_t available = fill_ - readPos_;
    if (available >= n) {
        std::memcpy(out, buffer_.data() + readPos_, n);
        readPos_ += n;
        return n;
    }
    std::memcpy(out, buffer_.data() + readPos_, available);
    const std::size_t direct = std::fread(out + available, 1, n - available, file_);
    fill_ = readPos_ = 0;
    return available + direct;
}

bool BufferedFile::write(const void* source, std::size_t n) {
    if (!file_) {
        failed_ = true;
        if (error_.empty())
            error_ = inMemory_ ? "bytes in memory are read only" : "file is not open";
        return false;
    }
    if (readPos_ < fill_ && !dirty_) {
        // Switching from reading to writing: put the file where the reader was.
        seek(position(), SEEK_SET);
    }
    if (buffer_.size() - fill_ < n && !flush()) return false;
    if (n > buffer_.size()) {
        errno = 0;
        if (std::fwrite(source, 1, n, file_) != n) {
            fail("write failed");
            return false;
        }
        return true;
    }
    std::memcpy(buffer_.data() + fill_, source, n);
    fill_ += n;
    dirty_ = true;
    return true;
}

bool BufferedFile::flush() {
    if (inMemory_) return true;
    if (!file_) return false;
    bool ok = true;
    if (dirty_ && fill_ > 0) {
        errno = 0;
        if (std::fwrite(buffer_.data(), 1, fill_, file_) != fill_) {
            fail("write failed");
            ok = false;
        }
    }
    if (dirty_) {
        fill_ = readPos_ = 0;
        dirty_ = false;
    }
    return ok;
}

std::int64_t BufferedFile::position() const {
    if (inMemory_) return static_cast<std::int64_t>(readPos_);
    if (!file_) return -1;
    const std::int64_t filePos = static_cast<std::int64_t>(std::ftell(file_));
    if (dirty_) return filePos + static_cast<std::int64_t>(fill_);
    return filePos - static_cast<std::int64_t>(fill_ - readPos_);
}

bool BufferedFile::seek(std::int64_t offset, int origin) {
    if (inMemory_) {
        const auto size = static_cast<std::int64_t>(memory_.size());
        const std::int64_t base = origin == SEEK_SET   ? 0
                                  : origin == SEEK_CUR ? static_cast<std::int64_t>(readPos_)
                                                       : size;
        if (offset > size || offset < -size) return false;
        const std::int64_t target = base + offset;
        if (target < 0 || target > size) return false;
        readPos_ = static_cast<std::size_t>(target);
        return true;
    }
    if (!file_) return false;
    if (dirty_) flush();
    fill_ = readPos_ = 0;
    dirty_ = false;
    return std::fseek(file_, static_cast<long>(offset), origin) == 0;
}

bool BufferedFile::close() {
    if (inMemory_) {
        inMemory_ = false;
        memory_ = {};
        readPos_ = 0;
        return !failed_;
    }
    if (!file_) return !failed_;
    bool ok = flush();
    if (dirty_) ok = false;
    if (owned_) {
        // The stream's own buffer is written out first: a full disk shows
        // here with its reason, which fclose does not always keep.
        errno = 0;
        if (std::fflush(file_) != 0) {
            fail("write failed");
            ok = false;
        }
        errno = 0;
        if (std::fclose(file_) != 0) {
            fail("close failed");
            ok = false;
        }
    } else if (std::fflush(file_) != 0) {
        fail("write failed");
        ok = false;
    }
    file_ = nullptr;
    owned_ = false;
    fill_ = readPos_ = 0;
    dirty_ = false;
    return ok && !failed_;
}

}  // namespace turnpixa
