#pragma once
// The windowed installer's messages and questions: FLTK's message boxes,
// always shown by the main thread; the worker's calls wait for the answer.
#include "installer/MainThreadCalls.h"
#include "installer/Ui.h"

namespace turnpixa::setup {

class FltkUi : public Ui {
public:
    // Enables FLTK's thread support; call on the main thread. The boxes'
    // buttons follow the language as it is when each box comes up.
    explicit FltkUi(const int& language);
    ~FltkUi() override;
    FltkUi(const FltkUi&) = delete;
    FltkUi& operator=(const FltkUi&) = delete;

    void message(const std::string& text, const std::string& caption, Icon icon) override;
    Answer ask(const std::string& text, const std::string& caption, Icon icon, Buttons buttons,
               Answer defaultAnswer) override;

private:
    int language() const;

    const int& language_;
    MainThreadCalls calls_;
};

}  // namespace turnpixa::setup
