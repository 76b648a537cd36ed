#pragma once
// The install script "setup.dat": keyword lines, each followed by a fixed
// number of operand lines. Lines end at LF (a CR before it is dropped); text
// that is not UTF-8 is read as Windows-1252. Every line is read whole.
#include <string>
#include <vector>

namespace turnpixa::setup {

enum class Keyword {
    ProjectName,
    ProgramVersion,
    InstallTo,
    LocateInstall,
    NoUnInstall,
    NoOfferUninstallOld,
    NoTestAdmin,
    InstallContainer,
    Action,
    CopyFile,
    CreateIcon,
    RunFile,
    RunAndWaitFile,
    Message,
    Registry,
    UninstallAction,
};

// One row per keyword: its exact text, how many operand lines follow and the
// longest each may be (characters counted as bytes of UTF-8).
struct KeywordRule {
    Keyword keyword;
    const char* text;
    int operandCount;
    unsigned limits[5];
};
const std::vector<KeywordRule>& keywordTable();

struct ScriptCommand {
    Keyword keyword;
    std::vector<std::string> operands;
    int line = 0;  // 1-based line of the keyword
};

// Splits text into lines at LF, dropping one CR before each LF.
std::vector<std::string> splitLines(const std::string& text);

// Reads a whole script. Lines that are not keywords are skipped. Refused,
// with the line named in reason: a section cut off by the end of the text,
// an operand over its limit, a NUL byte.
bool parseScript(const std::string& bytes, std::vector<ScriptCommand>& commands,
                 std::string& reason);

// An option line "Optional - caption" makes an action optional.
bool isOptional(const std::string& optionLine, std::string* caption = nullptr);

}  // namespace turnpixa::setup
