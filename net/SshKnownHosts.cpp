#include "SshKnownHosts.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace turnpixa {

namespace {

constexpr const char* kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Glob with * and ?, as ssh matches host patterns.
bool globMatch(std::string_view text, std::string_view pattern) {
    std::size_t t = 0, p = 0, star = std::string_view::npos, mark = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
            ++t;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = t;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            t = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

}  // namespace

std::string Base64::encode(std::string_view bytes, bool pad) {
    std::string out;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) |
                           (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                           static_cast<unsigned char>(bytes[i + 2]);
        for (int s = 18; s >= 0; s -= 6) out += kAlphabet[(v >> s) & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        if (rest == 2) out += kAlphabet[(v >> 6) & 63];
        if (pad) out.append(rest == 1 ? 2 : 1, '=');
    }
    return out;
}

bool Base64::decode(std::string_view text, std::string& bytes) {
    bytes.clear();
    unsigned v = 0;
    int bits = 0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != '='; ++i) {
        const char* at = std::strchr(kAlphabet, text[i]);
        if (text[i] == '\0' || at == nullptr) return false;
        v = (v << 6) | static_cast<unsigned>(at - kAlphabet);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>((v >> bits) & 0xFF);
        }
    }
    for (; i < text.size(); ++i)
        if (text[i] != '=') return false;
    return bits < 6;
}

std::string SshHostKey::typeName() const {
    if (blob.size() < 4) return {};
    const std::size_t n =
        (static_cast<unsigned char>(blob[0]) << 24) | (static_cast<unsigned char>(blob[1]) << 16) |
        (static_cast<unsigned char>(blob[2]) << 8) | static_cast<unsigned char>(blob[3]);
    if (n == 0 || n > 64 || n > blob.size() - 4) return {};
    return blob.substr(4, n);
}

std::string SshHostKey::displayType() const {
    const std::string type = typeName();
    if (type == "ssh-ed25519") return "ED25519";
    if (type.rfind("ecdsa-", 0) == 0) return "ECDSA";
    if (type == "ssh-rsa") return "RSA";
    if (type == "ssh-dss") return "DSA";
    return type.empty() ? "unknown" : type;
}

std::string SshHostKey::fingerprint() const {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (EVP_Digest(blob.data(), blob.size(), digest, &size, EVP_sha256(), nullptr) != 1) return {};
    return "SHA256:" +
           Base64::encode(std::string_view(reinterpret_cast<const char*>(digest), size), false);
}

std::string SshKnownHosts::lookupName(const std::string& host, int port) {
    const std::string name = lower(host);
    return port == 22 ? name : "[" + name + "]:" + std::to_string(port);
}

void SshKnownHosts::add(std::string_view text, const std::string& file) {
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::vector<std::string_view> f = fields(line);
        if (f.empty() || f[0][0] == '#') continue;
        Entry entry;
        if (f[0][0] == '@') {
            if (f[0] != "@revoked") continue;  // certificate authorities are not used here
            entry.revoked = true;
            f.erase(f.begin());
        }
        if (f.size() < 3) continue;
        entry.hosts = std::string(f[0]);
        entry.type = std::string(f[1]);
        if (!Base64::decode(f[2], entry.blob)) continue;
        // The blob names its own type; an entry where they differ is damaged.
        if (SshHostKey{entry.blob}.typeName() != entry.type) continue;
        entry.where = file + ":" + std::to_string(number);
        entries_.push_back(std::move(entry));
    }
}

bool SshKnownHosts::addFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return errno == ENOENT || errno == ENOTDIR;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return false;
    add(text.str(), path);
    return true;
}

bool SshKnownHosts::hostMatches(const Entry& entry, const std::string& name) {
    if (entry.hosts.rfind("|1|", 0) == 0) {
        const std::string_view rest = std::string_view(entry.hosts).substr(3);
        const std::size_t bar = rest.find('|');
        std::string salt, hash;
        if (bar == std::string_view::npos || !Base64::decode(rest.substr(0, bar), salt) ||
            !Base64::decode(rest.substr(bar + 1), hash) || hash.size() != 20)
            return false;
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int size = 0;
        if (!HMAC(EVP_sha1(), salt.data(), static_cast<int>(salt.size()),
                  reinterpret_cast<const unsigned char*>(name.data()), name.size(), digest, &size))
            return false;
        return size == hash.size() && std::memcmp(digest, hash.data(), size) == 0;
    }
    bool matched = false;
    std::string_view list = entry.hosts;
    while (true) {
        const std::size_t comma = list.find(',');
        std::string_view pattern = list.substr(0, comma);
        const bool negated = !pattern.empty() && pattern[0] == '!';
        if (negated) pattern.remove_prefix(1);
        if (!pattern.empty() && globMatch(name, lower(std::string(pattern)))) {
            if (negated) return false;  // a negation wins over any other pattern
            matched = true;
        }
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return matched;
}

SshKnownHosts::Verdict SshKnownHosts::check(const std::string& host, int port,
                                            const SshHostKey& key) const {
    const std::string name = lookupName(host, port);
    const std::string type = key.typeName();
    bool known = false, changed = false;
    for (const Entry& e : entries_) {
        if (!hostMatches(e, name)) continue;
        if (e.blob == key.blob) {
            if (e.revoked) return Verdict::Revoked;
            known = true;
        } else if (!e.revoked && e.type == type) {
            changed = true;
        }
    }
    if (known) return Verdict::Known;
    return changed ? Verdict::Changed : Verdict::Unknown;
}

std::string SshKnownHosts::changedEntry(const std::string& host, int port,
                                        const SshHostKey& key) const {
    const std::string name = lookupName(host, port);
    for (const Entry& e : entries_)
        if (!e.revoked && e.type == key.typeName() && e.blob != key.blob && hostMatches(e, name))
            return e.where;
    return {};
}

std::vector<std::string> SshKnownHosts::knownTypes(const std::string& host, int port) const {
    const std::string name = lookupName(host, port);
    std::vector<std::string> types;
    for (const Entry& e : entries_)
        if (!e.revoked && hostMatches(e, name) &&
            std::find(types.begin(), types.end(), e.type) == types.end())
            types.push_back(e.type);
    return types;
}

std::string SshKnownHosts::entryLine(const std::string& host, int port, const SshHostKey& key) {
    return lookupName(host, port) + " " + key.typeName() + " " + Base64::encode(key.blob);
}

bool SshKnownHosts::store(const std::string& path, const std::string& host, int port,
                          const SshHostKey& key, std::string& reason) {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) {
        reason = path + ": " + std::strerror(errno);
        return false;
    }
    // A file that does not end in a line break gets one first.
    struct stat st {};
    std::string text = entryLine(host, port, key) + "\n";
    if (fstat(fd, &st) == 0 && st.st_size > 0) {
        char last = '\n';
        if (pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n') text.insert(0, "\n");
    }
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    if (!ok) reason = path + ": " + std::strerror(errno);
    return ::close(fd) == 0 && ok;
}

}  // namespace turnpixa
