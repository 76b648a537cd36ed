#pragma once
// File versions for the copy rules: read from the fixed version block of a
// Windows executable ("MZ"); every other file has version 0.0.
#include <compare>
#include <cstdint>
#include <string>

namespace turnpixa::setup {

struct FileVersion {
    std::uint32_t major = 0;  // high half, compared first
    std::uint32_t minor = 0;
    auto operator<=>(const FileVersion&) const = default;
    bool isZero() const { return major == 0 && minor == 0; }
};

FileVersion readFileVersion(const std::string& path);
FileVersion fileVersionOf(const std::string& bytes);
// Whether a Windows executable's version strings carry "OLESelfRegister".
bool wantsSelfRegistration(const std::string& path);

}  // namespace turnpixa::setup
