#pragma once
// One installation's working set: the package on the installer's own file,
// the unpack folder holding setup.dat (and setup.bmp, setup.lic), the
// folders, the registry store and the run-wide state. Destroying it closes
// the package and removes the unpack folder.
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "installer/Folders.h"
#include "installer/InstallState.h"
#include "installer/Macros.h"
#include "installer/Package.h"
#include "installer/RegistryStore.h"
#include "installer/Ui.h"

namespace turnpixa::setup {

inline constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

class InstallContext {
public:
    InstallContext(Ui& ui, InstallState& state, Folders folders);
    ~InstallContext();
    InstallContext(const InstallContext&) = delete;
    InstallContext& operator=(const InstallContext&) = delete;

    // Makes the unpack folder, opens the package and extracts the script
    // (required), banner and licence. False with message 16 shown when the
    // script cannot be had.
    bool open(const std::string& packagePath);

    // The ProgramFilesDir value, seeded with this system's folder when absent.
    std::string programFilesFolder();
    MacroValues macroValues();
    std::string expand(const std::string& text) { return expandMacros(text, macroValues()); }
    // A script path, macros expanded, as a file-system path.
    std::string fileSystemPath(const std::string& scriptPath) {
        return toFileSystemPath(expand(scriptPath));
    }
    std::string scriptFile() const { return unpackFolder_ + "/setup.dat"; }
    const std::string& unpackFolder() const { return unpackFolder_; }
    // Message n in the run's language.
    std::string text(int n) const;
    // Caption of the install messages: message 2.
    std::string caption() const { return text(2); }
    // A program extracted from the package that may still be read after its
    // run returned (pid 0: opened by a viewer). At the end of the
    // installation it is deleted once its process has ended, else it is
    // left to the next run to delete.
    void keepUntilEnd(const std::string& file, int pid);

    Ui& ui;
    InstallState& state;
    Folders folders;
    Package package;
    RegistryStore registry;

private:
    void removeKeptFiles();

    std::string unpackFolder_;
    std::string programFiles_;
    bool programFilesRead_ = false;
    std::mutex keptMutex_;
    std::vector<std::pair<std::string, int>> kept_;
};

}  // namespace turnpixa::setup
