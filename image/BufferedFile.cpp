#include "BufferedFile.h"

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
    if (!file_ || n == 0) return 0;
    auto* out = static_cast<std::uint8_t*>(destination);
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
        if (error_.empty()) error_ = "file is not open";
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
    if (!file_) return -1;
    const std::int64_t filePos = static_cast<std::int64_t>(std::ftell(file_));
    if (dirty_) return filePos + static_cast<std::int64_t>(fill_);
    return filePos - static_cast<std::int64_t>(fill_ - readPos_);
}

bool BufferedFile::seek(std::int64_t offset, int origin) {
    if (!file_) return false;
    if (dirty_) flush();
    fill_ = readPos_ = 0;
    dirty_ = false;
    return std::fseek(file_, static_cast<long>(offset), origin) == 0;
}

bool BufferedFile::close() {
    if (!file_) return !failed_;
    bool ok = flush();
    if (dirty_) ok = false;
    if (owned_) {
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
