#include "installer/UninstallRecord.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "installer/Folders.h"
#include "installer/ProcessRunner.h"
#include "installer/Script.h"
#include "installer/TempFiles.h"
#include "installer/TextEncoding.h"

namespace turnpixa::setup {

namespace {

// Writes beside the target and renames over it, replacing what is there
// (also a running uninstaller).
bool replaceFile(const std::string& target, const std::string& bytes, unsigned mode) {
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    const bool written =
        ::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size()) && ::fchmod(fd, mode) == 0;
    if (::close(fd) != 0 || !written || std::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::string uninstallerPath(const Folders& folders) {
    return folders.dataFolder + "/BriskUninstall.exe";
}

std::string uninstallRecordPath(const Folders& folders, const std::string& projectName) {
    return folders.dataFolder + "/BriskUninstall-" + projectName + ".dat";
}

std::string uninstallRecordText(const std::string& script, const std::string& destination) {
    const auto lines = splitLines(textAsUtf8(script));
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool destinationLine = i > 0 && lines[i - 1] == "[Install To]";
        out += (destinationLine ? destination : lines[i]) + "\r\n";
    }
    return out;
}

void writeUninstallRecord(InstallContext& ctx) {
    auto& s = ctx.state;
    if (!s.writeUninstallRecord || s.uninstallRecordWritten.exchange(true)) return;
    if (!makeFolders(ctx.folders.dataFolder)) return;

    const std::string stub = makeTempFile("Ins");
    if (!stub.empty() && ctx.package.copyStub(stub))
        replaceFile(uninstallerPath(ctx.folders), readWhole(stub), 0755);
    removeTree(stub);

    const std::string record = uninstallRecordPath(ctx.folders, s.projectName);
    if (!replaceFile(record, uninstallRecordText(readWhole(ctx.scriptFile()), s.destination), 0644))
        std::fprintf(stderr, "setup-turnpixa: cannot write %s\n", record.c_str());
    const std::string banner = ctx.unpackFolder() + "/setup.bmp";
    struct stat st {};
    if (::stat(banner.c_str(), &st) == 0)
        replaceFile(record.substr(0, record.size() - 4) + ".bmp", readWhole(banner), 0644);

    const std::string key = kUninstallKey + s.projectName;
    RegistryValue v;
    v.data = s.projectName;
    ctx.registry.set("HKLM", key, "DisplayName", v);
    v.data = "\"" + uninstallerPath(ctx.folders) + "\" <uninstall>" + record;
    ctx.registry.set("HKLM", key, "UninstallString", v);
    v.data = s.destination;
    ctx.registry.set("HKLM", key, "InstallTo", v);
}

bool offerRemoveExisting(InstallContext& ctx) {
    auto& s = ctx.state;
    if (!s.offerUninstallOld || s.silent) return true;
    const std::string record = uninstallRecordPath(ctx.folders, s.projectName);
    struct stat st {};
    if (::stat(record.c_str(), &st) != 0) return true;

    std::string existing = "[Unknown]";
    const auto lines = splitLines(textAsUtf8(readWhole(record)));
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] == "[ProgramVersion]") {
            existing = lines[i + 1];
            break;
        }
    }
    std::string text = fillIn("Setup has detected an existing version of %s.\n\n", s.projectName);
    if (!s.programVersion.empty())
        text += "  Installing Version: " + s.programVersion + "\n  Existing Version: " + existing +
                "\n\n";
    text += "Uninstall existing before installing new? (Cancel exits and leaves existing version).";
    const Answer a =
        ctx.ui.ask(text, s.projectName, Icon::Question, Buttons::YesNoCancel, Answer::Cancel);
    if (a == Answer::Cancel) {
        s.cancel = true;
        s.done = true;
        return false;
    }
    if (a != Answer::Yes) return true;
    // The uninstaller is a separate process; waiting for its end is enough
    // here, its files are closed by then.
    std::string reason;
    if (!runProgram(uninstallerPath(ctx.folders), {"<Silent>", "<uninstall>" + record}, true,
                    reason))
        std::fprintf(stderr, "setup-turnpixa: removing the existing version: %s\n", reason.c_str());
    if (s.cancel) {
        s.done = true;
        return false;
    }
    return true;
}

}  // namespace turnpixa::setup
