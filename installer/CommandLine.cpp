#include "installer/CommandLine.h"

namespace turnpixa::setup {

namespace {

std::string trimBlanks(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The quoted path right after `token`: one opening quote, then up to the
// closing one.
bool quotedAfter(const std::string& line, std::size_t at, const std::string& token,
                 std::string& path, std::size_t& end, std::string& error) {
    std::size_t p = at + token.size();
    if (p >= line.size() || line[p] != '"') {
        error = token + " must be followed by a path in double quotes";
        return false;
    }
    const auto close = line.find('"', p + 1);
    if (close == std::string::npos) {
        error = "the path after " + token + " lacks its closing double quote";
        return false;
    }
    path = line.substr(p + 1, close - p - 1);
    end = close + 1;
    if (path.empty()) {
        error = "the path after " + token + " is empty";
        return false;
    }
    return true;
}

// A token that starts an argument; unless `joined`, it also ends one (or is
// joined to its value by "=").
std::size_t findToken(const std::string& line, const std::string& token, bool joined) {
    for (auto at = line.find(token); at != std::string::npos; at = line.find(token, at + 1)) {
        const std::size_t end = at + token.size();
        const bool starts = at == 0 || line[at - 1] == ' ';
        const bool ends = joined || end == line.size() || line[end] == ' ' || line[end] == '=';
        if (starts && ends) return at;
    }
    return std::string::npos;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine c;
    std::string line;
    for (const auto& a : arguments) line += (line.empty() ? "" : " ") + a;

    if (const auto at = line.find("<uninstall>"); at != std::string::npos) {
        c.mode = Mode::Uninstall;
        c.uninstallRecord = trimBlanks(line.substr(at + 11));
        return c;
    }
    if (const auto at = line.find("<packthis>"); at != std::string::npos) {
        c.mode = Mode::Pack;
        std::size_t end = 0;
        if (!quotedAfter(line, at, "<packthis>", c.packSource, end, c.error)) {
            c.mode = Mode::Unusable;
            return c;
        }
        const auto to = line.find("<packto>", end);
        if (to == std::string::npos) {
            c.mode = Mode::Unusable;
            c.error = "<packto> is missing";
        } else if (!quotedAfter(line, to, "<packto>", c.packTarget, end, c.error)) {
            c.mode = Mode::Unusable;
        }
        return c;
    }

    std::string head = line;
    std::size_t at = findToken(line, "<installto>", true);
    if (const auto dash = findToken(line, "--installto", false); dash < at) at = dash;
    if (at != std::string::npos) {
        c.hasInstallTo = true;
        head = line.substr(0, at);
        std::string rest = line.substr(at + 11);
        if (!rest.empty() && rest[0] == '=') rest.erase(0, 1);
        c.installTo = trimBlanks(rest);
        if (c.installTo.empty()) {
            c.mode = Mode::Unusable;
            c.error = "no destination after the install-to token";
            return c;
        }
    }
    std::size_t start = 0;
    while (start <= head.size()) {
        auto end = head.find(' ', start);
        if (end == std::string::npos) end = head.size();
        const std::string word = head.substr(start, end - start);
        if (word == "<Silent>" || word == "--silent") {
            c.silent = true;
        } else if (word == "--help" || word == "-h") {
            c.mode = Mode::Help;
        } else if (!word.empty()) {
            c.mode = Mode::Unusable;
            c.error = "unknown argument '" + word + "'";
            return c;
        }
        start = end + 1;
    }
    return c;
}

}  // namespace turnpixa::setup
