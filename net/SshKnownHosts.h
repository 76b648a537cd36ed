#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace turnpixa {

// A server's public host key as the key exchange gave it (the SSH wire
// form: a string naming the type, then the key's numbers).
struct SshHostKey {
    std::string blob;

    // "ssh-ed25519", "ecdsa-sha2-nistp256", "ssh-rsa"...; empty when the
    // blob is malformed.
    std::string typeName() const;
    // As ssh shows it: "ED25519", "ECDSA", "RSA".
    std::string displayType() const;
    // "SHA256:" and the unpadded base64 of the blob's SHA-256.
    std::string fingerprint() const;
};

// Host keys from files in OpenSSH's known_hosts format: plain and hashed
// ("|1|salt|hash") host names, patterns with * ? and !, "[host]:port" for
// ports other than 22, "@revoked" lines. Lines it cannot read are skipped,
// as ssh does.
class SshKnownHosts {
public:
    enum class Verdict { Unknown, Known, Changed, Revoked };

    void add(std::string_view text, const std::string& file);
    // A missing file adds nothing; false only when it exists but cannot be read.
    bool addFile(const std::string& path);

    Verdict check(const std::string& host, int port, const SshHostKey& key) const;
    // For a Changed verdict: "FILE:LINE" of an entry with the old key.
    std::string changedEntry(const std::string& host, int port, const SshHostKey& key) const;
    // Key types stored for host, in file order, without repeats.
    std::vector<std::string> knownTypes(const std::string& host, int port) const;

    // The name entries are looked up under: "host", or "[host]:port".
    static std::string lookupName(const std::string& host, int port);
    // One line of a known_hosts file for the key (no line break).
    static std::string entryLine(const std::string& host, int port, const SshHostKey& key);
    // Appends the entry to path, making the file (mode 0600) and its folder.
    static bool store(const std::string& path, const std::string& host, int port,
                      const SshHostKey& key, std::string& reason);

private:
    struct Entry {
        bool revoked = false;
        std::string hosts;  // the pattern list or a hashed name
        std::string type;
        std::string blob;
        std::string where;  // FILE:LINE
    };
    static bool hostMatches(const Entry& entry, const std::string& name);

    std::vector<Entry> entries_;
};

namespace Base64 {
std::string encode(std::string_view bytes, bool pad = true);
// False for characters outside the alphabet or a cut-off group.
bool decode(std::string_view text, std::string& bytes);
}  // namespace Base64

}  // namespace turnpixa
