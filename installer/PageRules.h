#pragma once
// The rules of the installer's pages, kept apart from any toolkit so that
// they are tested without a display: the pages only draw what these give and
// forward the user's input.
#include <cstdint>
#include <functional>
#include <string>

#include "installer/InstallState.h"

namespace turnpixa::setup {

// The language at start: the first of LC_ALL, LC_MESSAGES, LANG that is set
// and not empty decides (null or "" means unset).
int languageFromEnvironment(const char* lcAll, const char* lcMessages, const char* lang);

struct MainPageTexts {
    std::string caption, forward, cancel, change;
};
// The main page's labels in a language; the forward button reads "Next >>"
// when there is a licence to show, else "Install >>".
MainPageTexts mainPageTexts(const std::string& projectName, int language, bool hasLicence);
// Whether the forward button, as labelled, leads to the licence page.
bool forwardOpensLicence(const std::string& forwardLabel, int language);

// The destination after Change: the chosen folder with the default
// destination's last component appended ("/x/Apps" with the default
// "<Program Files>\TurnPixa" gives "/x/Apps/TurnPixa").
std::string changedDestination(const std::string& chosenFolder,
                               const std::string& defaultDestination);
// Whether the destination field may be accepted; "" is not, and message
// then holds the text to show.
bool acceptDestination(const std::string& field, int language, std::string& message);

// "%d MB <free>" and "%d KB <required>" (MB above 10000 KB).
std::string freeSpaceLine(std::uint64_t freeMb, int language);
std::string requiredSpaceLine(std::uint64_t requiredKb, int language);

// The progress page's status line and bar from the progress fields: while
// installing files "Action: <action>, File n of m" and n*100/m, else the
// action alone with the bar left where it was (percent untouched).
std::string progressStatus(const Progress& p, int& percent);

// Cuts UTF-8 text to fit a width, ending in "...", never inside a
// character. width() measures a text in pixels.
std::string fitLabel(const std::string& text, int maxWidth,
                     const std::function<int(const std::string&)>& width);

}  // namespace turnpixa::setup
