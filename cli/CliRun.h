#pragma once
#include <cstdio>
#include <string>
#include <vector>

namespace turnpixa {

// Exit statuses of turnpixa-cli.
enum CliStatus { kCliDone = 0, kCliFailed = 1, kCliUsage = 2 };

// The whole program without its process: reads the arguments (program name
// excluded), loads and renders the photos, writes the set. Progress and
// warnings go to err, the result line to out.
int runCli(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

}  // namespace turnpixa
