#include "installer/InstallContext.h"

#include <sys/wait.h>
#include <unistd.h>

#include "installer/MessageTable.h"
#include "installer/PackageFormat.h"
#include "installer/PendingMoves.h"
#include "installer/TempFiles.h"

namespace turnpixa::setup {

InstallContext::InstallContext(Ui& u, InstallState& s, Folders f)
    : ui(u),
      state(s),
      folders(std::move(f)),
      package(u, s.language),
      registry(folders.dataFolder + "/registry") {}

InstallContext::~InstallContext() {
    removeKeptFiles();
    package.close();
    removeTree(unpackFolder_);
}

bool InstallContext::open(const std::string& packagePath) {
    unpackFolder_ = makeTempFolder("BKI");
    if (!unpackFolder_.empty()) {
        package.open(packagePath, false);
        if (package.extract(format::kScriptName, scriptFile())) {
            if (package.find(format::kBannerName))
                package.extract(format::kBannerName, unpackFolder_ + "/setup.bmp");
            if (package.find(format::kLicenceName))
                package.extract(format::kLicenceName, unpackFolder_ + "/setup.lic");
            return true;
        }
        ::unlink(scriptFile().c_str());
    }
    state.failure = package.refusal().empty() ? "the install script cannot be extracted"
                                              : "package refused: " + package.refusal();
    ui.message(text(16), caption(), Icon::Error);
    return false;
}

void InstallContext::keepUntilEnd(const std::string& file, int pid) {
    std::lock_guard<std::mutex> lock(keptMutex_);
    kept_.emplace_back(file, pid);
}

void InstallContext::removeKeptFiles() {
    std::lock_guard<std::mutex> lock(keptMutex_);
    for (const auto& [file, pid] : kept_) {
        const bool ended = pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == pid;
        if (ended)
            ::unlink(file.c_str());
        else
            recordPendingDelete(folders.dataFolder, file);
    }
    kept_.clear();
}

std::string InstallContext::programFilesFolder() {
    if (programFilesRead_) return programFiles_;
    programFilesRead_ = true;
    const auto v = registry.get("HKLM", kCurrentVersionKey, "ProgramFilesDir");
    if (v && v->type == RegistryType::String) return programFiles_ = v->data;
    RegistryValue seed;
    seed.data = folders.programFiles;
    registry.set("HKLM", kCurrentVersionKey, "ProgramFilesDir", seed);
    return programFiles_ = folders.programFiles;
}

MacroValues InstallContext::macroValues() {
    MacroValues v;
    v.system = toScriptFolder(folders.dataFolder);
    v.windows = v.system;
    v.destination = state.destination;
    const std::string pf = programFilesFolder();
    v.programFiles = pf.empty() ? "" : toScriptFolder(pf);
    v.startup = toScriptFolder(folders.startup);
    v.startPrograms = toScriptFolder(folders.startPrograms);
    v.desktop = toScriptFolder(folders.desktop);
    v.quickLaunch =
        toScriptFolder(folders.appData) + "Microsoft\\Internet Explorer\\Quick Launch\\";
    v.myDocuments = toScriptFolder(folders.documents);
    v.language = state.languageName;
    v.source = unpackFolder_.empty() ? "" : toScriptFolder(unpackFolder_);
    return v;
}

std::string InstallContext::text(int n) const {
    return message(n, state.language);
}

}  // namespace turnpixa::setup
