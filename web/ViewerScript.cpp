#include "ViewerScript.h"

#include <utility>

#include "resources/Resources.h"

namespace turnpixa {

namespace {

bool identifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$';
}

// A line of the viewer's own section without the blanks that the
// language does not need: those outside string literals, except one
// between two identifier characters or between two of "+" and "-" (so
// that "a - -b" does not become "a--b"). The section holds no regular
// expression literals, so quotes alone tell strings from code.
std::string squeezed(std::string_view line) {
    std::string out;
    char quote = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quote) {
            out += c;
            if (c == '\\' && i + 1 < line.size())
                out += line[++i];
            else if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
            out += c;
        } else if (c == ' ' || c == '\t') {
            std::size_t j = i;
            while (j < line.size() && (line[j] == ' ' || line[j] == '\t')) ++j;
            const char before = out.empty() ? 0 : out.back();
            const char after = j < line.size() ? line[j] : 0;
            const bool sign = (before == '+' || before == '-') && (after == '+' || after == '-');
            if (before && after && ((identifierChar(before) && identifierChar(after)) || sign))
                out += ' ';
            i = j - 1;
        } else {
            out += c;
        }
    }
    return out;
}

// Whether a squeezed line of the viewer's own section goes on the end of
// the one before: after ";", "{", "," or "+" (not "+" before a sign), and
// after a block's "}" before another "}" or "else", nothing can read the
// line break, as long as that line holds no comment. Functions keep lines
// of their own, from the head to the "}" in the first column that ends
// them (source is the line as written, line the same squeezed).
bool joins(std::string_view before, std::string_view source, std::string_view line) {
    if (before.empty() || line.empty() || before.find("//") != std::string_view::npos ||
        line.starts_with("function ") || source == "}")
        return false;
    switch (before.back()) {
        case ';':
        case '{':
        case ',':
            return true;
        case '+':
            return line.front() != '+' && line.front() != '-';
        case '}':
            return line.front() == '}' || line.starts_with("else");
        default:
            return false;
    }
}

// The lines of resources/viewer/turnpixa.js (built in). The viewer's own
// section, from its opening comment up to Dummy, is written without its
// comments, empty lines, needless blanks and needless line breaks to keep
// the script small; every other line is written exactly as it stands.
std::vector<std::string> splitScript() {
    const std::span<const std::uint8_t> bytes = resourceBytes(ViewerScript::kFileName);
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::vector<std::string> lines;
    bool own = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.starts_with(ViewerScript::kOwnSectionStart)) own = true;
        if (line == ViewerScript::kOwnSectionEnd) own = false;
        if (own) {
            std::string squeezedLine = squeezed(line);
            if (squeezedLine.empty() || squeezedLine.starts_with("//")) continue;
            // The section starts with a function, which never joins the
            // line before.
            if (!lines.empty() && joins(lines.back(), line, squeezedLine))
                lines.back() += squeezedLine;
            else
                lines.push_back(std::move(squeezedLine));
            continue;
        }
        lines.emplace_back(line);
    }
    return lines;
}

}  // namespace

const std::vector<std::string_view>& ViewerScript::lines() {
    static const std::vector<std::string> kText = splitScript();
    static const std::vector<std::string_view> kLines(kText.begin(), kText.end());
    return kLines;
}

std::string ViewerScript::fileForm() {
    std::string out;
    for (std::string_view line : lines()) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string ViewerScript::inlineForm() {
    std::string out(kOpenLine);
    out += "\r\n";
    out += fileForm();
    out += kCloseLine;
    out += "\r\n";
    return out;
}

}  // namespace turnpixa
