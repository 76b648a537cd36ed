#pragma once
#include <string>
#include <string_view>

#include "UploadSettings.h"

namespace turnpixa {

// The settings file "TurnPixa.ini": a comment line, then one "key<TAB>value"
// line per setting in a fixed order. Lines starting with "#" are comments; a
// key word in the file feeds every key it is a prefix of.
class SettingsFile {
public:
    // Fills the fields the text names; the others keep their values.
    static void parse(std::string_view text, UploadSettings& settings);
    // The whole file as written: no line break after the last line.
    static std::string format(const UploadSettings& settings);

    // A missing or unreadable file leaves the settings as they are.
    static bool load(const std::string& path, UploadSettings& settings);
    // Writes a temporary file readable by its owner only (it holds the FTP
    // password) and renames it over the old one, so a failure leaves the old
    // file whole. Creates the file's folder when it is missing.
    static bool save(const std::string& path, const UploadSettings& settings,
                     std::string* reason = nullptr);
};

// Where the settings live: "TurnPixa.ini" in the program folder, unless that
// folder is not writable (a system-wide install) or lies under /usr (a
// system package, even for root); then
// $XDG_CONFIG_HOME/TurnPixa/TurnPixa.ini (default ~/.config/...). That
// per-user file is used whenever it exists, for reading and writing alike.
std::string settingsPathFor(const std::string& programFolder);

}  // namespace turnpixa
