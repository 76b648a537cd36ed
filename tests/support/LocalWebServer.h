#pragma once
#include <string>

#include "ServerProcess.h"
#include "TempDir.h"

namespace turnpixa::test {

// tests/support/http_server.py serving a folder on 127.0.0.1, over TLS with
// the certificate in tests/data/net when asked. Stopped when the object goes;
// it also ends by itself after a minute.
class LocalWebServer {
public:
    LocalWebServer(const std::string& folder, bool tls);

    bool running() const { return port_ > 0; }
    int port() const { return port_; }
    // "https://127.0.0.1:PORT" (or http://).
    std::string base() const;
    // The certificate a client must trust for the TLS server.
    static std::string certificate();
    // The request paths the server has seen, one a line.
    std::string requests() const;

private:
    bool tls_ = false;
    TempDir logDir_;  // the request log lives outside the served folder
    ServerProcess process_;
    int port_ = 0;
};

}  // namespace turnpixa::test
