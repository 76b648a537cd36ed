#pragma once
#include <openssl/ssl.h>

#include <memory>
#include <string>

namespace turnpixa {

// Client-side TLS settings shared by the control and data connections of one
// FTP session. Certificates are checked against the system's trust store, or
// against caFile when it is given.
class TlsContext {
public:
    TlsContext() = default;
    ~TlsContext();
    TlsContext(const TlsContext&) = delete;
    TlsContext& operator=(const TlsContext&) = delete;

    bool init(const std::string& caFile, std::string& reason);
    SSL_CTX* get() const { return ctx_; }

private:
    SSL_CTX* ctx_ = nullptr;
};

// One TCP connection or listening socket (POSIX, blocking calls bounded by
// time-outs), optionally carrying TLS. Writes never raise SIGPIPE. Closed
// when the object goes.
class Socket {
public:
    Socket() = default;
    ~Socket();
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    bool isTls() const { return ssl_ != nullptr; }
    // True when TLS took up an earlier session instead of a full handshake.
    bool sessionReused() const { return ssl_ && SSL_session_reused(ssl_) == 1; }

    // Resolves host (name or address) and connects within timeoutMs.
    bool connect(const std::string& host, int port, int timeoutMs, std::string& reason);
    // Listens on the given local IPv4 address and a port the system picks.
    bool listen(const std::string& address, int backlog, std::string& reason);
    // Waits up to timeoutMs for a connection from onlyPeer (a numeric
    // address); connections from anyone else are closed and the wait goes on.
    bool accept(Socket& into, const std::string& onlyPeer, int timeoutMs, std::string& reason);

    // Numeric addresses and ports of the two ends; empty / 0 when unknown.
    std::string localAddress() const;
    int localPort() const;
    std::string peerAddress() const;

    // TLS as the client. When resumeFrom is given, the session of that
    // connection is offered again (FTPS servers ask it of data connections).
    // The server's certificate must verify for host.
    bool startTls(const TlsContext& context, const std::string& host, const Socket* resumeFrom,
                  int timeoutMs, std::string& reason);

    // Sends everything; false when the peer goes or no byte moves for timeoutMs.
    bool sendAll(const char* data, std::size_t size, int timeoutMs);
    // Up to size bytes; 0 at the end of the stream, -1 on an error or when
    // nothing arrives within timeoutMs.
    long receive(char* data, std::size_t size, int timeoutMs);

    // Sends TLS close_notify and closes. With drainMs > 0 it first
    // half-closes and waits that long for the peer to close its side; false
    // when the peer reset the connection instead (it may have lost data).
    bool close(int drainMs = 0);

private:
    bool waitFor(short events, int timeoutMs);
    void adopt(int fd);

    int fd_ = -1;
    SSL* ssl_ = nullptr;
};

}  // namespace turnpixa
