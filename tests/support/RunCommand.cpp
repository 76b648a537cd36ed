#include "RunCommand.h"

#include <sys/wait.h>

#include <cstdio>

namespace turnpixa::test {

CommandRun runCommand(const std::string& command) {
    CommandRun run;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.output.append(buffer, n);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

}  // namespace turnpixa::test
