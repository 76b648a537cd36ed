#pragma once
// The run-wide state of one installation: written by the main thread before
// the worker starts, then by the worker; the pages read it. The progress
// fields are read and written only under their mutex.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace turnpixa::setup {

struct Progress {
    std::string action;
    int fileNumber = 0;  // 1-based
    int total = 0;
    bool changed = false;
};

struct OptionalShortcut {
    std::string target, shortcut, arguments, caption;
};

struct OptionalProgram {
    std::string path, parameters, caption;
    bool wait = false;
};

class InstallState {
public:
    std::string projectName;
    std::string programVersion;
    std::string destination;         // script form, expanded, ends in "\"
    std::string defaultDestination;  // as the script wrote it
    int language = 0;
    std::string languageName = "English";
    bool silent = false;

    bool writeUninstallRecord = true;
    bool offerUninstallOld = true;
    bool testAdmin = true;
    std::uint64_t requiredKb = 0;

    std::atomic<bool> done{false};
    std::atomic<bool> cancel{false};
    std::atomic<bool> restartNeeded{false};
    std::atomic<bool> finishedPageShown{false};
    std::atomic<bool> uninstallRecordWritten{false};

    // Worker-owned until done is set.
    std::vector<std::string> libraries;
    std::vector<OptionalShortcut> optionalShortcuts;
    std::vector<OptionalProgram> optionalPrograms;
    int fileNumber = 0;   // [CopyFile] sections reached so far
    int copyTotal = 0;    // [CopyFile] sections in the script
    std::string failure;  // why the installation stopped, for standard error

    void setAction(const std::string& text) {
        std::lock_guard<std::mutex> lock(mutex_);
        progress_.action = text;
        progress_.changed = true;
    }
    void setFile(int number, int total) {
        std::lock_guard<std::mutex> lock(mutex_);
        progress_.fileNumber = number;
        progress_.total = total;
        progress_.changed = true;
    }
    // A copy of the progress; clears the changed flag.
    Progress takeProgress() {
        std::lock_guard<std::mutex> lock(mutex_);
        Progress p = progress_;
        progress_.changed = false;
        return p;
    }

private:
    std::mutex mutex_;
    Progress progress_;
};

}  // namespace turnpixa::setup
