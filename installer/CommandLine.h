#pragma once
// The installer's command line: the arguments after the program name joined
// by single blanks, searched for the tokens.
#include <string>
#include <vector>

namespace turnpixa::setup {

enum class Mode { Install, Uninstall, Pack, Help, Unusable };

struct CommandLine {
    Mode mode = Mode::Install;
    bool silent = false;
    bool hasInstallTo = false;
    std::string installTo;  // verbatim after the token, blanks trimmed
    std::string uninstallRecord;
    std::string packSource, packTarget;
    std::string error;  // why the line is Unusable
};

// "<uninstall>" wins, then "<packthis>". "<installto>"/"--installto" takes
// the rest of the line as the destination; "<Silent>"/"--silent" count only
// as whole arguments before it.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace turnpixa::setup
