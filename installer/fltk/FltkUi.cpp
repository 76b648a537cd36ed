#include "installer/fltk/FltkUi.h"

#include <cstdio>

// After the installer's headers: FLTK's drawing header brings X11's macros.
#include <FL/Fl.H>
#include <FL/fl_ask.H>

namespace turnpixa::setup {

namespace {

void runPending(void* calls) {
    static_cast<MainThreadCalls*>(calls)->runPending();
}

}  // namespace

FltkUi::FltkUi() : calls_([this] { Fl::awake(runPending, &calls_); }) {
    Fl::lock();
}

FltkUi::~FltkUi() {
    calls_.close();
}

void FltkUi::message(const std::string& text, const std::string& caption, Icon icon) {
    const bool shown = calls_.call([&] {
        fl_message_title(caption.c_str());
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
        // fl_choice lays its buttons out right to left; the first one also
        // answers Escape and the window's close box.
        switch (buttons) {
            case Buttons::YesNo:
                answer = fl_choice("%s", "No", "Yes", nullptr, text.c_str()) == 1 ? Answer::Yes
                                                                                  : Answer::No;
                break;
            case Buttons::RetryCancel:
                answer = fl_choice("%s", "Cancel", "Retry", nullptr, text.c_str()) == 1
                             ? Answer::Retry
                             : Answer::Cancel;
                break;
            case Buttons::YesNoCancel: {
                const int c = fl_choice("%s", "Cancel", "No", "Yes", text.c_str());
                answer = c == 2 ? Answer::Yes : c == 1 ? Answer::No : Answer::Cancel;
                break;
            }
        }
    });
    return answer;
}

}  // namespace turnpixa::setup
