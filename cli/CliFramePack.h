#pragma once
#include <cstdio>
#include <optional>
#include <string>

#include "CliOptions.h"

namespace turnpixa {

class ProgressBar;
class Project;

// --frame-pack, --pack-frames and --pack-width: their values as the option
// table stores them, and the checks that need the whole command line.
bool applyFramePack(CliOptions& options, const std::optional<std::string>& value);
bool applyPackFrames(CliOptions& options, const std::optional<std::string>& value);
bool applyPackWidth(CliOptions& options, const std::optional<std::string>& value);
// Empty when the pack options fit together.
std::string framePackUsageError(const CliOptions& options);

// Writes the pack of the loaded project; an exit status. The result line
// goes to out, warnings and the reason of a failure to err.
int writeFramePack(const CliOptions& options, Project& project, ProgressBar& bar, std::FILE* out,
                   std::FILE* err);

}  // namespace turnpixa
