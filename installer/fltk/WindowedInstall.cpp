#include "installer/fltk/WindowedInstall.h"
#include "installer/Folders.h"
#include "installer/InstallWorker.h"
#include "installer/Installer.h"
#include "installer/MessageTable.h"
#include "installer/PendingMoves.h"
#include "installer/UninstallRecord.h"
#include "installer/Uninstaller.h"
#include "installer/fltk/FltkUi.h"
#include "installer/fltk/Pages.h"

#include <cstdio>
#include <fstream>
#include <iterator>

// After the installer's headers: FLTK's drawing header brings X11's macros.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

namespace turnpixa::setup {

namespace {

int failed(const std::string& why) {
    std::fprintf(stderr, "setup-turnpixa: not installed: %s\n", why.c_str());
    return kExitFailed;
}

}  // namespace

Scale prepareDisplay() {
    const Scale s = screenScale();  // opens the display
    FL_NORMAL_SIZE = s.font();
    Fl::background(212, 208, 200);
    setProgramIcon();
    return s;
}

int installWithPages(const std::string& packagePath, const CommandLine& commandLine,
                     const Folders& folders, int language) {
    const Scale scale = prepareDisplay();
    InstallState state;
    state.language = language;
    state.languageName = languageName(language);
    FltkUi ui(state.language);
    runPendingMoves(folders.dataFolder);
    InstallContext ctx(ui, state, folders);
    if (!ctx.open(packagePath)) return failed(state.failure);
    std::vector<ScriptCommand> commands;
    std::string reason;
    if (!parseScript(readWhole(ctx.scriptFile()), commands, reason)) {
        ui.message(ctx.text(16), ctx.caption(), Icon::Error);
        return failed("setup.dat: " + reason);
    }
    for (const auto& c : commands) {
        if (c.keyword == Keyword::InstallContainer) {
            int status = kExitFailed;
            if (!runContainerDialog(state, [&] {
                    status = runContainer(ctx, commands);
                    return status != kExitFailed;
                }))
                return failed(state.failure.empty() ? "cancelled" : state.failure);
            return status;
        }
    }
    if (!scriptPass(ctx, commands, commandLine, reason)) return failed(reason);
    if (state.testAdmin && !administratorProbe(ctx))
        return failed("no rights to write to " + toFileSystemPath(ctx.expand("<Program Files>")));

    const Look look{scale, Banner(ctx.unpackFolder() + "/setup.bmp")};
    if (!runMainPage(ctx, look)) return failed("cancelled");

    std::thread worker = startInstallWorker(ctx, commands);
    runProgressPage(ctx, look);
    if (state.cancel)
        ui.message(ctx.text(18), ctx.caption(), Icon::Information);
    else
        writeUninstallRecord(ctx);
    // The worker may still ask a question before it sees the cancel flag.
    while (!state.done) Fl::wait(0.1);
    worker.join();
    if (state.cancel) return failed(state.failure.empty() ? "cancelled" : state.failure);
    return state.restartNeeded ? kExitRestartNeeded : kExitInstalled;
}

int uninstallWithDialog(const std::string& recordPath, const Folders& folders) {
    std::string reason;
    if (!acceptRecordPath(recordPath, folders, reason)) {
        std::fprintf(stderr, "setup-turnpixa: not uninstalling: %s\n", reason.c_str());
        return kExitUsage;
    }
    const Scale scale = prepareDisplay();
    const int english = 0;  // the uninstaller speaks English only
    FltkUi ui(english);
    runPendingMoves(folders.dataFolder);
    Uninstaller u(ui, folders, recordPath);
    if (ui.ask(uninstallQuestion(u.state.projectName), "Uninstall", Icon::Question, Buttons::YesNo,
               Answer::No) != Answer::Yes)
        return kExitFailed;
    const Banner banner(recordPath.substr(0, recordPath.size() - 4) + ".bmp");
    runUninstallDialog(
        u.state.projectName, banner, u.state, [&u] { u.run(); }, scale);
    return u.finish(false);
}

}  // namespace turnpixa::setup
