#include "Resources.h"

#include <algorithm>

#include "ResourceTable.h"

namespace turnpixa {

std::span<const std::uint8_t> resourceBytes(std::string_view name) {
    const ResourceEntry* begin = kResourceEntries;
    const ResourceEntry* end = kResourceEntries + kResourceEntryCount;
    const ResourceEntry* it = std::lower_bound(
        begin, end, name, [](const ResourceEntry& e, std::string_view n) { return e.name < n; });
    if (it == end || it->name != name || it->data == nullptr) return {};
    return {it->data, it->size};
}

}  // namespace turnpixa
