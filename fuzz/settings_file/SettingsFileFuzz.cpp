// Arbitrary bytes as a settings file and as a password value.
#include <cstdint>
#include <string_view>

#include "project/PasswordScrambler.h"
#include "project/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    turnpixa::UploadSettings settings;
    turnpixa::SettingsFile::parse(text, settings);
    (void)turnpixa::SettingsFile::format(settings);
    (void)turnpixa::PasswordScrambler::unscramble(text);
    return 0;
}
