#pragma once
// The package appended to the installer (format in PackageFormat.h): reads
// and verifies it, extracts entries and, for packing, appends entries and
// writes the directory and trailer.
#include <cstdint>
#include <string>
#include <vector>

#include "installer/Ui.h"

namespace turnpixa::setup {

struct PackageEntry {
    std::uint32_t dataOffset = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t uncompressedSize = 0;
    std::uint32_t checksum = 0;
    std::string name;
};

// Package checksum of the first `end` bytes of fd; 0 when a read fails.
std::uint32_t packageChecksum(int fd, std::uint64_t end);

// Owns the open file and its records. Messages and the damaged-package
// question go through the Ui, which must outlive the Package.
class Package {
public:
    explicit Package(Ui& ui, int language = 0) : ui_(ui), language_(language) {}
    ~Package();
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    // Opens the file (created empty when writable and absent). A file
    // without a sound package yields no entries; refusal() says why.
    void open(const std::string& path, bool writable);
    bool find(const std::string& name, PackageEntry* entry = nullptr) const;
    // Name at a directory position, "" past the end.
    std::string entryName(std::size_t index) const;
    const std::vector<PackageEntry>& entries() const { return entries_; }
    std::uint64_t dataEnd() const { return dataEnd_; }
    const std::string& refusal() const { return refusal_; }
    // The file ends in a package trailer but was not accepted: a damaged
    // package rather than a bare stub.
    bool damaged() const { return trailerFound_ && !refusal_.empty(); }

    // Verified copy and decompression of the first entry of that name into
    // a new file at target; on failure target is left empty.
    bool extract(const std::string& name, const std::string& target);
    // Appends one .lzma block under `name` (packing). Refuses names that are
    // empty or over 254 bytes, blocks whose header does not match
    // uncompressedSize, and a package that would reach 4 GiB.
    bool add(const std::string& name, const std::string& block, std::uint32_t uncompressedSize,
             std::string& reason);
    // Writes the stub (everything before the first entry's data) to target.
    bool copyStub(const std::string& target);
    // Writes directory and trailer when an entry was added, then closes.
    // False when that write failed (the old package is then put back).
    bool close();

private:
    bool readDirectory(std::uint64_t size);
    bool restoreTail();

    Ui& ui_;
    int language_ = 0;
    std::string path_;
    int fd_ = -1;
    bool writable_ = false;
    std::uint64_t dataEnd_ = 0;
    std::vector<PackageEntry> entries_;
    bool modified_ = false;
    std::string refusal_;
    bool trailerFound_ = false;
    // What lay from the old data end to the old end of file, to undo a
    // failed write.
    std::uint64_t oldSize_ = 0;
    std::uint64_t oldDataEnd_ = 0;
    std::string oldTail_;
};

}  // namespace turnpixa::setup
