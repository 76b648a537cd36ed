#include "installer/DesktopLink.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "installer/Folders.h"
#include "installer/ProcessRunner.h"

namespace turnpixa::setup {

namespace {

// Escapes of a desktop-entry string value.
std::string escapeValue(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    if (!out.empty() && out[0] == ' ') out.replace(0, 1, "\\s");
    return out;
}

std::string unescapeValue(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const char c = s[++i];
        out += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    }
    return out;
}

// An Exec argument: quoted, with the characters the desktop entry format reserves escaped.
std::string execArgument(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string desktopFileName(const std::string& shortcutPath) {
    const std::string ext = ".lnk";
    if (shortcutPath.size() >= ext.size()) {
        std::string tail = shortcutPath.substr(shortcutPath.size() - ext.size());
        for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (tail == ext)
            return shortcutPath.substr(0, shortcutPath.size() - ext.size()) + ".desktop";
    }
    return shortcutPath + ".desktop";
}

std::string desktopEntryText(const DesktopLink& link, bool targetIsProgram) {
    std::string exec =
        targetIsProgram ? execArgument(link.target) : "xdg-open " + execArgument(link.target);
    if (targetIsProgram && !link.arguments.empty()) {
        // The arguments are split the way the program would get them.
        for (const auto& a : splitParameters(link.arguments)) exec += " " + execArgument(a);
    }
    std::string t = "[Desktop Entry]\nType=Application\nVersion=1.0\n";
    t += "Name=" + escapeValue(link.name) + "\n";
    t += "Exec=" + escapeValue(exec) + "\n";
    if (!link.workFolder.empty()) t += "Path=" + escapeValue(link.workFolder) + "\n";
    t += "Terminal=false\n";
    t += "X-Brisk-Target=" + escapeValue(link.target) + "\n";
    if (!link.arguments.empty()) t += "X-Brisk-Arguments=" + escapeValue(link.arguments) + "\n";
    return t;
}

bool writeDesktopLink(const std::string& file, const DesktopLink& link) {
    if (!makeFolders(parentOf(file))) return false;
    struct stat st {};
    const bool program =
        ::stat(link.target.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR);
    const std::string text = desktopEntryText(link, program);
    std::string temp = file + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    const bool ok =
        ::write(fd, text.data(), text.size()) == ssize_t(text.size()) && ::fchmod(fd, 0755) == 0;
    if (::close(fd) != 0 || !ok || std::rename(temp.c_str(), file.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

std::string readLinkTarget(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    bool inEntry = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '[') {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        static const std::string key = "X-Brisk-Target=";
        if (inEntry && line.compare(0, key.size(), key) == 0)
            return unescapeValue(line.substr(key.size()));
    }
    return {};
}

}  // namespace turnpixa::setup
