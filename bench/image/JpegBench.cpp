// JPEG decode of a 12-megapixel photo through loadPhoto and encode of a
// 400 x 300 frame through writeJpeg. The photo is made here and written with
// libjpeg at quality 90; set TURNPIXA_BENCH_JPEG to a path to keep it (the
// djpeg comparison script does).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include <jpeglib.h>

#include "image/BufferedFile.h"
#include "image/ImageFormats.h"
#include "image/RasterImage.h"
#include "image/Stretch.h"

namespace turnpixa {
namespace {

constexpr int kPhotoWidth = 4000;
constexpr int kPhotoHeight = 3000;

// An object on a turntable: a shaded, patterned ellipse in front of a soft
// backdrop gradient, with mild sensor noise. Rows are red-green-blue.
void photoRow(int y, unsigned& noise, std::vector<unsigned char>& row) {
    const double cx = kPhotoWidth / 2.0, cy = kPhotoHeight * 0.55;
    const double rx = kPhotoWidth * 0.28, ry = kPhotoHeight * 0.38;
    for (int x = 0; x < kPhotoWidth; ++x) {
        noise = noise * 1664525u + 1013904223u;
        const int n = static_cast<int>((noise >> 24) % 17) - 8;
        double r = 0, g = 0, b = 0;
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        const double d2 = dx * dx + dy * dy;
        if (d2 < 1.0) {
            const double shade = 0.35 + 0.65 * std::sqrt(1.0 - d2) * (0.6 - 0.4 * dx);
            const double stripes = 0.5 + 0.5 * std::sin(x * 0.05 + std::sin(y * 0.013) * 6.0);
            r = 60 + 170 * shade;
            g = 30 + 90 * shade * stripes;
            b = 20 + 60 * shade * (1.0 - stripes);
        } else {
            // A woven backdrop and a darker turntable top.
            const double weave = 6.0 * std::sin(x * 0.9) * std::sin(y * 0.7);
            const double floor = y > cy + ry * 0.8 ? 0.85 : 1.0;
            r = (190 + 40.0 * y / kPhotoHeight + weave) * floor;
            g = (195 + 35.0 * y / kPhotoHeight + weave) * floor;
            b = (205 + 30.0 * x / kPhotoWidth + weave) * floor;
        }
        auto clamp = [n](double v) {
            const int i = static_cast<int>(v) + n;
            return static_cast<unsigned char>(i < 0 ? 0 : i > 255 ? 255 : i);
        };
        row[3 * x] = clamp(r);
        row[3 * x + 1] = clamp(g);
        row[3 * x + 2] = clamp(b);
    }
}

bool writePhotoJpeg(const std::string& path) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = kPhotoWidth;
    cinfo.image_height = kPhotoHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(kPhotoWidth) * 3);
    unsigned noise = 2024;
    for (int y = 0; y < kPhotoHeight; ++y) {
        photoRow(y, noise, row);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(out) == 0;
}

// The photo file, made once per run.
const std::string& photoPath() {
    static const std::string path = [] {
        const char* keep = std::getenv("TURNPIXA_BENCH_JPEG");
        std::string p =
            keep && *keep ? keep : "/tmp/turnpixa-bench-photo-" + std::to_string(getpid()) + ".jpg";
        if (!writePhotoJpeg(p)) p.clear();
        return p;
    }();
    return path;
}

struct PhotoCleanup {
    ~PhotoCleanup() {
        const char* keep = std::getenv("TURNPIXA_BENCH_JPEG");
        if (!(keep && *keep) && !photoPath().empty()) std::remove(photoPath().c_str());
    }
};

void BM_JpegDecodePhoto(benchmark::State& state) {
    static PhotoCleanup cleanup;
    const std::string& path = photoPath();
    if (path.empty()) {
        state.SkipWithError("could not write the test photo");
        return;
    }
    for (auto _ : state) {
        BufferedFile file;
        RasterImage image;
        if (!file.open(path, BufferedFile::Mode::Read) || !loadPhoto(file, path, image) ||
            image.width() != kPhotoWidth) {
            state.SkipWithError("loadPhoto failed");
            break;
        }
        benchmark::DoNotOptimize(image.pixels());
    }
    state.counters["MPix"] = benchmark::Counter(kPhotoWidth * kPhotoHeight / 1e6,
                                                benchmark::Counter::kIsIterationInvariantRate);
}

void BM_JpegEncodeFrame(benchmark::State& state) {
    static PhotoCleanup cleanup;
    RasterImage frame;
    {
        BufferedFile file;
        RasterImage photo;
        if (photoPath().empty() || !file.open(photoPath(), BufferedFile::Mode::Read) ||
            !loadPhoto(file, photoPath(), photo) || !frame.create(400, 300, 24) ||
            !smoothStretch(photo, Rect{0, 0, photo.width(), photo.height()}, frame)) {
            state.SkipWithError("could not make the frame");
            return;
        }
    }
    const std::string out = "/tmp/turnpixa-bench-frame-" + std::to_string(getpid()) + ".jpg";
    for (auto _ : state) {
        BufferedFile file;
        if (!file.open(out, BufferedFile::Mode::Write) || !writeJpeg(frame, file) ||
            !file.close()) {
            state.SkipWithError("writeJpeg failed");
            break;
        }
    }
    std::remove(out.c_str());
    state.counters["MPix"] =
        benchmark::Counter(400 * 300 / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_JpegDecodePhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegEncodeFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace turnpixa
