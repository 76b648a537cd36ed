#include <benchmark/benchmark.h>

#include <cstdint>

#include "process/CropEdit.h"
#include "process/CropTracker.h"
#include "process/FrameRenderer.h"

namespace turnpixa {
namespace {

// What the size page does for one display frame while the user drags:
// the tracker's handle with an aspect held, and the pan with its quick
// render of a 24-megapixel photo.

Photo& panPhoto() {
    static Photo photo = [] {
        RasterImage img;
        img.create(6000, 4000, 24);
        std::uint32_t noise = 99;
        for (int r = 0; r < img.height(); ++r) {
            std::uint8_t* row = img.rowData(r);
            for (int x = 0; x < 3 * img.width(); ++x) {
                noise = noise * 1664525u + 1013904223u;
                row[x] = static_cast<std::uint8_t>(noise >> 24);
            }
        }
        return Photo(std::move(img), "24mp");
    }();
    return photo;
}

void BM_CropTrackerDragFrame(benchmark::State& state) {
    CropTracker tracker(400, 267);
    tracker.setRatio(aspectRatioOf("9:13"));
    int step = 0;
    for (auto _ : state) {
        tracker.beginDrag(CropTracker::Handle::BottomRight, 300, 200);
        tracker.moveTo(300 - step % 50, 200 + step % 40);
        benchmark::DoNotOptimize(tracker.label());
        tracker.endDrag();
        ++step;
    }
}
BENCHMARK(BM_CropTrackerDragFrame)->Unit(benchmark::kMicrosecond);

void BM_PanDragFrame24MP(benchmark::State& state) {
    Photo& photo = panPhoto();
    ProcessingSettings s;
    s.outputWidth = 400;
    s.outputHeight = 267;
    s.cropOn = true;
    s.crop = Rect{1500, 1000, 4500, 3000};
    s.quick = true;
    renderAnew(photo, s, {});
    int direction = 1;
    for (auto _ : state) {
        const PanStep step =
            panStep(3 * direction, 2, s.rotation, photo.sourceScale(), s.crop, 6000, 4000);
        s.crop = Rect{s.crop.left + step.dx, s.crop.top + step.dy, s.crop.right + step.dx,
                      s.crop.bottom + step.dy};
        if (step.dx == 0) direction = -direction;
        benchmark::DoNotOptimize(renderAnew(photo, s, {}));
    }
}
BENCHMARK(BM_PanDragFrame24MP)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace turnpixa
