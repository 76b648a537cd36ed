// Loads photo files the way the Load page does: two threads decode them at
// the working scale, the project takes them in list order, the first is
// shown at once as a quick frame; then every frame is pre-rendered at full
// quality. Prints the times and the peak resident memory.
//
//   bench_wizard_load photo.jpg...
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "project/PhotoBatchLoader.h"
#include "project/Project.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class NoHost : public turnpixa::ProjectHost {
public:
    void restartPreRenderTimer() override {}
    void processPendingEvents() override {}
    void postPhotoAdded(int, turnpixa::Photo*) override {}
    void postRefreshCurrentFrame() override {}
};

}  // namespace

int main(int argc, char** argv) {
    using namespace turnpixa;
    std::vector<std::string> paths(argv + 1, argv + argc);
    if (paths.empty()) {
        std::fprintf(stderr, "usage: bench_wizard_load photo...\n");
        return 2;
    }
    NoHost host;
    SpinLogo logo;
    logo.load();
    Project project;
    project.setHost(&host);
    project.setSpinLogo(&logo);

    const Clock::time_point start = Clock::now();
    double first = -1;
    const int before = project.beginImport();
    PhotoBatchLoader loader(paths, project.settings());
    PhotoBatchLoader::Result in;
    while (!loader.finished()) {
        if (!loader.next(in, 1000)) continue;
        if (!project.addPhoto(std::move(in.photo))) {
            std::fprintf(stderr, "%s: %s\n", in.path.c_str(), in.reason.c_str());
            continue;
        }
        if (project.currentImage == 0) {
            project.currentImage = 1;
            project.deriveOutputSizeFromWidth(project.settings().outputWidth);
            if (!project.processedOutputImage(0, project.settings())) return 1;
            first = msSince(start);
        }
    }
    const double loaded = msSince(start);
    project.endImport(before);
    // The pre-render pass leaves the current photo to the page.
    project.processedOutputImage(0, project.settings());
    project.runPreRenderPass();
    const double rendered = msSince(start);
    for (int i = 0; i < project.photoCount(); ++i) {
        const Photo* p = project.photoAt(i);
        if (!p->cachedOutput() || !(p->cachedSettings() == project.settings())) {
            std::fprintf(stderr, "photo %d was not pre-rendered\n", i + 1);
            return 1;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "photos %d eighths %d first_ms %.0f loaded_ms %.0f prerendered_ms %.0f peak_mb %.1f\n",
        project.photoCount(), project.photoAt(0)->eighths(), first, loaded, rendered,
        usage.ru_maxrss / 1024.0);
    return 0;
}
