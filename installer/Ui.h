#pragma once
// The installer's one way to talk to the user. Silent runs and tests answer
// through SilentUi; the pages of the windowed installer bring their own.
#include <string>

namespace turnpixa::setup {

enum class Icon { None, Error, Question, Information, Warning };
enum class Answer { Yes, No, Retry, Cancel };
// Enter answers Yes for YesNo, No for YesNoDefaultNo and YesNoCancel, Cancel
// for RetryCancel.
enum class Buttons { YesNo, YesNoDefaultNo, YesNoCancel, RetryCancel };

class Ui {
public:
    virtual ~Ui() = default;
    virtual void message(const std::string& text, const std::string& caption, Icon icon) = 0;
    // Asks a question; the default answer is the one a silent run takes.
    virtual Answer ask(const std::string& text, const std::string& caption, Icon icon,
                       Buttons buttons, Answer defaultAnswer) = 0;
};

// Opens no window and needs no display: every text goes to standard error
// and every question takes its default answer.
class SilentUi : public Ui {
public:
    void message(const std::string& text, const std::string& caption, Icon icon) override;
    Answer ask(const std::string& text, const std::string& caption, Icon icon, Buttons buttons,
               Answer defaultAnswer) override;
};

// Replaces the first "%s" of a message text by an argument; texts are never
// used as format strings.
std::string fillIn(std::string text, const std::string& argument);

}  // namespace turnpixa::setup
