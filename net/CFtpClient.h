#pragma once
#include <memory>
#include <string>

#include "FtpReply.h"
#include "Socket.h"

namespace turnpixa {

// How long the client waits; tests shorten them.
struct FtpOptions {
    int lookupMs = 15000;   // finding the server's addresses by name
    int connectMs = 20000;  // each address tried, and the passive data connection
    int replyMs = 60000;    // a reply, or a stalled send, on the control connection
    int acceptMs = 20000;   // the server's data connection in active mode
    int dataMs = 60000;     // a stalled send on the data connection
    std::string caFile;     // trusted certificates for ftps:// besides the system's
};

// A small FTP client for uploading (RFC 959 subset, plus explicit TLS for a
// server written "ftps://host"). Over IPv6 the data connections are made
// with EPSV / EPRT (RFC 2428). Every call blocks and returns true/false;
// after a failure replyText() says why, and the caller discards the client.
// No QUIT is sent: closing drops the connection.
class CFtpClient {
public:
    explicit CFtpClient(FtpOptions options = {});
    ~CFtpClient();
    CFtpClient(const CFtpClient&) = delete;
    CFtpClient& operator=(const CFtpClient&) = delete;

    // Data connections use PASV when true, PORT when false.
    bool passive = false;

    // sequence 0..8 picks one of the log-on command tables.
    bool LogOn(const std::string& host, int port, const std::string& user,
               const std::string& password, const std::string& account,
               const std::string& firewallHost, const std::string& firewallUser,
               const std::string& firewallPassword, int firewallPort, int sequence);
    // True only for a 2xx reply; an empty text only reads a reply.
    bool SendCommand(const std::string& text);
    bool ChangeDirectory(const std::string& name);
    bool MakeDirectory(const std::string& name);
    bool MakeDirectoryPath(const std::string& path);
    // Stores a local file under remoteName in the current remote folder.
    bool PutFile(const std::string& localPath, const std::string& remoteName);

    const std::string& replyText() const { return replyText_; }
    int replyClass() const { return replyClass_; }
    bool isTls() const { return tls_ != nullptr; }
    // Whether the last data connection resumed a TLS session of this log-on
    // (servers such as vsftpd insist on it).
    bool dataSessionReused() const { return dataSessionReused_; }

    bool OpenControlChannel(const std::string& host, int port);
    bool WriteCommandLine(const std::string& text);
    bool ReadReply();
    void CloseChannels();

private:
    bool startTls(const std::string& host);
    bool openDataChannel(Socket& listener, int& pasvPort);
    bool passiveOverIpv6(int& pasvPort);
    bool sendFileData(std::FILE* file, Socket& data);

    FtpOptions options_;
    std::string replyText_;
    int replyClass_ = 0;
    std::unique_ptr<Socket> control_;
    std::unique_ptr<TlsContext> tls_;
    std::string tlsHost_;
    bool dataSessionReused_ = false;
    FtpReplyAssembler assembler_;
    char inBuffer_[4096];
    std::size_t inStart_ = 0;
    std::size_t inEnd_ = 0;
};

// The failure texts the client leaves in its reply text.
namespace FtpText {
inline constexpr const char* kLogOnFailed = "Unable to log on to the webspace server";       // 123
inline constexpr const char* kLocalFile = "Unable to open the local file";                   // 124
inline constexpr const char* kConnection = "There has been a problem with the connection.";  // 125
inline constexpr const char* kTransfer = "There was a problem transferring the file";        // 126
inline constexpr const char* kConnectOut = "Unable to connect out.";                         // 127
inline constexpr const char* kConnectWebspace = "Unable to connect to the webspace";         // 128
inline constexpr const char* kUserRefused = "The username was not accepted.";                // 129
inline constexpr const char* kPasswordRefused =
    "The username and password combination was not accepted.";  // 130
}  // namespace FtpText

}  // namespace turnpixa
