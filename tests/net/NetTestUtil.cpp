#include "NetTestUtil.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>

namespace turnpixa::test {

std::string netScript(const std::string& name) {
    return std::string(TURNPIXA_SOURCE_DIR) + "/tests/net/" + name;
}

ScriptServer::ScriptServer(const std::string& script, const std::vector<std::string>& args) {
    std::vector<std::string> argv = {debianPython(), script};
    argv.insert(argv.end(), args.begin(), args.end());
    if (!process_.start(argv)) return;
    const std::string& line = process_.firstLine();
    std::from_chars(line.data(), line.data() + line.size(), port_);
}

FtpOptions quickOptions() {
    FtpOptions o;
    o.connectMs = 3000;
    o.replyMs = 3000;
    o.acceptMs = 3000;
    o.dataMs = 3000;
    return o;
}

std::string patternBytes(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    unsigned state = seed;
    for (char& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<char>(state >> 16);
    }
    return bytes;
}

namespace {

TestCertificate makeCertificate(const char* name) {
    static TempDir folder;
    TestCertificate c{folder.file(std::string(name) + ".crt"),
                      folder.file(std::string(name) + ".key")};
    const std::string command =
        "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2"
        " -subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout " +
        c.key + " -out " + c.cert + " 2>/dev/null";
    if (std::system(command.c_str()) != 0) ADD_FAILURE() << "openssl could not make " << name;
    return c;
}

}  // namespace

const TestCertificate& serverCertificate() {
    static const TestCertificate c = makeCertificate("server");
    return c;
}

const TestCertificate& strangerCertificate() {
    static const TestCertificate c = makeCertificate("stranger");
    return c;
}

RealFtpServer::RealFtpServer(std::vector<std::string> extraArgs, bool tls) : tls_(tls) {
    std::vector<std::string> args = {"--root", root_.path().string(), "--log",
                                     work_.file("commands.log")};
    if (tls) {
        args.insert(args.end(),
                    {"--cert", serverCertificate().cert, "--key", serverCertificate().key});
    }
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    server_ = std::make_unique<ScriptServer>(netScript("ftp_server.py"), args);
}

std::string RealFtpServer::commandLog() const {
    return std::filesystem::exists(work_.file("commands.log"))
               ? readWholeFile(work_.file("commands.log"))
               : std::string();
}

VsftpdServer::VsftpdServer() {
    server_ = std::make_unique<ScriptServer>(
        netScript("vsftpd_server.py"),
        std::vector<std::string>{"--root", root_.path().string(), "--work", work_.path().string(),
                                 "--cert", serverCertificate().cert, "--key",
                                 serverCertificate().key});
}

std::string VsftpdServer::log() const {
    return std::filesystem::exists(work_.file("vsftpd.log"))
               ? readWholeFile(work_.file("vsftpd.log"))
               : std::string();
}

bool hasIpv6Loopback() {
    const int fd = ::socket(AF_INET6, SOCK_STREAM, 0);
    if (fd < 0) return false;
    sockaddr_in6 a{};
    a.sin6_family = AF_INET6;
    a.sin6_addr = in6addr_loopback;
    const bool ok = ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(fd);
    return ok;
}

}  // namespace turnpixa::test
