#pragma once
#include <sys/types.h>
#include <string>
#include <vector>

namespace turnpixa::test {

// A helper server started by a test (a python script on loopback, say).
// The server prints one line when it is ready (typically its port); the
// process is killed and reaped when this object goes.
class ServerProcess {
public:
    ServerProcess() = default;
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // Starts argv[0] with its arguments and waits up to timeoutMs for the
    // first line on its standard output. False when it could not start or
    // said nothing in time.
    bool start(const std::vector<std::string>& argv, int timeoutMs = 10000);
    const std::string& firstLine() const { return firstLine_; }
    void stop();

private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string firstLine_;
};

// Debian's own python, which has the modules the tests use.
inline const char* debianPython() {
    return "/usr/bin/python3";
}

}  // namespace turnpixa::test
