#include "installer/fltk/FltkUi.h"

#include <cstdio>

#include "installer/MessageTable.h"

// After the installer's headers: FLTK's drawing header brings X11's macros.
#include <FL/Fl.H>
#include <FL/fl_ask.H>

namespace turnpixa::setup {

namespace {

void runPending(void* calls) {
    static_cast<MainThreadCalls*>(calls)->runPending();
}

// The message boxes' buttons, as a desktop in that language labels them:
// Yes, No, Retry, Close, in the languages' list order.
const char* const kButtons[kLanguageCount][4] = {
    {"Yes", "No", "Retry", "Close"},
    {"Oui", "Non", "Réessayer", "Fermer"},
    {"Ja", "Nein", "Wiederholen", "Schließen"},
    {"Да", "Нет", "Повторить", "Закрыть"},
    {"Sì", "No", "Riprova", "Chiudi"},
    {"Sí", "No", "Reintentar", "Cerrar"},
};
enum { kYes, kNo, kRetry, kClose };

}  // namespace

FltkUi::FltkUi(const int& language)
    : language_(language), calls_([this] { Fl::awake(runPending, &calls_); }) {
    Fl::lock();
}

FltkUi::~FltkUi() {
    calls_.close();
}

void FltkUi::message(const std::string& text, const std::string& caption, Icon icon) {
    const bool shown = calls_.call([&] {
        fl_message_title(caption.c_str());
        fl_close = kButtons[language()][kClose];
        if (icon == Icon::Error || icon == Icon::Warning)
            fl_alert("%s", text.c_str());
        else
            fl_message("%s", text.c_str());
    });
    if (!shown) std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

Answer FltkUi::ask(const std::string& text, const std::string& caption, Icon, Buttons buttons,
                   Answer defaultAnswer) {
    Answer answer = defaultAnswer;
    calls_.call([&] {
        fl_message_title(caption.c_str());
        const char* const* label = kButtons[language()];
        const std::string cancel = setup::message(1, language());
        // fl_choice lays its buttons out right to left; the second one is
        // the one Enter presses, the first answers Escape and the window's
        // close box (0 when there is no first one).
        switch (buttons) {
            case Buttons::YesNo:
                answer = fl_choice("%s", label[kNo], label[kYes], nullptr, text.c_str()) == 1
                             ? Answer::Yes
                             : Answer::No;
                break;
            case Buttons::YesNoDefaultNo:
                answer = fl_choice("%s", nullptr, label[kNo], label[kYes], text.c_str()) == 2
                             ? Answer::Yes
                             : Answer::No;
                break;
            case Buttons::RetryCancel:
                answer = fl_choice("%s", nullptr, cancel.c_str(), label[kRetry], text.c_str()) == 2
                             ? Answer::Retry
                             : Answer::Cancel;
                break;
            case Buttons::YesNoCancel: {
                const int c =
                    fl_choice("%s", cancel.c_str(), label[kNo], label[kYes], text.c_str());
                answer = c == 2 ? Answer::Yes : c == 1 ? Answer::No : Answer::Cancel;
                break;
            }
        }
    });
    return answer;
}

int FltkUi::language() const {
    return language_ >= 0 && language_ < kLanguageCount ? language_ : 0;
}

}  // namespace turnpixa::setup
