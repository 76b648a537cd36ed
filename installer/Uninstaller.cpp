#include "installer/Uninstaller.h"

#include <dirent.h>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

#include "installer/DesktopLink.h"
#include "installer/FileVersion.h"
#include "installer/Installer.h"
#include "installer/Macros.h"
#include "installer/PendingMoves.h"
#include "installer/ProcessRunner.h"
#include "installer/RegistryStore.h"
#include "installer/Script.h"
#include "installer/TextEncoding.h"
#include "installer/UninstallRecord.h"

namespace turnpixa::setup {

namespace {

constexpr const char* kRecordPrefix = "BriskUninstall-";
constexpr const char* kInstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return s;
}

bool equalNoCase(const std::string& a, const std::string& b) {
    return lower(a) == lower(b);
}

std::string withoutSlash(std::string s) {
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

// The folder's real path, or the path as given when it does not exist.
std::string realFolder(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return withoutSlash(path);
    std::string out = real;
    std::free(real);
    return out;
}

bool isRecordName(const std::string& name) {
    const std::string prefix = kRecordPrefix;
    return name.size() > prefix.size() + 4 && name.compare(0, prefix.size(), prefix) == 0 &&
           name.compare(name.size() - 4, 4, ".dat") == 0;
}

std::vector<ScriptCommand> readRecord(const std::string& path, bool* opened = nullptr) {
    std::ifstream in(path, std::ios::binary);
    if (opened) *opened = static_cast<bool>(in);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<ScriptCommand> commands;
    std::string reason;
    if (in && !parseScript(text, commands, reason))
        std::fprintf(stderr, "setup-turnpixa: %s: %s\n", path.c_str(), reason.c_str());
    return commands;
}

// The destination a record names in its own [Install To] section.
std::string recordDestination(const std::vector<ScriptCommand>& commands) {
    std::string dest;
    for (const auto& c : commands)
        if (c.keyword == Keyword::InstallTo) dest = c.operands[0];
    if (!dest.empty() && dest.back() != '\\') dest += '\\';
    return dest;
}

}  // namespace

bool acceptRecordPath(const std::string& recordPath, const Folders& folders, std::string& reason) {
    if (recordPath.empty() || recordPath[0] != '/') {
        reason = "the uninstall record must be given by its full path";
        return false;
    }
    if (!isRecordName(fileNameOf(recordPath))) {
        reason = "'" + recordPath + "' is not named " + kRecordPrefix + "*.dat";
        return false;
    }
    if (realFolder(parentOf(recordPath)) != realFolder(folders.dataFolder)) {
        reason = "'" + recordPath + "' is not in " + folders.dataFolder;
        return false;
    }
    return true;
}

std::string recordProjectName(const std::string& recordPath) {
    std::string name = fileNameOf(recordPath);
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos) name.resize(dot);
    const auto dash = name.find('-');
    return dash == std::string::npos ? name : name.substr(dash + 1);
}

Uninstaller::Uninstaller(Ui& ui, Folders folders, std::string recordPath)
    : ui_(ui), folders_(std::move(folders)), record_(std::move(recordPath)) {
    state.projectName = recordProjectName(record_);
    const RegistryStore registry(folders_.dataFolder + "/registry");
    const auto v = registry.get("HKLM", kUninstallKey + state.projectName, "InstallTo");
    if (v && v->type == RegistryType::String && !v->data.empty()) {
        destination_ = v->data;
        if (destination_.back() != '\\') destination_ += '\\';
    } else {
        // Without the registry value the record still knows where it went.
        destination_ = recordDestination(readRecord(record_));
    }
    state.destination = destination_;
}

namespace {

MacroValues macroValues(const Folders& f, const std::string& destination) {
    const RegistryStore registry(f.dataFolder + "/registry");
    const auto pf = registry.get("HKLM", kInstallKey, "ProgramFilesDir");
    MacroValues v;
    v.system = toScriptFolder(f.dataFolder);
    v.windows = v.system;
    v.destination = destination;
    v.programFiles = toScriptFolder(
        pf && pf->type == RegistryType::String && !pf->data.empty() ? pf->data : f.programFiles);
    v.startup = toScriptFolder(f.startup);
    v.startPrograms = toScriptFolder(f.startPrograms);
    v.desktop = toScriptFolder(f.desktop);
    v.quickLaunch = toScriptFolder(f.appData) + "Microsoft\\Internet Explorer\\Quick Launch\\";
    v.myDocuments = toScriptFolder(f.documents);
    v.language = "English";
    return v;
}

// A script path as a file-system path; "" when it needs a destination that
// is not known.
std::string expandPath(const std::string& text, const MacroValues& v) {
    if (v.destination.empty() && text.find("<Destination>") != std::string::npos) return {};
    return toFileSystemPath(expandMacros(text, v));
}

}  // namespace

std::vector<std::string> Uninstaller::removalList() {
    bool opened = false;
    const auto commands = readRecord(record_, &opened);
    const MacroValues v = macroValues(folders_, destination_);
    int total = 0;
    for (const auto& c : commands) {
        if (c.keyword == Keyword::CopyFile) ++total;
        if (c.keyword != Keyword::UninstallAction) continue;
        const std::string program = expandPath(c.operands[0], v);
        const std::string params = expandMacros(c.operands[1], v);
        if (program.empty()) continue;
        struct stat st {};
        const bool isProgram =
            (program.size() > 4 && equalNoCase(program.substr(program.size() - 4), ".exe")) ||
            !params.empty() ||
            (::stat(program.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR));
        std::string reason;
        if (isProgram) {
            int status = 0, pid = 0;
            if (!startProgram(program, splitParameters(params), true, status, pid, reason)) {
                ui_.message(fillIn("Error whilst running '%s'.", program), "Installer",
                            Icon::Error);
                std::fprintf(stderr, "%s: %s\n", program.c_str(), reason.c_str());
            } else if (status != 0) {
                std::fprintf(stderr, "%s: %s\n", program.c_str(),
                             status > 0 ? ("exit status " + std::to_string(status)).c_str()
                                        : "ended by a signal");
            }
        } else {
            runProgram("xdg-open", {program}, false, reason);
        }
    }
    state.copyTotal = total;

    RegistryStore registry(folders_.dataFolder + "/registry");
    std::vector<std::string> list;
    for (const auto& c : commands) {
        if (c.keyword == Keyword::CopyFile) {
            const std::string p = expandPath(c.operands[1], v);
            if (!p.empty()) list.push_back(p);
        } else if (c.keyword == Keyword::CreateIcon) {
            const std::string p = expandPath(c.operands[1], v);
            if (!p.empty()) list.push_back(desktopFileName(p));
        } else if (c.keyword == Keyword::Registry) {
            registry.removeValue(c.operands[0], expandMacros(c.operands[1], v), c.operands[3]);
        }
    }
    return list;
}

void Uninstaller::spareSharedFiles(std::vector<std::string>& list) {
    const std::string ownRecord = realFolder(parentOf(record_)) + "/" + fileNameOf(record_);
    DIR* dir = ::opendir(folders_.dataFolder.c_str());
    if (!dir) return;
    std::vector<std::string> others;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        const std::string path = realFolder(folders_.dataFolder) + "/" + name;
        if (isRecordName(name) && !equalNoCase(path, ownRecord)) others.push_back(path);
    }
    ::closedir(dir);
    std::sort(others.begin(), others.end());
    const RegistryStore registry(folders_.dataFolder + "/registry");
    for (const auto& other : others) {
        const auto commands = readRecord(other);
        // Each record is read with its own destination, so that this
        // product's files are not spared by a name that only looks the same.
        std::string dest = recordDestination(commands);
        const auto v = registry.get("HKLM", kUninstallKey + recordProjectName(other), "InstallTo");
        if (v && v->type == RegistryType::String && !v->data.empty()) {
            dest = v->data;
            if (dest.back() != '\\') dest += '\\';
        }
        const MacroValues values = macroValues(folders_, dest);
        for (const auto& c : commands) {
            if (c.keyword != Keyword::CopyFile) continue;
            const std::string p = expandPath(c.operands[1], values);
            const auto at = std::find_if(list.begin(), list.end(),
                                         [&](const std::string& x) { return equalNoCase(x, p); });
            if (!p.empty() && at != list.end()) list.erase(at);
        }
    }
}

void Uninstaller::removeOne(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (::unlink(path.c_str()) == 0) {
            removed.push_back(path);
            if (path.size() > 8 && path.compare(path.size() - 8, 8, ".desktop") == 0)
                removedShortcut_ = true;
        } else {
            state.restartNeeded = true;
            recordPendingDelete(folders_.dataFolder, path);
        }
    }
    // The application path and the program link go only when they name this
    // file: another product's program of the same name keeps its own.
    const std::string name = fileNameOf(path);
    RegistryStore registry(folders_.dataFolder + "/registry");
    const std::string key = std::string(kInstallKey) + "\\App Paths\\" + name;
    const auto v = registry.get("HKLM", key, "");
    if (v && v->type == RegistryType::String && v->data == path) registry.removeKey("HKLM", key);
    const std::string link = folders_.programLinks + "/" + name;
    char target[4096];
    const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
    if (n > 0 && std::string(target, static_cast<std::size_t>(n)) == path) ::unlink(link.c_str());
    removeEmptyFolders(parentOf(path));
}

void Uninstaller::removeEmptyFolders(std::string folder) {
    const MacroValues v = macroValues(folders_, destination_);
    std::vector<std::string> stops;
    for (const auto* s : {&v.system, &v.windows, &v.programFiles, &v.startup, &v.startPrograms,
                          &v.desktop, &v.quickLaunch, &v.myDocuments})
        stops.push_back(withoutSlash(toFileSystemPath(*s)));
    stops.push_back(withoutSlash(folders_.home));
    if (!destination_.empty())
        stops.push_back(parentOf(withoutSlash(toFileSystemPath(destination_))));
    // Only folders below one of these are ever removed: an empty folder of
    // the user's elsewhere (~/Apps, /srv) is theirs.
    const auto below = [&](const std::string& f) {
        return std::any_of(stops.begin(), stops.end(), [&](const std::string& s) {
            return !s.empty() && f.size() > s.size() + 1 && f.compare(0, s.size(), s) == 0 &&
                   (s == "/" || f[s.size()] == '/');
        });
    };
    while (folder.size() > 3) {
        if (std::any_of(stops.begin(), stops.end(),
                        [&](const std::string& s) { return equalNoCase(s, folder); }) ||
            !below(folder))
            break;
        ::rmdir(folder.c_str());  // fails harmlessly while not empty
        folder = parentOf(folder);
    }
}

void Uninstaller::run() {
    std::vector<std::string> list = removalList();
    spareSharedFiles(list);
    for (const auto& path : list) {
        if (!wantsSelfRegistration(path)) continue;
        if (void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
            using Unregister = long (*)();
            if (auto* fn = reinterpret_cast<Unregister>(::dlsym(handle, "DllUnregisterServer")))
                fn();
            ::dlclose(handle);
        }
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        removeOne(list[i]);
        state.setFile(static_cast<int>(i + 1), state.copyTotal);
    }
    // Menus that cache the entries see them go where the tool exists; a folder
    // without a cache is left without one, so nothing new stays behind.
    if (removedShortcut_ &&
        ::access((folders_.startPrograms + "/mimeinfo.cache").c_str(), F_OK) == 0) {
        std::string reason;
        runProgram("update-desktop-database", {folders_.startPrograms}, true, reason);
    }
    std::remove(record_.c_str());
    std::remove((record_.substr(0, record_.size() - 4) + ".bmp").c_str());
    if (!state.projectName.empty()) {
        RegistryStore registry(folders_.dataFolder + "/registry");
        registry.removeKey("HKLM", kUninstallKey + state.projectName);
    }
    state.done = true;
}

int Uninstaller::finish(bool silent) {
    const std::string& name = state.projectName;
    if (state.restartNeeded) {
        const Answer a = ui_.ask(fillIn("%s has uninstalled, however certain items can not be "
                                        "removed until your computer is restarted. Restart Now?",
                                        name),
                                 "Uninstall", Icon::Question, Buttons::YesNo, Answer::No);
        if (a != Answer::Yes) return kExitRestartNeeded;
        std::string reason;
        if (!restartSystem(reason)) {
            std::fprintf(stderr, "setup-turnpixa: restart failed: %s\n", reason.c_str());
            return kExitRestartNeeded;
        }
        return kExitInstalled;
    }
    if (!silent) ui_.message(fillIn("%s has uninstalled.", name), "Uninstall", Icon::Information);
    return kExitInstalled;
}

std::string uninstallQuestion(const std::string& projectName) {
    return fillIn("Uninstall %s?", projectName);
}

int uninstall(const std::string& recordPath, bool silent, Ui& ui, const Folders& folders) {
    std::string reason;
    if (!acceptRecordPath(recordPath, folders, reason)) {
        std::fprintf(stderr, "setup-turnpixa: not uninstalling: %s\n", reason.c_str());
        return kExitUsage;
    }
    runPendingMoves(folders.dataFolder);
    Uninstaller u(ui, folders, recordPath);
    if (!silent && ui.ask(uninstallQuestion(u.state.projectName), "Uninstall", Icon::Question,
                          Buttons::YesNo, Answer::No) != Answer::Yes)
        return kExitFailed;
    std::thread worker([&u] { u.run(); });
    worker.join();
    return u.finish(silent);
}

}  // namespace turnpixa::setup
