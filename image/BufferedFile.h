#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace turnpixa {

// A file stream with one buffer (64 KB wherever the program uses it) through
// which photos are read and frames are written. Any failure of the file layer
// is remembered: failed() stays true and error() names the reason, so that a
// writer can tell the user which file could not be written and why.
class BufferedFile {
public:
    static constexpr std::size_t kDefaultBufferSize = 65536;
    enum class Mode { Read, Write };

    explicit BufferedFile(std::size_t bufferSize = kDefaultBufferSize);
    ~BufferedFile();  // flushes when dirty, closes an owned file
    BufferedFile(const BufferedFile&) = delete;
    BufferedFile& operator=(const BufferedFile&) = delete;

    // Read opens an existing file; Write creates or truncates it.
    bool open(const std::string& path, Mode mode);
    // Wraps a stream opened elsewhere.
    void attach(std::FILE* file, bool takeOwnership);
    // Reads from a copy of the bytes (fuzzers and tests); writing fails.
    void openMemory(std::string_view bytes);
    bool isOpen() const { return file_ != nullptr || inMemory_; }
    const std::string& path() const { return path_; }

    // Returns the number of bytes delivered; fewer than n at the end of the file.
    std::size_t read(void* destination, std::size_t n);
    bool write(const void* source, std::size_t n);
    bool flush();
    std::int64_t position() const;
    bool seek(std::int64_t offset, int origin);
    // Flushes and closes; false when a write, the flush or the close failed.
    bool close();

    bool failed() const { return failed_; }
    const std::string& error() const { return error_; }

private:
    void fail(const char* what);

    std::FILE* file_ = nullptr;
    bool owned_ = false;
    bool inMemory_ = false;
    std::vector<std::uint8_t> memory_;  // the content while in memory; readPos_ reads it
    std::string path_;
    std::vector<std::uint8_t> buffer_;
    std::size_t fill_ = 0;     // bytes in the buffer
    std::size_t readPos_ = 0;  // next unread byte while reading
    bool dirty_ = false;
    bool failed_ = false;
    std::string error_;
};

}  // namespace turnpixa
