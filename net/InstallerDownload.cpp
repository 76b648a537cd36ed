#include <curl/curl.h>
#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>

#include "UpdateCheck.h"
#include "web/HttpGetText.h"

namespace turnpixa {

namespace {

struct CurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct DigestDeleter {
    void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};

CURL* newHandle(const std::string& address, const DownloadOptions& options) {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    CURL* curl = curl_easy_init();
    if (!curl) return nullptr;
    curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
    // The installer is started as a program: only https, certificates checked.
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!options.caFile.empty()) curl_easy_setopt(curl, CURLOPT_CAINFO, options.caFile.c_str());
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, options.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, std::max(1L, options.stallTimeoutMs / 1000));
    curl_easy_setopt(curl, CURLOPT_REFERER, "TurnPixa");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    return curl;
}

struct SmallBody {
    std::string text;
    size_t cap = 0;
};

size_t keepFirstBytes(char* data, size_t size, size_t count, void* user) {
    auto* b = static_cast<SmallBody*>(user);
    const size_t n = size * count;
    b->text.append(data, std::min(n, b->cap - b->text.size()));
    return b->text.size() < b->cap ? n : 0;  // 0 ends the transfer
}

// GET of a short text: the first cap bytes, then the transfer stops. Empty
// unless the server answered 200.
std::string fetchSmallText(const std::string& address, size_t cap, const DownloadOptions& options,
                           const std::string& referrer) {
    std::unique_ptr<CURL, CurlDeleter> curl(newHandle(address, options));
    if (!curl) return {};
    SmallBody body;
    body.cap = cap;
    curl_easy_setopt(curl.get(), CURLOPT_REFERER, referrer.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT_MS, options.totalTimeoutMs);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, keepFirstBytes);
    const CURLcode code = curl_easy_perform(curl.get());
    long status = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
    const bool cutShort = code == CURLE_WRITE_ERROR && body.text.size() == cap;
    if ((code != CURLE_OK && !cutShort) || status != 200) return {};
    return body.text;
}

// The published checksum: 64 hex digits at the start ("sha256sum" style).
std::string fetchChecksum(const std::string& address, const DownloadOptions& options,
                          std::string& reason) {
    const std::string body = fetchSmallText(address, 64, options, "TurnPixa");
    if (body.size() < 64) {
        reason = "The installer's checksum could not be fetched.";
        return {};
    }
    std::string hex = body.substr(0, 64);
    for (char& c : hex) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            reason = "The installer's published checksum is not readable.";
            return {};
        }
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return hex;
}

struct Transfer {
    int fd = -1;
    EVP_MD_CTX* digest = nullptr;
    std::int64_t received = 0;
    std::int64_t maxBytes = 0;
    bool writeFailed = false;
    bool tooLarge = false;
    bool cancelled = false;
    CURL* curl = nullptr;
    const std::function<bool(std::int64_t, std::int64_t)>* progress = nullptr;
};

size_t writeBody(char* data, size_t size, size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const size_t n = size * count;
    if (t->received + static_cast<std::int64_t>(n) > t->maxBytes) {
        t->tooLarge = true;
        return 0;
    }
    size_t done = 0;
    while (done < n) {
        const ssize_t w = ::write(t->fd, data + done, n - done);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            t->writeFailed = true;
            return 0;
        }
        done += static_cast<size_t>(w);
    }
    EVP_DigestUpdate(t->digest, data, n);
    t->received += static_cast<std::int64_t>(n);
    return n;
}

int reportProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(user);
    if (!*t->progress) return 0;
    curl_off_t length = -1;
    curl_easy_getinfo(t->curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    if (!(*t->progress)(t->received, length)) {
        t->cancelled = true;
        return 1;
    }
    return 0;
}

std::string hexOf(const unsigned char* bytes, unsigned length) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned i = 0; i < length; ++i) {
        hex += digits[bytes[i] >> 4];
        hex += digits[bytes[i] & 15];
    }
    return hex;
}

}  // namespace

std::optional<double> fetchLatestVersion(const std::string& build, const DownloadOptions& options) {
    HttpOptions http;
    http.referrer = "TurnPixa " + build;
    http.connectTimeoutMs = options.connectTimeoutMs;
    http.totalTimeoutMs = options.totalTimeoutMs;
    http.caFile = options.caFile;
    // Only the first five characters count.
    const HttpReply reply = httpGet(versionFileAddress(), 5, http);
    if (!reply.ok) return std::nullopt;
    return parseVersionText(reply.body);
}

DownloadResult downloadInstaller(
    const std::string& address, const std::string& folder,
    const std::function<bool(std::int64_t received, std::int64_t total)>& progress,
    const DownloadOptions& options) {
    DownloadResult result;
    std::string temp = folder + "/." + kInstallerFileName + "-XXXXXX";
    const int fd = mkstemp(temp.data());  // created exclusively, mode 0600
    if (fd < 0) {
        result.reason =
            "The installer could not be saved in " + folder + ": " + std::strerror(errno) + ".";
        return result;
    }
    std::unique_ptr<EVP_MD_CTX, DigestDeleter> digest(EVP_MD_CTX_new());
    std::unique_ptr<CURL, CurlDeleter> curl(newHandle(address, options));
    Transfer t;
    t.fd = fd;
    t.digest = digest.get();
    t.maxBytes = options.maxBytes;
    t.curl = curl.get();
    t.progress = &progress;
    bool ok = digest && curl && EVP_DigestInit_ex(digest.get(), EVP_sha256(), nullptr) == 1;
    if (!ok) result.reason = "The download could not be set up.";

    CURLcode code = CURLE_OK;
    long status = 0;
    curl_off_t length = -1;
    if (ok) {
        curl_easy_setopt(t.curl, CURLOPT_WRITEFUNCTION, writeBody);
        curl_easy_setopt(t.curl, CURLOPT_WRITEDATA, &t);
        curl_easy_setopt(t.curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(t.curl, CURLOPT_XFERINFOFUNCTION, reportProgress);
        curl_easy_setopt(t.curl, CURLOPT_XFERINFODATA, &t);
        code = curl_easy_perform(t.curl);
        curl_easy_getinfo(t.curl, CURLINFO_RESPONSE_CODE, &status);
        curl_easy_getinfo(t.curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    }
    if (ok && t.cancelled) {
        ok = false;
        result.cancelled = true;
        result.reason = "The download was cancelled.";
    } else if (ok && t.writeFailed) {
        ok = false;
        result.reason = "The installer could not be written to " + folder + ".";
    } else if (ok && t.tooLarge) {
        ok = false;
        result.reason = "The download is larger than any installer.";
    } else if (ok && code != CURLE_OK) {
        ok = false;
        result.reason = std::string("The download failed: ") + curl_easy_strerror(code) + ".";
    } else if (ok && status != 200) {
        ok = false;
        result.reason =
            "The server answered the download with status " + std::to_string(status) + ".";
    } else if (ok && (t.received == 0 || (length >= 0 && t.received != length))) {
        ok = false;
        result.reason = "The download broke off before the end.";
    }
    if (ok) {
        unsigned char sum[EVP_MAX_MD_SIZE];
        unsigned sumLength = 0;
        EVP_DigestFinal_ex(digest.get(), sum, &sumLength);
        const std::string expected = fetchChecksum(address + ".sha256", options, result.reason);
        if (expected.empty()) {
            ok = false;
        } else if (expected != hexOf(sum, sumLength)) {
            ok = false;
            result.reason = "The downloaded installer does not match its published checksum.";
        }
    }
    if (ok && (::fsync(fd) != 0 || ::fchmod(fd, 0700) != 0)) {
        ok = false;
        result.reason = "The installer could not be written to " + folder + ".";
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        result.reason = "The installer could not be written to " + folder + ".";
    }
    const std::string target = folder + "/" + kInstallerFileName;
    if (ok && std::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        result.reason = "The installer could not be saved as " + target + ".";
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return result;
    }
    result.ok = true;
    result.path = target;
    return result;
}

}  // namespace turnpixa
