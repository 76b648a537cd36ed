#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ServerProcess.h"
#include "net/CFtpClient.h"
#include "tests/support/TempDir.h"

namespace turnpixa::test {

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
    explicit RealFtpServer(std::vector<std::string> extraArgs = {}, bool tls = false);
    int port() const { return server_->port(); }
    std::string host() const { return tls_ ? "ftps://127.0.0.1" : "127.0.0.1"; }
    const TempDir& root() const { return root_; }
    std::string commandLog() const;

private:
    TempDir root_;
    TempDir work_;
    bool tls_;
    std::unique_ptr<ServerProcess> server_;
};

}  // namespace turnpixa::test
