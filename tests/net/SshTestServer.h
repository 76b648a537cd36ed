#pragma once
#include <sys/types.h>

#include <filesystem>
#include <string>

#include "net/SshKnownHosts.h"
#include "tests/support/TempDir.h"

namespace turnpixa::test {

// OpenSSH's sshd on 127.0.0.1 with a host key, an authorized-keys file, a
// log and an SFTP start folder of its own. Keys and passwords are checked
// for the user the tests run as. Stopped when the object goes.
class SshTestServer {
public:
    SshTestServer();
    ~SshTestServer();
    SshTestServer(const SshTestServer&) = delete;
    SshTestServer& operator=(const SshTestServer&) = delete;

    // Empty when sshd can run here (it needs root); else why not.
    static std::string unavailable();

    bool running() const { return pid_ > 0; }
    int port() const { return port_; }
    std::string server() const { return "sftp://127.0.0.1:" + std::to_string(port_); }
    static std::string user();
    // Where an SFTP session starts.
    std::filesystem::path site() const { return dir_.path() / "site"; }
    void authorize(const std::string& publicKeyFile);
    SshHostKey hostKey() const;
    // A new host key on the same port, as after the server was set up anew.
    bool restartWithNewHostKey();
    std::string log() const;

private:
    bool start();
    void stop();

    TempDir dir_;
    int port_ = 0;
    pid_t pid_ = -1;
};

// ssh-keygen: an ed25519 key at path (and path.pub).
bool makeSshKey(const std::string& path, const std::string& passphrase = "");
// A known_hosts line for the server's key, hashed as ssh does with HashKnownHosts.
std::string hashedKnownHostsLine(const std::string& host, int port, const SshHostKey& key);

}  // namespace turnpixa::test
