#include "SetStaging.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace turnpixa {
namespace {

// pid, a counter and a random number: unique among this process's saves and
// among processes, also across a pid reused after a crash.
std::string uniqueSuffix() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    char text[64];
    std::snprintf(text, sizeof text, "%ld-%u-%08x", static_cast<long>(::getpid()), ++counter,
                  seed ^ (counter.load() * 2654435761u));
    return text;
}

// "folder/name" -> "folder/.name."; the new name stays in the same folder
// (one file system, so renames are atomic) and hidden.
std::string hiddenSibling(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + ".";
}

std::string errorText(int code) {
    return std::strerror(code);
}

void removeTree(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

// Names the set's own writer makes in the frame folder; other files stay.
bool isFrameName(const std::string& name) {
    std::string stem = name;
    for (const std::string ext : {".jpg", ".png", ".webp"})
        if (stem.size() > ext.size() &&
            stem.compare(stem.size() - ext.size(), ext.size(), ext) == 0)
            stem.resize(stem.size() - ext.size());
    if (stem.size() == name.size()) return false;
    if (stem == "image") return true;
    if (stem.rfind("image_", 0) != 0 || stem.size() < 9) return false;
    return stem.find_first_not_of("0123456789", 6) == std::string::npos;
}

// Swaps two paths in one step; false with errno when the file system cannot.
bool exchange(const std::string& a, const std::string& b) {
    return ::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0;
}

}  // namespace

SetStaging::SetStaging(SaveTarget target, StreamOpener opener)
    : target_(std::move(target)), opener_(std::move(opener)) {
    folder_ = target_.frameFolderPath();
    if (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
}

SetStaging::~SetStaging() {
    if (!committed_ && folderSwapped_) undoFolder();
    if (!staging_.empty()) removeTree(staging_);
    for (const Temp* t : {&script_, &page_, &scriptBackup_})
        if (t->live) ::unlink(t->path.c_str());
}

bool SetStaging::begin(std::uint64_t bytesNeeded, std::string& reason) {
    const std::string& folder = target_.outputFolder();
    struct statvfs fs {};
    if (::statvfs(folder.c_str(), &fs) == 0 && fs.f_frsize > 0) {
        const std::uint64_t free = static_cast<std::uint64_t>(fs.f_bavail) * fs.f_frsize;
        if (free < bytesNeeded) {
            char text[160];
            std::snprintf(text, sizeof text,
                          ": the set needs at least %.1f MB and %.1f MB are free.",
                          static_cast<double>(bytesNeeded) / 1e6, static_cast<double>(free) / 1e6);
            reason = "There is not enough space in " + folder + text;
            return false;
        }
    }
    struct stat info {};
    if (::lstat(folder_.c_str(), &info) == 0 && !S_ISDIR(info.st_mode)) {
        reason = "Could not create the folder " + target_.frameFolderPath() +
                 ": a file of that name is in the way";
        return false;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = hiddenSibling(folder_) + uniqueSuffix();
        if (::mkdir(name.c_str(), 0777) == 0) {
            staging_ = name;
            return true;
        }
        if (errno != EEXIST) break;
    }
    reason = "Could not create the folder " + target_.frameFolderPath() + ": " + errorText(errno);
    return false;
}

bool SetStaging::writeFile(const std::string& path, const std::string& shownPath, const Fill& fill,
                           std::string& reason, bool* created) {
    // Made here, never over anything: the path is this save's own.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        reason = "Could not write " + shownPath + ": " + errorText(errno);
        return false;
    }
    if (created) *created = true;
    std::FILE* stream = opener_ ? opener_(fd) : ::fdopen(fd, "wb");
    if (!stream) {
        reason = "Could not write " + shownPath + ": " + errorText(errno);
        ::close(fd);
        return false;
    }
    BufferedFile file(BufferedFile::kDefaultBufferSize);
    file.attach(stream, true);
    const bool filled = fill(file);
    const bool closed = file.close();
    if (filled && closed) return true;
    reason = "Could not write " + shownPath + ": " +
             (file.error().empty() ? std::string("the data could not be encoded") : file.error());
    return false;
}

bool SetStaging::stageFrameFile(const std::string& name, const Fill& fill, std::string& reason) {
    if (staging_.empty()) {
        reason = "Could not write " + target_.frameFolderPath() + name + ": nothing is staged";
        return false;
    }
    const std::size_t slash = name.find('/');
    if (slash != std::string::npos) {
        const std::string sub = staging_ + "/" + name.substr(0, slash);
        if (::mkdir(sub.c_str(), 0777) != 0 && errno != EEXIST) {
            reason = "Could not create the folder " + target_.frameFolderPath() +
                     name.substr(0, slash + 1) + ": " + errorText(errno);
            return false;
        }
    }
    return writeFile(staging_ + "/" + name, target_.frameFolderPath() + name, fill, reason);
}

bool SetStaging::makeTemp(const std::string& finalPath, Temp& temp, std::string& reason) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp.path = hiddenSibling(finalPath) + uniqueSuffix();
        struct stat info {};
        if (::lstat(temp.path.c_str(), &info) != 0 && errno == ENOENT) return true;
    }
    reason = "Could not write " + finalPath + ": no free temporary name";
    return false;
}

bool SetStaging::stageText(const std::string& text, const std::string& finalPath, Temp& temp,
                           std::string& reason) {
    if (!makeTemp(finalPath, temp, reason)) return false;
    // Once made, the destructor removes it again unless it was swapped in.
    return writeFile(
        temp.path, finalPath,
        [&](BufferedFile& file) { return file.write(text.data(), text.size()); }, reason,
        &temp.live);
}

bool SetStaging::stageScript(const std::string& text, std::string& reason) {
    return stageText(text, target_.scriptPath(), script_, reason);
}

bool SetStaging::stagePage(const std::string& text, std::string& reason) {
    return stageText(text, target_.pagePath(), page_, reason);
}

// Other files of the old frame folder are linked into the new one before the
// swap (the old folder keeps them too until it goes); sub-folders move after.
bool SetStaging::keepOtherFiles(std::string& reason) {
    DIR* dir = ::opendir(folder_.c_str());
    if (!dir) return true;  // no old folder
    bool ok = true;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || isFrameName(name)) continue;
        const std::string from = folder_ + "/" + name;
        struct stat info {};
        if (::lstat(from.c_str(), &info) != 0) continue;
        if (S_ISDIR(info.st_mode)) {
            // The large frames belong to the set: the new one brings its own or none.
            if (name != SaveTarget::kZoomFolder) movedFolders_.push_back(name);
            continue;
        }
        // A file this save made under the same name (an animation) wins.
        if (::link(from.c_str(), (staging_ + "/" + name).c_str()) != 0 && errno != EEXIST) {
            reason = "Could not keep " + from + " in the new frame folder: " + errorText(errno);
            ok = false;
            break;
        }
    }
    ::closedir(dir);
    return ok;
}

bool SetStaging::swapFolder(std::string& reason) {
    struct stat info {};
    hadFolder_ = ::lstat(folder_.c_str(), &info) == 0;
    if (!hadFolder_) {
        if (::rename(staging_.c_str(), folder_.c_str()) != 0) {
            reason = "Could not put the frame folder " + target_.frameFolderPath() +
                     " in place: " + errorText(errno);
            return false;
        }
        staging_.clear();
        folderSwapped_ = true;
        return true;
    }
    if (exchange(staging_, folder_)) {
        oldFolder_ = staging_;
    } else {
        // A file system without the exchange: two renames, undone on failure.
        const int code = errno;
        const std::string aside = hiddenSibling(folder_) + "old-" + uniqueSuffix();
        if ((code != EINVAL && code != ENOSYS && code != ENOTSUP) ||
            ::rename(folder_.c_str(), aside.c_str()) != 0) {
            reason = "Could not replace the frame folder " + target_.frameFolderPath() + ": " +
                     errorText(code);
            return false;
        }
        if (::rename(staging_.c_str(), folder_.c_str()) != 0) {
            reason = "Could not replace the frame folder " + target_.frameFolderPath() + ": " +
                     errorText(errno);
            ::rename(aside.c_str(), folder_.c_str());
            return false;
        }
        oldFolder_ = aside;
    }
    staging_.clear();
    folderSwapped_ = true;
    for (const std::string& name : movedFolders_)
        if (::rename((oldFolder_ + "/" + name).c_str(), (folder_ + "/" + name).c_str()) != 0) {
            reason = "Could not keep " + target_.frameFolderPath() + name +
                     " in the new frame folder: " + errorText(errno);
            return false;
        }
    return true;
}

// Puts the old frame folder (or none) back; the new one goes to staging for
// the destructor to remove.
void SetStaging::undoFolder() {
    for (const std::string& name : movedFolders_)
        ::rename((folder_ + "/" + name).c_str(), (oldFolder_ + "/" + name).c_str());
    staging_ = hiddenSibling(folder_) + "undo-" + uniqueSuffix();
    if (!hadFolder_) {
        if (::rename(folder_.c_str(), staging_.c_str()) != 0) staging_.clear();
    } else if (exchange(oldFolder_, folder_)) {
        staging_ = oldFolder_;
    } else if (::rename(folder_.c_str(), staging_.c_str()) == 0) {
        ::rename(oldFolder_.c_str(), folder_.c_str());
    } else {
        staging_.clear();
    }
    oldFolder_.clear();
    folderSwapped_ = false;
}

bool SetStaging::commit(std::string& reason) {
    if (staging_.empty() || !script_.live || !page_.live) {
        reason = "Could not write " + target_.pagePath() + ": the set is not complete";
        return false;
    }
    if (!keepOtherFiles(reason)) return false;
    if (!swapFolder(reason)) {
        if (folderSwapped_) undoFolder();
        return false;
    }

    // The shared script: any other save's page works with this one, so it is
    // simply replaced; a copy of the old one is kept until the page is in.
    const std::string script = target_.scriptPath();
    if (makeTemp(script, scriptBackup_, reason) &&
        ::link(script.c_str(), scriptBackup_.path.c_str()) == 0)
        scriptBackup_.live = true;
    struct stat newScript {};
    ::stat(script_.path.c_str(), &newScript);
    if (::rename(script_.path.c_str(), script.c_str()) != 0) {
        reason = "Could not write " + script + ": " + errorText(errno);
        undoFolder();
        return false;
    }
    script_.live = false;

    if (::rename(page_.path.c_str(), target_.pagePath().c_str()) != 0) {
        reason = "Could not write " + target_.pagePath() + ": " + errorText(errno);
        if (scriptBackup_.live) {
            if (::rename(scriptBackup_.path.c_str(), script.c_str()) == 0)
                scriptBackup_.live = false;
        } else {
            // There was none: take ours away unless another save's is there now.
            struct stat now {};
            if (::stat(script.c_str(), &now) == 0 && now.st_ino == newScript.st_ino &&
                now.st_dev == newScript.st_dev)
                ::unlink(script.c_str());
        }
        undoFolder();
        return false;
    }
    page_.live = false;
    committed_ = true;
    folderSwapped_ = false;
    if (!oldFolder_.empty()) removeTree(oldFolder_);
    return true;
}

}  // namespace turnpixa
