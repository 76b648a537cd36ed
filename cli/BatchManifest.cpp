#include "BatchManifest.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <openssl/evp.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <system_error>

#include "web/SaveTarget.h"

namespace turnpixa {

namespace {

constexpr std::string_view kMagic = "turnpixa-set-manifest 1";

std::string fileName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool hasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

template <typename T>
bool number(std::string_view text, T& value) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

// Splits off the first blank-separated word of text.
std::string_view word(std::string_view& text) {
    const std::size_t blank = text.find(' ');
    const std::string_view first = text.substr(0, blank);
    text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    return first;
}

// "image_000.jpg", "image_1234.webp": a frame, whatever its format.
bool isFrameName(const std::string& name) {
    const std::size_t dot = name.find('.');
    if (name.rfind("image_", 0) != 0 || dot == std::string::npos || dot < 9 ||
        dot + 1 == name.size())
        return false;
    return name.find_first_not_of("0123456789", 6) == dot;
}

std::string sha256Of(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> digest(EVP_MD_CTX_new(),
                                                                   EVP_MD_CTX_free);
    bool ok = digest && EVP_DigestInit_ex(digest.get(), EVP_sha256(), nullptr) == 1;
    std::vector<unsigned char> buffer(1 << 16);
    while (ok) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = EVP_DigestUpdate(digest.get(), buffer.data(), static_cast<std::size_t>(n)) == 1;
    }
    ::close(fd);
    unsigned char sum[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!ok || EVP_DigestFinal_ex(digest.get(), sum, &length) != 1) return {};
    static const char hex[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < length; ++i) {
        text += hex[sum[i] >> 4];
        text += hex[sum[i] & 15];
    }
    return text;
}

}  // namespace

std::string SetManifest::text() const {
    std::string t = std::string(kMagic) + "\nversion " + version + "\n";
    bool safe = !hasLineBreak(version);
    for (const std::string& o : options) {
        t += "option " + o + "\n";
        safe = safe && !hasLineBreak(o);
    }
    for (const Photo& p : photos) {
        if (p.present)
            t += "photo " + std::to_string(p.size) + " " + std::to_string(p.modifiedNs) + " " +
                 p.sha256 + " " + p.path + "\n";
        else
            t += "missing " + p.path + "\n";
        safe = safe && !hasLineBreak(p.path);
    }
    t += "frames " + std::to_string(frames) + "\n";
    for (const Output& o : outputs) {
        t += "file " + std::to_string(o.size) + " " + o.path + "\n";
        safe = safe && !hasLineBreak(o.path);
    }
    t += "end\n";
    return safe ? t : std::string();
}

bool SetManifest::parse(std::string_view text, SetManifest& m) {
    m = SetManifest{};
    bool magic = false, ended = false;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos || ended) return false;  // cut short, or more
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline + 1);
        if (!magic) {
            if (line != kMagic) return false;
            magic = true;
            continue;
        }
        const std::string_view key = word(line);
        if (key == "version") {
            m.version = line;
        } else if (key == "option") {
            m.options.emplace_back(line);
        } else if (key == "photo") {
            Photo p;
            p.present = true;
            if (!number(word(line), p.size) || !number(word(line), p.modifiedNs)) return false;
            p.sha256 = word(line);
            p.path = line;
            m.photos.push_back(std::move(p));
        } else if (key == "missing") {
            m.photos.push_back({std::string(line), false, 0, 0, {}});
        } else if (key == "frames") {
            if (!number(line, m.frames)) return false;
        } else if (key == "file") {
            Output o;
            if (!number(word(line), o.size)) return false;
            o.path = line;
            m.outputs.push_back(std::move(o));
        } else if (key == "end") {
            ended = true;
        } else {
            return false;
        }
    }
    return ended;
}

std::string manifestPath(const std::string& pagePath) {
    const SaveTarget target = SaveTarget::fromChosenPath(pagePath);
    return target.outputFolder() + target.frameFolderName() + ".manifest";
}

std::string photoName(const std::string& photo, const std::string& pagePath) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path folder =
        fs::absolute(SaveTarget::fromChosenPath(pagePath).outputFolder(), error);
    const fs::path file = fs::absolute(photo, error);
    if (error) return photo;
    const fs::path relative = file.lexically_normal().lexically_relative(folder.lexically_normal());
    return relative.empty() ? photo : relative.string();
}

SetManifest::Photo stampPhoto(const std::string& path, bool hash) {
    SetManifest::Photo p;
    p.path = path;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return p;
    p.present = true;
    p.size = static_cast<std::uint64_t>(info.st_size);
    p.modifiedNs =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    if (hash) {
        p.sha256 = sha256Of(path);
        p.present = !p.sha256.empty();
    }
    return p;
}

bool stampOutputs(const std::string& pagePath, std::vector<SetManifest::Output>& outputs,
                  std::uint64_t& bytes, int& frames) {
    namespace fs = std::filesystem;
    outputs.clear();
    bytes = 0;
    frames = 0;
    const SaveTarget target = SaveTarget::fromChosenPath(pagePath);
    std::error_code error;
    const auto pageSize = fs::file_size(target.pagePath(), error);
    if (error) return false;
    outputs.push_back({target.pageFileName(), pageSize});
    bytes += pageSize;
    const fs::path folder = target.outputFolder() + target.frameFolderName();
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error)) continue;
        const auto size = it->file_size(error);
        if (error) return false;
        const std::string relative =
            target.frameFolderName() + "/" + it->path().lexically_relative(folder).string();
        outputs.push_back({relative, size});
        bytes += size;
        if (it.depth() == 0 && isFrameName(it->path().filename().string())) ++frames;
    }
    // The script beside the page is every page's there, not the set's own.
    return !error;
}

bool setIsCurrent(SetManifest& recorded, const std::string& version,
                  const std::vector<std::string>& options, const std::vector<std::string>& photos,
                  const std::string& pagePath, bool& refreshed) {
    refreshed = false;
    if (recorded.version != version || recorded.options != options ||
        recorded.photos.size() != photos.size())
        return false;
    for (std::size_t i = 0; i < photos.size(); ++i) {
        SetManifest::Photo& was = recorded.photos[i];
        if (was.path != photoName(photos[i], pagePath)) return false;
        const SetManifest::Photo now = stampPhoto(photos[i], false);
        if (now.present != was.present) return false;
        if (!now.present || (now.size == was.size && now.modifiedNs == was.modifiedNs)) continue;
        if (now.size != was.size) return false;
        // Touched: the content decides.
        SetManifest::Photo hashed = stampPhoto(photos[i], true);
        if (hashed.sha256 != was.sha256) return false;
        hashed.path = was.path;
        was = hashed;
        refreshed = true;
    }
    const std::string folder = SaveTarget::fromChosenPath(pagePath).outputFolder();
    for (const SetManifest::Output& o : recorded.outputs) {
        struct stat info {};
        if (::stat((folder + o.path).c_str(), &info) != 0 ||
            static_cast<std::uint64_t>(info.st_size) != o.size)
            return false;
    }
    return !recorded.outputs.empty() && fileName(recorded.outputs.front().path) ==
                                            SaveTarget::fromChosenPath(pagePath).pageFileName();
}

void removeLeftovers(const std::string& pagePath) {
    constexpr std::time_t kQuiet = 600;
    const SaveTarget target = SaveTarget::fromChosenPath(pagePath);
    const std::string folder = target.outputFolder();
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> stale;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        std::string_view name = entry->d_name;
        bool ours = false;
        for (const std::string& prefix :
             {"." + target.frameFolderName() + ".", "." + target.pageFileName() + "."})
            if (name.substr(0, prefix.size()) == prefix) {
                name.remove_prefix(prefix.size());
                ours = true;
                break;
            }
        if (!ours) continue;
        for (std::string_view step : {"old-", "undo-"})
            if (name.substr(0, step.size()) == step) name.remove_prefix(step.size());
        long pid = 0;
        const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), pid);
        if (ec != std::errc() || end == name.data() + name.size() || *end != '-' || pid <= 0)
            continue;
        struct stat info {};
        const std::string path = folder + entry->d_name;
        if (::lstat(path.c_str(), &info) != 0 || now - info.st_mtime < kQuiet) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        stale.push_back(path);
    }
    ::closedir(dir);
    for (const std::string& path : stale) {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
}

bool writeManifest(const std::string& path, const std::string& text, std::string& reason) {
    const std::string temporary = path + ".new-" + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    bool ok = fd >= 0;
    std::size_t done = 0;
    while (ok && done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    const int code = errno;
    if (fd >= 0 && ::close(fd) != 0) ok = false;
    if (ok && ::rename(temporary.c_str(), path.c_str()) == 0) return true;
    reason = "Could not write " + path + ": " + std::strerror(ok ? errno : code);
    ::unlink(temporary.c_str());
    return false;
}

}  // namespace turnpixa
