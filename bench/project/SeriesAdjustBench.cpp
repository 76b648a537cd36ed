// Times the two whole-series corrections on photos held as the wizard
// holds them (decoded at the working scale for 400-pixel frames): the
// fastest of ten runs of each, per photo. Run by bench/centre/known-answer.sh.
//
//   bench_series_adjust photo.jpg...
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "project/Project.h"
#include "project/SeriesAdjust.h"

int main(int argc, char** argv) {
    using namespace turnpixa;
    using Clock = std::chrono::steady_clock;
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_series_adjust photo...\n");
        return 2;
    }
    Project project;
    for (int i = 1; i < argc; ++i)
        if (!project.addPhotoFromFile(argv[i])) std::fprintf(stderr, "skipping %s\n", argv[i]);
    if (project.photoCount() == 0) return 1;
    project.currentImage = 1;
    project.deriveOutputSizeFromWidth(400);
    const int n = project.photoCount();
    for (const char* name : {"auto-centre", "even lightness"}) {
        double best = 1e300;
        std::string message;
        for (int run = 0; run < 10; ++run) {
            const auto start = Clock::now();
            const SeriesResult r = name[0] == 'a' ? autoCentre(project) : evenLightness(project);
            best = std::min(
                best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            message = r.message;
            undoSeries(project, r.undo);
        }
        std::printf("%-15s %3d photos: %7.1f ms, %5.2f ms per photo (%s)\n", name, n, best,
                    best / n, message.c_str());
    }
    return 0;
}
