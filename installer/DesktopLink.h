#pragma once
// Shortcuts as freedesktop .desktop files. Besides Exec, each records its
// target in a key of our own, X-Brisk-Target, which readLinkTarget gives
// back exactly.
#include <string>

namespace turnpixa::setup {

// "….lnk" becomes "….desktop"; any other name gets ".desktop" added.
std::string desktopFileName(const std::string& shortcutPath);

struct DesktopLink {
    std::string target;      // file-system path
    std::string arguments;   // as written in the script
    std::string workFolder;  // file-system path, may be empty
    std::string name;        // shown in menus
};

// The file's text: programs run directly, other files open with xdg-open.
std::string desktopEntryText(const DesktopLink& link, bool targetIsProgram);
// Writes the entry (mode 0755, as desktops want of launchers), creating its
// folder.
bool writeDesktopLink(const std::string& file, const DesktopLink& link);
// The X-Brisk-Target of a .desktop file; "" when there is none.
std::string readLinkTarget(const std::string& file);

}  // namespace turnpixa::setup
