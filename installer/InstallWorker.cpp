#include "installer/InstallWorker.h"

#include "installer/InstallActions.h"

namespace turnpixa::setup {

namespace {

using Action = Step (*)(InstallContext&, const ScriptCommand&);

// The keywords that do something while installing; the others belong to the
// script pass of the main page or to uninstalling.
Action actionFor(Keyword k) {
    switch (k) {
        case Keyword::Action:
            return actionSetText;
        case Keyword::CopyFile:
            return actionCopyFile;
        case Keyword::CreateIcon:
            return actionCreateIcon;
        case Keyword::RunFile:
        case Keyword::RunAndWaitFile:
            return actionRunFile;
        case Keyword::Message:
            return actionMessage;
        case Keyword::Registry:
            return actionRegistry;
        default:
            return nullptr;
    }
}

}  // namespace

void runScript(InstallContext& ctx, const std::vector<ScriptCommand>& commands) {
    auto& s = ctx.state;
    s.copyTotal = 0;
    for (const auto& c : commands)
        if (c.keyword == Keyword::CopyFile) ++s.copyTotal;
    s.fileNumber = 0;
    for (const auto& c : commands) {
        if (s.cancel) {
            s.done = true;
            return;
        }
        const Action act = actionFor(c.keyword);
        if (act && act(ctx, c) == Step::Stop) {
            s.done = true;
            return;
        }
    }
    s.setAction("Registering Dlls");
    registerLibraries(ctx);
    s.done = true;
}

std::thread startInstallWorker(InstallContext& ctx, const std::vector<ScriptCommand>& commands) {
    return std::thread([&ctx, &commands] { runScript(ctx, commands); });
}

}  // namespace turnpixa::setup
