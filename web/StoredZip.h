#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace turnpixa {

// A zip archive made in memory through libzip, its entries stored as they
// are (pictures do not deflate) and stamped alike: the same entries give
// the same bytes whenever and wherever they are written.
class StoredZip {
public:
    // The entry keeps a copy of the bytes until the archive is made.
    void add(std::string name, std::vector<std::uint8_t> bytes);
    // The whole archive, entries in the order added. False with a reason.
    bool make(std::vector<std::uint8_t>& archive, std::string& reason) const;

    // Every entry's time: 1980-01-01 00:00, the first a zip can hold, as
    // MS-DOS date and time (no time zone comes into it).
    static constexpr std::uint16_t kDosDate = (0 << 9) | (1 << 5) | 1;
    static constexpr std::uint16_t kDosTime = 0;

private:
    struct Entry {
        std::string name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Entry> entries_;
};

}  // namespace turnpixa
