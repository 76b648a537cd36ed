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

bool runProgram(const std::string& path, const std::vector<std::string>& arguments, bool wait,
                std::string& reason) {
    std::vector<std::string> args{path};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int err = ::posix_spawnp(&pid, path.c_str(), nullptr, nullptr, argv.data(), environ);
    if (err != 0) {
        reason = std::strerror(err);
        return false;
    }
    if (!wait) return true;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            reason = std::strerror(errno);
            return false;
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
    reason = WIFEXITED(status) ? "exit status " + std::to_string(WEXITSTATUS(status))
                               : "ended by a signal";
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
