#include "LocalWebServer.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <vector>

namespace turnpixa::test {

LocalWebServer::LocalWebServer(const std::string& folder, bool tls) : tls_(tls) {
    std::vector<std::string> args = {debianPython(),
                                     std::string(TURNPIXA_TEST_SUPPORT_DIR) + "/http_server.py",
                                     folder, "--log", logDir_.file("requests.log")};
    if (tls) {
        args.insert(args.end(), {"--tls", certificate(), dataFile("net/localhost-key.pem")});
    }
    if (!process_.start(args)) return;
    const std::string& line = process_.firstLine();
    std::from_chars(line.data(), line.data() + line.size(), port_);
}

std::string LocalWebServer::base() const {
    return std::string(tls_ ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_);
}

std::string LocalWebServer::certificate() {
    return dataFile("net/localhost-cert.pem");
}

std::string LocalWebServer::requests() const {
    std::ifstream in(logDir_.file("requests.log"));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace turnpixa::test
