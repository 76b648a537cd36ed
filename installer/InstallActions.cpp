#include "installer/InstallActions.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "installer/DesktopLink.h"
#include "installer/FileVersion.h"
#include "installer/Folders.h"
#include "installer/PendingMoves.h"
#include "installer/ProcessRunner.h"
#include "installer/TempFiles.h"

namespace turnpixa::setup {

namespace {

bool endsWithNoCase(const std::string& s, const std::string& tail) {
    if (s.size() < tail.size()) return false;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char c = s[s.size() - tail.size() + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != tail[i]) return false;
    }
    return true;
}

std::string firstBytes(const std::string& path) {
    char buf[4] = {};
    std::ifstream in(path, std::ios::binary);
    in.read(buf, sizeof buf);
    return std::string(buf, static_cast<std::size_t>(in.gcount()));
}

// A program that gets an application path: ".exe", or executable with no
// extension (so that libraries beside it get none).
bool isProgram(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (endsWithNoCase(path, ".exe")) return true;
    return (st.st_mode & S_IXUSR) && fileNameOf(path).find('.') == std::string::npos;
}

bool copyInto(int out, const std::string& from) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    char buf[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(in, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        for (ssize_t done = 0; ok && done < n;) {
            const ssize_t w = ::write(out, buf + done, static_cast<std::size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            ok = w > 0;
            done += w > 0 ? w : 0;
        }
        if (!ok) break;
    }
    ::close(in);
    return ok;
}

enum class Replace { Done, InUse, Failed };

// Writes `from` beside `dest` and renames it over dest, which works while
// dest runs. InUse leaves the written copy in `staged`.
Replace replaceByRename(const std::string& from, const std::string& dest, unsigned mode,
                        std::string& staged, int& error) {
    staged = dest + ".brisk-XXXXXX";
    const int fd = ::mkstemp(staged.data());
    if (fd < 0) {
        error = errno;
        staged.clear();
        return Replace::Failed;
    }
    bool ok = copyInto(fd, from) && ::fchmod(fd, mode) == 0;
    if (!ok) error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(staged.c_str(), dest.c_str()) == 0) return Replace::Done;
    if (ok) error = errno;
    if (ok && (error == EBUSY || error == ETXTBSY)) return Replace::InUse;
    ::unlink(staged.c_str());
    staged.clear();
    return Replace::Failed;
}

}  // namespace

unsigned fileModeFor(const std::string& name, const std::string& first) {
    if (first.compare(0, 4,
                      "\x7F"
                      "ELF") == 0 ||
        first.compare(0, 2, "#!") == 0 || endsWithNoCase(name, ".exe"))
        return 0755;
    return 0644;
}

CopyResult copyFile(InstallContext& ctx, const std::string& entryText,
                    const std::string& destText) {
    const std::string entry = ctx.expand(entryText);
    const std::string dest = ctx.fileSystemPath(destText);
    const auto refuse = [&](const std::string& why) {
        ctx.state.failure = why;
        ctx.ui.message(fillIn(ctx.text(20), entry), ctx.caption(), Icon::Error);
        return CopyResult::Cancel;
    };
    if (dest.size() < 2 || dest[0] != '/' || dest.back() == '/')
        return refuse("destination '" + dest + "' is not a full file path");
    makeFolders(parentOf(dest));
    const std::string temp = makeTempFile("Ins");
    if (temp.empty() || !ctx.package.extract(entry, temp)) {
        removeTree(temp);
        return refuse("entry '" + entry + "' cannot be extracted");
    }
    const FileVersion existing = readFileVersion(dest);
    const FileVersion fresh = readFileVersion(temp);
    if (fresh < existing) {
        ::unlink(temp.c_str());
        return CopyResult::Kept;
    }
    const unsigned mode = fileModeFor(dest, firstBytes(temp));
    CopyResult result = CopyResult::Copied;
    for (;;) {
        std::string staged;
        int error = 0;
        const Replace r = replaceByRename(temp, dest, mode, staged, error);
        if (r == Replace::Done) break;
        if (r == Replace::InUse) {
            if (existing.isZero() || existing != fresh) {
                recordPendingMove(ctx.folders.dataFolder, staged, dest);
                ctx.state.restartNeeded = true;
                result = CopyResult::Scheduled;
            } else {
                ::unlink(staged.c_str());
                result = CopyResult::Kept;
            }
            break;
        }
        const Answer a = ctx.ui.ask(fillIn(ctx.text(15), dest), ctx.caption(), Icon::Error,
                                    Buttons::RetryCancel, Answer::Cancel);
        if (a != Answer::Retry) {
            ctx.state.failure = "cannot write '" + dest + "': " + std::strerror(error);
            ::unlink(temp.c_str());
            return CopyResult::Cancel;
        }
    }
    if (result == CopyResult::Copied && wantsSelfRegistration(dest))
        ctx.state.libraries.push_back(dest);
    ::unlink(temp.c_str());
    return result;
}

bool createShortcut(InstallContext& ctx, const std::string& target, const std::string& shortcut,
                    const std::string& arguments) {
    const std::string shortcutPath = ctx.fileSystemPath(shortcut);
    if (shortcutPath.empty() || shortcutPath[0] != '/') return false;
    DesktopLink link;
    link.target = ctx.fileSystemPath(target);
    link.arguments = ctx.expand(arguments);
    link.workFolder = parentOf(link.target);
    link.name = fileNameOf(shortcutPath);
    if (endsWithNoCase(link.name, ".lnk")) link.name.resize(link.name.size() - 4);
    return writeDesktopLink(desktopFileName(shortcutPath), link);
}

RunOutcome runFile(InstallContext& ctx, const std::string& pathText, const std::string& parameters,
                   bool wait) {
    std::string path = pathText;
    std::string extracted;
    const std::string token = "<TempInstall>";
    if (const auto at = pathText.find(token); at != std::string::npos) {
        std::string entry = pathText.substr(at + token.size());
        if (!entry.empty() && entry[0] == '\\') entry.erase(0, 1);
        // The extension is kept so that the file opens as what it is; only
        // plain characters, so it cannot lead out of the temporary folder.
        std::string ext = ".";
        if (const auto dot = entry.find_last_of('.');
            dot != std::string::npos && entry.find_first_of("/\\", dot) == std::string::npos) {
            ext = entry.substr(dot);
            for (char c : ext.substr(1))
                if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-') ext = ".";
        }
        extracted = makeTempFile("Ins", ext);
        if (extracted.empty() || !ctx.package.extract(entry, extracted)) {
            removeTree(extracted);
            ctx.ui.message(fillIn(ctx.text(20), entry), ctx.caption(), Icon::Error);
            return {};
        }
        ::chmod(extracted.c_str(), 0700);
        path = extracted;
    } else {
        path = ctx.fileSystemPath(pathText);
    }
    const std::string params = ctx.expand(parameters);
    struct stat st {};
    const bool program =
        endsWithNoCase(path, ".exe") || !params.empty() ||
        (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR));
    std::string reason;
    RunOutcome run;
    int pid = 0;
    run.started =
        program ? startProgram(path, splitParameters(params), wait, run.exitStatus, pid, reason)
                : startProgram("xdg-open", {path}, wait, run.exitStatus, pid, reason);
    // A document that no viewer could open is what cannot be started; a
    // program that ran and failed has said so itself.
    if (run.started && !program && run.exitStatus != 0) {
        run.started = false;
        reason = "xdg-open ended with exit status " + std::to_string(run.exitStatus);
    }
    if (!run.started) {
        ctx.ui.message(fillIn(ctx.text(21), path), ctx.caption(), Icon::Error);
        std::fprintf(stderr, "%s: %s\n", path.c_str(), reason.c_str());
    } else if (run.exitStatus != 0) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(),
                     run.exitStatus > 0 ? ("exit status " + std::to_string(run.exitStatus)).c_str()
                                        : "ended by a signal");
    }
    if (!extracted.empty()) {
        // A script's shell or a document's viewer opens the file only after
        // the start; a viewer may read it long after xdg-open has ended.
        if (!run.started || (program && wait))
            ::unlink(extracted.c_str());
        else
            ctx.keepUntilEnd(extracted, program ? pid : 0);
    }
    return run;
}

void registerApplicationPath(InstallContext& ctx, const std::string& destination) {
    if (!isProgram(destination)) return;
    const std::string name = fileNameOf(destination);
    const std::string key = std::string(kCurrentVersionKey) + "\\App Paths\\" + name;
    RegistryValue v;
    v.data = destination;
    ctx.registry.set("HKLM", key, "", v);
    v.data = parentOf(destination) + "/";
    ctx.registry.set("HKLM", key, "Path", v);

    if (!makeFolders(ctx.folders.programLinks)) return;
    const std::string link = ctx.folders.programLinks + "/" + name;
    struct stat st {};
    if (::lstat(link.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) return;  // never replace a real file of the user's
        ::unlink(link.c_str());
    }
    ::symlink(destination.c_str(), link.c_str());
}

void registerLibraries(InstallContext& ctx) {
    for (const auto& library : ctx.state.libraries) {
        void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) continue;
        using Register = long (*)();
        if (auto* fn = reinterpret_cast<Register>(::dlsym(handle, "DllRegisterServer"))) fn();
        ::dlclose(handle);
    }
    ctx.state.libraries.clear();
}

Step actionSetText(InstallContext& ctx, const ScriptCommand& c) {
    ctx.state.setAction(c.operands[0]);
    return Step::Continue;
}

Step actionCopyFile(InstallContext& ctx, const ScriptCommand& c) {
    auto& s = ctx.state;
    s.setFile(++s.fileNumber, s.copyTotal);
    if (copyFile(ctx, c.operands[0], c.operands[1]) == CopyResult::Cancel) {
        s.cancel = true;
        return Step::Stop;
    }
    registerApplicationPath(ctx, ctx.fileSystemPath(c.operands[1]));
    return Step::Continue;
}

Step actionCreateIcon(InstallContext& ctx, const ScriptCommand& c) {
    std::string caption;
    if (isOptional(c.operands[3], &caption)) {
        if (!ctx.state.silent)
            ctx.state.optionalShortcuts.push_back(
                {c.operands[0], c.operands[1], c.operands[2], caption});
        return Step::Continue;
    }
    createShortcut(ctx, c.operands[0], c.operands[1], c.operands[2]);
    return Step::Continue;
}

Step actionRunFile(InstallContext& ctx, const ScriptCommand& c) {
    const bool wait = c.keyword == Keyword::RunAndWaitFile;
    std::string caption;
    if (isOptional(c.operands[2], &caption)) {
        if (!ctx.state.silent)
            ctx.state.optionalPrograms.push_back({c.operands[0], c.operands[1], caption, wait});
        return Step::Continue;
    }
    runFile(ctx, c.operands[0], c.operands[1], wait);
    return Step::Continue;
}

std::string withLineBreaks(std::string text) {
    for (std::size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1))
        text.replace(at, 2, "\n");
    return text;
}

Icon messageIcon(const std::string& type) {
    return type == "Error"         ? Icon::Error
           : type == "Question"    ? Icon::Question
           : type == "Information" ? Icon::Information
           : type == "Warning"     ? Icon::Warning
                                   : Icon::None;
}

Step actionMessage(InstallContext& ctx, const ScriptCommand& c) {
    if (ctx.state.silent) return Step::Continue;
    const std::string text = withLineBreaks(ctx.expand(c.operands[0]));
    const std::string& type = c.operands[1];
    if (type == "QuestionYesNo") {
        const Answer a =
            ctx.ui.ask(text, ctx.caption(), Icon::Question, Buttons::YesNo, Answer::Yes);
        // "No" ends the script; the installation still counts as complete.
        return a == Answer::Yes ? Step::Continue : Step::Stop;
    }
    ctx.ui.message(text, ctx.caption(), messageIcon(type));
    return Step::Continue;
}

Step actionRegistry(InstallContext& ctx, const ScriptCommand& c) {
    const std::string& root = c.operands[0];
    if (!RegistryStore::isRoot(root)) return Step::Continue;
    const std::string key = ctx.expand(c.operands[1]);
    const std::string& type = c.operands[2];
    RegistryValue v;
    if (type == "DWORD") {
        v.type = RegistryType::Dword;
        v.dword = parseDword(c.operands[4]);
    } else if (type == "BINARY") {
        v.type = RegistryType::Binary;
        const std::string temp = makeTempFile("Ins");
        if (temp.empty() || !ctx.package.extract(c.operands[4], temp)) {
            removeTree(temp);
            ctx.ui.message(fillIn(ctx.text(20), c.operands[4]), ctx.caption(), Icon::Error);
            return Step::Continue;
        }
        v.data = readWhole(temp);
        ::unlink(temp.c_str());
    } else {
        v.data = ctx.expand(c.operands[4]);
    }
    ctx.registry.set(root, key, c.operands[3], v);
    return Step::Continue;
}

}  // namespace turnpixa::setup
