#include "LocalWebServer.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "TempDir.h"

namespace turnpixa::test {

LocalWebServer::LocalWebServer(const std::string& folder, bool tls) : folder_(folder), tls_(tls) {
    const std::string script = std::string(TURNPIXA_TEST_SUPPORT_DIR) + "/http_server.py";
    const std::string portFile = folder + "/.port";
    std::vector<std::string> args = {"/usr/bin/python3", script,       folder,
                                     portFile,           "--lifetime", "30"};
    if (tls) {
        args.insert(args.end(), {"--tls", certificate(), dataFile("net/localhost-key.pem")});
    }
    pid_ = fork();
    if (pid_ == 0) {
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (pid_ < 0) return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        std::ifstream in(portFile);
        if (in >> port_ && port_ > 0) return;
        port_ = 0;
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

LocalWebServer::~LocalWebServer() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

std::string LocalWebServer::base() const {
    return std::string(tls_ ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_);
}

std::string LocalWebServer::certificate() {
    return dataFile("net/localhost-cert.pem");
}

std::string LocalWebServer::requests() const {
    std::ifstream in(folder_ + "/requests.log");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace turnpixa::test
