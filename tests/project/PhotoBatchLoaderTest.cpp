#include "project/PhotoBatchLoader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/BufferedFile.h"
#include "image/ImageFormats.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

std::string writePhoto(const test::TempDir& dir, const std::string& name, int width, int height,
                       PackedColour colour) {
    const std::string path = dir.file(name);
    BufferedFile out;
    EXPECT_TRUE(out.open(path, BufferedFile::Mode::Write));
    EXPECT_TRUE(
        writePng(test::makeImage(width, height, [colour](int, int) { return colour; }), out));
    EXPECT_TRUE(out.close());
    return path;
}

TEST(PhotoBatchLoader, HandsOutEveryPhotoInListOrderAtItsWorkingScale) {
    test::TempDir dir;
    std::vector<std::string> paths;
    for (int i = 0; i < 9; ++i)
        paths.push_back(writePhoto(dir, "p" + std::to_string(i) + ".png", 160 + 8 * i, 120,
                                   packColour(i, 0, 0)));
    paths.insert(paths.begin() + 4, dir.file("missing.png"));
    ProcessingSettings s;
    s.outputWidth = 20;
    s.outputHeight = 15;
    PhotoBatchLoader loader(paths, s);
    std::vector<std::string> order;
    PhotoBatchLoader::Result r;
    while (!loader.finished()) {
        if (!loader.next(r, 5000)) continue;
        order.push_back(r.path);
        if (r.path == dir.file("missing.png")) {
            EXPECT_EQ(r.photo, nullptr);
            EXPECT_FALSE(r.reason.empty());
            continue;
        }
        ASSERT_NE(r.photo, nullptr) << r.path << ": " << r.reason;
        EXPECT_EQ(r.photo->height(), 120);
        EXPECT_EQ(r.photo->eighths(), 2);  // 120 * 2 / 8 = 30 >= 2 * 15
        EXPECT_EQ(r.photo->source().height(), 30);
    }
    EXPECT_EQ(order, paths);
    EXPECT_FALSE(loader.next(r, 0));
}

TEST(PhotoBatchLoader, CancellingStopsTheWorkersAndTakesNothingMore) {
    test::TempDir dir;
    std::vector<std::string> paths;
    for (int i = 0; i < 40; ++i)
        paths.push_back(writePhoto(dir, "p" + std::to_string(i) + ".png", 64, 48, kWhite));
    PhotoBatchLoader loader(paths, ProcessingSettings{});
    PhotoBatchLoader::Result r;
    ASSERT_TRUE(loader.next(r, 5000));
    loader.cancel();
    // Only photos decoded before the cancel come out, whole and in order;
    // the wait for one that never comes ends at once.
    std::size_t taken = 1;
    while (loader.next(r, 60000)) {
        ASSERT_LT(taken, paths.size());
        EXPECT_EQ(r.path, paths[taken]);
        ASSERT_NE(r.photo, nullptr);
        EXPECT_EQ(r.photo->width(), 64);
        ++taken;
    }
    // The destructor joins the workers.
}

}  // namespace
}  // namespace turnpixa
