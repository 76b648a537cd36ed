#pragma once
// Uninstall mode: removes what one record lists, sparing files that other
// installed products' records also list, then the record, the banner copy
// and the entry in the list of installed programs. The uninstaller itself
// (shared by all products) stays.
#include <string>
#include <vector>

#include "installer/Folders.h"
#include "installer/InstallState.h"
#include "installer/Ui.h"

namespace turnpixa::setup {

// Only records named BriskUninstall-*.dat in the data folder are accepted,
// so a command line cannot make the uninstaller delete other files.
bool acceptRecordPath(const std::string& recordPath, const Folders& folders, std::string& reason);
// The project name of a record: its file name without extension, from after
// the first "-" (the whole name when it has none).
std::string recordProjectName(const std::string& recordPath);

class Uninstaller {
public:
    Uninstaller(Ui& ui, Folders folders, std::string recordPath);

    // The destination: the registry's InstallTo value, else the record's own
    // [Install To]; empty when neither has one, and then no <Destination>
    // path is touched.
    const std::string& destination() const { return destination_; }
    // The worker's body: actions, registry values, removal, clean-up; sets
    // the state's done flag.
    void run();
    // What the dialog shows at the end: the restart question when a file is
    // left for later (asked also when silent; never restarts without a yes),
    // else the final message unless silent. Returns the exit status.
    int finish(bool silent);

    InstallState state;  // progress fields, done, restart-needed
    // The paths removed, in record order (file-system form), for reports.
    std::vector<std::string> removed;

private:
    std::vector<std::string> removalList();
    void spareSharedFiles(std::vector<std::string>& list);
    void removeOne(const std::string& path);
    void removeEmptyFolders(std::string folder);

    Ui& ui_;
    Folders folders_;
    std::string record_;
    std::string destination_;  // script form, ends in "\" (or empty)
    bool removedShortcut_ = false;
};

// The question asked before a windowed uninstall starts.
std::string uninstallQuestion(const std::string& projectName);

// A whole uninstall as the command line asks for it; the exit status.
int uninstall(const std::string& recordPath, bool silent, Ui& ui, const Folders& folders);

}  // namespace turnpixa::setup
