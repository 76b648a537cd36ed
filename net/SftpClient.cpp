#include "SftpClient.h"

#include <fcntl.h>
#include <libssh2.h>
#include <libssh2_sftp.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <type_traits>
#include <vector>

#include "SshKeyFile.h"

namespace turnpixa {

namespace {

constexpr const char* kCancelled = "The upload was cancelled.";
constexpr const char* kConnection = "There has been a problem with the connection.";
constexpr const char* kNothingSent = "Nothing was sent to the server.";
constexpr long long kSliceMs = 50;

long long nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool startsWithNoCase(const std::string& text, const char* prefix) {
    const std::size_t n = std::strlen(prefix);
    if (text.size() < n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

bool offers(const std::string& methods, const char* method) {
    std::size_t at = 0;
    const std::size_t n = std::strlen(method);
    while ((at = methods.find(method, at)) != std::string::npos) {
        const bool starts = at == 0 || methods[at - 1] == ',';
        const bool ends = at + n == methods.size() || methods[at + n] == ',';
        if (starts && ends) return true;
        at += n;
    }
    return false;
}

// What OpenSSH's server says for each SFTP status.
std::string sftpStatusText(unsigned long code) {
    switch (code) {
        case LIBSSH2_FX_EOF:
            return "End of file";
        case LIBSSH2_FX_NO_SUCH_FILE:
            return "No such file";
        case LIBSSH2_FX_PERMISSION_DENIED:
            return "Permission denied";
        case LIBSSH2_FX_FAILURE:
            return "Failure";
        case LIBSSH2_FX_BAD_MESSAGE:
            return "Bad message";
        case LIBSSH2_FX_NO_CONNECTION:
            return "No connection";
        case LIBSSH2_FX_CONNECTION_LOST:
            return "Connection lost";
        case LIBSSH2_FX_OP_UNSUPPORTED:
            return "Operation unsupported";
        case LIBSSH2_FX_NO_SUCH_PATH:
            return "No such path";
        case LIBSSH2_FX_FILE_ALREADY_EXISTS:
            return "File already exists";
        case LIBSSH2_FX_WRITE_PROTECT:
            return "Write protected";
        case LIBSSH2_FX_NO_SPACE_ON_FILESYSTEM:
            return "No space left on the server";
        case LIBSSH2_FX_QUOTA_EXCEEDED:
            return "Quota exceeded";
        case LIBSSH2_FX_NOT_A_DIRECTORY:
            return "Not a directory";
        case LIBSSH2_FX_INVALID_FILENAME:
            return "Invalid file name";
        default:
            return "SFTP error " + std::to_string(code);
    }
}

// The host key types libssh2 may negotiate, in OpenSSH's order of preference.
constexpr const char* kHostKeyMethods[] = {"ssh-ed25519",
                                           "ecdsa-sha2-nistp256",
                                           "ecdsa-sha2-nistp384",
                                           "ecdsa-sha2-nistp521",
                                           "rsa-sha2-512",
                                           "rsa-sha2-256",
                                           "ssh-rsa"};

// Like ssh, ask first for a key type that is already known for the host,
// so that a known server is not met with a key it never showed before.
std::string hostKeyPreference(const std::vector<std::string>& knownTypes,
                              const std::vector<std::string>& usable) {
    std::vector<std::string> order;
    for (const std::string& type : knownTypes) {
        if (type == "ssh-rsa") {
            order.insert(order.end(), {"rsa-sha2-512", "rsa-sha2-256", "ssh-rsa"});
        } else {
            order.push_back(type);
        }
    }
    order.insert(order.end(), std::begin(kHostKeyMethods), std::end(kHostKeyMethods));
    std::string list;
    std::vector<std::string> seen;
    for (const std::string& m : order) {
        if (std::find(seen.begin(), seen.end(), m) != seen.end() ||
            std::find(usable.begin(), usable.end(), m) == usable.end())
            continue;
        seen.push_back(m);
        list += (list.empty() ? "" : ",") + m;
    }
    return list;
}

// A name lookup on a thread of its own, so that it can be given up.
struct Lookup {
    std::mutex mutex;
    bool done = false;
    bool abandoned = false;
    int status = 0;
    addrinfo* result = nullptr;
};

}  // namespace

// libssh2 calls back into the client through these.
struct SftpCallbacks {
    static void keyboard(const char*, int, const char*, int, int prompts,
                         const LIBSSH2_USERAUTH_KBDINT_PROMPT*,
                         LIBSSH2_USERAUTH_KBDINT_RESPONSE* responses, void** abstract) {
        const auto* client = static_cast<const SftpClient*>(*abstract);
        for (int i = 0; i < prompts; ++i) {
            // libssh2 frees the answers with free().
            responses[i].text = static_cast<char*>(std::malloc(client->password_.size() + 1));
            if (!responses[i].text) {
                responses[i].length = 0;
                continue;
            }
            std::memcpy(responses[i].text, client->password_.c_str(), client->password_.size() + 1);
            responses[i].length = static_cast<unsigned int>(client->password_.size());
        }
    }
};

std::string knownHostsBeside(const std::string& settingsPath) {
    const std::size_t slash = settingsPath.find_last_of('/');
    return (slash == std::string::npos ? std::string() : settingsPath.substr(0, slash + 1)) +
           "TurnPixa.known_hosts";
}

SftpClient::SftpClient(SftpOptions options) : options_(std::move(options)) {
    static std::once_flag once;
    std::call_once(once, [] { libssh2_init(0); });
}

SftpClient::~SftpClient() {
    close();
}

void SftpClient::close() {
    if (session_) {
        // After a cancel or a time-out nothing more is waited for.
        if (stopped_ && fd_ >= 0) ::shutdown(fd_, SHUT_RDWR);
        libssh2_session_set_blocking(session_, 1);
        libssh2_session_set_timeout(session_, 2000);
        if (sftp_) libssh2_sftp_shutdown(sftp_);
        if (!stopped_) libssh2_session_disconnect(session_, "Upload done");
        libssh2_session_free(session_);
    }
    sftp_ = nullptr;
    session_ = nullptr;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool SftpClient::isSftpServer(const std::string& server) {
    return startsWithNoCase(server, "sftp://");
}

bool SftpClient::parseServer(const std::string& server, std::string& host, int& port) {
    if (!isSftpServer(server)) return false;
    std::string rest = server.substr(7);
    rest.erase(std::min(rest.find('/'), rest.size()));
    port = 22;
    std::string portText;
    if (!rest.empty() && rest[0] == '[') {
        const std::size_t close = rest.find(']');
        if (close == std::string::npos) return false;
        host = rest.substr(1, close - 1);
        if (close + 1 < rest.size()) {
            if (rest[close + 1] != ':') return false;
            portText = rest.substr(close + 2);
        }
    } else {
        const std::size_t colon = rest.find(':');
        host = rest.substr(0, colon);
        if (colon != std::string::npos) portText = rest.substr(colon + 1);
    }
    if (host.empty() || host.find_first_of(" \t") != std::string::npos) return false;
    if (!portText.empty() || rest.find(':') != std::string::npos) {
        if (portText.empty() || portText.size() > 5 ||
            portText.find_first_not_of("0123456789") != std::string::npos)
            return false;
        port = std::stoi(portText);
        if (port < 1 || port > 65535) return false;
    }
    return true;
}

bool SftpClient::fail(const std::string& text) {
    if (!stopped_ || replyText_.empty()) replyText_ = text;
    return false;
}

bool SftpClient::ready() {
    if (!stopped_ && sftp_ && keepGoing()) return true;
    return fail(kConnection);
}

bool SftpClient::keepGoing() {
    if (cancelled_) return false;
    if (options_.keepGoing && !options_.keepGoing()) {
        cancelled_ = stopped_ = true;
        replyText_ = kCancelled;
        return false;
    }
    return true;
}

bool SftpClient::waitSocket(long long deadlineMs) {
    const int directions = libssh2_session_block_directions(session_);
    short events = 0;
    if (directions & LIBSSH2_SESSION_BLOCK_INBOUND) events |= POLLIN;
    if (directions & LIBSSH2_SESSION_BLOCK_OUTBOUND) events |= POLLOUT;
    if (events == 0) events = POLLIN;
    for (;;) {
        if (!keepGoing()) return false;
        const long long left = deadlineMs - nowMs();
        if (left <= 0) {
            stopped_ = true;
            const int seconds = (options_.waitMs + 999) / 1000;
            replyText_ = "The webspace server did not answer within " + std::to_string(seconds) +
                         (seconds == 1 ? " second." : " seconds.");
            return false;
        }
        pollfd p{fd_, events, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(std::min(left, kSliceMs)));
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) {
            stopped_ = true;
            replyText_ = std::string(kConnection) + " (" + std::strerror(errno) + ")";
            return false;
        }
    }
}

template <class Call>
auto SftpClient::retry(Call call) -> decltype(call()) {
    const long long deadline = nowMs() + options_.waitMs;
    for (;;) {
        auto result = call();
        bool again = false;
        if constexpr (std::is_pointer_v<decltype(result)>) {
            again =
                result == nullptr && libssh2_session_last_errno(session_) == LIBSSH2_ERROR_EAGAIN;
        } else {
            again = result == LIBSSH2_ERROR_EAGAIN;
        }
        if (!again || !waitSocket(deadline)) return result;
    }
}

std::string SftpClient::failureReason() {
    if (stopped_) return replyText_;
    const int error = libssh2_session_last_errno(session_);
    if (error == LIBSSH2_ERROR_SFTP_PROTOCOL && sftp_)
        return sftpStatusText(libssh2_sftp_last_error(sftp_));
    char* message = nullptr;
    libssh2_session_last_error(session_, &message, nullptr, 0);
    // The session is of no further use.
    stopped_ = true;
    replyText_ =
        std::string(kConnection) + (message && *message ? " (" + std::string(message) + ")" : "");
    return replyText_;
}

bool SftpClient::connectSocket(const std::string& host, int port) {
    const std::string failure = "Unable to connect to the webspace: " + host;
    auto lookup = std::make_shared<Lookup>();
    std::thread([lookup, host, port] {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* result = nullptr;
        const int status = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &result);
        const std::lock_guard<std::mutex> lock(lookup->mutex);
        lookup->done = true;
        lookup->status = status;
        if (lookup->abandoned) {
            if (result) freeaddrinfo(result);
        } else {
            lookup->result = result;
        }
    }).detach();

    const long long lookupDeadline = nowMs() + options_.connectMs;
    addrinfo* addresses = nullptr;
    int status = 0;
    for (;;) {
        {
            const std::lock_guard<std::mutex> lock(lookup->mutex);
            if (lookup->done) {
                addresses = lookup->result;
                status = lookup->status;
                break;
            }
            if (!keepGoing() || nowMs() >= lookupDeadline) {
                lookup->abandoned = true;
                return fail(cancelled_ ? kCancelled : failure + " (the name lookup took too long)");
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (status != 0 || !addresses) return fail(failure + " (" + gai_strerror(status) + ")");
    const std::unique_ptr<addrinfo, void (*)(addrinfo*)> owner(addresses, freeaddrinfo);

    std::string why = "no address";
    // Every address has a time of its own, so a silent first one leaves
    // time for the next.
    for (const addrinfo* a = addresses; a; a = a->ai_next) {
        const int fd =
            ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) {
            why = std::strerror(errno);
            continue;
        }
        int error = ::connect(fd, a->ai_addr, a->ai_addrlen) == 0 ? 0 : errno;
        const long long deadline = nowMs() + options_.connectMs;
        while (error == EINPROGRESS) {
            if (!keepGoing()) {
                ::close(fd);
                return fail(kCancelled);
            }
            const long long left = deadline - nowMs();
            if (left <= 0) {
                error = ETIMEDOUT;
                break;
            }
            pollfd p{fd, POLLOUT, 0};
            if (::poll(&p, 1, static_cast<int>(std::min(left, kSliceMs))) > 0) {
                socklen_t size = sizeof error;
                if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) error = errno;
            }
        }
        if (error == 0) {
            fd_ = fd;
            return true;
        }
        ::close(fd);
        why = std::strerror(error);
    }
    return fail(failure + " (" + why + ")");
}

bool SftpClient::handshake() {
    session_ = libssh2_session_init_ex(nullptr, nullptr, nullptr, this);
    if (!session_) return fail(std::string(kConnection) + " (no memory for the session)");
    libssh2_session_set_blocking(session_, 0);
    // Only names this libssh2 knows: it removes others with overlapping copies.
    const char** supported = nullptr;
    const int count = libssh2_session_supported_algs(session_, LIBSSH2_METHOD_HOSTKEY, &supported);
    std::vector<std::string> usable;
    for (int i = 0; i < count; ++i) usable.emplace_back(supported[i]);
    if (supported) libssh2_free(session_, supported);
    const std::string methods = hostKeyPreference(known_.knownTypes(host_, port_), usable);
    if (!methods.empty())
        libssh2_session_method_pref(session_, LIBSSH2_METHOD_HOSTKEY, methods.c_str());
    const int rc = retry([&] { return libssh2_session_handshake(session_, fd_); });
    if (rc == 0) return true;
    if (stopped_) return false;
    char* message = nullptr;
    libssh2_session_last_error(session_, &message, nullptr, 0);
    stopped_ = true;
    return fail("Unable to connect to the webspace: " + host_ +
                " (no SSH connection: " + (message ? message : "") + ")");
}

bool SftpClient::acceptHostKey() {
    std::size_t size = 0;
    int type = 0;
    const char* raw = libssh2_session_hostkey(session_, &size, &type);
    if (!raw || size == 0)
        return fail(std::string(kConnection) + " (the server showed no host key)");
    const SshHostKey key{std::string(raw, size)};
    const std::string server = port_ == 22 ? host_ : host_ + " port " + std::to_string(port_);
    const std::string shown = key.displayType() + " key fingerprint is " + key.fingerprint();
    switch (known_.check(host_, port_, key)) {
        case SshKnownHosts::Verdict::Known:
            return true;
        case SshKnownHosts::Verdict::Revoked:
            stopped_ = true;
            replyText_ = "WARNING: the host key of the webspace server " + server +
                         " has been revoked; it is never accepted. Its " + shown + ". " +
                         kNothingSent;
            return false;
        case SshKnownHosts::Verdict::Changed:
            stopped_ = true;
            replyText_ = "WARNING: the host key of the webspace server " + server +
                         " has changed!\nSomeone could be listening in on the connection, or the "
                         "server's key has been replaced.\nThe " +
                         shown + ".\nThe old key is in " + known_.changedEntry(host_, port_, key) +
                         "; if your host confirms that the key has changed, remove that line "
                         "and connect again. " +
                         kNothingSent;
            return false;
        case SshKnownHosts::Verdict::Unknown:
            break;
    }
    bool trusted =
        !options_.trustFingerprint.empty() && options_.trustFingerprint == key.fingerprint();
    if (!trusted && options_.askHostKey)
        trusted = options_.askHostKey({host_, port_, key.displayType(), key.fingerprint()});
    if (!keepGoing()) return false;
    if (!trusted) {
        stopped_ = true;
        replyText_ = "The host key of the webspace server " + server + " is not known: its " +
                     shown + ". " + kNothingSent;
        return false;
    }
    std::string reason;
    if (!options_.ownKnownHosts.empty() &&
        !SshKnownHosts::store(options_.ownKnownHosts, host_, port_, key, reason)) {
        // The key is trusted for this upload all the same; the next one asks again.
        std::fprintf(stderr, "turnpixa: could not store the host key: %s\n", reason.c_str());
    }
    return true;
}

bool SftpClient::authenticate(const std::string& user, const std::string& password) {
    char* list = retry([&] {
        return libssh2_userauth_list(session_, user.c_str(), static_cast<unsigned>(user.size()));
    });
    if (!list) {
        if (libssh2_userauth_authenticated(session_)) return true;
        return fail(failureReason());
    }
    const std::string offered = list;
    if (password.empty()) return authenticateWithKeys(user, offered);

    password_ = password;
    int rc = LIBSSH2_ERROR_AUTHENTICATION_FAILED;
    if (offers(offered, "password")) {
        rc = retry([&] {
            return libssh2_userauth_password_ex(
                session_, user.c_str(), static_cast<unsigned>(user.size()), password.c_str(),
                static_cast<unsigned>(password.size()), nullptr);
        });
    } else if (offers(offered, "keyboard-interactive")) {
        rc = retry([&] {
            return libssh2_userauth_keyboard_interactive_ex(session_, user.c_str(),
                                                            static_cast<unsigned>(user.size()),
                                                            &SftpCallbacks::keyboard);
        });
    } else {
        return fail("The server takes no password for " + user + " (it offers: " + offered +
                    "). Leave the password empty to log on with your SSH key.");
    }
    if (rc == 0) return true;
    if (stopped_) return false;
    if (rc != LIBSSH2_ERROR_AUTHENTICATION_FAILED && rc != LIBSSH2_ERROR_PASSWORD_EXPIRED)
        return fail(failureReason());
    return fail("The username and password combination was not accepted. (user " + user + ")");
}

bool SftpClient::authenticateWithKeys(const std::string& user, const std::string& offered) {
    if (!offers(offered, "publickey"))
        return fail("The server takes no SSH keys for " + user + " (it offers: " + offered +
                    "). Give your password in the upload settings.");
    std::vector<std::string> tried;
    const char* agentSocket = std::getenv("SSH_AUTH_SOCK");
    if (options_.useAgent && agentSocket && *agentSocket) {
        LIBSSH2_AGENT* agent = libssh2_agent_init(session_);
        int count = 0;
        bool in = false;
        if (agent && libssh2_agent_connect(agent) == 0 &&
            libssh2_agent_list_identities(agent) == 0) {
            libssh2_agent_publickey* identity = nullptr;
            libssh2_agent_publickey* previous = nullptr;
            while (!in && !stopped_ &&
                   libssh2_agent_get_identity(agent, &identity, previous) == 0) {
                ++count;
                in = retry([&] { return libssh2_agent_userauth(agent, user.c_str(), identity); }) ==
                     0;
                previous = identity;
            }
            libssh2_agent_disconnect(agent);
        }
        if (agent) libssh2_agent_free(agent);
        if (in) return true;
        if (stopped_) return false;
        if (count > 0)
            tried.push_back("the SSH agent's " + std::to_string(count) + " key" +
                            (count > 1 ? "s" : ""));
    }

    std::string folder = options_.sshFolder;
    if (folder.empty()) {
        const char* home = std::getenv("HOME");
        folder = std::string(home ? home : "") + "/.ssh";
    }
    std::vector<std::string> locked;
    std::string unreadable;
    for (const char* name : {"id_ed25519", "id_ecdsa", "id_rsa"}) {
        const std::string path = folder + "/" + name;
        const SshKeyFileState state = sshKeyFileState(path);
        if (state == SshKeyFileState::Missing) continue;
        if (state == SshKeyFileState::Encrypted && !options_.askPassphrase) {
            locked.push_back(path);
            continue;
        }
        const auto tryKey = [&](const std::string& passphrase) {
            return retry([&] {
                return libssh2_userauth_publickey_fromfile_ex(
                    session_, user.c_str(), static_cast<unsigned>(user.size()), nullptr,
                    path.c_str(), passphrase.c_str());
            });
        };
        int rc = LIBSSH2_ERROR_FILE;
        if (state == SshKeyFileState::Plain) {
            rc = tryKey("");
        } else {
            // Three tries at the passphrase, as ssh gives.
            for (int attempt = 0; attempt < 3 && rc == LIBSSH2_ERROR_FILE; ++attempt) {
                std::string passphrase;
                if (!options_.askPassphrase(path, passphrase) || !keepGoing()) break;
                rc = tryKey(passphrase);
            }
        }
        if (rc == 0) return true;
        if (stopped_) return false;
        if (rc == LIBSSH2_ERROR_FILE) {
            unreadable += " " + path +
                          (state == SshKeyFileState::Encrypted ? " was not unlocked."
                                                               : " could not be read.");
        } else {
            tried.push_back(path);
        }
    }

    std::string text;
    if (!tried.empty()) {
        text = "The server accepted none of your SSH keys for " + user + " (tried ";
        for (std::size_t i = 0; i < tried.size(); ++i) text += (i ? ", " : "") + tried[i];
        text += ").";
    } else if (locked.empty() && unreadable.empty()) {
        text =
            "There is no SSH key to log on with: no SSH agent has keys and there is no "
            "id_ed25519, id_ecdsa or id_rsa in " +
            folder +
            ". Give your password in the upload settings, or make a key with ssh-keygen and "
            "add it to the server.";
    }
    for (const std::string& path : locked)
        text += (text.empty() ? "" : " ") + std::string("Your SSH key ") + path +
                " is protected by a passphrase, which cannot be asked for here: add the key to "
                "your SSH agent (ssh-add " +
                path +
                ") or upload from the wizard, which asks "
                "for it.";
    if (!unreadable.empty()) text += (text.empty() ? "Your SSH key" : " Your SSH key") + unreadable;
    return fail(text);
}

bool SftpClient::startSftp() {
    sftp_ = retry([&] { return libssh2_sftp_init(session_); });
    if (!sftp_) return fail(failureReason() + " (the server offers no SFTP)");
    char buffer[4096];
    const int size = retry([&] {
        return libssh2_sftp_symlink_ex(sftp_, ".", 1, buffer, sizeof buffer - 1,
                                       LIBSSH2_SFTP_REALPATH);
    });
    if (size <= 0) return fail(failureReason());
    cwd_.assign(buffer, static_cast<std::size_t>(size));
    return true;
}

bool SftpClient::LogOn(const std::string& server, const std::string& user,
                       const std::string& password) {
    if (!parseServer(server, host_, port_))
        return fail("Unable to connect to the webspace: " + server +
                    " is not of the form sftp://host or sftp://host:port");
    known_ = SshKnownHosts();
    std::string folder = options_.sshFolder;
    if (folder.empty()) {
        const char* home = std::getenv("HOME");
        folder = std::string(home ? home : "") + "/.ssh";
    }
    known_.addFile(folder + "/known_hosts");
    if (!options_.systemKnownHosts.empty()) known_.addFile(options_.systemKnownHosts);
    if (!options_.ownKnownHosts.empty()) known_.addFile(options_.ownKnownHosts);
    return connectSocket(host_, port_) && handshake() && acceptHostKey() &&
           authenticate(user, password) && startSftp();
}

std::string SftpClient::remotePath(const std::string& name) const {
    std::string path = name;
    std::replace(path.begin(), path.end(), '\\', '/');
    if (!path.empty() && path[0] == '/') return path;
    return cwd_ + (cwd_.empty() || cwd_.back() == '/' ? "" : "/") + path;
}

bool SftpClient::isDirectory(const std::string& path, std::string* reason) {
    LIBSSH2_SFTP_ATTRIBUTES attributes{};
    const int rc = retry([&] {
        return libssh2_sftp_stat_ex(sftp_, path.c_str(), static_cast<unsigned>(path.size()),
                                    LIBSSH2_SFTP_STAT, &attributes);
    });
    if (rc != 0) {
        if (reason) *reason = failureReason();
        return false;
    }
    if (reason) *reason = "Not a directory";
    return (attributes.flags & LIBSSH2_SFTP_ATTR_PERMISSIONS) &&
           LIBSSH2_SFTP_S_ISDIR(attributes.permissions);
}

bool SftpClient::ChangeDirectory(const std::string& name) {
    if (!ready()) return false;
    const std::string path = remotePath(name);
    std::string reason;
    if (isDirectory(path, &reason)) {
        char buffer[4096];
        const int size = retry([&] {
            return libssh2_sftp_symlink_ex(sftp_, path.c_str(), static_cast<unsigned>(path.size()),
                                           buffer, sizeof buffer - 1, LIBSSH2_SFTP_REALPATH);
        });
        if (size > 0) {
            cwd_.assign(buffer, static_cast<std::size_t>(size));
            return true;
        }
        reason = failureReason();
    }
    if (stopped_) return false;
    return fail(reason + "\nProblem changing to directory: " + name);
}

bool SftpClient::MakeDirectory(const std::string& name) {
    if (!ready()) return false;
    const std::string path = remotePath(name);
    const int rc = retry([&] {
        return libssh2_sftp_mkdir_ex(sftp_, path.c_str(), static_cast<unsigned>(path.size()), 0755);
    });
    if (rc == 0) return true;
    return fail(failureReason() + "\n\nProblem making directory: " + name);
}

bool SftpClient::MakeDirectoryPath(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    for (std::size_t slash = p.find('/', 1);; slash = p.find('/', slash + 1)) {
        const std::string part = p.substr(0, slash);
        // An existing folder is what was wanted.
        if (!part.empty() && part.back() != '/' && !MakeDirectory(part) &&
            (stopped_ || !isDirectory(remotePath(part))))
            return false;
        if (slash == std::string::npos) return true;
    }
}

bool SftpClient::PutFile(const std::string& localPath, const std::string& remoteName) {
    if (!ready()) return false;
    std::FILE* file = std::fopen(localPath.c_str(), "rb");
    if (!file) return fail("Unable to open the local file: " + localPath);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> owner(file, std::fclose);
    const std::string path = remotePath(remoteName);
    LIBSSH2_SFTP_HANDLE* handle = retry([&] {
        return libssh2_sftp_open_ex(sftp_, path.c_str(), static_cast<unsigned>(path.size()),
                                    LIBSSH2_FXF_WRITE | LIBSSH2_FXF_CREAT | LIBSSH2_FXF_TRUNC, 0644,
                                    LIBSSH2_SFTP_OPENFILE);
    });
    const std::string failure = "There was a problem transferring the file " + remoteName + ": ";
    if (!handle) return fail(failure + failureReason());

    std::vector<char> buffer(32768);
    bool ok = true;
    std::string reason;
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
        if (got == 0) {
            if (std::ferror(file)) {
                ok = false;
                reason = "Unable to read the local file " + localPath;
            }
            break;
        }
        std::size_t sent = 0;
        while (ok && sent < got) {
            const ssize_t n =
                retry([&] { return libssh2_sftp_write(handle, buffer.data() + sent, got - sent); });
            if (n < 0) {
                ok = false;
                reason = failure + failureReason();
            } else {
                sent += static_cast<std::size_t>(n);
            }
        }
        if (!ok || !keepGoing()) break;
    }
    if (stopped_) return false;  // the handle goes with the session
    // Closing reports what the server made of the last writes.
    const int closed = retry([&] { return libssh2_sftp_close_handle(handle); });
    if (ok && closed != 0) {
        ok = false;
        reason = failure + failureReason();
    }
    return ok || fail(reason);
}

}  // namespace turnpixa
