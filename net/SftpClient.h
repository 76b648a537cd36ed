#pragma once
#include <functional>
#include <string>

#include "SshKnownHosts.h"

struct _LIBSSH2_SESSION;
struct _LIBSSH2_SFTP;

namespace turnpixa {

// An unknown host key, for the user to judge.
struct SshHostKeyQuestion {
    std::string host;
    int port = 22;
    std::string keyType;      // "ED25519"
    std::string fingerprint;  // "SHA256:..."
};

struct SftpOptions {
    int connectMs = 20000;  // the name lookup, and connecting to each address
    int waitMs = 60000;     // any one step of the conversation, or a stalled send
    std::string sshFolder;  // the user's keys and known_hosts; $HOME/.ssh when empty
    std::string systemKnownHosts = "/etc/ssh/ssh_known_hosts";
    std::string ownKnownHosts;     // where keys the user trusts are stored; none when empty
    std::string trustFingerprint;  // an unknown key with this fingerprint is trusted and stored
    bool useAgent = true;          // the agent at $SSH_AUTH_SOCK
    // An unknown host key: true trusts it, and it is stored. Without an
    // answer unknown keys are refused.
    std::function<bool(const SshHostKeyQuestion&)> askHostKey;
    // The passphrase of an encrypted key file; false when the user gives
    // none. Without it such keys are skipped and the failure says so.
    std::function<bool(const std::string& keyFile, std::string& passphrase)> askPassphrase;
    // Called every 50 ms or so while waiting; false cancels at once.
    std::function<bool()> keepGoing;
};

// Uploading over SFTP ("sftp://host[:port]"), with the FTP client's calls
// so that the upload steps run on either. Blocking calls that return
// true/false and leave the reason in replyText(). The host key is checked
// before anything about the user is sent.
class SftpClient {
public:
    explicit SftpClient(SftpOptions options = {});
    ~SftpClient();
    SftpClient(const SftpClient&) = delete;
    SftpClient& operator=(const SftpClient&) = delete;

    // Whether a server field names an SFTP server.
    static bool isSftpServer(const std::string& server);
    // "sftp://host[:port]" (port 22 when none, "[::1]" for IPv6 addresses).
    static bool parseServer(const std::string& server, std::string& host, int& port);

    // There are no separate data connections: kept for the upload steps.
    bool passive = false;

    // An empty password logs on with the SSH agent's keys and then
    // id_ed25519, id_ecdsa and id_rsa of the user's ~/.ssh.
    bool LogOn(const std::string& server, const std::string& user, const std::string& password);
    bool ChangeDirectory(const std::string& name);
    bool MakeDirectory(const std::string& name);
    bool MakeDirectoryPath(const std::string& path);
    bool PutFile(const std::string& localPath, const std::string& remoteName);

    const std::string& replyText() const { return replyText_; }
    bool cancelled() const { return cancelled_; }
    // The remote folder the next names are relative to.
    const std::string& currentFolder() const { return cwd_; }

private:
    bool connectSocket(const std::string& host, int port);
    bool handshake();
    bool acceptHostKey();
    bool authenticate(const std::string& user, const std::string& password);
    bool authenticateWithKeys(const std::string& user, const std::string& offered);
    bool startSftp();
    bool waitSocket(long long deadlineMs);
    bool keepGoing();
    // Logged on, not stopped and not cancelled.
    bool ready();
    template <class Call>
    auto retry(Call call) -> decltype(call());
    // Why the last libssh2 call failed; stops the session for a broken one.
    std::string failureReason();
    bool fail(const std::string& text);
    std::string remotePath(const std::string& name) const;
    // reason, when given, says why not.
    bool isDirectory(const std::string& path, std::string* reason = nullptr);
    void close();

    SftpOptions options_;
    int fd_ = -1;
    _LIBSSH2_SESSION* session_ = nullptr;
    _LIBSSH2_SFTP* sftp_ = nullptr;
    std::string host_;
    int port_ = 22;
    SshKnownHosts known_;
    std::string password_;  // for keyboard-interactive prompts
    std::string cwd_;
    std::string replyText_;
    bool stopped_ = false;  // cancelled, timed out or broken: nothing more is tried
    bool cancelled_ = false;

    friend struct SftpCallbacks;
};

// TurnPixa's own known-hosts file beside the settings file at settingsPath.
std::string knownHostsBeside(const std::string& settingsPath);

}  // namespace turnpixa
