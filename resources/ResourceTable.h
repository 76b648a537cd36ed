#pragma once
#include <cstddef>
#include <cstdint>

namespace turnpixa {

// One built-in file; the table is generated at build time from
// resources/pictures and sorted by name.
struct ResourceEntry {
    const char* name;
    const std::uint8_t* data;
    std::size_t size;
};

extern const ResourceEntry kResourceEntries[];
extern const std::size_t kResourceEntryCount;

}  // namespace turnpixa
