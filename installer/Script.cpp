#include "installer/Script.h"

#include "installer/TextEncoding.h"

namespace turnpixa::setup {

const std::vector<KeywordRule>& keywordTable() {
    static const std::vector<KeywordRule> table = {
        {Keyword::ProjectName, "[Project Name]", 1, {260}},
        {Keyword::ProgramVersion, "[ProgramVersion]", 1, {260}},
        {Keyword::InstallTo, "[Install To]", 1, {260}},
        {Keyword::LocateInstall, "[LocateInstall]", 1, {260}},
        {Keyword::NoUnInstall, "[NoUnInstall]", 0, {}},
        {Keyword::NoOfferUninstallOld, "[NoOfferUninstallOld]", 0, {}},
        {Keyword::NoTestAdmin, "[NoTestAdmin]", 0, {}},
        {Keyword::InstallContainer, "[InstallContainer]", 0, {}},
        {Keyword::Action, "[Action]", 1, {260}},
        {Keyword::CopyFile, "[CopyFile]", 2, {260, 260}},
        {Keyword::CreateIcon, "[CreateIcon]", 4, {260, 260, 260, 520}},
        {Keyword::RunFile, "[RunFile]", 3, {260, 260, 520}},
        {Keyword::RunAndWaitFile, "[RunAndWaitFile]", 3, {260, 260, 520}},
        {Keyword::Message, "[Message]", 2, {1000, 260}},
        {Keyword::Registry, "[Registry]", 5, {1000, 260, 1000, 260, 1000}},
        {Keyword::UninstallAction, "[UninstallAction]", 2, {260, 260}},
    };
    return table;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string::npos;
        if (last) end = text.size();
        std::size_t stop = end;
        if (!last && stop > start && text[stop - 1] == '\r') --stop;
        lines.push_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

bool parseScript(const std::string& bytes, std::vector<ScriptCommand>& commands,
                 std::string& reason) {
    commands.clear();
    if (bytes.find('\0') != std::string::npos) {
        reason = "the script holds a NUL byte";
        return false;
    }
    const auto lines = splitLines(textAsUtf8(bytes));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const KeywordRule* rule = nullptr;
        for (const auto& k : keywordTable())
            if (lines[i] == k.text) rule = &k;
        if (!rule) continue;
        ScriptCommand c{rule->keyword, {}, static_cast<int>(i + 1)};
        for (int k = 0; k < rule->operandCount; ++k) {
            const std::size_t at = i + 1 + static_cast<std::size_t>(k);
            if (at >= lines.size()) {
                reason = "line " + std::to_string(i + 1) + ": " + rule->text +
                         " is cut off by the end of the script";
                return false;
            }
            if (lines[at].size() > rule->limits[k]) {
                reason = "line " + std::to_string(at + 1) + ": longer than " +
                         std::to_string(rule->limits[k]) + " characters";
                return false;
            }
            c.operands.push_back(lines[at]);
        }
        i += static_cast<std::size_t>(rule->operandCount);
        commands.push_back(std::move(c));
    }
    return true;
}

bool isOptional(const std::string& optionLine, std::string* caption) {
    static const std::string prefix = "Optional - ";
    if (optionLine.compare(0, prefix.size(), prefix) != 0) return false;
    if (caption) *caption = optionLine.substr(prefix.size());
    return true;
}

}  // namespace turnpixa::setup
