#include "installer/Installer.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "installer/DesktopLink.h"
#include "installer/Folders.h"
#include "installer/InstallActions.h"
#include "installer/InstallWorker.h"
#include "installer/MessageTable.h"
#include "installer/PendingMoves.h"
#include "installer/ProcessRunner.h"
#include "installer/TextEncoding.h"
#include "installer/UninstallRecord.h"

namespace turnpixa::setup {

namespace {

bool usableProjectName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == '/' || c == '\\') return false;
    return true;
}

// The command line's destination as a script folder; a relative one is
// taken from the current folder.
std::string commandLineFolder(const std::string& path) {
    std::string p = path;
    if (!p.empty() && p[0] != '/') {
        std::error_code ec;
        p = (std::filesystem::current_path(ec) / p).string();
    }
    return toScriptFolder(p);
}

std::string withBackslash(std::string s) {
    if (!s.empty() && s.back() != '\\') s += '\\';
    return s;
}

// A [Message] before the inner installers: its text as written, in a box of
// the container's own.
void containerMessage(InstallContext& ctx, const ScriptCommand& c) {
    ctx.ui.message(withLineBreaks(c.operands[0]), "Installer", messageIcon(c.operands[1]));
}

std::string stemOf(const std::string& name) {
    std::string stem = fileNameOf(name);
    stem = stem.substr(0, stem.find_last_of('.'));
    for (char& c : stem) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return stem;
}

}  // namespace

bool scriptPass(InstallContext& ctx, const std::vector<ScriptCommand>& commands,
                const CommandLine& commandLine, std::string& reason) {
    auto& s = ctx.state;
    bool located = false;
    std::uint64_t required = 0;
    for (const auto& c : commands) {
        switch (c.keyword) {
            case Keyword::ProjectName:
                s.projectName = c.operands[0];
                break;
            case Keyword::ProgramVersion:
                s.programVersion = c.operands[0];
                break;
            case Keyword::InstallTo:
                s.defaultDestination = c.operands[0];
                s.destination = withBackslash(ctx.expand(c.operands[0]));
                break;
            case Keyword::LocateInstall: {
                const std::string shortcut = desktopFileName(ctx.fileSystemPath(c.operands[0]));
                const std::string target = readLinkTarget(shortcut);
                if (!target.empty() && target[0] == '/') {
                    s.destination = toScriptFolder(parentOf(target));
                    located = true;
                }
                break;
            }
            case Keyword::CopyFile: {
                PackageEntry e;
                if (ctx.package.find(c.operands[0], &e)) required += e.uncompressedSize;
                break;
            }
            case Keyword::NoUnInstall:
                s.writeUninstallRecord = false;
                break;
            case Keyword::NoOfferUninstallOld:
                s.offerUninstallOld = false;
                break;
            case Keyword::NoTestAdmin:
                s.testAdmin = false;
                break;
            default:
                break;
        }
    }
    s.requiredKb = required / 1024;
    if (!usableProjectName(s.projectName)) {
        reason = "the script's project name is empty or holds a path separator";
        return false;
    }
    if (!located) {
        // An earlier installation's record names where it went.
        const auto lines = splitLines(textAsUtf8(
            readWhole(ctx.folders.dataFolder + "/BriskUninstall-" + s.projectName + ".dat")));
        for (std::size_t i = 0; i + 1 < lines.size(); ++i)
            if (lines[i] == "[Install To]") s.destination = withBackslash(lines[i + 1]);
    }
    if (commandLine.hasInstallTo) {
        s.destination = commandLineFolder(commandLine.installTo);
        s.defaultDestination = s.destination;
    }
    const std::string folder = toFileSystemPath(s.destination);
    if (folder.size() < 2 || folder[0] != '/' ||
        folder.find_first_not_of('/') == std::string::npos) {
        reason = "the destination '" + folder + "' is not a full folder path";
        ctx.ui.message(ctx.text(19), ctx.caption(), Icon::Information);
        return false;
    }
    return true;
}

bool administratorProbe(InstallContext& ctx) {
    const std::string folder = toFileSystemPath(ctx.expand("<Program Files>"));
    if (!folder.empty()) {
        makeFolders(folder);
        std::string probe = folder + "/BriskInstaller.TMPXXXXXX";
        const int fd = ::mkstemp(probe.data());
        if (fd >= 0) {
            ::close(fd);
            ::unlink(probe.c_str());
            return true;
        }
    }
    const Answer a = ctx.ui.ask(
        "Setup requires 'Computer Administrator' account rights to install, this user account "
        "appears to be Limited.\n\nContinue with install?",
        ctx.state.projectName, Icon::Question, Buttons::YesNo, Answer::No);
    return a == Answer::Yes;
}

int runContainer(InstallContext& ctx, const std::vector<ScriptCommand>& commands) {
    std::vector<std::string> installers;
    for (std::size_t i = 0; !ctx.package.entryName(i).empty(); ++i)
        if (stemOf(ctx.package.entryName(i)) != "setup")
            installers.push_back(ctx.package.entryName(i));
    if (!ctx.state.silent) {
        for (const auto& c : commands)
            if (c.keyword == Keyword::Message) containerMessage(ctx, c);
    }
    bool failed = false, cancelled = false;
    int number = 0;
    for (const auto& name : installers) {
        if (ctx.state.cancel) {
            ctx.state.failure = "cancelled";
            return kExitFailed;
        }
        ctx.state.setFile(++number, static_cast<int>(installers.size()));
        std::fprintf(stderr, "Running Install %d of %d\n", number,
                     static_cast<int>(installers.size()));
        const RunOutcome run =
            runFile(ctx, "<TempInstall>\\" + name, ctx.state.silent ? "--silent" : "", true);
        // An inner installer answers as this one does.
        if (!run.started || (run.exitStatus != kExitInstalled && run.exitStatus != kExitFailed &&
                             run.exitStatus != kExitRestartNeeded)) {
            failed = true;
        } else if (run.exitStatus == kExitFailed) {
            cancelled = true;
        } else if (run.exitStatus == kExitRestartNeeded) {
            ctx.state.restartNeeded = true;
        }
    }
    if (failed || cancelled) {
        ctx.state.failure = failed ? "an installer failed" : "an installer was cancelled";
        return kExitFailed;
    }
    return ctx.state.restartNeeded ? kExitRestartNeeded : kExitInstalled;
}

void runFinishActions(InstallContext& ctx, const std::vector<OptionalShortcut>& shortcuts,
                      const std::vector<OptionalProgram>& programs, bool restart) {
    for (const auto& s : shortcuts) createShortcut(ctx, s.target, s.shortcut, s.arguments);
    for (const auto& p : programs) runFile(ctx, p.path, p.parameters, p.wait);
    if (restart) {
        std::string reason;
        if (!restartSystem(reason)) std::fprintf(stderr, "restart failed: %s\n", reason.c_str());
    }
}

int installSilently(const std::string& packagePath, const CommandLine& commandLine, Ui& ui,
                    const Folders& folders, int language) {
    runPendingMoves(folders.dataFolder);
    InstallState state;
    state.silent = true;
    state.language = language;
    state.languageName = languageName(language);
    InstallContext ctx(ui, state, folders);
    const auto fail = [&](const std::string& why) {
        std::fprintf(stderr, "setup-turnpixa: not installed: %s\n", why.c_str());
        return kExitFailed;
    };
    if (!ctx.open(packagePath)) return fail(state.failure);
    std::vector<ScriptCommand> commands;
    std::string reason;
    if (!parseScript(readWhole(ctx.scriptFile()), commands, reason)) {
        ui.message(ctx.text(16), ctx.caption(), Icon::Error);
        return fail("setup.dat: " + reason);
    }
    for (const auto& c : commands) {
        if (c.keyword == Keyword::InstallContainer) {
            const int status = runContainer(ctx, commands);
            return status == kExitFailed ? fail(state.failure) : status;
        }
    }
    if (!scriptPass(ctx, commands, commandLine, reason)) return fail(reason);
    if (state.testAdmin && !administratorProbe(ctx))
        return fail("no rights to write to " + toFileSystemPath(ctx.expand("<Program Files>")));

    std::thread worker = startInstallWorker(ctx, commands);
    worker.join();
    if (state.cancel) {
        ui.message(ctx.text(18), ctx.caption(), Icon::Information);
        return fail(state.failure.empty() ? "cancelled" : state.failure);
    }
    writeUninstallRecord(ctx);
    if (state.restartNeeded) {
        std::fprintf(stderr,
                     "setup-turnpixa: installed; a file in use is replaced when the installer "
                     "next runs or after a restart\n");
        return kExitRestartNeeded;
    }
    return kExitInstalled;
}

}  // namespace turnpixa::setup
