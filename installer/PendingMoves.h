#pragma once
// Replacements that could not be done now: recorded in the data folder and
// done by the next run of the installer.
#include <string>

namespace turnpixa::setup {

bool recordPendingMove(const std::string& dataFolder, const std::string& from,
                       const std::string& to);
// Does every recorded move it can and keeps the rest recorded; returns the
// number done.
int runPendingMoves(const std::string& dataFolder);

}  // namespace turnpixa::setup
