#include "installer/ProcessRunner.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace turnpixa::setup {

std::vector<std::string> splitParameters(const std::string& text) {
    std::vector<std::string> out;
    std::string current;
    bool quoted = false, any = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any) out.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) out.push_back(current);
    return out;
}

bool startProgram(const std::string& path, const std::vector<std::string>& arguments, bool wait,
                  int& exitStatus, int& pid, std::string& reason) {
    std::vector<std::string> args{path};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    const int err = ::posix_spawnp(&child, path.c_str(), nullptr, nullptr, argv.data(), environ);
    if (err != 0) {
        reason = std::strerror(err);
        return false;
    }
    pid = child;
    exitStatus = 0;
    if (!wait) return true;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            exitStatus = -1;
            reason = std::strerror(errno);
            return true;
        }
    }
    exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return true;
}

bool runProgram(const std::string& path, const std::vector<std::string>& arguments, bool wait,
                std::string& reason) {
    int status = 0, pid = 0;
    if (!startProgram(path, arguments, wait, status, pid, reason)) return false;
    if (status == 0) return true;
    if (reason.empty())
        reason = status > 0 ? "exit status " + std::to_string(status) : "ended by a signal";
    return false;
}

bool restartSystem(std::string& reason) {
    const char* custom = std::getenv("BRISK_RESTART_COMMAND");
    std::vector<std::string> command = custom && *custom
                                           ? splitParameters(custom)
                                           : std::vector<std::string>{"systemctl", "reboot"};
    if (command.empty()) {
        reason = "empty restart command";
        return false;
    }
    const std::string program = command.front();
    command.erase(command.begin());
    return runProgram(program, command, true, reason);
}

}  // namespace turnpixa::setup
