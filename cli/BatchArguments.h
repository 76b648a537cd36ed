#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace turnpixa {

// One option as given, by its entry in the option table.
struct OptionWord {
    std::size_t entry = 0;
    std::optional<std::string> value;

    // "--name" or "--name=value" with the entry's long name.
    std::string text() const;
};

// Splits a command line that parseCommandLine accepted into its options, in
// their order and each in its one long form, and its operands.
void splitCommandLine(const std::vector<std::string>& args, std::vector<OptionWord>& words,
                      std::vector<std::string>& operands);

// The table entry whose long name or alias is exactly name.
std::optional<std::size_t> optionEntry(const std::string& name);

}  // namespace turnpixa
