#pragma once
#include <openssl/ssl.h>

#include <memory>
#include <string>
#include <vector>

#include "HostLookup.h"

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

    // The newest session a server handed out on any connection of this
    // context, for the next connection to resume, or null. The caller owns
    // the reference. A TLS 1.3 session is handed out once only: servers
    // such as vsftpd take each one up a single time.
    SSL_SESSION* takeNewestSession();

private:
    static int onNewSession(SSL* ssl, SSL_SESSION* session);

    SSL_CTX* ctx_ = nullptr;
    std::vector<SSL_SESSION*> sessions_;  // oldest first, owned
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

    static constexpr int kLookupMs = 15000;

    // Looks host (name or address) up within lookupMs and connects to one of
    // its addresses: each gets timeoutMs of its own, the next one starting
    // after a short head start of the last (happy eyeballs, RFC 8305).
    bool connect(const std::string& host, int port, int timeoutMs, std::string& reason,
                 int lookupMs = kLookupMs);
    bool connectAny(const std::vector<NetAddress>& addresses, int timeoutMs, std::string& reason);
    // Listens on the given local address (IPv4 or IPv6) and a port the system picks.
    bool listen(const std::string& address, int backlog, std::string& reason);
    // Waits up to timeoutMs for a connection from onlyPeer (a numeric
    // address); connections from anyone else are closed and the wait goes on.
    bool accept(Socket& into, const std::string& onlyPeer, int timeoutMs, std::string& reason);

    // Numeric addresses and ports of the two ends; empty / 0 when unknown.
    std::string localAddress() const;
    int localPort() const;
    std::string peerAddress() const;

    // TLS as the client. When resumeFrom is given, an earlier session is
    // offered again (FTPS servers ask it of data connections): the newest
    // the context received, else that of resumeFrom. The server's
    // certificate must verify for host.
    bool startTls(TlsContext& context, const std::string& host, const Socket* resumeFrom,
                  int timeoutMs, std::string& reason);

    // Sends everything; false when the peer goes or no byte moves for timeoutMs.
    bool sendAll(const char* data, std::size_t size, int timeoutMs);
    // Up to size bytes; 0 at the end of the stream, -1 on an error or when
    // nothing arrives within timeoutMs.
    long receive(char* data, std::size_t size, int timeoutMs);

    // Sends TLS close_notify and closes. With drainMs > 0 it first
    // half-closes and waits that long for the peer to close its side,
    // reading what comes (a TLS session for the next connection, say); false
    // when the peer reset the connection instead (it may have lost data).
    bool close(int drainMs = 0);

private:
    bool waitFor(short events, int timeoutMs);
    void adopt(int fd);

    int fd_ = -1;
    SSL* ssl_ = nullptr;
};

}  // namespace turnpixa
