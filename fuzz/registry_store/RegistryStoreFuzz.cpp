// Arbitrary bytes as a registry file: whatever is kept must survive being
// written and read again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "installer/RegistryStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto hive = turnpixa::setup::parseHive(text);
    if (turnpixa::setup::parseHive(turnpixa::setup::formatHive(hive)) != hive) std::abort();
    (void)turnpixa::setup::parseDword(text);
    return 0;
}
