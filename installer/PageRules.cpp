#include "installer/PageRules.h"

#include <charconv>

#include "installer/MessageTable.h"
#include "installer/Ui.h"

namespace turnpixa::setup {

namespace {

std::string number(std::uint64_t n) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, n);
    return std::string(buf, r.ptr);
}

}  // namespace

int languageFromEnvironment(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* v : {lcAll, lcMessages, lang})
        if (v && *v) return languageForLocale(v);
    return 0;
}

MainPageTexts mainPageTexts(const std::string& projectName, int language, bool hasLicence) {
    MainPageTexts t;
    t.caption = projectName + " " + message(2, language);
    t.forward = message(hasLicence ? 6 : 4, language);
    t.cancel = message(1, language);
    t.change = message(7, language);
    return t;
}

bool forwardOpensLicence(const std::string& forwardLabel, int language) {
    return forwardLabel == message(6, language);
}

std::string changedDestination(const std::string& chosenFolder,
                               const std::string& defaultDestination) {
    const auto at = defaultDestination.find_last_of('\\');
    if (at == std::string::npos || chosenFolder.empty()) return chosenFolder;
    std::string last = defaultDestination.substr(at + 1);
    std::string out = chosenFolder;
    if (last.empty()) return out;
    if (out.back() != '/') out += '/';
    return out + last;
}

bool acceptDestination(const std::string& field, int language, std::string& text) {
    if (!field.empty()) return true;
    text = message(19, language);
    return false;
}

std::string freeSpaceLine(std::uint64_t freeMb, int language) {
    return number(freeMb) + " MB " + message(10, language);
}

std::string requiredSpaceLine(std::uint64_t requiredKb, int language) {
    if (requiredKb <= 10000) return number(requiredKb) + " KB " + message(11, language);
    return number(requiredKb / 1024) + " MB " + message(11, language);
}

std::string progressStatus(const Progress& p, int& percent) {
    if (p.action.find("Installing") == std::string::npos || p.total == 0) return p.action;
    percent = static_cast<int>(static_cast<long long>(p.fileNumber) * 100 / p.total);
    return "Action: " + p.action + ", File " + number(static_cast<std::uint64_t>(p.fileNumber)) +
           " of " + number(static_cast<std::uint64_t>(p.total));
}

std::string fitLabel(const std::string& text, int maxWidth,
                     const std::function<int(const std::string&)>& width) {
    if (width(text) <= maxWidth) return text;
    // Character starts only: a byte 10xxxxxx continues a character.
    std::size_t end = text.size();
    while (end > 0) {
        do {
            --end;
        } while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80);
        const std::string cut = text.substr(0, end) + "...";
        if (width(cut) <= maxWidth) return cut;
    }
    return "...";
}

}  // namespace turnpixa::setup
