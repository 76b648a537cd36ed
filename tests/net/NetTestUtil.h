#pragma once
#include <memory>
#include <string>
#include <vector>

#include "net/CFtpClient.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/TempDir.h"

namespace turnpixa::test {

// A python script of tests/net that prints its port first.
class ScriptServer {
public:
    ScriptServer(const std::string& script, const std::vector<std::string>& args);
    int port() const { return port_; }  // 0 when it did not start

private:
    ServerProcess process_;
    int port_ = 0;
};

std::string netScript(const std::string& name);

// Short waits, so that a test of a silent server ends quickly.
FtpOptions quickOptions();

// Bytes that differ everywhere, so that a lost or moved block shows.
std::string patternBytes(std::size_t size, unsigned seed);

// A certificate for 127.0.0.1 and its key, made once per test program with
// the openssl command.
struct TestCertificate {
    std::string cert;
    std::string key;
};
const TestCertificate& serverCertificate();
const TestCertificate& strangerCertificate();  // trusted by no one

// pyftpdlib serving a fresh folder as user "turner", password "secret".
class RealFtpServer {
public:
    // "--host ::1" in extraArgs makes it listen on IPv6.
    explicit RealFtpServer(std::vector<std::string> extraArgs = {}, bool tls = false);
    int port() const { return server_->port(); }
    std::string host() const { return tls_ ? "ftps://127.0.0.1" : "127.0.0.1"; }
    const TempDir& root() const { return root_; }
    std::string commandLog() const;

private:
    TempDir root_;
    TempDir work_;
    bool tls_;
    std::unique_ptr<ScriptServer> server_;
};

// vsftpd with a configuration of its own (vsftpd_server.py): explicit TLS
// required, data connections must resume the control connection's TLS
// session, anonymous users write into the folder "up" of root().
class VsftpdServer {
public:
    VsftpdServer();
    int port() const { return server_->port(); }
    const TempDir& root() const { return root_; }
    std::string log() const;

private:
    TempDir root_;
    TempDir work_;
    std::unique_ptr<ScriptServer> server_;
};

// Whether this machine can listen on ::1.
bool hasIpv6Loopback();

}  // namespace turnpixa::test
