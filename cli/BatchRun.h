#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "CliOptions.h"

namespace turnpixa {

// turnpixa-cli --batch: makes every row of the catalogue (or of its shard)
// that is not current, each as turnpixa-cli makes one set, and keeps a
// manifest beside each page. args is the command line (its options are the
// rows' defaults), options that line as parsed. 0 when no row failed.
int runBatch(const std::vector<std::string>& args, const CliOptions& options, std::FILE* out,
             std::FILE* err);

}  // namespace turnpixa
