// Encoding one rendered frame as the output set writer does: JPEG (optimised
// tables, the smaller of sequential and progressive), the plain baseline
// JPEG it replaced, and lossy WebP at the default quality. The frame is the
// PNG file named by TURNPIXA_BENCH_FRAME (compare-frames.sh passes a frame
// turnpixa-cli rendered); the benchmarks are skipped without it.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "image/BufferedFile.h"
#include "image/ImageFormats.h"
#include "image/RasterImage.h"

namespace turnpixa {
namespace {

const RasterImage* benchFrame() {
    static const RasterImage frame = [] {
        RasterImage image;
        if (const char* path = std::getenv("TURNPIXA_BENCH_FRAME")) loadPhotoFile(path, image);
        return image;
    }();
    return frame.empty() ? nullptr : &frame;
}

template <typename Write>
void encodeLoop(benchmark::State& state, Write write) {
    const RasterImage* frame = benchFrame();
    if (!frame) {
        state.SkipWithError("TURNPIXA_BENCH_FRAME names no readable frame");
        return;
    }
    const std::string out = "/tmp/turnpixa-bench-frame-" + std::to_string(::getpid());
    for (auto _ : state) {
        BufferedFile file;
        if (!file.open(out, BufferedFile::Mode::Write) || !write(*frame, file) || !file.close()) {
            state.SkipWithError("the frame could not be written");
            break;
        }
    }
    ::unlink(out.c_str());
}

void BM_FrameJpeg(benchmark::State& state) {
    encodeLoop(state, [](const RasterImage& f, BufferedFile& file) { return writeJpeg(f, file); });
}

void BM_FrameJpegPlain(benchmark::State& state) {
    encodeLoop(state, [](const RasterImage& f, BufferedFile& file) {
        return writeJpegCoded(f, file, 75, JpegCoding::Plain);
    });
}

void BM_FrameWebp(benchmark::State& state) {
    encodeLoop(state, [](const RasterImage& f, BufferedFile& file) {
        return writeWebp(f, file, kDefaultWebpQuality);
    });
}

}  // namespace

BENCHMARK(BM_FrameJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameJpegPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameWebp)->Unit(benchmark::kMillisecond);

}  // namespace turnpixa
