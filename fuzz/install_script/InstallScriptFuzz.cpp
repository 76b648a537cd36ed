// Arbitrary bytes as an install script (its operands expanded as paths) and
// as a command line (arguments split at NUL bytes).
#include <cstdint>
#include <string>
#include <vector>

#include "installer/CommandLine.h"
#include "installer/Macros.h"
#include "installer/ProcessRunner.h"
#include "installer/Script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<turnpixa::setup::ScriptCommand> commands;
    std::string reason;
    turnpixa::setup::MacroValues values;
    values.destination = "\\home\\u\\opt\\X\\";
    values.programFiles = "\\\\";
    if (turnpixa::setup::parseScript(text, commands, reason)) {
        for (const auto& c : commands)
            for (const auto& operand : c.operands) {
                (void)turnpixa::setup::expandMacros(operand, values);
                (void)turnpixa::setup::isOptional(operand);
                (void)turnpixa::setup::splitParameters(operand);
            }
    }
    std::vector<std::string> args(1);
    for (char c : text) {
        if (c == '\0')
            args.emplace_back();
        else
            args.back() += c;
    }
    (void)turnpixa::setup::parseCommandLine(args);
    return 0;
}
