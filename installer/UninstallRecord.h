#pragma once
// What an installation leaves for its removal: the shared uninstaller (the
// installer's stub), the record (the script with the real destination), the
// banner copy and the entry in the list of installed programs. Also the offer
// to remove an earlier installation of the same product first.
#include <string>

#include "installer/Folders.h"
#include "installer/InstallContext.h"

namespace turnpixa::setup {

inline constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

std::string uninstallerPath(const Folders& folders);
std::string uninstallRecordPath(const Folders& folders, const std::string& projectName);

// The record's text: every script line followed by CR LF, the line after each
// "[Install To]" replaced by the destination. Lines are copied whole.
std::string uninstallRecordText(const std::string& script, const std::string& destination);

// At most once per run, and not with [NoUnInstall]. Failures are ignored:
// the installation stands without them.
void writeUninstallRecord(InstallContext& ctx);

// Asks whether to remove an existing installation of this project first and
// runs its uninstaller silently on "Yes". Skipped when silent or with
// [NoOfferUninstallOld]. False when the installation is to end ("Cancel").
bool offerRemoveExisting(InstallContext& ctx);

}  // namespace turnpixa::setup
