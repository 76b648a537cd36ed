// The container dialog and the uninstall dialog.
#include "installer/PageState.h"
#include "installer/fltk/Pages.h"

#include <atomic>
#include <thread>

// After the installer's headers: FLTK's drawing header brings X11's macros.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Progress.H>

namespace turnpixa::setup {

namespace {

struct ContainerRun {
    InstallState& state;
    Fl_Double_Window& win;
    Fl_Box& text;
    std::atomic<bool> finished{false};

    static void onTimer(void* p) {
        auto* self = static_cast<ContainerRun*>(p);
        if (self->finished) {
            self->win.hide();
            return;
        }
        const Progress progress = self->state.takeProgress();
        if (progress.changed && progress.total > 0) {
            const std::string t = "Running Install " + std::to_string(progress.fileNumber) +
                                  " of " + std::to_string(progress.total);
            self->text.copy_label(t.c_str());
        }
        Fl::repeat_timeout(0.25, onTimer, p);
    }
};

struct UninstallRun {
    InstallState& state;
    Fl_Double_Window& win;
    Fl_Progress& bar;
    int percent = 0;

    static void onTimer(void* p) {
        auto* self = static_cast<UninstallRun*>(p);
        if (self->state.done) {
            self->win.hide();
            return;
        }
        uninstallProgress(self->state.takeProgress(), self->percent);
        self->bar.value(static_cast<float>(self->percent));
        Fl::repeat_timeout(0.1, onTimer, p);
    }
};

}  // namespace

bool runContainerDialog(InstallState& state, const std::function<bool()>& work) {
    const Scale s = screenScale();
    Fl_Double_Window win(s.x(279), s.y(76), "Installer");
    auto* text = new Fl_Box(s.x(10), s.y(10), s.x(259), s.y(20), "Running Install");
    text->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    auto* cancel = new Fl_Button(s.x(189), s.y(44), s.x(80), s.y(23), "Cancel");
    win.end();
    ContainerRun run{state, win, *text};
    const auto close = [](Fl_Widget*, void* p) {
        auto* self = static_cast<ContainerRun*>(p);
        // No further installer starts; the running one ends on its own.
        self->state.cancel = true;
        self->win.hide();
    };
    cancel->callback(close, &run);
    win.callback(close, &run);
    bool ok = false;
    std::thread worker([&] {
        ok = work();
        run.finished = true;
        Fl::awake();
    });
    win.set_modal();
    win.show();
    Fl::add_timeout(0.25, ContainerRun::onTimer, &run);
    while (win.shown()) Fl::wait();
    Fl::remove_timeout(ContainerRun::onTimer, &run);
    // The worker may still ask questions of the main thread.
    while (!run.finished) Fl::wait(0.1);
    worker.join();
    return ok && !state.cancel;
}

void runUninstallDialog(const std::string& projectName, const Banner& banner, InstallState& state,
                        const std::function<void()>& work, const Scale& s) {
    PageWindow win(421, 146, s, &banner);
    const std::string caption = "Uninstalling " + projectName;
    win.setCaption(caption);
    win.addSeparator(10, 411, 68, false);
    win.addText(10, 80, caption);
    auto* bar = new Fl_Progress(s.x(10), s.y(102), s.x(400), s.y(14));
    bar->minimum(0);
    bar->maximum(100);
    bar->selection_color(fl_rgb_color(0, 0, 128));
    win.end();
    // No button and no closing: the removal runs to its end.
    win.callback([](Fl_Widget*, void*) {});
    UninstallRun run{state, win, *bar};
    std::thread worker([&] {
        work();
        Fl::awake();
    });
    win.set_modal();
    win.show();
    Fl::add_timeout(0.1, UninstallRun::onTimer, &run);
    while (win.shown()) Fl::wait();
    Fl::remove_timeout(UninstallRun::onTimer, &run);
    worker.join();
}

}  // namespace turnpixa::setup
