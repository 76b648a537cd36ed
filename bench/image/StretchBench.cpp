#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

#include "image/RasterImage.h"
#include "image/Stretch.h"

namespace turnpixa {
namespace {

// A photo-like 24-bit image: smooth gradients with noise, so that nothing is
// uniform enough to flatter a filter.
RasterImage photoLike(int width, int height) {
    RasterImage img;
    img.create(width, height, 24);
    std::mt19937 rng(12345);
    for (int r = 0; r < height; ++r) {
        std::uint8_t* p = img.rowData(r);
        for (int x = 0; x < width; ++x, p += 3) {
            const auto noise = static_cast<int>(rng() % 16);
            p[0] = static_cast<std::uint8_t>((x * 255 / width + noise) & 0xFF);
            p[1] = static_cast<std::uint8_t>((r * 255 / height + noise) & 0xFF);
            p[2] = static_cast<std::uint8_t>(((x + r) * 127 / (width + height) + noise) & 0xFF);
        }
    }
    return img;
}

using StretchFunction = bool (*)(const RasterImage&, const Rect&, RasterImage&);

void runStretch(benchmark::State& state, StretchFunction stretch) {
    const int sw = static_cast<int>(state.range(0));
    const int sh = static_cast<int>(state.range(1));
    const int dw = static_cast<int>(state.range(2));
    const int dh = static_cast<int>(state.range(3));
    const RasterImage source = photoLike(sw, sh);
    RasterImage destination;
    destination.create(dw, dh, 24);
    for (auto _ : state) {
        if (!stretch(source, Rect{0, 0, sw, sh}, destination))
            state.SkipWithError("stretch failed");
        benchmark::DoNotOptimize(destination.pixels());
        benchmark::ClobberMemory();
    }
    state.counters["source_MPix"] = benchmark::Counter(
        static_cast<double>(sw) * sh / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_SmoothStretch(benchmark::State& state) {
    runStretch(state, smoothStretch);
}
void BM_FastStretch(benchmark::State& state) {
    runStretch(state, fastStretch);
}

BENCHMARK(BM_SmoothStretch)
    ->Args({6000, 4000, 400, 267})
    ->Args({4000, 3000, 400, 300})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastStretch)
    ->Args({6000, 4000, 400, 267})
    ->Args({4000, 3000, 400, 300})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace turnpixa

BENCHMARK_MAIN();
