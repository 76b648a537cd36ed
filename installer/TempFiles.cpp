#include "installer/TempFiles.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace turnpixa::setup {

namespace {

std::string tempFolder() {
    const char* dir = std::getenv("TMPDIR");
    std::string folder = dir && *dir ? dir : "/tmp";
    if (folder.back() != '/') folder += '/';
    return folder;
}

std::vector<char> pattern(const std::string& prefix) {
    const std::string p = tempFolder() + prefix + "XXXXXX";
    return std::vector<char>(p.c_str(), p.c_str() + p.size() + 1);
}

}  // namespace

std::string makeTempFile(const std::string& prefix) {
    auto name = pattern(prefix);
    const int fd = ::mkstemp(name.data());  // O_EXCL, mode 0600
    if (fd < 0) return {};
    ::close(fd);
    return name.data();
}

std::string makeTempFile(const std::string& prefix, const std::string& suffix) {
    const std::string p = tempFolder() + prefix + "XXXXXX" + suffix;
    std::vector<char> name(p.c_str(), p.c_str() + p.size() + 1);
    const int fd = ::mkstemps(name.data(), static_cast<int>(suffix.size()));
    if (fd < 0) return {};
    ::close(fd);
    return name.data();
}

std::string makeTempFolder(const std::string& prefix) {
    auto name = pattern(prefix);
    if (!::mkdtemp(name.data())) return {};  // mode 0700
    return name.data();
}

void removeTree(const std::string& path) {
    if (path.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(path, ec);  // removes links themselves
}

}  // namespace turnpixa::setup
