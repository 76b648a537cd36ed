#include "installer/Folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace turnpixa::setup {

namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v && *v == '/' ? v : "";
}

std::string stripSlash(std::string s) {
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

// XDG_<name>_DIR from user-dirs.dirs, "" when it is not set there.
std::string userDir(const std::string& configHome, const std::string& home,
                    const std::string& name) {
    std::ifstream in(configHome + "/user-dirs.dirs");
    const std::string key = "XDG_" + name + "_DIR=\"";
    std::string line, found;
    while (std::getline(in, line)) {
        if (line.compare(0, key.size(), key) != 0 || line.back() != '"') continue;
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.compare(0, 5, "$HOME") == 0) value = home + value.substr(5);
        if (!value.empty() && value[0] == '/' && value.find("..") == std::string::npos)
            found = stripSlash(value);
    }
    return found;
}

}  // namespace

Folders systemFolders() {
    Folders f;
    f.home = stripSlash(env("HOME"));
    f.systemWide = ::geteuid() == 0;
    const std::string dataHome =
        env("XDG_DATA_HOME").empty() ? f.home + "/.local/share" : stripSlash(env("XDG_DATA_HOME"));
    const std::string configHome =
        env("XDG_CONFIG_HOME").empty() ? f.home + "/.config" : stripSlash(env("XDG_CONFIG_HOME"));
    f.desktop = userDir(configHome, f.home, "DESKTOP");
    if (f.desktop.empty()) f.desktop = f.home + "/Desktop";
    f.documents = userDir(configHome, f.home, "DOCUMENTS");
    if (f.documents.empty()) f.documents = f.home + "/Documents";
    f.startup = configHome + "/autostart";
    f.appData = dataHome;
    if (f.systemWide) {
        f.dataFolder = "/var/lib/BriskInstaller";
        f.programFiles = "/opt";
        f.startPrograms = "/usr/local/share/applications";
        f.programLinks = "/usr/local/bin";
    } else {
        f.dataFolder = dataHome + "/BriskInstaller";
        f.programFiles = f.home + "/.local/opt";
        f.startPrograms = dataHome + "/applications";
        f.programLinks = f.home + "/.local/bin";
    }
    return f;
}

std::string toFileSystemPath(const std::string& scriptPath) {
    std::string p = scriptPath;
    for (char& c : p)
        if (c == '\\') c = '/';
    return p;
}

std::string toScriptFolder(const std::string& fileSystemFolder) {
    std::string p = fileSystemFolder;
    for (char& c : p)
        if (c == '/') c = '\\';
    if (p.empty() || p.back() != '\\') p += '\\';
    return p;
}

bool makeFolders(const std::string& path) {
    if (path.empty()) return true;
    // Each missing folder gets 0755 whatever the umask.
    for (std::size_t at = path.find('/', 1);; at = path.find('/', at + 1)) {
        const std::string prefix = path.substr(0, at);
        if (!prefix.empty() && ::mkdir(prefix.c_str(), 0755) == 0) ::chmod(prefix.c_str(), 0755);
        if (at == std::string::npos) break;
    }
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

std::string parentOf(const std::string& path) {
    const auto at = path.find_last_of('/');
    if (at == std::string::npos) return {};
    return at == 0 ? "/" : path.substr(0, at);
}

std::string fileNameOf(const std::string& path) {
    const auto at = path.find_last_of("/\\");
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace turnpixa::setup
