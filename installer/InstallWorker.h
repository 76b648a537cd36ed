#pragma once
// The install worker: carries out the script's actions on a thread of its
// own and sets the state's done flag however it ends.
#include <thread>
#include <vector>

#include "installer/InstallContext.h"
#include "installer/Script.h"

namespace turnpixa::setup {

// Runs the script in the calling thread (the worker's body).
void runScript(InstallContext& ctx, const std::vector<ScriptCommand>& commands);

// Starts runScript on a new thread; the caller joins it after done is set.
std::thread startInstallWorker(InstallContext& ctx, const std::vector<ScriptCommand>& commands);

}  // namespace turnpixa::setup
