#include "ReplaceFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>

namespace turnpixa {

namespace {

// "folder/name" -> "folder/.name.<pid>-<n>-<random>": hidden, in the same
// folder (so that the rename is atomic) and never taken by another writer.
std::string tempSibling(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    char suffix[64];
    const unsigned n = ++counter;
    std::snprintf(suffix, sizeof suffix, ".%ld-%u-%08x", static_cast<long>(::getpid()), n,
                  seed ^ (n * 2654435761u));
    return path.substr(0, nameStart) + "." + path.substr(nameStart) + suffix;
}

}  // namespace

bool replaceFileWith(const std::string& path, const std::vector<std::uint8_t>& bytes,
                     std::string& reason, const FileStreamOpener& opener) {
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = tempSibling(path);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        reason = "Could not write " + path + ": " + std::strerror(errno);
        return false;
    }
    std::FILE* stream = opener ? opener(fd) : ::fdopen(fd, "wb");
    if (!stream) {
        reason = "Could not write " + path + ": " + std::strerror(errno);
        ::close(fd);
        ::unlink(temp.c_str());
        return false;
    }
    const auto failed = [&](const char* what) {
        reason = "Could not write " + path + ": " + (errno ? std::strerror(errno) : what);
        return false;
    };
    bool ok = true;
    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size())
        ok = failed("write failed");
    errno = 0;
    if (ok && std::fflush(stream) != 0) ok = failed("write failed");
    // On the disk before it takes the old file's name.
    errno = 0;
    if (ok && ::fsync(fd) != 0) ok = failed("flush failed");
    errno = 0;
    if (std::fclose(stream) != 0 && ok) ok = failed("close failed");
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        reason = "Could not write " + path + ": " + std::strerror(errno);
        ok = false;
    }
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace turnpixa
