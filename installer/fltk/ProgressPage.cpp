// The progress page and the finish page.
#include "installer/Installer.h"
#include "installer/MessageTable.h"
#include "installer/PageState.h"
#include "installer/fltk/Pages.h"

#include <atomic>
#include <csignal>
#include <thread>

// After the installer's headers: FLTK's drawing header brings X11's macros.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Progress.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

namespace turnpixa::setup {

namespace {

// The desktop's way of flashing a window: the urgency hint, which the
// window manager clears once the user looks.
void askForAttention(Fl_Window& win) {
    if (!win.shown()) return;
    XWMHints* hints = XGetWMHints(fl_display, fl_xid(&win));
    if (!hints) hints = XAllocWMHints();
    if (!hints) return;
    hints->flags |= XUrgencyHint;
    XSetWMHints(fl_display, fl_xid(&win), hints);
    XFree(hints);
}

// Set when the session ends (log-off, shutdown) while the page is up.
volatile std::sig_atomic_t sessionEnding = 0;

void onSessionEnd(int) {
    sessionEnding = 1;
}

class ProgressPage {
public:
    ProgressPage(InstallContext& ctx, const Look& look)
        : ctx_(ctx),
          look_(look),
          page_(ctx.state.language),
          win_(421, 171, look.scale, &look.banner) {
        const Scale& s = look.scale;
        win_.setCaption(message(0, ctx.state.language) + " " + ctx.state.projectName);
        win_.addSeparator(10, 411, 68, false);
        status_ = win_.addText(10, 77, "");
        bar_ =
            new Fl_Progress(s.x(dialogX(7)), s.y(dialogY(58)), s.x(dialogX(267)), s.y(dialogY(6)));
        bar_->minimum(0);
        bar_->maximum(100);
        bar_->selection_color(fl_rgb_color(0, 0, 128));
        button_ = new DefaultButton(s.x(323), s.y(135), s.x(88), s.y(23));
        button_->copy_label(page_.buttonLabel().c_str());
        fitButtons({button_}, s.x(411), 88, s);
        button_->callback(onClose, this);
        win_.end();
        win_.callback(onClose, this);
    }

    // Returns with the page closed; the finish page, when it follows, has
    // run by then.
    void run() {
        win_.set_modal();
        win_.show();
        Fl::add_timeout(0.1, onTimer, this);
        while (win_.shown()) {
            Fl::wait();
            if (finishNext_) {
                finishNext_ = false;
                runFinishPage(ctx_, look_);
                win_.hide();
            }
        }
        Fl::remove_timeout(onTimer, this);
    }

private:
    static void onTimer(void* p) {
        auto* self = static_cast<ProgressPage*>(p);
        self->tick();
        if (self->win_.shown()) Fl::repeat_timeout(0.1, onTimer, p);
    }

    void tick() {
        if (sessionEnding && !page_.finished()) {
            ctx_.state.cancel = true;
            win_.hide();
            return;
        }
        switch (page_.tick(ctx_.state)) {
            case ProgressPageState::Tick::Nothing:
                return;
            case ProgressPageState::Tick::Updated:
                break;
            case ProgressPageState::Tick::Cancelled:
                win_.hide();
                return;
            case ProgressPageState::Tick::Finished:
                button_->copy_label(page_.buttonLabel().c_str());
                fitButtons({button_}, win_.scale().x(411), 88, win_.scale());
                win_.show();
                button_->take_focus();
                fl_beep();
                askForAttention(win_);
                if (finishPageNeeded(ctx_.state)) finishNext_ = true;
                break;
        }
        bar_->value(static_cast<float>(page_.percent()));
        win_.setText(status_, page_.status());
    }

    static void onClose(Fl_Widget*, void* p) {
        auto* self = static_cast<ProgressPage*>(p);
        if (self->page_.closeRequested() == ProgressPageState::Close::AskCancel) {
            const Answer a = self->ctx_.ui.ask(self->page_.cancelQuestion(), self->page_.caption(),
                                               Icon::Question, Buttons::YesNo, Answer::No);
            if (a != Answer::Yes) return;
            // The worker may have ended while the question was open.
            if (!self->page_.finished()) self->ctx_.state.cancel = true;
        } else if (finishPageNeeded(self->ctx_.state)) {
            self->finishNext_ = true;
            return;
        }
        self->win_.hide();
    }

    InstallContext& ctx_;
    const Look& look_;
    ProgressPageState page_;
    PageWindow win_;
    Fl_Progress* bar_;
    DefaultButton* button_;
    int status_;
    bool finishNext_ = false;
};

class FinishListView : public Fl_Widget {
public:
    FinishListView(FinishList& list, const Scale& s)
        : Fl_Widget(s.x(10), s.y(92), s.x(490), s.y(208)), list_(list), scale_(s) {
        box(FL_DOWN_BOX);
        color(FL_WHITE);
    }

    int rowHeight() const { return scale_.y(18); }

    void draw() override {
        draw_box();
        fl_push_clip(x() + 2, y() + 2, w() - 4, h() - 4);
        fl_font(FL_HELVETICA, scale_.listFont());
        const int valueColumn = scale_.x(185);
        const auto& items = list_.items();
        for (std::size_t i = 0; i < items.size(); ++i) {
            const auto& item = items[i];
            const int top = y() + 2 + static_cast<int>(i) * rowHeight();
            const int left = x() + 2;
            const bool selected = static_cast<int>(i) == list_.selected();
            if (selected) {
                fl_color(fl_rgb_color(0, 0, 128));
                fl_rectf(left, top, w() - 4, rowHeight());
            }
            const int picY = top + (rowHeight() - scale_.y(16)) / 2;
            drawPicture(item.checked ? Picture::Checked : Picture::Unchecked,
                        left + scale_.x(6) - scale_.x(1), picY, scale_);
            const Picture kind = item.kind == FinishItem::Kind::Shortcut  ? Picture::Shortcut
                                 : item.kind == FinishItem::Kind::Program ? Picture::Program
                                                                          : Picture::Restart;
            drawPicture(kind, left + scale_.x(22), picY, scale_);
            fl_font(FL_HELVETICA, scale_.listFont());
            fl_color(selected ? FL_WHITE : FL_BLACK);
            const int base = top + (rowHeight() + fl_height()) / 2 - fl_descent();
            const int labelWidth = valueColumn - scale_.x(40) - scale_.x(4);
            const std::string label = fitLabel(item.label, labelWidth, [](const std::string& t) {
                return static_cast<int>(fl_width(t.c_str()));
            });
            fl_draw(label.c_str(), left + scale_.x(40), base);
            fl_draw(item.value.c_str(), left + valueColumn + scale_.x(2), base);
            if (selected && Fl::focus() == this) {
                fl_color(FL_WHITE);
                fl_line_style(FL_DOT);
                fl_rect(left, top, w() - 4, rowHeight());
                fl_line_style(0);
            }
        }
        fl_pop_clip();
    }

    int handle(int event) override {
        switch (event) {
            case FL_FOCUS:
            case FL_UNFOCUS:
                redraw();
                return 1;
            case FL_KEYBOARD:
                if (Fl::event_key() == ' ') {
                    list_.toggleSelected();
                } else if (Fl::event_key() == FL_Up) {
                    list_.moveSelection(-1);
                } else if (Fl::event_key() == FL_Down) {
                    list_.moveSelection(1);
                } else {
                    return 0;
                }
                redraw();
                return 1;
            case FL_PUSH:
                take_focus();
                list_.select(rowAt(Fl::event_y()));
                redraw();
                return 1;
            case FL_RELEASE: {
                const int row = rowAt(Fl::event_y());
                // Back to 96 DPI pixels from the row's left edge.
                const int dx = (Fl::event_x() - x() - 2) * 96 / scale_.dpi;
                if (list_.releaseAt(row, dx)) redraw();
                return 1;
            }
            default:
                return Fl_Widget::handle(event);
        }
    }

private:
    int rowAt(int eventY) const {
        const int dy = eventY - y() - 2;
        if (dy < 0) return -1;
        const int row = dy / rowHeight();
        return row < static_cast<int>(list_.items().size()) ? row : -1;
    }

    FinishList& list_;
    Scale scale_;
};

struct FinishRun {
    InstallContext& ctx;
    FinishList& list;
    PageWindow& win;
    std::thread worker;
    std::atomic<bool> done{false};
    bool started = false;

    static void onFinish(Fl_Widget*, void* p) {
        auto* self = static_cast<FinishRun*>(p);
        if (self->started) return;
        self->started = true;
        self->win.cursor(FL_CURSOR_WAIT);
        auto shortcuts = self->list.shortcuts(self->ctx.state);
        auto programs = self->list.programs(self->ctx.state);
        const bool restart = self->list.restart();
        self->worker = std::thread([self, shortcuts, programs, restart] {
            runFinishActions(self->ctx, shortcuts, programs, restart);
            self->done = true;
            Fl::awake();
        });
        Fl::add_timeout(0.25, onTimer, p);
    }

    static void onTimer(void* p) {
        auto* self = static_cast<FinishRun*>(p);
        if (!self->done) {
            Fl::repeat_timeout(0.25, onTimer, p);
            return;
        }
        self->win.cursor(FL_CURSOR_DEFAULT);
        self->win.hide();
    }
};

}  // namespace

void runProgressPage(InstallContext& ctx, const Look& look) {
    struct sigaction end {
    }, oldTerm{}, oldHup{};
    end.sa_handler = onSessionEnd;
    sigemptyset(&end.sa_mask);
    sigaction(SIGTERM, &end, &oldTerm);
    sigaction(SIGHUP, &end, &oldHup);
    ProgressPage page(ctx, look);
    page.run();
    sigaction(SIGTERM, &oldTerm, nullptr);
    sigaction(SIGHUP, &oldHup, nullptr);
}

void runFinishPage(InstallContext& ctx, const Look& look) {
    const Scale& s = look.scale;
    const int lang = ctx.state.language;
    FinishList list(ctx.state, lang);
    PageWindow win(511, 348, s, &look.banner);
    win.setCaption(ctx.state.projectName + " " + message(2, lang));
    win.setWhiteBand(65);
    win.addSeparator(10, 500, 68, false);
    win.addSeparator(10, 500, 308, true);
    win.addText(10, 75, message(23, lang));
    auto* view = new FinishListView(list, s);
    auto* finish = new DefaultButton(s.x(413), s.y(318), s.x(88), s.y(23));
    const std::string label = message(5, lang);
    finish->label(label.c_str());
    fitButtons({finish}, s.x(501), 88, s);
    win.end();
    FinishRun run{ctx, list, win, {}};
    finish->callback(FinishRun::onFinish, &run);
    win.callback(FinishRun::onFinish, &run);
    win.set_modal();
    win.show();
    view->take_focus();
    while (win.shown()) Fl::wait();
    Fl::remove_timeout(FinishRun::onTimer, &run);
    if (run.worker.joinable()) run.worker.join();
}

}  // namespace turnpixa::setup
