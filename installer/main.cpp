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

using namespace turnpixa::setup;

namespace {

const char* kUsage =
    "usage: setup-turnpixa --silent [--installto FOLDER]\n"
    "       setup-turnpixa '<packthis>\"FILE\"' '<packto>\"PACKAGE\"'\n"
    "Exit status: 0 installed, 1 cancelled or failed, 2 unusable command line,\n"
    "3 installed but a file in use is replaced only at the next run.\n";

std::string ownPath() {
    std::vector<char> buf(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    return n > 0 ? std::string(buf.data(), static_cast<std::size_t>(n)) : std::string();
}

int userLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(name);
        if (v && *v) return languageForLocale(v);
    }
    return 0;
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
            std::fprintf(stderr, "setup-turnpixa: this build does not uninstall\n");
            return kExitUsage;
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
        std::fprintf(stderr,
                     "setup-turnpixa: this build has no installer pages; run it with "
                     "--silent\n");
        return kExitUsage;
    }
    return installSilently(ownPath(), cl, ui, systemFolders(), userLanguage());
}
