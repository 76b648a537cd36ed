#include "SshTestServer.h"

#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "tests/support/RunCommand.h"

namespace turnpixa::test {

namespace {

int freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

bool accepts(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

std::string SshTestServer::unavailable() {
    if (geteuid() != 0) return "sshd needs root to check logins";
    if (access("/usr/sbin/sshd", X_OK) != 0) return "no /usr/sbin/sshd (openssh-server)";
    return {};
}

std::string SshTestServer::user() {
    const passwd* pw = getpwuid(geteuid());
    return pw ? pw->pw_name : "root";
}

SshTestServer::SshTestServer() {
    std::filesystem::create_directories(site());
    std::filesystem::create_directories("/run/sshd");
    writeWholeFile(dir_.file("authorized_keys"), "");
    if (!makeSshKey(dir_.file("host_key"))) return;
    // Another test may take the port between the look and sshd's bind.
    for (int attempt = 0; attempt < 3 && !running(); ++attempt) {
        port_ = freePort();
        start();
    }
}

SshTestServer::~SshTestServer() {
    stop();
}

bool SshTestServer::start() {
    writeWholeFile(dir_.file("sshd_config"),
                   "ListenAddress 127.0.0.1:" + std::to_string(port_) +
                       "\n"
                       "HostKey " +
                       dir_.file("host_key") +
                       "\n"
                       "AuthorizedKeysFile " +
                       dir_.file("authorized_keys") +
                       "\n"
                       "PidFile " +
                       dir_.file("sshd.pid") +
                       "\n"
                       "StrictModes no\nUsePAM no\nPermitRootLogin yes\n"
                       "PasswordAuthentication yes\nKbdInteractiveAuthentication no\n"
                       "LogLevel VERBOSE\n"
                       "Subsystem sftp internal-sftp -d " +
                       site().string() + "\n");
    pid_ = fork();
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);  // a test that dies takes its server along
        execl("/usr/sbin/sshd", "/usr/sbin/sshd", "-D", "-f", dir_.file("sshd_config").c_str(),
              "-E", dir_.file("sshd.log").c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid_ < 0) return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return false;
        }
        if (accepts(port_)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    stop();
    return false;
}

void SshTestServer::stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

void SshTestServer::authorize(const std::string& publicKeyFile) {
    std::ofstream(dir_.file("authorized_keys"), std::ios::app) << readWholeFile(publicKeyFile);
}

SshHostKey SshTestServer::hostKey() const {
    // "ssh-ed25519 BASE64 comment"
    const std::string line = readWholeFile(dir_.file("host_key.pub"));
    const std::size_t from = line.find(' ') + 1;
    SshHostKey key;
    Base64::decode(line.substr(from, line.find(' ', from) - from), key.blob);
    return key;
}

bool SshTestServer::restartWithNewHostKey() {
    stop();
    std::filesystem::remove(dir_.file("host_key"));
    std::filesystem::remove(dir_.file("host_key.pub"));
    return makeSshKey(dir_.file("host_key")) && start();
}

std::string SshTestServer::log() const {
    return readWholeFile(dir_.file("sshd.log"));
}

bool makeSshKey(const std::string& path, const std::string& passphrase) {
    return runCommand("ssh-keygen -q -t ed25519 -C test -N '" + passphrase + "' -f '" + path +
                      "' </dev/null >/dev/null 2>&1")
               .status == 0;
}

std::string hashedKnownHostsLine(const std::string& host, int port, const SshHostKey& key) {
    // ssh-keygen -H hashes a file the way ssh writes hashed entries.
    TempDir dir;
    writeWholeFile(dir.file("known_hosts"), SshKnownHosts::entryLine(host, port, key) + "\n");
    if (runCommand("ssh-keygen -H -f '" + dir.file("known_hosts") + "' >/dev/null 2>&1").status !=
        0)
        return {};
    return readWholeFile(dir.file("known_hosts"));
}

}  // namespace turnpixa::test
