#include <gtest/gtest.h>

#include <filesystem>

#include "image/ImageFormats.h"
#include "project/Project.h"
#include "project/ProjectFrames.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/TempDir.h"
#include "web/OutputSetWriter.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;
using test::makeImage;
using test::readWholeFile;
using test::TempDir;

// Photos of the given widths (4:3), each with a left half of its own colour.
void addPhotos(Project& project, std::initializer_list<int> widths) {
    int n = 0;
    for (int w : widths) {
        ++n;
        project.addPhotoFromImage(
            makeImage(
                w, w * 3 / 4,
                [n, w](int x, int) { return x < w / 2 ? packColour(40 * n, 90, 200) : kWhite; }),
            "photo" + std::to_string(n));
    }
    project.settings().outputWidth = 40;
    project.settings().outputHeight = 30;
}

bool save(OutputSetWriter& writer, Project& project, const SaveTarget& target,
          const SaveOptions& options, std::string& reason) {
    ProjectFrames frames(project);
    return writer.write(frames, target, options, reason);
}

RasterImage loaded(const std::string& path) {
    RasterImage image;
    EXPECT_TRUE(loadPhotoFile(path, image)) << path;
    return image;
}

TEST(LargeFrames, ASecondSetFromThePhotosInZoomWithThePageTold) {
    TempDir dir;
    Project project;
    addPhotos(project, {400, 400, 400});
    OutputSetWriter writer;
    const SaveTarget target = SaveTarget::fromChosenPath(dir.file("big"));
    SaveOptions options;
    options.format = FrameFormat::WebP;
    options.zoomWidth = 160;
    std::string reason;
    ASSERT_TRUE(save(writer, project, target, options, reason)) << reason;
    EXPECT_TRUE(writer.warnings().empty());
    for (int k = 0; k < 3; ++k) {
        const RasterImage small = loaded(target.framePath(k, FrameFormat::WebP));
        const RasterImage large = loaded(target.zoomFramePath(k, FrameFormat::WebP));
        EXPECT_EQ(small.width(), 40);
        EXPECT_EQ(large.width(), 160);
        EXPECT_EQ(large.height(), 120);
        // Frame k is photo k + 1: its colour, away from the logo, at both sizes.
        EXPECT_NEAR(redOf(test::pixelAt(large, 40, 100)), 40 * (k + 1), 12) << k;
        EXPECT_NEAR(redOf(test::pixelAt(small, 10, 25)), 40 * (k + 1), 12) << k;
    }
    EXPECT_FALSE(fs::exists(target.frameFolderPath() + "zoom/image.webp")) << "frames only";
    const std::string page = readWholeFile(target.pagePath());
    EXPECT_NE(page.find("AddTurnPixa('turnpixa1','big-turnpixa/image_',3,0,0,'.webp',"
                        "{zoomWidth:160,zoomHeight:120});"),
              std::string::npos)
        << page;

    // Saved again without them: the old large frames go with the old set.
    options.zoomWidth = 0;
    ASSERT_TRUE(save(writer, project, target, options, reason)) << reason;
    EXPECT_FALSE(fs::exists(target.frameFolderPath() + "zoom"));
    EXPECT_NE(readWholeFile(target.pagePath()).find(",3,0,0,'.webp');"), std::string::npos);
}

// A photo narrower than asked gives its own width (turnpixa-cli's test has
// the warning); one no larger than the frames gives no zoom set at all.
TEST(LargeFrames, NeverEnlargedAndNotWrittenWhenNoLarger) {
    TempDir dir;
    Project project;
    addPhotos(project, {400, 120, 400});
    OutputSetWriter writer;
    const SaveTarget target = SaveTarget::fromChosenPath(dir.file("small"));
    SaveOptions options;
    options.zoomWidth = 200;
    std::string reason;
    ASSERT_TRUE(save(writer, project, target, options, reason)) << reason;
    EXPECT_EQ(writer.warnings().size(), 1u);
    EXPECT_EQ(loaded(target.zoomFramePath(2, FrameFormat::Jpeg)).width(), 120);
    project.settings().outputWidth = 120;
    project.settings().outputHeight = 90;
    ASSERT_TRUE(save(writer, project, target, options, reason)) << reason;
    EXPECT_FALSE(fs::exists(target.frameFolderPath() + "zoom"));
    EXPECT_EQ(readWholeFile(target.pagePath()).find("zoomWidth"), std::string::npos);
}

TEST(LargeFrames, JpegIsRefusedForATransparentBackground) {
    TempDir dir;
    Project project;
    addPhotos(project, {80});
    project.settings().removalOn = true;
    project.settings().transparentBackground = true;
    OutputSetWriter writer;
    const SaveTarget target = SaveTarget::fromChosenPath(dir.file("clear"));
    std::string reason;
    EXPECT_FALSE(save(writer, project, target, SaveOptions{}, reason));
    EXPECT_NE(reason.find("choose PNG or WebP"), std::string::npos) << reason;
    EXPECT_FALSE(fs::exists(target.pagePath()));
    SaveOptions png;
    png.format = FrameFormat::Png;
    ASSERT_TRUE(save(writer, project, target, png, reason)) << reason;
    EXPECT_TRUE(fs::exists(target.stillPath(FrameFormat::Png)));
}

}  // namespace
}  // namespace turnpixa
