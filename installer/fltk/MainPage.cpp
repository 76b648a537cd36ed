// The main page and the licence page.
#include "installer/Folders.h"
#include "installer/MessageTable.h"
#include "installer/PageState.h"
#include "installer/TextEncoding.h"
#include "installer/fltk/Pages.h"

#include <sys/stat.h>
#include <fstream>
#include <iterator>

// After the installer's headers: FLTK's drawing header brings X11's macros.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>

namespace turnpixa::setup {

namespace {

class MainPage {
public:
    MainPage(InstallContext& ctx, const Look& look, bool hasLicence, std::string licence)
        : ctx_(ctx),
          look_(look),
          licence_(std::move(licence)),
          state_(ctx.state, hasLicence),
          win_(421, 349, look.scale, &look.banner) {
        const Scale& s = look.scale;
        win_.addSeparator(10, 411, 68, false);
        win_.addSeparator(10, 411, 308, true);
        heading_ = win_.addText(10, 75, "");
        installTo_ = win_.addText(10, 131, "");
        free_ = win_.addText(75, 178, "");
        required_ = win_.addText(75, 195, "");
        languageLabel_ = win_.addText(10, 231, "");
        win_.addText(9, 292, "Brisk Installer");
        win_.addPicture(Picture::Folder, 12, 151);
        win_.addPicture(Picture::Disk, 52, 176);
        win_.addPicture(Picture::Disk, 52, 193);

        field_ =
            new Fl_Input(s.x(dialogX(33)), s.y(dialogY(95)), s.x(dialogX(185)), s.y(dialogY(12)));
        field_->value(state_.field().c_str());
        change_ = new Fl_Button(s.x(336), s.y(153), s.x(75), s.y(23));
        change_->callback(onChange, this);
        language_ = new Fl_Choice(s.x(10), s.y(250), s.x(150), s.y(23));
        for (int i = 0; i < kLanguageCount; ++i) language_->add(languageName(i));
        language_->value(state_.language());
        language_->callback(onLanguage, this);
        cancel_ = new Fl_Button(s.x(230), s.y(318), s.x(88), s.y(23));
        cancel_->callback(onCancel, this);
        forward_ = new DefaultButton(s.x(323), s.y(318), s.x(88), s.y(23));
        forward_->callback(onForward, this);
        win_.end();
        win_.callback(onCancel, this);
        updateFreeSpace();
        applyTexts();
    }

    bool run() {
        win_.runModal();
        return install_;
    }

private:
    void applyTexts() {
        const int lang = state_.language();
        const auto& t = state_.texts();
        win_.setCaption(t.caption);
        forward_->copy_label(t.forward.c_str());
        cancel_->copy_label(t.cancel.c_str());
        change_->copy_label(t.change.c_str());
        const Scale& s = look_.scale;
        fitButtons({forward_, cancel_}, s.x(411), 88, s);
        fitButtons({change_}, s.x(411), 75, s);
        win_.setText(heading_, state_.heading());
        win_.setText(installTo_, message(9, lang));
        win_.setText(free_, freeSpaceLine(freeMb_, lang));
        win_.setText(required_, requiredSpaceLine(ctx_.state.requiredKb, lang));
        win_.setText(languageLabel_, message(22, lang));
        win_.redraw();
    }

    void updateFreeSpace() {
        freeMb_ = freeMegabytes(state_.field());
        win_.setText(free_, freeSpaceLine(freeMb_, state_.language()));
    }

    static void onLanguage(Fl_Widget*, void* p) {
        auto* self = static_cast<MainPage*>(p);
        self->state_.setLanguage(self->language_->value());
        self->applyTexts();
    }

    static void onChange(Fl_Widget*, void* p) {
        auto* self = static_cast<MainPage*>(p);
        self->state_.setField(self->field_->value());
        const std::string title = message(28, self->state_.language());
        const char* chosen = fl_dir_chooser(title.c_str(), self->field_->value(), 0);
        if (!chosen) return;
        self->state_.chooseFolder(chosen);
        self->field_->value(self->state_.field().c_str());
        self->updateFreeSpace();
    }

    static void onCancel(Fl_Widget*, void* p) { static_cast<MainPage*>(p)->win_.hide(); }

    static void onForward(Fl_Widget*, void* p) {
        auto* self = static_cast<MainPage*>(p);
        self->state_.setField(self->field_->value());
        std::string text;
        switch (self->state_.forward(self->ctx_.state, text)) {
            case MainPageState::Forward::Stay:
                self->ctx_.ui.message(text, message(2, self->state_.language()), Icon::Information);
                self->field_->take_focus();
                return;
            case MainPageState::Forward::OpenLicence:
                if (!runLicencePage(self->ctx_.state.projectName, self->licence_,
                                    self->state_.language(), self->look_))
                    return;
                break;
            case MainPageState::Forward::Install:
                break;
        }
        self->install_ = true;
        self->win_.hide();
    }

    InstallContext& ctx_;
    const Look& look_;
    std::string licence_;
    MainPageState state_;
    PageWindow win_;
    Fl_Input* field_;
    Fl_Button* change_;
    Fl_Choice* language_;
    Fl_Button* cancel_;
    DefaultButton* forward_;
    int heading_, installTo_, free_, required_, languageLabel_;
    std::uint64_t freeMb_ = 0;
    bool install_ = false;
};

struct LicenceResult {
    PageWindow* win;
    bool install = false;
};

}  // namespace

bool runMainPage(InstallContext& ctx, const Look& look) {
    const std::string licencePath = ctx.unpackFolder() + "/setup.lic";
    struct stat st {};
    const bool hasLicence = ::stat(licencePath.c_str(), &st) == 0;
    MainPage page(ctx, look, hasLicence, hasLicence ? textAsUtf8(readWhole(licencePath)) : "");
    return page.run();
}

bool runLicencePage(const std::string& projectName, const std::string& licenceText, int language,
                    const Look& look) {
    const Scale& s = look.scale;
    PageWindow win(421, 349, s, &look.banner);
    win.setCaption(projectName + " " + message(2, language));
    win.addSeparator(10, 411, 68, false);
    win.addSeparator(10, 411, 308, true);
    win.addText(10, 75, message(12, language), false);
    Fl_Text_Buffer buffer;
    buffer.text(licenceText.c_str());
    auto* text = new Fl_Text_Display(s.x(dialogX(7)), s.y(dialogY(57)), s.x(dialogX(267)),
                                     s.y(dialogY(127)));
    text->buffer(&buffer);
    text->textsize(s.font());
    text->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
    auto* back = new Fl_Button(s.x(10), s.y(318), s.x(88), s.y(23));
    const std::string backLabel = message(3, language), installLabel = message(4, language);
    back->label(backLabel.c_str());
    auto* install = new DefaultButton(s.x(323), s.y(318), s.x(88), s.y(23));
    install->label(installLabel.c_str());
    fitButtons({install}, s.x(411), 88, s);
    fitButtons({back}, back->x() + back->w(), 88, s);
    back->position(s.x(10), back->y());
    win.end();
    LicenceResult result{&win};
    const auto close = [](Fl_Widget*, void* p) { static_cast<LicenceResult*>(p)->win->hide(); };
    back->callback(close, &result);
    win.callback(close, &result);
    install->callback(
        [](Fl_Widget*, void* p) {
            auto* r = static_cast<LicenceResult*>(p);
            r->install = true;
            r->win->hide();
        },
        &result);
    win.runModal();
    // The display refers to the buffer: let it go first.
    text->buffer(nullptr);
    return result.install;
}

}  // namespace turnpixa::setup
