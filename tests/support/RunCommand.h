#pragma once
#include <string>

namespace turnpixa::test {

struct CommandRun {
    int status = -1;     // the exit status; -1 when it did not exit normally
    std::string output;  // what it wrote to standard output
};

// Runs a shell command line (redirections included) and reads its output.
CommandRun runCommand(const std::string& command);

}  // namespace turnpixa::test
