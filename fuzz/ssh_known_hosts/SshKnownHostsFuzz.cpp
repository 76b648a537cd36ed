// Arbitrary bytes as a known_hosts file and as a private key file: every
// entry read is checked against hosts and keys, the key file only classed.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "net/SshKeyFile.h"
#include "net/SshKnownHosts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    turnpixa::SshKnownHosts hosts;
    hosts.add(text, "fuzz");
    // A key that is the input's own first entry, when it has one, and a stranger.
    turnpixa::SshHostKey key;
    const std::size_t space = text.find(' ');
    if (space != std::string::npos) {
        const std::size_t next = text.find(' ', space + 1);
        const std::size_t end = next == std::string::npos ? text.size() : next;
        turnpixa::Base64::decode(text.substr(space + 1, end - space - 1), key.blob);
    }
    for (const turnpixa::SshHostKey& k : {key, turnpixa::SshHostKey{text.substr(0, 64)}}) {
        (void)k.typeName();
        if (k.fingerprint().rfind("SHA256:", 0) != 0) std::abort();
        for (const int port : {22, 2222}) {
            for (const char* host : {"127.0.0.1", "files.example.com", "*"}) {
                (void)hosts.check(host, port, k);
                (void)hosts.changedEntry(host, port, k);
                (void)hosts.knownTypes(host, port);
            }
        }
    }
    (void)turnpixa::sshKeyTextState(text);
    return 0;
}
