#include "CFtpClient.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <vector>

namespace turnpixa {

namespace {

constexpr int LO = -1;  // logged on
constexpr int ER = -2;  // the sequence failed

// Per sequence: (command code, next position after 2xx, after 3xx) triples.
const std::array<std::vector<int>, 9> kSequences = {{
    {0, LO, 3, 1, LO, 6, 2, LO, ER},
    {3, 6, 3, 4, 6, ER, 5, ER, 9, 0, LO, 12, 1, LO, 15, 2, LO, ER},
    {3, 6, 3, 4, 6, ER, 6, LO, 9, 1, LO, 12, 2, LO, ER},
    {7, 3, 3, 0, LO, 6, 1, LO, 9, 2, LO, ER},
    {3, 6, 3, 4, 6, ER, 0, LO, 9, 1, LO, 12, 2, LO, ER},
    {6, LO, 3, 1, LO, 6, 2, LO, ER},
    {8, 6, 3, 4, 6, ER, 0, LO, 9, 1, LO, 12, 2, LO, ER},
    {9, ER, 3, 1, LO, 6, 2, LO, ER},
    {10, LO, 3, 11, LO, 6, 2, LO, ER},
}};

bool startsWithNoCase(const std::string& text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

CFtpClient::CFtpClient(FtpOptions options) : options_(std::move(options)) {}

CFtpClient::~CFtpClient() {
    CloseChannels();
}

void CFtpClient::CloseChannels() {
    control_.reset();
    tls_.reset();
    inStart_ = inEnd_ = 0;
}

bool CFtpClient::OpenControlChannel(const std::string& host, int port) {
    CloseChannels();
    replyText_ = FtpText::kConnectOut;
    control_ = std::make_unique<Socket>();
    replyText_ = FtpText::kConnectWebspace;
    std::string reason;
    if (port < 1 || port > 65535) {
        replyText_ += ": " + host;
        control_.reset();
        return false;
    }
    if (!control_->connect(host, port, options_.connectMs, reason, options_.lookupMs)) {
        replyText_ += ": " + host + "\n\n(" + reason + ")";
        control_.reset();
        return false;
    }
    replyText_ = FtpText::kConnectOut;
    return true;
}

bool CFtpClient::WriteCommandLine(const std::string& text) {
    replyText_ = FtpText::kConnection;
    // A name may hold line breaks; sent, they would smuggle in a command.
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
        replyText_ += "\n\nA name that holds a line break cannot be sent to the server.";
        return false;
    }
    if (!control_) return false;
    const std::string line = text + "\r\n";
    return control_->sendAll(line.data(), line.size(), options_.replyMs);
}

bool CFtpClient::ReadReply() {
    replyText_.clear();
    assembler_.reset();
    while (control_) {
        if (inStart_ == inEnd_) {
            const long n = control_->receive(inBuffer_, sizeof inBuffer_, options_.replyMs);
            if (n <= 0) break;
            inStart_ = 0;
            inEnd_ = static_cast<std::size_t>(n);
        }
        while (inStart_ < inEnd_) {
            const auto state = assembler_.feed(inBuffer_[inStart_++]);
            if (state == FtpReplyAssembler::State::TooLong) {
                replyText_ = FtpText::kConnection;
                return false;
            }
            if (state == FtpReplyAssembler::State::Done) {
                replyText_ = assembler_.lastLine();
                replyClass_ = turnpixa::replyClass(replyText_);
                return true;
            }
        }
    }
    replyText_ = FtpText::kConnection;
    return false;
}

bool CFtpClient::SendCommand(const std::string& text) {
    if (!text.empty() && !WriteCommandLine(text)) return false;
    if (!ReadReply()) return false;
    return replyClass_ == 2;
}

bool CFtpClient::startTls(const std::string& host) {
    if (!SendCommand("AUTH TLS")) {
        replyText_ += "\n\nThe server does not offer a secure (FTPS) connection.";
        return false;
    }
    tls_ = std::make_unique<TlsContext>();
    std::string reason;
    if (!tls_->init(options_.caFile, reason) ||
        !control_->startTls(*tls_, host, nullptr, options_.replyMs, reason)) {
        replyText_ = reason;
        return false;
    }
    tlsHost_ = host;
    return true;
}

bool CFtpClient::LogOn(const std::string& host, int port, const std::string& user,
                       const std::string& password, const std::string& account,
                       const std::string& firewallHost, const std::string& firewallUser,
                       const std::string& firewallPassword, int firewallPort, int sequence) {
    if (sequence < 0 || sequence > 8) return false;
    constexpr std::string_view kFtps = "ftps://";
    std::string plainHost = host;
    std::string target = sequence == 0 ? host : firewallHost;
    const bool secure = startsWithNoCase(target, kFtps);
    if (secure) target.erase(0, kFtps.size());
    if (startsWithNoCase(plainHost, kFtps)) plainHost.erase(0, kFtps.size());
    const int targetPort = sequence == 0 ? port : firewallPort;

    const std::string at = port != 21 ? plainHost + ":" + std::to_string(port) : plainHost;
    if (!OpenControlChannel(target, targetPort) || !SendCommand("")) return false;
    if (secure && !startTls(target)) return false;

    const std::vector<int>& table = kSequences[static_cast<std::size_t>(sequence)];
    std::size_t p = 0;
    for (;;) {
        const int code = table[p];
        const char* note = code == 0   ? FtpText::kUserRefused
                           : code == 1 ? FtpText::kPasswordRefused
                                       : "";
        std::string line;
        switch (code) {
            case 0:
                line = "USER " + user;
                break;
            case 1:
                line = "PASS " + password;
                break;
            case 2:
                line = "ACCT " + account;
                break;
            case 3:
                line = "USER " + firewallUser;
                break;
            case 4:
                line = "PASS " + firewallPassword;
                break;
            case 5:
                line = "SITE " + at;
                break;
            case 6:
                line = "USER " + user + "@" + at;
                break;
            case 7:
                line = "OPEN " + at;
                break;
            case 8:
                line = "USER " + firewallUser + "@" + at;
                break;
            case 9:
                line = "USER " + user + "@" + at + " " + firewallUser;
                break;
            case 10:
                line = "USER " + user + "@" + firewallUser + "@" + at;
                break;
            default:
                line = "PASS " + password + "@" + firewallPassword;
                break;
        }
        if (!WriteCommandLine(line) || !ReadReply()) return false;
        if (replyClass_ != 2 && replyClass_ != 3) {
            replyText_ += std::string("\n\n") + note;
            return false;
        }
        const int next = table[p + static_cast<std::size_t>(replyClass_) - 1];
        if (next == ER) {
            replyText_ = FtpText::kLogOnFailed;
            return false;
        }
        if (next == LO) break;
        p = static_cast<std::size_t>(next);
    }
    // Protect the data connections as well as the control connection.
    return !secure || (SendCommand("PBSZ 0") && SendCommand("PROT P"));
}

bool CFtpClient::ChangeDirectory(const std::string& name) {
    if (SendCommand("CWD " + name)) return true;
    replyText_ += "\r\nProblem changing to directory: " + name;
    return false;
}

bool CFtpClient::MakeDirectory(const std::string& name) {
    if (SendCommand("MKD " + name)) return true;
    replyText_ += "\n\nProblem making directory: " + name;
    return false;
}

bool CFtpClient::MakeDirectoryPath(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    for (std::size_t i = 1; i < p.size(); ++i) {
        if (p[i] != '/') continue;
        // 521 is "exists" in the RFC, but common servers say 550 for a
        // folder that is already there; the last MKD or CWD decides.
        if (!MakeDirectory(p.substr(0, i))) {
            const int n = replyNumber(replyText_);
            if (n != 521 && n != 550) return false;
        }
    }
    return MakeDirectory(p) || replyNumber(replyText_) == 521;
}

bool CFtpClient::passiveOverIpv6(int& pasvPort) {
    if (SendCommand("EPSV")) {
        if (parseEpsvReply(replyText_, pasvPort)) return true;
        replyText_ =
            std::string(FtpText::kConnection) +
            "\n\nThe server's extended passive-mode reply could not be used: " + replyText_;
        return false;
    }
    if (replyText_ == FtpText::kConnection) return false;
    // A server without EPSV: its PASV port goes with the address we talk to.
    if (!SendCommand("PASV")) return false;
    if (!parsePasvPort(replyText_, pasvPort)) {
        replyText_ = std::string(FtpText::kConnection) +
                     "\n\nThe server's passive-mode reply could not be used: " + replyText_;
        return false;
    }
    return true;
}

bool CFtpClient::openDataChannel(Socket& listener, int& pasvPort) {
    // PASV and PORT carry IPv4 addresses only; over IPv6 the extended forms.
    const bool ipv6 = control_->peerAddress().find(':') != std::string::npos;
    if (passive) {
        if (ipv6) return passiveOverIpv6(pasvPort);
        std::string pasvHost;
        if (!SendCommand("PASV")) return false;
        if (!parsePasvReply(replyText_, pasvHost, pasvPort)) {
            replyText_ = std::string(FtpText::kConnection) +
                         "\n\nThe server's passive-mode reply could not be used: " + replyText_;
            return false;
        }
        return true;
    }
    replyText_ = FtpText::kConnection;
    const std::string address = control_->localAddress();
    std::string reason;
    if (!listener.listen(address, 5, reason)) {
        replyText_ += "\n\nNo port could be opened for the server to connect to: " + reason;
        return false;
    }
    if (!ipv6) {
        const std::string argument = portArgument(address, listener.localPort());
        if (argument.empty()) return false;
        return SendCommand("PORT " + argument);
    }
    const std::string argument = eprtArgument(address, listener.localPort());
    if (argument.empty()) return false;
    if (SendCommand("EPRT " + argument)) return true;
    if (replyText_ != FtpText::kConnection)
        replyText_ += "\n\nThe server does not connect out over IPv6 (EPRT).";
    return false;
}

bool CFtpClient::sendFileData(std::FILE* file, Socket& data) {
    std::vector<char> chunk(65536);
    for (;;) {
        const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), file);
        if (n > 0 && !data.sendAll(chunk.data(), n, options_.dataMs)) return false;
        if (n < chunk.size()) return !std::ferror(file);
    }
}

bool CFtpClient::PutFile(const std::string& localPath, const std::string& remoteName) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(localPath.c_str(), "rb"));
    if (!file) {
        replyText_ = FtpText::kLocalFile;
        return false;
    }
    if (!control_ || !SendCommand("TYPE I")) return false;
    Socket listener;
    Socket data;
    int pasvPort = 0;
    if (!openDataChannel(listener, pasvPort)) return false;
    if (!WriteCommandLine("STOR " + remoteName)) return false;
    // The data goes to the server we talk to, whatever address the PASV
    // reply names (it may be a private one behind NAT, or someone else's).
    const std::string server = control_->peerAddress();
    std::string reason;
    if (passive && !data.connect(server, pasvPort, options_.connectMs, reason)) {
        // Kept, so that the retry in the other mode and the final message
        // can say what went wrong (a firewall that drops it, or refuses it).
        replyText_ = std::string(FtpText::kTransfer) +
                     "\n\nThe passive-mode data connection could not be made: " + reason;
        return false;
    }
    if (!ReadReply() || replyClass_ != 1) return false;
    if (!passive && !listener.accept(data, server, options_.acceptMs, reason)) {
        replyText_ = std::string(FtpText::kTransfer) + "\n\n" + reason;
        return false;
    }
    listener.close();
    if (tls_ && !data.startTls(*tls_, tlsHost_, control_.get(), options_.replyMs, reason)) {
        replyText_ = std::string(FtpText::kTransfer) + "\n\n" + reason;
        return false;
    }
    dataSessionReused_ = data.sessionReused();
    // A cut-off file must never count as stored, whatever the server says.
    if (!sendFileData(file.get(), data) || !data.close(options_.dataMs)) {
        replyText_ = FtpText::kTransfer;
        return false;
    }
    file.reset();
    if (!SendCommand("")) {
        if (replyText_ == FtpText::kConnection) replyText_ = FtpText::kTransfer;
        return false;
    }
    return true;
}

}  // namespace turnpixa
