#include <string>
#include <vector>

#include "CliRun.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return turnpixa::runCli(args, stdout, stderr);
}
