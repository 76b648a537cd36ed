#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

namespace {

namespace fs = std::filesystem;

fs::path photoPath(int k) {
    char name[32];
    std::snprintf(name, sizeof name, "turntable-%02d.jpg", k);
    return fs::path(TURNPIXA_SOURCE_DIR) / "resources" / "sample-photos" / name;
}

std::vector<std::uint8_t> readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Photo {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    const std::uint8_t* at(int x, int y) const { return &rgb[(std::size_t(y) * width + x) * 3]; }
};

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

// Decoded by libjpeg directly; a broken file fails the calling test.
bool decode(const std::vector<std::uint8_t>& bytes, Photo& photo) {
    jpeg_decompress_struct cinfo;
    ErrorJump error;
    cinfo.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = [](j_common_ptr c) {
        std::longjmp(reinterpret_cast<ErrorJump*>(c->err)->jump, 1);
    };
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    photo.width = static_cast<int>(cinfo.output_width);
    photo.height = static_cast<int>(cinfo.output_height);
    photo.rgb.resize(std::size_t(photo.width) * photo.height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = &photo.rgb[std::size_t(cinfo.output_scanline) * photo.width * 3];
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

double meanDifference(const Photo& a, const Photo& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i) sum += std::abs(int(a.rgb[i]) - int(b.rgb[i]));
    return sum / a.rgb.size();
}

TEST(SamplePhotos, ThirtySixCameraSizedJpegsOfModestTotalSize) {
    std::uintmax_t total = 0;
    for (int k = 1; k <= 36; ++k) {
        const auto bytes = readAll(photoPath(k));
        ASSERT_GT(bytes.size(), 50'000u) << photoPath(k);
        total += bytes.size();
        Photo photo;
        ASSERT_TRUE(decode(bytes, photo)) << photoPath(k);
        EXPECT_GE(photo.width, 1600) << k;
        EXPECT_GE(photo.height, 1200) << k;
    }
    EXPECT_FALSE(fs::exists(photoPath(37)));
    EXPECT_LT(total, 12u * 1024 * 1024);
}

TEST(SamplePhotos, PlainLightBackdropAndATurningObject) {
    std::vector<Photo> photos(37);
    for (int k : {1, 2, 10, 19, 36}) ASSERT_TRUE(decode(readAll(photoPath(k)), photos[k])) << k;
    const Photo& first = photos[1];
    // The backdrop: light grey at the top corners and the top middle, not
    // burnt out to pure white, a little darker in the corners (vignetting).
    auto grey = [&](int x, int y) {
        const std::uint8_t* p = first.at(x, y);
        EXPECT_NEAR(p[0], p[1], 12) << x << "," << y;
        EXPECT_NEAR(p[1], p[2], 12) << x << "," << y;
        return (p[0] + p[1] + p[2]) / 3;
    };
    const int corner = grey(4, 4);
    const int middle = grey(first.width / 2, 40);
    EXPECT_GT(corner, 150);
    EXPECT_LT(middle, 254);
    EXPECT_GT(middle, corner);

    // Each photo differs from the next, more so a half turn away; photo 36
    // leads back to photo 1.
    const double step = meanDifference(photos[1], photos[2]);
    const double back = meanDifference(photos[36], photos[1]);
    const double half = meanDifference(photos[1], photos[19]);
    EXPECT_GT(step, 1.5);
    EXPECT_GT(back, 1.5);
    EXPECT_GT(half, step * 1.5);
    EXPECT_GT(meanDifference(photos[1], photos[10]), step);
}

}  // namespace
