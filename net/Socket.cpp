#include "Socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace turnpixa {

namespace {

using Clock = std::chrono::steady_clock;

int msLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

std::string addressText(const sockaddr_storage& ss) {
    char text[INET6_ADDRSTRLEN] = {};
    if (ss.ss_family == AF_INET) {
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in&>(ss).sin_addr, text, sizeof text);
    } else if (ss.ss_family == AF_INET6) {
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6&>(ss).sin6_addr, text,
                  sizeof text);
    }
    return text;
}

int portOf(const sockaddr_storage& ss) {
    if (ss.ss_family == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in&>(ss).sin_port);
    if (ss.ss_family == AF_INET6) return ntohs(reinterpret_cast<const sockaddr_in6&>(ss).sin6_port);
    return 0;
}

// OpenSSL writes with write(), which raises SIGPIPE when the peer has gone.
// The signal is held back for this thread while TLS runs and a pending one
// is taken away, so that a dropped connection is an error, not the end of
// the program.
class SigPipeGuard {
public:
    SigPipeGuard() {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe_, &old_);
    }
    ~SigPipeGuard() {
        sigset_t pending;
        sigpending(&pending);
        if (sigismember(&pending, SIGPIPE) && !sigismember(&old_, SIGPIPE)) {
            const timespec zero{0, 0};
            sigtimedwait(&pipe_, nullptr, &zero);
        }
        pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    SigPipeGuard(const SigPipeGuard&) = delete;
    SigPipeGuard& operator=(const SigPipeGuard&) = delete;

private:
    sigset_t pipe_;
    sigset_t old_;
};

std::string tlsErrorText() {
    const unsigned long e = ERR_get_error();
    ERR_clear_error();
    if (e == 0) return "the secure connection failed";
    char text[256];
    ERR_error_string_n(e, text, sizeof text);
    return text;
}

}  // namespace

TlsContext::~TlsContext() {
    for (SSL_SESSION* session : sessions_) SSL_SESSION_free(session);
    if (ctx_) SSL_CTX_free(ctx_);
}

int TlsContext::onNewSession(SSL* ssl, SSL_SESSION* session) {
    auto* self = static_cast<TlsContext*>(SSL_CTX_get_app_data(SSL_get_SSL_CTX(ssl)));
    if (!self || !SSL_SESSION_is_resumable(session)) return 0;
    constexpr std::size_t kKept = 8;
    if (self->sessions_.size() == kKept) {
        SSL_SESSION_free(self->sessions_.front());
        self->sessions_.erase(self->sessions_.begin());
    }
    self->sessions_.push_back(session);
    return 1;  // the reference is ours now
}

SSL_SESSION* TlsContext::takeNewestSession() {
    if (sessions_.empty()) return nullptr;
    SSL_SESSION* newest = sessions_.back();
    if (SSL_SESSION_get_protocol_version(newest) >= TLS1_3_VERSION) {
        sessions_.pop_back();
    } else {
        SSL_SESSION_up_ref(newest);
    }
    return newest;
}

bool TlsContext::init(const std::string& caFile, std::string& reason) {
    ctx_ = SSL_CTX_new(TLS_client_method());
    if (!ctx_) {
        reason = tlsErrorText();
        return false;
    }
    SSL_CTX_set_min_proto_version(ctx_, TLS1_2_VERSION);
    SSL_CTX_set_verify(ctx_, SSL_VERIFY_PEER, nullptr);
    // Every session the server sends, on the control connection or a data
    // connection, comes to onNewSession; the next data connection resumes
    // the newest.
    SSL_CTX_set_app_data(ctx_, this);
    SSL_CTX_set_session_cache_mode(ctx_, SSL_SESS_CACHE_CLIENT | SSL_SESS_CACHE_NO_INTERNAL_STORE);
    SSL_CTX_sess_set_new_cb(ctx_, &TlsContext::onNewSession);
    // A server that closes a data connection without close_notify has not
    // cut anything short: what we sent is confirmed on the control connection.
    SSL_CTX_set_options(ctx_, SSL_OP_IGNORE_UNEXPECTED_EOF);
    const bool loaded = caFile.empty()
                            ? SSL_CTX_set_default_verify_paths(ctx_) == 1
                            : SSL_CTX_load_verify_locations(ctx_, caFile.c_str(), nullptr) == 1;
    if (!loaded) {
        reason = "Unable to read the trusted certificates " + caFile + ": " + tlsErrorText();
        return false;
    }
    return true;
}

Socket::~Socket() {
    close(0);
}

void Socket::adopt(int fd) {
    fd_ = fd;
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
    fcntl(fd_, F_SETFD, FD_CLOEXEC);
}

bool Socket::waitFor(short events, int timeoutMs) {
    pollfd p{fd_, events, 0};
    for (;;) {
        const int n = ::poll(&p, 1, timeoutMs);
        if (n < 0 && errno == EINTR) continue;
        return n > 0;
    }
}

bool Socket::connect(const std::string& host, int port, int timeoutMs, std::string& reason,
                     int lookupMs) {
    close(0);
    std::vector<NetAddress> addresses;
    if (!lookUpHost(host, port, lookupMs, addresses, reason)) return false;
    return connectAny(interleaveFamilies(addresses), timeoutMs, reason);
}

bool Socket::connectAny(const std::vector<NetAddress>& addresses, int timeoutMs,
                        std::string& reason) {
    close(0);
    // The next address gets its turn when the last one has not answered
    // within this head start, or at once when it failed.
    constexpr auto kHeadStart = std::chrono::milliseconds(250);
    struct Attempt {
        int fd;
        std::size_t index;
        Clock::time_point deadline;
    };
    std::vector<Attempt> running;
    std::string failures;
    const auto failed = [&](std::size_t index, const std::string& why) {
        if (!failures.empty()) failures += "; ";
        failures += addresses[index].describe() + ": " + why;
    };
    int winner = -1;
    std::size_t next = 0;
    auto nextStart = Clock::now();
    while (winner < 0 && (next < addresses.size() || !running.empty())) {
        auto now = Clock::now();
        if (next < addresses.size() && (running.empty() || now >= nextStart)) {
            const NetAddress& a = addresses[next];
            const int fd = ::socket(a.family(), SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            if (fd < 0) {
                failed(next++, std::strerror(errno));
                continue;
            }
            if (::connect(fd, reinterpret_cast<const sockaddr*>(&a.storage), a.length) == 0) {
                winner = fd;
            } else if (errno == EINPROGRESS) {
                running.push_back({fd, next, now + std::chrono::milliseconds(timeoutMs)});
                nextStart = now + kHeadStart;
            } else {
                failed(next, std::strerror(errno));
                ::close(fd);
            }
            ++next;
            continue;
        }
        auto until = running.front().deadline;
        for (const Attempt& t : running) until = std::min(until, t.deadline);
        if (next < addresses.size()) until = std::min(until, nextStart);
        std::vector<pollfd> polls;
        for (const Attempt& t : running) polls.push_back({t.fd, POLLOUT, 0});
        const int n = ::poll(polls.data(), polls.size(), msLeft(until));
        if (n < 0 && errno != EINTR) {
            reason = std::strerror(errno);
            break;
        }
        now = Clock::now();
        std::vector<Attempt> still;
        for (std::size_t i = 0; i < running.size(); ++i) {
            const Attempt& t = running[i];
            if (polls[i].revents != 0 && winner < 0) {
                int err = 0;
                socklen_t len = sizeof err;
                getsockopt(t.fd, SOL_SOCKET, SO_ERROR, &err, &len);
                if (err == 0) {
                    winner = t.fd;
                    continue;
                }
                failed(t.index, std::strerror(err));
                nextStart = now;
            } else if (now >= t.deadline && winner < 0) {
                failed(t.index,
                       "no answer within " + std::to_string((timeoutMs + 999) / 1000) + " s");
            } else if (winner < 0) {
                still.push_back(t);
                continue;
            }
            ::close(t.fd);
        }
        if (winner >= 0) {
            for (const Attempt& t : still) ::close(t.fd);
            still.clear();
        }
        running = std::move(still);
    }
    for (const Attempt& t : running) ::close(t.fd);
    if (winner < 0) {
        reason = failures.empty() ? "the name has no address" : failures;
        return false;
    }
    adopt(winner);
    return true;
}

bool Socket::listen(const std::string& address, int backlog, std::string& reason) {
    close(0);
    NetAddress local;
    if (!numericAddress(address, 0, local)) {
        reason = "not a numeric address: " + address;
        return false;
    }
    const int fd = ::socket(local.family(), SOCK_STREAM, 0);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    adopt(fd);
    if (::bind(fd_, reinterpret_cast<const sockaddr*>(&local.storage), local.length) != 0 ||
        ::listen(fd_, backlog) != 0) {
        reason = std::strerror(errno);
        close(0);
        return false;
    }
    return true;
}

bool Socket::accept(Socket& into, const std::string& onlyPeer, int timeoutMs, std::string& reason) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (!waitFor(POLLIN, msLeft(deadline))) {
            reason = "no data connection came in time";
            return false;
        }
        const int fd = ::accept(fd_, nullptr, nullptr);
        if (fd < 0) {
            if (errno == EAGAIN || errno == EINTR || errno == ECONNABORTED) continue;
            reason = std::strerror(errno);
            return false;
        }
        into.close(0);
        into.adopt(fd);
        if (into.peerAddress() == onlyPeer) return true;
        into.close(0);  // someone other than the server
    }
}

std::string Socket::localAddress() const {
    sockaddr_storage ss{};
    socklen_t len = sizeof ss;
    if (fd_ < 0 || getsockname(fd_, reinterpret_cast<sockaddr*>(&ss), &len) != 0) return {};
    return addressText(ss);
}

int Socket::localPort() const {
    sockaddr_storage ss{};
    socklen_t len = sizeof ss;
    if (fd_ < 0 || getsockname(fd_, reinterpret_cast<sockaddr*>(&ss), &len) != 0) return 0;
    return portOf(ss);
}

std::string Socket::peerAddress() const {
    sockaddr_storage ss{};
    socklen_t len = sizeof ss;
    if (fd_ < 0 || getpeername(fd_, reinterpret_cast<sockaddr*>(&ss), &len) != 0) return {};
    std::string text = addressText(ss);
    // An IPv4 peer seen through an IPv6 socket.
    if (text.rfind("::ffff:", 0) == 0 && text.find('.') != std::string::npos) text.erase(0, 7);
    return text;
}

bool Socket::startTls(TlsContext& context, const std::string& host, const Socket* resumeFrom,
                      int timeoutMs, std::string& reason) {
    const SigPipeGuard guard;
    ERR_clear_error();
    ssl_ = SSL_new(context.get());
    if (!ssl_) {
        reason = tlsErrorText();
        return false;
    }
    SSL_set_fd(ssl_, fd_);
    SSL_set_hostflags(ssl_, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
    in6_addr probe{};
    const bool numeric = inet_pton(AF_INET, host.c_str(), &probe) == 1 ||
                         inet_pton(AF_INET6, host.c_str(), &probe) == 1;
    if (numeric) {
        X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl_), host.c_str());
    } else {
        SSL_set_tlsext_host_name(ssl_, host.c_str());
        SSL_set1_host(ssl_, host.c_str());
    }
    if (resumeFrom) {
        SSL_SESSION* session = context.takeNewestSession();
        if (!session && resumeFrom->ssl_) session = SSL_get1_session(resumeFrom->ssl_);
        if (session) {
            SSL_set_session(ssl_, session);
            SSL_SESSION_free(session);
        }
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const int rc = SSL_connect(ssl_);
        if (rc == 1) return true;
        const int err = SSL_get_error(ssl_, rc);
        if ((err == SSL_ERROR_WANT_READ && waitFor(POLLIN, msLeft(deadline))) ||
            (err == SSL_ERROR_WANT_WRITE && waitFor(POLLOUT, msLeft(deadline))))
            continue;
        const long verify = SSL_get_verify_result(ssl_);
        if (verify != X509_V_OK) {
            reason = std::string("The server's certificate could not be verified (") +
                     X509_verify_cert_error_string(verify) + "), so the connection was refused.";
        } else {
            reason = "The secure connection could not be set up: " + tlsErrorText();
        }
        SSL_free(ssl_);
        ssl_ = nullptr;
        return false;
    }
}

bool Socket::sendAll(const char* data, std::size_t size, int timeoutMs) {
    const SigPipeGuard guard;
    while (size > 0 && fd_ >= 0) {
        long sent = 0;
        if (ssl_) {
            const int rc =
                SSL_write(ssl_, data, static_cast<int>(std::min<std::size_t>(size, 1 << 20)));
            if (rc <= 0) {
                const int err = SSL_get_error(ssl_, rc);
                if (err == SSL_ERROR_WANT_READ && waitFor(POLLIN, timeoutMs)) continue;
                if (err == SSL_ERROR_WANT_WRITE && waitFor(POLLOUT, timeoutMs)) continue;
                return false;
            }
            sent = rc;
        } else {
            sent = ::send(fd_, data, size, MSG_NOSIGNAL);
            if (sent < 0) {
                if (errno == EINTR) continue;
                if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(POLLOUT, timeoutMs))
                    continue;
                return false;
            }
        }
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return size == 0;
}

long Socket::receive(char* data, std::size_t size, int timeoutMs) {
    if (fd_ < 0) return -1;
    const SigPipeGuard guard;
    for (;;) {
        if (ssl_) {
            const int rc =
                SSL_read(ssl_, data, static_cast<int>(std::min<std::size_t>(size, 1 << 20)));
            if (rc > 0) return rc;
            const int err = SSL_get_error(ssl_, rc);
            if (err == SSL_ERROR_ZERO_RETURN) return 0;
            if (err == SSL_ERROR_WANT_READ && waitFor(POLLIN, timeoutMs)) continue;
            if (err == SSL_ERROR_WANT_WRITE && waitFor(POLLOUT, timeoutMs)) continue;
            return -1;
        }
        const long n = ::recv(fd_, data, size, 0);
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(POLLIN, timeoutMs)) continue;
        return -1;
    }
}

bool Socket::close(int timeoutMs) {
    bool clean = true;
    const SigPipeGuard guard;
    if (ssl_) {
        SSL_shutdown(ssl_);  // our close_notify; the server's is read below, if awaited
    }
    if (fd_ >= 0 && timeoutMs > 0) {
        // Half-close and wait for the peer to close: closing with unread
        // bytes (a TLS ticket, say) would reset the connection and could
        // cost the server the end of what we sent. Through TLS, so that a
        // new session the server sends reaches the context.
        ::shutdown(fd_, SHUT_WR);
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        char sink[4096];
        for (;;) {
            if (ssl_) {
                const int rc = SSL_read(ssl_, sink, sizeof sink);
                if (rc > 0) continue;
                const int err = SSL_get_error(ssl_, rc);
                if (err == SSL_ERROR_ZERO_RETURN) break;
                if (err == SSL_ERROR_WANT_READ && waitFor(POLLIN, msLeft(deadline))) continue;
                if (err != SSL_ERROR_WANT_READ) clean = false;
                break;
            }
            if (!waitFor(POLLIN, msLeft(deadline))) break;
            const long n = ::recv(fd_, sink, sizeof sink, 0);
            if (n == 0) break;
            if (n < 0 && errno != EINTR && errno != EAGAIN) {
                clean = false;
                break;
            }
        }
    }
    if (ssl_) {
        SSL_free(ssl_);
        ssl_ = nullptr;
        ERR_clear_error();
    }
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    return clean;
}

}  // namespace turnpixa
