#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "image/BufferedFile.h"
#include "image/ImageFormats.h"
#include "project/Project.h"
#include "project/ProjectFrames.h"
#include "tests/support/FailingWriter.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/RecordingFrames.h"
#include "tests/support/TempDir.h"
#include "web/FramePack.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

// The nearest photo by angle, worked out on degrees: the oracle for packPicks.
int nearestByAngle(int photos, int packSize, int step) {
    const double angle = 360.0 * step / packSize;
    int best = 0;
    double bestGap = 1e9;
    for (int i = 0; i <= photos; ++i) {  // photos itself: the full turn, the start image again
        const double gap = std::abs(angle - 360.0 * i / photos);
        if (gap < bestGap - 1e-9) {
            bestGap = gap;
            best = i % photos;
        }
    }
    return best;
}

TEST(FramePackPicks, EvenStepsTakeTheNearestPhotoAndTheEarlierOnATie) {
    // 36 photos, 24 steps of 15 degrees: photos every 10 degrees, so every
    // second step falls half-way between two photos.
    EXPECT_EQ(packPicks(36, 24),
              (std::vector<int>{0,  1,  3,  4,  6,  7,  9,  10, 12, 13, 15, 16,
                                18, 19, 21, 22, 24, 25, 27, 28, 30, 31, 33, 34}));
    // More steps than photos: each photo serves its neighbouring steps, and
    // the steps past the last photo's half-way come back to the start image.
    EXPECT_EQ(packPicks(10, 24), (std::vector<int>{0, 0, 1, 1, 2, 2, 2, 3, 3, 4, 4, 5,
                                                   5, 5, 6, 6, 7, 7, 7, 8, 8, 9, 9, 0}));
    EXPECT_EQ(packPicks(72, 24)[1], 3);
    EXPECT_EQ(packPicks(1, 36), std::vector<int>(36, 0));
    EXPECT_TRUE(packPicks(0, 24).empty());
    for (int photos : {1, 2, 7, 10, 23, 24, 25, 35, 36, 37, 50, 71, 72, 100, 360})
        for (int steps : kPackFrameCounts) {
            const std::vector<int> picks = packPicks(photos, steps);
            ASSERT_EQ(picks.size(), static_cast<std::size_t>(steps));
            for (int k = 0; k < steps; ++k)
                EXPECT_EQ(picks[k], nearestByAngle(photos, steps, k))
                    << photos << " photos, step " << k << " of " << steps;
        }
}

TEST(FramePackPicks, NamesArePaddedToTheCount) {
    EXPECT_EQ(packEntryName(0, 24), "01.jpg");
    EXPECT_EQ(packEntryName(8, 72), "09.jpg");
    EXPECT_EQ(packEntryName(71, 72), "72.jpg");
    EXPECT_EQ(packEntryName(0, 120), "001.jpg");
}

// Photos of 320 x 240 in memory, each a colour of its own.
void addPhotos(Project& project, int count) {
    for (int n = 0; n < count; ++n)
        project.addPhotoFromImage(
            test::makeImage(320, 240, [n](int, int) { return packColour(6 * n, 90, 200); }),
            "photo" + std::to_string(n + 1));
    project.settings().outputWidth = 40;
    project.settings().outputHeight = 30;
}

TEST(FramePackWriter, DefaultWidthIsTheNarrowestPhotoUpTo1600) {
    Project project;
    addPhotos(project, 3);
    ProjectFrames frames(project);
    EXPECT_EQ(defaultPackWidth(frames), 320);
    EXPECT_EQ(packFrameSize(frames, 100), (FrameSize{100, 75}));
    project.settings().setRotation(1);
    project.settings().outputWidth = 30;
    project.settings().outputHeight = 40;
    EXPECT_EQ(defaultPackWidth(frames), 240) << "the photo's height, turned";
    project.addPhotoFromImage(test::makeImage(4000, 3000, [](int, int) { return kWhite; }));
    project.removePhoto(0);
    project.removePhoto(0);
    project.removePhoto(0);
    ProjectFrames large(project);
    EXPECT_EQ(defaultPackWidth(large), kPreferredPackWidth);
}

TEST(FramePackWriter, WritesTheSameBytesEachTimeAndReplacesWholeOrNotAtAll) {
    TempDir dir;
    Project project;
    addPhotos(project, 5);
    ProjectFrames frames(project);
    FramePackWriter writer;
    const std::string path = dir.file("pack.zip");
    std::string reason;
    FramePackOptions options;
    options.frames = 24;
    options.width = 64;
    int calls = 0;
    ASSERT_TRUE(writer.write(frames, path, options, reason, [&](int done, int count) {
        EXPECT_EQ(done, ++calls);
        EXPECT_EQ(count, 24);
    })) << reason;
    EXPECT_EQ(calls, 24);
    EXPECT_EQ(writer.lastSize(), (FrameSize{64, 48}));
    const std::string first = test::readWholeFile(path);
    // Written a minute later in another time zone: the same bytes.
    ::setenv("TZ", "Pacific/Kiritimati", 1);
    ASSERT_TRUE(writer.write(frames, dir.file("again.zip"), options, reason)) << reason;
    ::unsetenv("TZ");
    EXPECT_TRUE(test::readWholeFile(dir.file("again.zip")) == first);

    // A disk that fills up at any point leaves the old pack and nothing else.
    options.frames = 36;
    for (std::size_t budget : {std::size_t{0}, first.size() / 3, first.size() + 100}) {
        test::FailingWriter disk(budget);
        writer.setStreamOpener([&](int fd) { return disk.open(fd); });
        EXPECT_FALSE(writer.write(frames, path, options, reason)) << budget;
        EXPECT_NE(reason.find("Could not write " + path + ": No space left on device"),
                  std::string::npos)
            << reason;
        EXPECT_TRUE(test::readWholeFile(path) == first);
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"again.zip", "pack.zip"}));
    }
    writer.setStreamOpener({});
    ASSERT_TRUE(writer.write(frames, path, options, reason)) << reason;
    EXPECT_GT(test::readWholeFile(path).size(), first.size()) << "36 frames in place of 24";
}

TEST(FramePackWriter, ShotInRowsThePackTurnsTheRowTheViewerStartsIn) {
    TempDir dir;
    // Two rows of six; the viewer starts in the second.
    test::RecordingFrames frames(12, 2, 7);
    FramePackWriter writer;
    FramePackOptions options;
    options.frames = 24;
    options.width = 32;
    std::string reason;
    ASSERT_TRUE(writer.write(frames, dir.file("pack.zip"), options, reason)) << reason;
    // The row's photos (6 to 11) in the order of the picks round the row,
    // each made once per run of steps.
    std::vector<int> order;
    for (int pick : packPicks(6, 24))
        if (order.empty() || order.back() != 6 + pick) order.push_back(6 + pick);
    ASSERT_EQ(order.front(), 6);
    ASSERT_EQ(std::set<int>(order.begin(), order.end()).size(), 6u) << "every photo of the row";
    EXPECT_EQ(frames.asked, order);
}

TEST(FramePackWriter, RefusesWhatItCannotMakeAndNamesTheFile) {
    TempDir dir;
    Project project;
    FramePackWriter writer;
    std::string reason;
    const std::string path = dir.file("pack.zip");
    {
        ProjectFrames none(project);
        EXPECT_FALSE(writer.write(none, path, {}, reason));
        EXPECT_EQ(reason,
                  "Could not write " + path + ": there are no photos to take the frames from");
    }
    addPhotos(project, 3);
    ProjectFrames frames(project);
    FramePackOptions options;
    options.frames = 30;
    EXPECT_FALSE(writer.write(frames, path, options, reason));
    EXPECT_NE(reason.find("24, 36, 48 or 72 frames, not 30"), std::string::npos) << reason;
    options.frames = 24;
    options.width = 20000;
    EXPECT_FALSE(writer.write(frames, path, options, reason));
    EXPECT_NE(reason.find("at most 10000"), std::string::npos) << reason;
    // Into a folder that is a file.
    test::writeWholeFile(dir.file("file"), "x");
    options.width = 0;
    EXPECT_FALSE(writer.write(frames, dir.file("file") + "/pack.zip", options, reason));
    EXPECT_NE(reason.find("file/pack.zip: Not a directory"), std::string::npos) << reason;
    EXPECT_FALSE(fs::exists(path));
}

// The photos themselves at the pack's width, with the project's edits, and
// never a mark of the program: the frames go to other people's shops.
TEST(FramePackWriter, FramesComeFromThePhotosWithTheEditsAndWithoutTheLogo) {
    Project project;
    SpinLogo logo;
    ASSERT_TRUE(logo.load());
    project.setSpinLogo(&logo);
    addPhotos(project, 4);
    ProjectFrames frames(project);
    ProcessingSettings large = project.settings();
    large.setShownSize({160, 120});
    RasterImage plain, marked;
    std::string reason;
    ASSERT_TRUE(frames.renderWithoutLogo(2, large, plain, reason)) << reason;
    ASSERT_TRUE(frames.renderLarge(2, large, marked, reason)) << reason;
    EXPECT_EQ(plain.width(), 160);
    EXPECT_EQ(test::pixelAt(plain, 5, 5), packColour(12, 90, 200)) << "photo 3, no logo";
    EXPECT_NE(test::pixelAt(marked, 5, 5), test::pixelAt(plain, 5, 5)) << "the logo's corner";
    EXPECT_EQ(test::pixelAt(marked, 150, 110), test::pixelAt(plain, 150, 110));

    // A photo from a file is decoded again, its even-lightness balance kept.
    TempDir dir;
    {
        BufferedFile file;
        ASSERT_TRUE(file.open(dir.file("grey.png"), BufferedFile::Mode::Write));
        ASSERT_TRUE(writePng(
            test::makeImage(320, 240, [](int, int) { return packColour(100, 100, 100); }), file));
    }
    ASSERT_TRUE(project.addPhotoFromFile(dir.file("grey.png"), &reason)) << reason;
    project.photoAt(4)->balance = {0.5, 1.0, 1.0};
    ProjectFrames withFile(project);
    ASSERT_TRUE(withFile.renderWithoutLogo(4, large, plain, reason)) << reason;
    EXPECT_EQ(test::pixelAt(plain, 80, 60), packColour(50, 100, 100));
}

}  // namespace
}  // namespace turnpixa
