#pragma once
// The installer with its pages, and the uninstaller with its dialog. Both
// need a display; the exit statuses are those of the silent runs.
#include <string>

#include "installer/CommandLine.h"
#include "installer/Folders.h"

namespace turnpixa::setup {

int installWithPages(const std::string& packagePath, const CommandLine& commandLine,
                     const Folders& folders, int language);
int uninstallWithDialog(const std::string& recordPath, const Folders& folders);

}  // namespace turnpixa::setup
