#pragma once
#include <cstdio>
#include <functional>
#include <string>

#include "CliOptions.h"

namespace turnpixa {

// Writes the turntable pad as a one-page PDF. The core has no PDF writer
// (that needs Qt); turnpixa-cli installs one at start, and without one
// --print-pad says this build cannot do it.
using PadPdfWriter = std::function<bool(const std::string& path, const std::string& paper,
                                        int photos, std::string& reason)>;
void setPadPdfWriter(PadPdfWriter writer);

// --print-pad FILE.pdf [--pad-photos N] [--paper NAME]
int runPrintPad(const CliOptions& options, std::FILE* out, std::FILE* err);
// --snippet ebay|webpage|iframe NAME: the fragment for an image uploaded
// earlier, read from its page in the webspace of the settings file.
int runSnippet(const CliOptions& options, std::FILE* out, std::FILE* err);

// The settings file the wizard beside this program uses.
std::string wizardSettingsFile();

}  // namespace turnpixa
