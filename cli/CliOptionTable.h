#pragma once
#include <getopt.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "CliOptions.h"

namespace turnpixa {

// The sections of --help and of the manual page, in their order.
enum class OptionGroup { Input, Frame, Processing, Output, Publishing, Program };

struct CliOptionGroup {
    OptionGroup id;
    const char* title;
    const char* operand;      // a non-option argument shown first in the group, or null
    const char* operandHelp;  // what it is
};
const std::vector<CliOptionGroup>& cliOptionGroups();

// One option of turnpixa-cli. The parser, --help, the manual page and the
// bash completion are all made from the table of these, so adding an
// option is one entry here plus its field in CliOptions and its use.
struct CliOption {
    enum class Value { None, Required, Optional };

    const char* longName;
    char shortName = 0;  // 0 when none
    Value value = Value::None;
    const char* valueName = "";  // "PAGE", "WxH": how help shows the value
    OptionGroup group = OptionGroup::Program;
    const char* help = "";     // one paragraph; wrapped where it is shown
    const char* expects = "";  // ends "--x needs ..." in a usage error
    // Stores the value (empty when an optional one is left out); false when
    // it does not fit.
    std::function<bool(CliOptions&, const std::optional<std::string>&)> apply;
    int exclusive = 0;            // options sharing a number other than 0 exclude each other
    const char* alias = nullptr;  // a second long name
    bool pathValue = false;       // the value is a file: completion offers files
    bool hidden = false;          // left out of help, manual page and completion
};
const std::vector<CliOption>& cliOptionTable();

// Shown after the options in --help and the manual page.
extern const char* const kCliClosingNotes;

// The table in getopt_long's form: the short options (with "-:" in front, so
// that operands come back in place and a missing value is told from an
// unknown option) and the long ones, ended by a null entry. A long option's
// code is kGetoptLongBase plus its index in cliOptionTable().
constexpr int kGetoptLongBase = 0x100;
struct GetoptTable {
    std::string shorts;
    std::vector<option> longs;
};
GetoptTable getoptTable();

}  // namespace turnpixa
