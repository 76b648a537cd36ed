#pragma once
// The folder macros of install scripts, each value in script form (with
// backslashes, ending in one unless said otherwise).
#include <string>

namespace turnpixa::setup {

struct MacroValues {
    std::string system;
    std::string windows;
    std::string destination;
    std::string programFiles;
    std::string startup;
    std::string startPrograms;
    std::string desktop;
    std::string quickLaunch;
    std::string myDocuments;
    std::string language;  // no backslash added
    std::string source;    // only while the unpack folder exists
};

// Replaces every macro in the fixed order, then reduces each pair of
// backslashes from the third character on to one.
std::string expandMacros(const std::string& text, const MacroValues& values);

}  // namespace turnpixa::setup
