#pragma once
// The install flow around the worker: the script pass of the main page, the
// administrator probe, container mode, the finish actions and a whole
// silent installation.
#include <string>
#include <vector>

#include "installer/CommandLine.h"
#include "installer/InstallContext.h"
#include "installer/Script.h"

namespace turnpixa::setup {

inline constexpr int kExitInstalled = 0;
inline constexpr int kExitFailed = 1;  // cancelled or failed
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRestartNeeded = 3;  // installed; a restart completes it

// Project name, version, destination (the command line's wins over the
// script, a located shortcut and an earlier installation's record),
// required size and flags. False with reason when the project name or the
// destination cannot be used.
bool scriptPass(InstallContext& ctx, const std::vector<ScriptCommand>& commands,
                const CommandLine& commandLine, std::string& reason);
// Whether the Program Files folder takes a new file; asks when it does not.
bool administratorProbe(InstallContext& ctx);
// Runs each package entry not named "setup.*" as an installer, waiting for
// each. Exit status: installed, restart needed when one of them needs it, or
// failed (state.failure says whether one failed or was cancelled).
int runContainer(InstallContext& ctx, const std::vector<ScriptCommand>& commands);
// What the finish page chose: optional shortcuts and programs, restart.
void runFinishActions(InstallContext& ctx, const std::vector<OptionalShortcut>& shortcuts,
                      const std::vector<OptionalProgram>& programs, bool restart);

// A whole installation without a window: never reboots, takes every
// question's default answer and reports through the exit status and
// standard error.
int installSilently(const std::string& packagePath, const CommandLine& commandLine, Ui& ui,
                    const Folders& folders, int language);

}  // namespace turnpixa::setup
