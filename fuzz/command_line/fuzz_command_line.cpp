// Command lines for turnpixa-cli: NUL-separated arguments.
#include <cstdint>
#include <string>
#include <vector>

#include "cli/CliOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(static_cast<char>(data[i]));
        }
    }
    turnpixa::CliOptions options;
    std::string error;
    turnpixa::parseCommandLine(args, options, error);
    return 0;
}
