#pragma once
// The installer's registry: one text file per root (HKCR, HKCU, HKLM, HKU,
// HKCC) in a folder, holding keys and their STRING, DWORD and BINARY values.
// Key paths and value names compare ignoring ASCII case; "" names the
// unnamed value.
//
// File form, one line each, fields split by TAB, "\\", "\t", "\n", "\r"
// escaped:   KEY<TAB>path
//            VALUE<TAB>path<TAB>name<TAB>STRING|DWORD|BINARY<TAB>data
// DWORD data is decimal, BINARY data hex. Lines of any other form are
// dropped when read.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace turnpixa::setup {

enum class RegistryType { String, Dword, Binary };

struct RegistryValue {
    RegistryType type = RegistryType::String;
    std::string data;  // String and Binary
    std::uint32_t dword = 0;
    bool operator==(const RegistryValue&) const = default;
};

struct RegistryKey {
    std::string path;
    std::map<std::string, std::pair<std::string, RegistryValue>> values;  // by lower-case name
    bool operator==(const RegistryKey&) const = default;
};

using RegistryHive = std::map<std::string, RegistryKey>;  // by lower-case path

// The text form of one root, and back. parseHive never fails; it keeps every
// well-formed line.
RegistryHive parseHive(const std::string& text);
std::string formatHive(const RegistryHive& hive);

class RegistryStore {
public:
    explicit RegistryStore(std::string folder) : folder_(std::move(folder)) {}

    static bool isRoot(const std::string& root);
    // Each write creates missing keys and replaces the file atomically;
    // false for an unknown root or a failed write.
    bool set(const std::string& root, const std::string& key, const std::string& name,
             const RegistryValue& value);
    std::optional<RegistryValue> get(const std::string& root, const std::string& key,
                                     const std::string& name) const;
    std::string fileOf(const std::string& root) const { return folder_ + "/" + root + ".reg"; }

private:
    std::string folder_;
};

// The DWORD of a script's data line: like strtol base 10, clamped to the
// signed 32-bit range.
std::uint32_t parseDword(const std::string& text);

}  // namespace turnpixa::setup
