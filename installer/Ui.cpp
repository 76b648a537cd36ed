#include "installer/Ui.h"

#include <cstdio>

namespace turnpixa::setup {

void SilentUi::message(const std::string& text, const std::string& caption, Icon) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

Answer SilentUi::ask(const std::string& text, const std::string& caption, Icon, Buttons,
                     Answer defaultAnswer) {
    const char* answer = defaultAnswer == Answer::Yes     ? "Yes"
                         : defaultAnswer == Answer::Retry ? "Retry"
                         : defaultAnswer == Answer::No    ? "No"
                                                          : "Cancel";
    std::fprintf(stderr, "%s: %s [%s]\n", caption.c_str(), text.c_str(), answer);
    return defaultAnswer;
}

std::string fillIn(std::string text, const std::string& argument) {
    const auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, argument);
    return text;
}

}  // namespace turnpixa::setup
