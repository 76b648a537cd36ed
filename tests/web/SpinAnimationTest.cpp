// The animated pictures of a spin as the set writer and the CLI make them.
// What is in them (frames, delays, loop, colours) is read back by
// independent decoders in tests/cli/animation_decode.py; here: the order,
// the refusals, and how the files land on disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "image/AnimationEncoder.h"
#include "project/Project.h"
#include "project/ProjectFrames.h"
#include "tests/support/FailingWriter.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/RecordingFrames.h"
#include "tests/support/TempDir.h"
#include "web/OutputSetWriter.h"
#include "web/SpinAnimation.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;
using test::makeImage;
using test::readWholeFile;
using test::TempDir;

void addPhotos(Project& project, int count) {
    for (int n = 1; n <= count; ++n)
        project.addPhotoFromImage(
            makeImage(160, 120,
                      [n](int x, int) { return x < 80 ? packColour(40 * n, 90, 200) : kWhite; }),
            "photo" + std::to_string(n));
    project.settings().outputWidth = 40;
    project.settings().outputHeight = 30;
}

std::vector<std::string> names(const fs::path& folder) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder)) out.push_back(e.path().filename());
    std::sort(out.begin(), out.end());
    return out;
}

TEST(SpinAnimation, PlaysFromTheStartImageEitherWay) {
    EXPECT_EQ(animationOrder(5, false), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(animationOrder(5, true), (std::vector<int>{0, 4, 3, 2, 1}));
    EXPECT_EQ(animationOrder(1, true), (std::vector<int>{0}));
}

TEST(SpinAnimation, ShotInRowsItTurnsTheRowTheViewerStartsIn) {
    // Three rows of four; the viewer starts in the middle row.
    test::RecordingFrames frames(12, 3, 4);
    std::vector<AnimationFile> files;
    std::string reason;
    AnimationRequest request;
    request.formats = {AnimationFormat::Gif};
    int last = 0;
    ASSERT_TRUE(makeSpinAnimations(frames, request, files, reason, nullptr,
                                   [&](int done, int count) {
                                       EXPECT_EQ(count, 4);
                                       last = done;
                                   }))
        << reason;
    EXPECT_EQ(last, 4);
    ASSERT_GE(frames.asked.size(), 4u);
    EXPECT_EQ(std::vector<int>(frames.asked.end() - 4, frames.asked.end()),
              (std::vector<int>{4, 5, 6, 7}));

    frames.asked.clear();
    request.frameMs = -100;  // the other way round the same row
    ASSERT_TRUE(makeSpinAnimations(frames, request, files, reason)) << reason;
    ASSERT_GE(frames.asked.size(), 4u);
    EXPECT_EQ(std::vector<int>(frames.asked.end() - 4, frames.asked.end()),
              (std::vector<int>{4, 7, 6, 5}));
}

TEST(SpinAnimation, EncodersRefuseFramesOfAnotherSizeAndAnEmptyAnimation) {
    const RasterImage frame = makeImage(20, 10, [](int, int) { return kWhite; });
    const RasterImage wrong = makeImage(21, 10, [](int, int) { return kWhite; });
    for (AnimationFormat format : {AnimationFormat::Gif, AnimationFormat::WebP}) {
        std::string reason;
        std::vector<std::uint8_t> file;
        auto empty = AnimationEncoder::create(format, 20, 10, 100);
        EXPECT_FALSE(empty->finish(file, reason));
        EXPECT_EQ(reason, "there are no frames");

        auto encoder = AnimationEncoder::create(format, 20, 10, 100);
        EXPECT_TRUE(encoder->add(frame, reason)) << reason;
        EXPECT_FALSE(encoder->add(wrong, reason));
        EXPECT_EQ(reason, "a frame is 21 x 10 pixels, not 20 x 10");
        EXPECT_FALSE(encoder->add(frame, reason)) << "nothing after a failure";
        EXPECT_FALSE(encoder->finish(file, reason));
        EXPECT_TRUE(file.empty());
    }
}

TEST(SpinAnimation, TheSetCarriesItsAnimationsAndAFailedSaveLeavesNone) {
    TempDir dir;
    Project project;
    addPhotos(project, 3);
    OutputSetWriter writer;
    const SaveTarget target = SaveTarget::fromChosenPath(dir.file("mug"));
    SaveOptions options;
    options.animation.formats = {AnimationFormat::WebP, AnimationFormat::Gif};
    std::string reason;
    {
        ProjectFrames frames(project);
        ASSERT_TRUE(writer.write(frames, target, options, reason)) << reason;
    }
    EXPECT_EQ(writer.animationsWritten(), (std::vector<std::string>{"spin.webp", "spin.gif"}));
    const std::string gif = readWholeFile(target.frameFolderPath() + "spin.gif");
    const std::string webp = readWholeFile(target.frameFolderPath() + "spin.webp");
    EXPECT_EQ(gif.substr(0, 6), "GIF89a");
    EXPECT_NE(gif.find("NETSCAPE2.0"), std::string::npos);
    EXPECT_EQ(webp.substr(0, 4), "RIFF");
    EXPECT_NE(webp.find("ANIM"), std::string::npos);
    EXPECT_EQ(names(target.frameFolderPath()),
              (std::vector<std::string>{"image.jpg", "image_000.jpg", "image_001.jpg",
                                        "image_002.jpg", "spin.gif", "spin.webp"}));

    // Saved again with another choice: the new animation replaces the old
    // one, the other one stays as any other file does but is not the set's.
    options.animation.formats = {AnimationFormat::Gif};
    options.animation.frameMs = -300;
    {
        ProjectFrames frames(project);
        ASSERT_TRUE(writer.write(frames, target, options, reason)) << reason;
    }
    EXPECT_EQ(writer.animationsWritten(), std::vector<std::string>{"spin.gif"});
    EXPECT_NE(readWholeFile(target.frameFolderPath() + "spin.gif"), gif);
    EXPECT_EQ(readWholeFile(target.frameFolderPath() + "spin.webp"), webp);

    // A disk that fills while the animation is written (after the frames
    // and the still): the old set stays as it was.
    const auto before = names(target.frameFolderPath());
    const std::string oldGif = readWholeFile(target.frameFolderPath() + "spin.gif");
    std::size_t framesAndStill = 0;
    for (const std::string& name : before)
        if (name.rfind("image", 0) == 0)
            framesAndStill += fs::file_size(target.frameFolderPath() + name);
    test::FailingWriter disk(framesAndStill + oldGif.size() / 2);
    writer.setStreamOpener([&](int fd) { return disk.open(fd); });
    options.animation.frameMs = 200;  // the same frames, another animation
    {
        ProjectFrames frames(project);
        EXPECT_FALSE(writer.write(frames, target, options, reason));
    }
    EXPECT_NE(reason.find("spin.gif: write failed"), std::string::npos) << reason;
    EXPECT_EQ(names(target.frameFolderPath()), before);
    EXPECT_EQ(readWholeFile(target.frameFolderPath() + "spin.gif"), oldGif);
    EXPECT_EQ(names(dir.path()),
              (std::vector<std::string>{"mug-turnpixa", "mug.htm", "turnpixa.js"}))
        << "nothing staged is left";
}

TEST(SpinAnimation, OtherWidthsAreRenderedFromThePhotosButNeverEnlargeThem) {
    Project project;
    addPhotos(project, 2);
    ProjectFrames frames(project);
    std::vector<AnimationFile> files;
    std::vector<std::string> notes;
    std::string reason;
    AnimationRequest request;
    request.formats = {AnimationFormat::Gif};
    request.width = 120;
    ASSERT_TRUE(makeSpinAnimations(frames, request, files, reason, &notes)) << reason;
    ASSERT_EQ(files.size(), 1u);
    // The logical screen size, little-endian after "GIF89a".
    EXPECT_EQ(files[0].bytes[6] | files[0].bytes[7] << 8, 120);
    EXPECT_EQ(files[0].bytes[8] | files[0].bytes[9] << 8, 90);
    EXPECT_TRUE(notes.empty());

    request.width = 400;  // the photos are 160 wide
    ASSERT_TRUE(makeSpinAnimations(frames, request, files, reason, &notes)) << reason;
    EXPECT_EQ(files[0].bytes[6] | files[0].bytes[7] << 8, 160);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("never enlarged"), std::string::npos) << notes[0];
}

TEST(SpinAnimation, AWholeFileReplacesTheOldOneOrLeavesItAsItWas) {
    TempDir dir;
    const std::string path = dir.file("spin.gif");
    std::string reason;
    ASSERT_TRUE(writeWholeFile(path, {'o', 'l', 'd'}, reason)) << reason;
    ASSERT_TRUE(writeWholeFile(path, {'n', 'e', 'w', '!'}, reason)) << reason;
    EXPECT_EQ(readWholeFile(path), "new!");
    EXPECT_EQ(names(dir.path()), std::vector<std::string>{"spin.gif"}) << "no temporary left";
    fs::create_directory(dir.path() / "taken.gif");
    EXPECT_FALSE(writeWholeFile(dir.file("taken.gif"), {'x'}, reason));
    EXPECT_NE(reason.find("taken.gif"), std::string::npos) << reason;
    EXPECT_FALSE(writeWholeFile(dir.file("missing/spin.gif"), {'x'}, reason));
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"spin.gif", "taken.gif"}));
}

}  // namespace
}  // namespace turnpixa
