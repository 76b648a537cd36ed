#pragma once
// The install script's actions, one function each. The worker calls them in
// script order; an action returning Stop ends the script.
#include <string>

#include "installer/InstallContext.h"
#include "installer/Script.h"

namespace turnpixa::setup {

enum class Step { Continue, Stop };

Step actionSetText(InstallContext& ctx, const ScriptCommand& c);  // [Action]
Step actionCopyFile(InstallContext& ctx, const ScriptCommand& c);
Step actionCreateIcon(InstallContext& ctx, const ScriptCommand& c);
Step actionRunFile(InstallContext& ctx, const ScriptCommand& c);  // and [RunAndWaitFile]
Step actionMessage(InstallContext& ctx, const ScriptCommand& c);
Step actionRegistry(InstallContext& ctx, const ScriptCommand& c);

enum class CopyResult { Copied, Kept, Scheduled, Cancel };
// Extracts an entry and puts it at dest (script paths, macros expanded
// here) under the version rules; a file in use is replaced by renaming a
// copy over it.
CopyResult copyFile(InstallContext& ctx, const std::string& entry, const std::string& dest);
// A [Message] text with each "\n" turned into a line break, and the icon of
// its type line.
std::string withLineBreaks(std::string text);
Icon messageIcon(const std::string& type);
// Mode of an installed file: programs (ELF, "#!", ".exe") 0755, others 0644.
unsigned fileModeFor(const std::string& name, const std::string& firstBytes);
// Makes the .desktop file for a shortcut; silent on failure.
bool createShortcut(InstallContext& ctx, const std::string& target, const std::string& shortcut,
                    const std::string& arguments);
struct RunOutcome {
    bool started = false;
    int exitStatus = 0;  // when waited for; -1 when a signal ended it
};
// Runs a program or opens a document; "<TempInstall>\name" runs a package
// entry. Shows message 21 when it cannot be started.
RunOutcome runFile(InstallContext& ctx, const std::string& path, const std::string& parameters,
                   bool wait);
// App Paths values and a link in the program-links folder for an installed
// program.
void registerApplicationPath(InstallContext& ctx, const std::string& destination);
void registerLibraries(InstallContext& ctx);

}  // namespace turnpixa::setup
