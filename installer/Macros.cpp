#include "installer/Macros.h"

namespace turnpixa::setup {

namespace {

void replaceAll(std::string& text, const std::string& macro, const std::string& value) {
    for (std::size_t at = text.find(macro); at != std::string::npos;
         at = text.find(macro, at + value.size()))
        text.replace(at, macro.size(), value);
}

}  // namespace

std::string expandMacros(const std::string& text, const MacroValues& v) {
    std::string s = text;
    replaceAll(s, "<System>", v.system);
    replaceAll(s, "<Windows>", v.windows);
    replaceAll(s, "<Destination>", v.destination);
    replaceAll(s, "<Program Files>", v.programFiles);
    replaceAll(s, "<Startup>", v.startup);
    replaceAll(s, "<Start Programs>", v.startPrograms);
    replaceAll(s, "<DeskTop>", v.desktop);
    replaceAll(s, "<QuickLaunch>", v.quickLaunch);
    replaceAll(s, "<MyDocuments>", v.myDocuments);
    replaceAll(s, "<Language>", v.language);
    replaceAll(s, "<Source>", v.source);
    if (s.size() < 3) return s;
    std::string out = s.substr(0, 2);
    for (std::size_t i = 2; i < s.size(); ++i)
        if (!(s[i] == '\\' && out.back() == '\\' && out.size() >= 3)) out += s[i];
    return out;
}

}  // namespace turnpixa::setup
