#pragma once
#include <sys/types.h>
#include <string>

namespace turnpixa::test {

// tests/support/http_server.py serving a folder on 127.0.0.1, over TLS with
// the certificate in tests/data/net when asked. Stopped when the object goes;
// it also ends by itself after half a minute.
class LocalWebServer {
public:
    LocalWebServer(const std::string& folder, bool tls);
    ~LocalWebServer();
    LocalWebServer(const LocalWebServer&) = delete;
    LocalWebServer& operator=(const LocalWebServer&) = delete;

    bool running() const { return port_ > 0; }
    int port() const { return port_; }
    // "https://127.0.0.1:PORT" (or http://).
    std::string base() const;
    // The certificate a client must trust for the TLS server.
    static std::string certificate();
    // The request paths the server has seen, one a line.
    std::string requests() const;

private:
    std::string folder_;
    bool tls_ = false;
    pid_t pid_ = -1;
    int port_ = 0;
};

}  // namespace turnpixa::test
