#include <benchmark/benchmark.h>

#include <cstdint>

#include "image/Stretch.h"
#include "process/BackgroundRemoval.h"
#include "process/FrameRenderer.h"

namespace turnpixa {
namespace {

// A 24-megapixel stand-in for a turntable photo: a shaded backdrop with
// sensor noise and a coloured object in the middle.
RasterImage makeSource(int w, int h) {
    RasterImage img;
    img.create(w, h, 24);
    std::uint32_t noise = 12345;
    for (int r = 0; r < h; ++r) {
        std::uint8_t* row = img.rowData(r);
        for (int x = 0; x < w; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = static_cast<int>(noise >> 29);  // 0..7
            const bool object =
                (x - w / 2) * (x - w / 2) + (r - h / 2) * (r - h / 2) * 2 < (w / 4) * (w / 4);
            std::uint8_t* p = row + 3 * x;
            if (object) {
                p[0] = static_cast<std::uint8_t>(40 + n);
                p[1] = static_cast<std::uint8_t>(60 + x % 100);
                p[2] = static_cast<std::uint8_t>(180 + n);
            } else {
                const int shade = 200 + r * 30 / h + n;
                p[0] = p[1] = p[2] = static_cast<std::uint8_t>(shade);
            }
        }
    }
    return img;
}

Photo& bigPhoto() {
    static Photo photo(makeSource(6000, 4000), "24mp");
    return photo;
}

SpinLogo& logo() {
    static SpinLogo logos;
    static const bool loaded = logos.load();
    (void)loaded;
    return logos;
}

ProcessingSettings frameSettings() {
    ProcessingSettings s;
    s.outputWidth = 400;
    s.outputHeight = 267;
    s.removalOn = true;
    s.frameWidth = 10;
    return s;
}

void BM_FullRender24MP(benchmark::State& state) {
    Photo& photo = bigPhoto();
    const ProcessingSettings s = frameSettings();
    const LogoPlacement placement{&logo(), 36, 5, 1};
    for (auto _ : state) benchmark::DoNotOptimize(renderAnew(photo, s, placement));
}
BENCHMARK(BM_FullRender24MP)->Unit(benchmark::kMillisecond);

void BM_QuickRender24MP(benchmark::State& state) {
    Photo& photo = bigPhoto();
    ProcessingSettings s = frameSettings();
    s.quick = true;
    for (auto _ : state) benchmark::DoNotOptimize(renderAnew(photo, s, {}));
}
BENCHMARK(BM_QuickRender24MP)->Unit(benchmark::kMillisecond);

// The same photo as a file-backed photo holds it for a 400-px frame: at the
// working scale (2/8 of 6000 x 4000).
Photo& workingPhoto() {
    static Photo photo = [] {
        const ProcessingSettings s = frameSettings();
        const int eighths = workingEighths(6000, 4000, s);
        RasterImage reduced;
        reduceToEighths(bigPhoto().source(), eighths, reduced);
        return Photo(std::move(reduced), "working", PictureScale{6000, 4000, eighths}, "none.jpg");
    }();
    return photo;
}

void BM_FullRender400FromWorkingScale(benchmark::State& state) {
    Photo& photo = workingPhoto();
    const ProcessingSettings s = frameSettings();
    const LogoPlacement placement{&logo(), 36, 5, 1};
    for (auto _ : state) benchmark::DoNotOptimize(renderAnew(photo, s, placement));
    state.counters["eighths"] = photo.eighths();
}
BENCHMARK(BM_FullRender400FromWorkingScale)->Unit(benchmark::kMillisecond);

void BM_QuickRender400FromWorkingScale(benchmark::State& state) {
    Photo& photo = workingPhoto();
    ProcessingSettings s = frameSettings();
    s.quick = true;
    for (auto _ : state) benchmark::DoNotOptimize(renderAnew(photo, s, {}));
}
BENCHMARK(BM_QuickRender400FromWorkingScale)->Unit(benchmark::kMillisecond);

RasterImage plainFrame() {
    ProcessingSettings s = frameSettings();
    s.removalOn = false;
    s.frameWidth = 0;
    return render(bigPhoto(), s);
}

void BM_DetectBackground400(benchmark::State& state) {
    RasterImage frame = plainFrame();
    for (auto _ : state) benchmark::DoNotOptimize(detectBackgroundColour(frame));
}
BENCHMARK(BM_DetectBackground400)->Unit(benchmark::kMicrosecond);

void BM_RemoveBackground400(benchmark::State& state) {
    const RasterImage frame = plainFrame();
    for (auto _ : state) {
        RasterImage copy = frame;
        removeBackground(copy, 60, kWhite);
        benchmark::DoNotOptimize(copy.pixels());
    }
}
BENCHMARK(BM_RemoveBackground400)->Unit(benchmark::kMicrosecond);

void BM_SoftEdgeFrame400(benchmark::State& state) {
    const RasterImage frame = plainFrame();
    for (auto _ : state) {
        RasterImage copy = frame;
        softEdgeFrame(copy, 10, kWhite);
        benchmark::DoNotOptimize(copy.pixels());
    }
}
BENCHMARK(BM_SoftEdgeFrame400)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace turnpixa

BENCHMARK_MAIN();
