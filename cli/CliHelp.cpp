// --help, the manual page and the bash completion, all made from the option
// table so that none of them can fall behind the parser.
#include <algorithm>
#include <string>

#include "CliOptionTable.h"
#include "CliOptions.h"

namespace turnpixa {

namespace {

constexpr std::size_t kLineWidth = 79;
constexpr std::size_t kWidestLead = 29;  // longer leads put their text on the next line

bool shown(const CliOption& o, OptionGroup group) {
    return !o.hidden && o.group == group;
}

// "-o, --output=PAGE", "      --remove-background[=T]".
std::string helpLead(const CliOption& o) {
    std::string lead = o.shortName ? std::string("  -") + o.shortName + ", " : "      ";
    lead += std::string("--") + o.longName;
    if (o.value == CliOption::Value::Required) lead += std::string("=") + o.valueName;
    if (o.value == CliOption::Value::Optional) lead += std::string("[=") + o.valueName + "]";
    return lead;
}

std::string helpText(const CliOption& o) {
    std::string text = o.help;
    if (o.alias) text += std::string("; also --") + o.alias;
    return text;
}

// One row of --help: the lead, then the text from the column on, wrapped.
void appendRow(std::string& out, const std::string& lead, const std::string& text,
               std::size_t column) {
    out += lead;
    std::size_t at = lead.size();
    if (!lead.empty() && at + 2 > column) {
        out += '\n';
        at = 0;
    }
    bool lineHasWord = false;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find(' ', begin);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(begin, end - begin);
        begin = end + 1;
        if (lineHasWord && at + 1 + word.size() > kLineWidth) {
            out += '\n';
            at = 0;
            lineHasWord = false;
        }
        if (!lineHasWord) {
            out.append(column - at, ' ');
            at = column;
        } else {
            out += ' ';
            ++at;
        }
        out += word;
        at += word.size();
        lineHasWord = true;
    }
    out += '\n';
}

// Text for a roff line: a dash that starts a word is a minus (an option),
// one inside a word ("soft-edge") a hyphen.
std::string roff(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-' && (i == 0 || text[i - 1] == ' ' || text[i - 1] == '-' ||
                                text[i - 1] == '"' || text[i - 1] == '(' || text[i - 1] == '[')) {
            out += "\\-";
        } else {
            out += c;
        }
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
    return out;
}

std::string manTag(const CliOption& o) {
    std::string tag;
    if (o.shortName) tag += std::string("\\fB\\-") + o.shortName + "\\fR, ";
    const auto withValue = [&](const char* name) {
        std::string t = "\\fB\\-\\-";
        for (const char* c = name; *c; ++c)
            t += *c == '-' ? std::string("\\-") : std::string(1, *c);
        t += "\\fR";
        if (o.value == CliOption::Value::Required) t += std::string("=\\fI") + o.valueName + "\\fR";
        if (o.value == CliOption::Value::Optional)
            t += std::string("[=\\fI") + o.valueName + "\\fR]";
        return t;
    };
    tag += withValue(o.longName);
    if (o.alias) tag += ", " + withValue(o.alias);
    return tag;
}

}  // namespace

std::string usageText() {
    const std::vector<CliOption>& table = cliOptionTable();
    std::size_t column = 0;
    for (const CliOption& o : table)
        if (!o.hidden && helpLead(o).size() <= kWidestLead)
            column = std::max(column, helpLead(o).size() + 2);

    std::string out =
        "Usage: turnpixa-cli [options] PHOTO... -o PAGE\n"
        "   or: turnpixa-cli [options] --batch=CSV [--report=FILE] [--shard=K/N]\n"
        "Makes a rotatable image for the web from a turntable photo series.\n";
    for (const CliOptionGroup& g : cliOptionGroups()) {
        const bool any = g.operand || std::any_of(table.begin(), table.end(),
                                                  [&](const auto& o) { return shown(o, g.id); });
        if (!any) continue;
        out += std::string("\n") + g.title + ":\n";
        if (g.operand) appendRow(out, std::string("  ") + g.operand, g.operandHelp, column);
        for (const CliOption& o : table)
            if (shown(o, g.id)) appendRow(out, helpLead(o), helpText(o), column);
    }
    out += '\n';
    appendRow(out, "", kCliClosingNotes, 0);
    return out;
}

std::string manPage(const std::string& version) {
    const std::vector<CliOption>& table = cliOptionTable();
    std::string out = ".TH TURNPIXA-CLI 1 \"\" \"turnpixa-cli " + version +
                      "\" \"User Commands\"\n"
                      ".nh\n"
                      ".SH NAME\n"
                      "turnpixa-cli \\- make a rotatable image for the web from a turntable "
                      "photo series\n"
                      ".SH SYNOPSIS\n"
                      ".B turnpixa-cli\n"
                      "[\\fIoptions\\fR] \\fIPHOTO\\fR... \\fB\\-o\\fR \\fIPAGE\\fR\n"
                      ".br\n"
                      ".B turnpixa-cli\n"
                      "[\\fIoptions\\fR] \\fB\\-\\-batch\\fR=\\fICATALOGUE.csv\\fR "
                      "[\\fB\\-\\-report\\fR=\\fIFILE.jsonl\\fR] "
                      "[\\fB\\-\\-shard\\fR=\\fIK/N\\fR]\n"
                      ".SH DESCRIPTION\n"
                      "Writes \\fIPAGE\\fR.htm, turnpixa.js beside it and the frame folder "
                      "\\fIPAGE\\fR\\-turnpixa/ with one frame per photo and the still image.\n"
                      "For the same photos and settings the files are byte for byte those the "
                      "TurnPixa wizard writes.\n"
                      "Options may be abbreviated while they stay unambiguous, take their "
                      "value attached (\\fB\\-o\\fRPAGE, \\fB\\-\\-output\\fR=PAGE) or as the "
                      "next argument, and may stand anywhere among the photos.\n"
                      ".SH OPTIONS\n";
    for (const CliOptionGroup& g : cliOptionGroups()) {
        const bool any = g.operand || std::any_of(table.begin(), table.end(),
                                                  [&](const auto& o) { return shown(o, g.id); });
        if (!any) continue;
        out += std::string(".SS ") + g.title + "\n";
        if (g.operand)
            out += std::string(".TP\n\\fI") + g.operand + "\\fR\n" + roff(g.operandHelp) + "\n";
        for (const CliOption& o : table)
            if (shown(o, g.id)) out += ".TP\n" + manTag(o) + "\n" + roff(o.help) + "\n";
    }
    out += ".SH NOTES\n" + roff(kCliClosingNotes) +
           "\n"
           ".SH EXAMPLES\n"
           ".nf\n"
           "turnpixa\\-cli \\-\\-size 400x \\-\\-quality 85 \\-o shoe shoe\\-*.jpg\n"
           "turnpixa\\-cli \\-\\-crop 1200x900+200+150 \\-\\-remove\\-background=80 "
           "\\-oshoe *.jpg\n"
           ".fi\n";
    return out;
}

std::string bashCompletion() {
    std::string words, valued, files;
    for (const CliOption& o : cliOptionTable()) {
        if (o.hidden) continue;
        for (const char* name : {o.longName, o.alias}) {
            if (!name) continue;
            const std::string longForm = std::string("--") + name;
            words += (words.empty() ? "" : " ") + longForm;
            if (o.value != CliOption::Value::Required) continue;
            std::string& list = o.pathValue ? files : valued;
            if (o.shortName && name == o.longName)
                list += (list.empty() ? "-" : "|-") + std::string(1, o.shortName);
            list += (list.empty() ? "" : "|") + longForm;
        }
    }
    std::string out =
        "# bash completion for turnpixa-cli (made by turnpixa-cli from its option table)\n"
        "_turnpixa_cli() {\n"
        "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} i\n"
        "    COMPREPLY=()\n"
        "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
        "        if [[ ${COMP_WORDS[i]} == -- ]]; then\n"
        "            mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")\n"
        "            return\n"
        "        fi\n"
        "    done\n"
        "    case $prev in\n";
    if (!files.empty())
        out += "        " + files + ")\n" +
               "            mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")\n"
               "            return ;;\n";
    if (!valued.empty()) out += "        " + valued + ")\n            return ;;\n";
    out +=
        "    esac\n"
        "    if [[ $cur == -* ]]; then\n"
        "        mapfile -t COMPREPLY < <(compgen -W '" +
        words +
        "' -- \"$cur\")\n"
        "    else\n"
        "        mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")\n"
        "    fi\n"
        "}\n"
        "complete -o filenames -F _turnpixa_cli turnpixa-cli\n";
    return out;
}

}  // namespace turnpixa
