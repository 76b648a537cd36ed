// setup-turnpixa: installs the package appended to it, or, in packing mode,
// adds a file to a package.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "installer/CommandLine.h"
#include "installer/Folders.h"
#include "installer/Installer.h"
#include "installer/MessageTable.h"
#include "installer/Packer.h"
#include "installer/PageRules.h"
#include "installer/Uninstaller.h"
#ifdef TURNPIXA_INSTALLER_PAGES
#include "installer/fltk/WindowedInstall.h"
#endif

using namespace turnpixa::setup;

namespace {

const char* kUsage =
    "usage: setup-turnpixa --silent [--installto FOLDER]\n"
    "       setup-turnpixa '<packthis>\"FILE\"' '<packto>\"PACKAGE\"'\n"
    "       setup-turnpixa '<Silent>' '<uninstall>RECORD'\n"
    "Exit status: 0 installed (or uninstalled), 1 cancelled or failed, 2 unusable command line,\n"
    "3 done, but a file in use is replaced or removed only at the next run or restart.\n";

std::string ownPath() {
    std::vector<char> buf(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    return n > 0 ? std::string(buf.data(), static_cast<std::size_t>(n)) : std::string();
}

#ifdef TURNPIXA_INSTALLER_PAGES
bool hasDisplay() {
    const char* d = std::getenv("DISPLAY");
    return d && *d;
}
#endif

int userLanguage() {
    return languageFromEnvironment(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                   std::getenv("LANG"));
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine cl = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    SilentUi ui;
    switch (cl.mode) {
        case Mode::Help:
            std::fputs(kUsage, stdout);
            return kExitInstalled;
        case Mode::Unusable:
            std::fprintf(stderr, "setup-turnpixa: %s\n%s", cl.error.c_str(), kUsage);
            return kExitUsage;
        case Mode::Uninstall:
            if (!cl.silent) {
#ifdef TURNPIXA_INSTALLER_PAGES
                if (hasDisplay()) return uninstallWithDialog(cl.uninstallRecord, systemFolders());
                std::fprintf(stderr,
                             "setup-turnpixa: no display; run it with <Silent> before "
                             "<uninstall>\n");
#else
                std::fprintf(stderr,
                             "setup-turnpixa: this build has no uninstall dialog; run it with "
                             "<Silent> before <uninstall>\n");
#endif
                return kExitUsage;
            }
            return uninstall(cl.uninstallRecord, true, ui, systemFolders());
        case Mode::Pack: {
            const std::string self = ownPath();
            const std::string encoder = parentOf(self) + "/lzma";
            std::string reason;
            if (!packFile(cl.packSource, cl.packTarget, encoder, ui, reason)) {
                std::fprintf(stderr, "setup-turnpixa: %s not added: %s\n", cl.packSource.c_str(),
                             reason.c_str());
                return kExitFailed;
            }
            return kExitInstalled;
        }
        case Mode::Install:
            break;
    }
    if (!cl.silent) {
#ifdef TURNPIXA_INSTALLER_PAGES
        if (hasDisplay()) return installWithPages(ownPath(), cl, systemFolders(), userLanguage());
        std::fprintf(stderr, "setup-turnpixa: no display; run it with --silent\n");
#else
        std::fprintf(stderr,
                     "setup-turnpixa: this build has no installer pages; run it with "
                     "--silent\n");
#endif
        return kExitUsage;
    }
    return installSilently(ownPath(), cl, ui, systemFolders(), userLanguage());
}
