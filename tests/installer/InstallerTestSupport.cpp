#include "tests/installer/InstallerTestSupport.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "installer/LzmaAlone.h"
#include "installer/Package.h"
#include "installer/PackageFormat.h"

namespace turnpixa::setup::test {

TempFolder::TempFolder() {
    std::string name = std::filesystem::temp_directory_path().string() + "/setup-test-XXXXXX";
    path_ = ::mkdtemp(name.data()) ? name : "";
    ::chmod(path_.c_str(), 0755);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

Folders foldersIn(const TempFolder& t) {
    Folders f;
    f.home = t / "home";
    f.dataFolder = t / "home/data/BriskInstaller";
    f.programFiles = t / "home/opt";
    f.startPrograms = t / "home/data/applications";
    f.startup = t / "home/config/autostart";
    f.desktop = t / "home/Desktop";
    f.documents = t / "home/Documents";
    f.appData = t / "home/data";
    f.programLinks = t / "home/bin";
    return f;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string buildPackage(const std::string& stub,
                         const std::vector<std::pair<std::string, std::string>>& entries) {
    TempFolder t;
    writeFile(t / "p", stub);
    SilentUi ui;
    Package p(ui);
    p.open(t / "p", true);
    for (const auto& [name, data] : entries) {
        std::string block, reason;
        if (!lzmaEncode(data, block, reason) ||
            !p.add(name, block, static_cast<std::uint32_t>(data.size()), reason))
            return {};
    }
    p.close();
    return readFile(t / "p");
}

void reseal(std::string& package) {
    auto* raw = reinterpret_cast<unsigned char*>(package.data());
    unsigned char* trailer = raw + package.size() - format::kTrailerSize;
    format::putU32(trailer + 4, format::trailerSum(trailer));
    std::uint32_t sum = 0;
    const std::size_t end = package.size() - format::kTrailerSize;
    for (std::size_t at = 0; at < end; at += format::kChecksumBlock)
        sum = format::addChecksumBlock(sum, raw + at, std::min(format::kChecksumBlock, end - at));
    format::putU32(trailer, sum == 0 ? 1 : sum);
}

void giveToUser(const std::string& path) {
    if (::geteuid() != 0) return;
    for (const auto& e : std::filesystem::recursive_directory_iterator(path))
        ::lchown(e.path().c_str(), 65534, 65534);
    ::lchown(path.c_str(), 65534, 65534);
}

RunResult installAsUser(const TempFolder& t, const std::string& pkg) {
    ::mkdir((t / "home").c_str(), 0755);
    ::mkdir((t / "tmp").c_str(), 0755);
    writeFile(t / "home/setup", pkg);
    ::chmod((t / "home/setup").c_str(), 0755);
    giveToUser(t / "home");
    giveToUser(t / "tmp");
    return runAsUser({t / "home/setup", "--silent"},
                     {{"HOME", t / "home"}, {"TMPDIR", t / "tmp"}, {"PATH", "/usr/bin:/bin"}});
}

std::set<std::string> userEntriesInSharedFolders() {
    const uid_t user = ::geteuid() == 0 ? 65534 : ::geteuid();
    std::set<std::string> found;
    for (const char* folder : {"/tmp", "/var/tmp", "/dev/shm"}) {
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
            // Only the installer's own names: other programs of that user
            // may be at work there too.
            const std::string name = e.path().filename().string();
            const bool ours = name.rfind("Ins", 0) == 0 || name.rfind("Ext", 0) == 0 ||
                              name.rfind("BKI", 0) == 0 || name.rfind("Brisk", 0) == 0;
            struct stat st {};
            if (ours && ::lstat(e.path().c_str(), &st) == 0 && st.st_uid == user)
                found.insert(e.path().string());
        }
    }
    return found;
}

RunResult runAsUser(const std::vector<std::string>& argv,
                    const std::map<std::string, std::string>& env) {
    std::vector<std::string> args;
    if (::geteuid() == 0)
        args = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    args.insert(args.end(), argv.begin(), argv.end());
    std::vector<std::string> envs;
    for (const auto& [k, v] : env) envs.push_back(k + "=" + v);
    for (const char* keep : {"ASAN_OPTIONS", "UBSAN_OPTIONS"})
        if (const char* v = std::getenv(keep)) envs.push_back(std::string(keep) + "=" + v);
    std::vector<char*> a, e;
    for (auto& s : args) a.push_back(s.data());
    for (auto& s : envs) e.push_back(s.data());
    a.push_back(nullptr);
    e.push_back(nullptr);

    int pipeFds[2];
    RunResult r;
    if (::pipe(pipeFds) != 0) return r;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], 2);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ::chdir("/");
        ::execve(a[0], a.data(), e.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    char buf[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;)
        r.errors.append(buf, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return r;
}

}  // namespace turnpixa::setup::test
