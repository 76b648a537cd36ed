#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

namespace turnpixa::test {

// A helper server (a Python script from tests/net) run by the test itself.
// The script prints its port on its first line and ends when its standard
// input closes, which the destructor does.
class ServerProcess {
public:
    ServerProcess(const std::string& script, const std::vector<std::string>& args);
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    int port() const { return port_; }  // 0 when the server did not start

private:
    pid_t pid_ = -1;
    int stdinFd_ = -1;
    int port_ = 0;
};

std::string netScript(const std::string& name);

}  // namespace turnpixa::test
