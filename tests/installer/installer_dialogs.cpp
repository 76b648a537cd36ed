// Opens the container dialog or the uninstall dialog over work that takes a
// few seconds, so that they can be seen and shot under Xvfb; the install
// and uninstall runs are too quick to catch them.
// usage: installer_dialogs container|uninstall BANNER
#include <chrono>
#include <cstring>
#include <thread>

#include "installer/fltk/Pages.h"

using namespace turnpixa::setup;

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const Scale scale = prepareDisplay();
    InstallState state;
    const auto steps = [&state](int total) {
        for (int i = 1; i <= total; ++i) {
            state.setFile(i, total);
            std::this_thread::sleep_for(std::chrono::milliseconds(800));
        }
    };
    if (std::strcmp(argv[1], "container") == 0) {
        return runContainerDialog(state,
                                  [&] {
                                      steps(3);
                                      return true;
                                  })
                   ? 0
                   : 1;
    }
    const Banner banner(argv[2]);
    runUninstallDialog(
        "Demo", banner, state,
        [&] {
            steps(4);
            state.done = true;
        },
        scale);
    return 0;
}
