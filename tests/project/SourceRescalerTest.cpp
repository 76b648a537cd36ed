#include "project/SourceRescaler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "image/BufferedFile.h"
#include "image/ImageFormats.h"
#include "project/Project.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

class CountingHost : public ProjectHost {
public:
    void restartPreRenderTimer() override {}
    void processPendingEvents() override {}
    void postPhotoAdded(int, Photo*) override {}
    void postRefreshCurrentFrame() override {}
    void sourcesRescaling() override { ++rescales; }
    int rescales = 0;
};

void writeJpegPhoto(const std::string& path, int width, int height, int seed) {
    BufferedFile out;
    ASSERT_TRUE(out.open(path, BufferedFile::Mode::Write));
    // Hard edges every few pixels, so that a larger scale really holds more.
    ASSERT_TRUE(writeJpeg(test::makeImage(width, height,
                                          [seed](int x, int y) {
                                              return ((x / 3 + y / 5 + seed) % 2)
                                                         ? packColour(250, 240, 30 * seed % 256)
                                                         : packColour(20, 60, 90);
                                          }),
                          out));
    ASSERT_TRUE(out.close());
}

void setFrame(Project& p, int width, int height) {
    p.settings().outputWidth = width;
    p.settings().outputHeight = height;
}

// Takes arrivals in until the job ends; every index swapped, in order.
std::vector<int> takeUntilDone(Project& p) {
    std::vector<int> swapped;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (p.sourceRescaler().running() && std::chrono::steady_clock::now() < deadline) {
        for (int i : p.sourceRescaler().takeArrived(p)) swapped.push_back(i);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_FALSE(p.sourceRescaler().running());
    return swapped;
}

class SourceRescalerTest : public ::testing::Test {
protected:
    void SetUp() override { project.setHost(&host); }
    void TearDown() override { project.setHost(nullptr); }

    // 640 x 480 JPEG photos, loaded for 40 x 30 frames: held at 1/8.
    void loadPhotos(int count) {
        setFrame(project, 40, 30);
        for (int i = 0; i < count; ++i) {
            paths.push_back(dir.file("p" + std::to_string(i) + ".jpg"));
            writeJpegPhoto(paths.back(), 640, 480, i);
            std::string reason;
            ASSERT_NE(project.addPhotoFromFile(paths.back(), &reason), nullptr) << reason;
            ASSERT_EQ(project.photoAt(i)->eighths(), 1);
        }
        project.currentImage = 1;
    }

    test::TempDir dir;
    CountingHost host;
    Project project;
    std::vector<std::string> paths;
};

TEST_F(SourceRescalerTest, ALargerFrameGrowsTheSourcesInTheBackgroundAndTheFramesFollow) {
    loadPhotos(5);
    project.addPhotoFromImage(test::makeImage(640, 480, [](int, int) { return kWhite; }));
    Photo* scanned = project.photoAt(5);
    Photo* second = project.photoAt(1);
    second->lightnessOffset = 0.25;
    second->cachedSettings().cropOn = true;
    second->cachedSettings().crop = Rect{100, 100, 400, 300};
    second->setPan(12, -7);
    ASSERT_NE(project.processedOutputImage(1, project.settings()), nullptr);
    const RasterImage cachedBefore = *second->cachedOutput();

    setFrame(project, 160, 120);  // needs 4/8
    project.settings().lightness = 1.6;
    // The page asks for the current frame: at once it gets the whole frame
    // from the source held, cached as quick, and the decode runs elsewhere.
    const RasterImage* shown = project.shownOutputImage(0, project.settings());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(project.photoAt(0)->eighths(), 1);
    EXPECT_EQ(test::maxChannelDifference(*shown, render(*project.photoAt(0), project.settings())),
              0);
    EXPECT_TRUE(project.photoAt(0)->cachedSettings().quick);
    EXPECT_EQ(host.rescales, 1);
    EXPECT_EQ(project.shownOutputImage(0, project.settings()), shown) << "made once";
    SourceRescaler& rescaler = project.sourceRescaler();
    EXPECT_TRUE(rescaler.running());
    EXPECT_EQ(rescaler.total(), 5) << "the scanned page keeps every pixel";
    EXPECT_FALSE(rescaler.waiting(scanned));
    // A pass meanwhile leaves the waiting photos alone instead of decoding
    // them on its own thread.
    project.runPreRenderPass();
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(rescaler.waiting(project.photoAt(i))) << i;
        EXPECT_EQ(project.photoAt(i)->eighths(), 1) << i;
    }
    ASSERT_NE(scanned->cachedOutput(), nullptr) << "the others are rendered";
    EXPECT_EQ(scanned->cachedOutput()->width(), 160);

    std::vector<int> swapped = takeUntilDone(project);
    std::sort(swapped.begin(), swapped.end());
    EXPECT_EQ(swapped, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(rescaler.done(), 5);
    EXPECT_TRUE(rescaler.failures().empty());
    EXPECT_EQ(project.photoAt(1), second) << "the photo stays the same object";
    for (int i = 0; i < 5; ++i) {
        Photo* photo = project.photoAt(i);
        EXPECT_EQ(photo->eighths(), 4) << i;
        EXPECT_EQ(photo->source().width(), 320) << i;
        EXPECT_EQ(photo->width(), 640) << i;
        EXPECT_EQ(photo->smallPreview().width(), 64) << i;
    }
    EXPECT_EQ(second->lightnessOffset, 0.25);
    EXPECT_EQ(second->panX, 12);
    EXPECT_EQ(second->panY, -7);
    ASSERT_NE(second->cachedOutput(), nullptr);
    EXPECT_EQ(test::maxChannelDifference(*second->cachedOutput(), cachedBefore), 0);

    // The full frame now comes from the new source, exactly as a photo
    // loaded afresh for this size gives it (and so turnpixa-cli).
    shown = project.shownOutputImage(0, project.settings());
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(project.photoAt(0)->cachedSettings().quick);
    std::unique_ptr<Photo> fresh = Photo::fromFile(paths[0], project.settings());
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(test::maxChannelDifference(*shown, render(*fresh, project.settings())), 0);
    EXPECT_FALSE(project.rescaleSources()) << "nothing left to do";
}

TEST_F(SourceRescalerTest, CancelOrANewSizeMidwayLeavesEveryPhotoWhole) {
    // Copies of one 1600 x 1200 photo: a whole decode takes long enough that
    // the cancel comes while most are still queued.
    const std::string original = dir.file("big.jpg");
    writeJpegPhoto(original, 1600, 1200, 3);
    const std::string bytes = test::readWholeFile(original);
    setFrame(project, 40, 30);
    constexpr int kCount = 32;
    for (int i = 0; i < kCount; ++i) {
        const std::string path = dir.file("copy" + std::to_string(i) + ".jpg");
        test::writeWholeFile(path, bytes);
        ASSERT_NE(project.addPhotoFromFile(path), nullptr);
        ASSERT_EQ(project.photoAt(i)->eighths(), 1);
    }
    project.currentImage = 1;
    setFrame(project, 800, 600);  // 8/8
    ASSERT_TRUE(project.rescaleSources());
    std::vector<int> first;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (first.empty() && std::chrono::steady_clock::now() < deadline)
        first = project.sourceRescaler().takeArrived(project);
    ASSERT_FALSE(first.empty());
    project.sourceRescaler().cancel();
    EXPECT_FALSE(project.sourceRescaler().running());
    // Decodes still in progress at the cancel come to nothing.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(project.sourceRescaler().takeArrived(project).empty());
    int grown = 0;
    for (int i = 0; i < kCount; ++i) {
        const Photo* photo = project.photoAt(i);
        ASSERT_TRUE(photo->eighths() == 1 || photo->eighths() == 8) << i;
        EXPECT_EQ(photo->source().width(), 1600 * photo->eighths() / 8) << i;
        grown += photo->eighths() == 8;
    }
    EXPECT_EQ(grown, static_cast<int>(first.size()));
    EXPECT_LT(grown, kCount);

    // Two changes of size in a row: only the last one's scale arrives, for
    // the photos grown before as well as the others.
    ASSERT_TRUE(project.rescaleSources());
    setFrame(project, 400, 300);  // 4/8
    ASSERT_TRUE(project.rescaleSources());
    EXPECT_EQ(project.sourceRescaler().total(), kCount);
    takeUntilDone(project);
    for (int i = 0; i < kCount; ++i) {
        EXPECT_EQ(project.photoAt(i)->eighths(), 4) << i;
        EXPECT_EQ(project.photoAt(i)->source().width(), 800) << i;
    }
}

TEST_F(SourceRescalerTest, AFileGoneOrChangedIsReportedOnceAndThePhotoKeepsItsSource) {
    loadPhotos(4);
    ASSERT_EQ(std::remove(paths[1].c_str()), 0);
    writeJpegPhoto(paths[2], 480, 640, 7);  // turned on its side since
    setFrame(project, 160, 120);
    ASSERT_TRUE(project.rescaleSources());
    takeUntilDone(project);
    const std::vector<std::string>& failures = project.sourceRescaler().failures();
    ASSERT_EQ(failures.size(), 2u);
    for (const std::string& f : failures)
        EXPECT_TRUE(f.rfind(paths[1] + ": ", 0) == 0 || f.rfind(paths[2] + ": ", 0) == 0) << f;
    for (int i : {1, 2}) {
        EXPECT_EQ(project.photoAt(i)->eighths(), 1) << i;
        EXPECT_EQ(project.photoAt(i)->source().width(), 80) << i;
        EXPECT_EQ(project.photoAt(i)->width(), 640) << i;
    }
    EXPECT_EQ(project.photoAt(0)->eighths(), 4);
    EXPECT_EQ(project.photoAt(3)->eighths(), 4);
    // Not tried again at the same scale: a pass would otherwise start a job
    // that fails over and over.
    EXPECT_FALSE(project.rescaleSources());
    EXPECT_EQ(project.sourceRescaler().failures().size(), 2u);
}

TEST_F(SourceRescalerTest, PhotosRemovedOrMovedDuringTheJobAreFollowedOrLeftOut) {
    loadPhotos(8);
    setFrame(project, 160, 120);
    ASSERT_TRUE(project.rescaleSources());
    const Photo* last = project.photoAt(7);
    project.removePhoto(0).reset();
    project.removePhoto(2).reset();
    ASSERT_TRUE(project.movePhoto(5, 0));  // the last photo now comes first
    ASSERT_EQ(project.photoAt(0), last);
    const std::vector<int> swapped = takeUntilDone(project);
    EXPECT_EQ(swapped.size(), 6u);
    for (int i = 0; i < project.photoCount(); ++i) {
        const Photo* photo = project.photoAt(i);
        EXPECT_EQ(photo->eighths(), 4) << i;
        // Each photo got its own file's picture back.
        std::unique_ptr<Photo> fresh = Photo::fromFile(photo->filePath(), project.settings());
        ASSERT_NE(fresh, nullptr);
        EXPECT_EQ(test::maxChannelDifference(photo->source(), fresh->source()), 0) << i;
    }
}

}  // namespace
}  // namespace turnpixa
