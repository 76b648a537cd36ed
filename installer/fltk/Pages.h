#pragma once
// The installer's pages and dialogs. Each runs modally and returns when it
// has closed; the rules behind them are in PageState and PageRules.
#include <functional>
#include <string>

#include "installer/InstallContext.h"
#include "installer/fltk/PageLook.h"

namespace turnpixa::setup {

// Opens the display and sets the pages' font, colours and icon; the
// screen's scale.
Scale prepareDisplay();

struct Look {
    Scale scale;
    Banner banner;
};

// The main page (and the licence page from it). True when the user chose
// to install; the state then holds the destination and language.
bool runMainPage(InstallContext& ctx, const Look& look);
// The licence page; true for Install, false for Back or closing it.
bool runLicencePage(const std::string& projectName, const std::string& licenceText, int language,
                    const Look& look);
// The progress page while the worker runs, and the finish page after it
// when there are items to offer.
void runProgressPage(InstallContext& ctx, const Look& look);
// The finish page: returns when the chosen finish actions have run.
void runFinishPage(InstallContext& ctx, const Look& look);
// Container mode: "Running Install n of m" while work() runs on a thread.
// Cancel closes the dialog and sets the state's cancel flag.
bool runContainerDialog(InstallState& state, const std::function<bool()>& work);
// The uninstall dialog: the banner, "Uninstalling <name>" and the bar while
// work() runs on a thread.
void runUninstallDialog(const std::string& projectName, const Banner& banner, InstallState& state,
                        const std::function<void()>& work, const Scale& scale);

}  // namespace turnpixa::setup
