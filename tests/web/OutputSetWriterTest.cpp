#include "web/OutputSetWriter.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "image/ImageFormats.h"
#include "project/Project.h"
#include "project/ProjectFrames.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/TempDir.h"
#include "web/OutputPage.h"
#include "web/ViewerScript.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;
using test::makeImage;
using test::pixelAt;
using test::readWholeFile;
using test::TempDir;

// Photo n (1-based) is a solid colour of its own.
PackedColour colourOf(int n) {
    return packColour(40 * n, 250 - 40 * n, (n * 97) % 256);
}

// Photos of 32 x 24 rendered to 16 x 12 frames, without a spin logo.
void addPhotos(Project& project, int count) {
    for (int n = 1; n <= count; ++n)
        project.addPhotoFromImage(makeImage(32, 24, [n](int, int) { return colourOf(n); }),
                                  "photo" + std::to_string(n));
    project.settings().outputWidth = 16;
    project.settings().outputHeight = 12;
}

bool save(OutputSetWriter& writer, Project& project, const SaveTarget& target,
          const SaveOptions& options, std::string& reason,
          const OutputSetWriter::Progress& progress = {}) {
    ProjectFrames frames(project);
    return writer.write(frames, target, options, reason, progress);
}

bool updateStill(OutputSetWriter& writer, Project& project) {
    ProjectFrames frames(project);
    return writer.updateStillImage(frames);
}

// A plain arrow so that the still does not depend on the built-in art.
RasterImage testArrow() {
    return makeImage(10, 10, [](int x, int) { return x < 5 ? kBlack : kWhite; });
}

PackedColour centreOf(const std::string& path) {
    RasterImage image;
    std::string reason;
    EXPECT_TRUE(loadPhotoFile(path, image, &reason)) << path << ": " << reason;
    return image.empty() ? 0xFFFFFFFFu : pixelAt(image, image.width() / 2, image.height() / 2);
}

std::vector<int> photosOfFrames(const SaveTarget& target, int count) {
    std::vector<int> photos;
    for (int k = 0; k < count; ++k) {
        const PackedColour c = centreOf(target.framePath(k, true));
        int found = 0;
        for (int n = 1; n <= count; ++n)
            if (colourOf(n) == c) found = n;
        photos.push_back(found);
    }
    return photos;
}

TEST(OutputSetWriter, FramesRunInSpinOrderFromTheStartImage) {
    TempDir dir;
    Project project;
    addPhotos(project, 5);
    project.setStartImage(3);
    OutputSetWriter writer(testArrow());
    const SaveTarget target = SaveTarget::fromChosenPath(dir.file("shoe"));
    SaveOptions options;
    options.pngChosen = true;
    std::string reason;
    std::vector<std::pair<int, int>> progress;
    ASSERT_TRUE(save(writer, project, target, options, reason, [&](int k, int n) {
        progress.emplace_back(k, n);
    })) << reason;
    EXPECT_EQ(photosOfFrames(target, 5), (std::vector<int>{3, 4, 5, 1, 2}));
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}));

    project.reverseSpin = true;
    ASSERT_TRUE(save(writer, project, target, options, reason)) << reason;
    EXPECT_EQ(photosOfFrames(target, 5), (std::vector<int>{3, 2, 1, 5, 4}));
    EXPECT_FALSE(fs::exists(target.framePath(5, true)));
}

TEST(OutputSetWriter, WholeSetWithPageScriptAndStill) {
    TempDir dir;
    Project project;
    addPhotos(project, 3);
    OutputSetWriter writer(testArrow());
    const SaveTarget target = SaveTarget::fromChosenPath(dir.file("Shoe.HTM"));
    SaveOptions options;
    options.autoSpinOn = true;
    options.autoSpinInterval = -50;
    std::string reason;
    ASSERT_TRUE(save(writer, project, target, options, reason)) << reason;

    EXPECT_EQ(readWholeFile(dir.file("turnpixa.js")), ViewerScript::fileForm());
    const std::string page = readWholeFile(dir.file("Shoe.HTM"));
    EXPECT_NE(page.find("\r\n    <img id='turnpixa1' src='Shoe-turnpixa/image.jpg' width='16' "
                        "height='12'>\r\n"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("\r\nAddTurnPixa('turnpixa1','Shoe-turnpixa/image_',3,-50,0,'.jpg');\r\n"),
              std::string::npos)
        << page;
    for (int k = 0; k < 3; ++k) {
        const PackedColour c = centreOf(target.framePath(k, false));
        EXPECT_LE(std::abs(redOf(c) - redOf(colourOf(k + 1))), 3) << k;  // JPEG is lossy
        EXPECT_LE(std::abs(greenOf(c) - greenOf(colourOf(k + 1))), 3) << k;
    }
    RasterImage still;
    ASSERT_TRUE(loadPhotoFile(target.stillPath(false), still));
    EXPECT_EQ(still.width(), 16);
    EXPECT_EQ(still.height(), 12);
    ASSERT_NE(writer.stillImage(), nullptr);
    // Nothing half-made is left behind.
    for (const auto& e : fs::recursive_directory_iterator(dir.path()))
        EXPECT_NE(e.path().extension(), ".part") << e.path();
}

TEST(OutputSetWriter, QuarterTurnExchangesThePageSize) {
    for (int rotation : {1, 3}) {
        TempDir dir;
        Project project;
        addPhotos(project, 2);
        project.settings().setRotation(rotation);
        OutputSetWriter writer(testArrow());
        const SaveTarget target = SaveTarget::fromChosenPath(dir.file("turn"));
        SaveOptions options;
        options.pngChosen = true;
        std::string reason;
        ASSERT_TRUE(save(writer, project, target, options, reason)) << reason;
        const std::string page = readWholeFile(target.pagePath());
        EXPECT_NE(page.find("src='turn-turnpixa/image.png' width='12' height='16'>"),
                  std::string::npos)
            << page;
        EXPECT_NE(page.find(",2,0,0,'.png');"), std::string::npos) << page;
        // The page's size is the frames' size.
        RasterImage frame;
        ASSERT_TRUE(loadPhotoFile(target.framePath(0, true), frame));
        EXPECT_EQ(frame.width(), 12);
        EXPECT_EQ(frame.height(), 16);
    }
}

TEST(OutputSetWriter, TwoPagesShareOneScriptAndReuseFolders) {
    TempDir dir;
    Project project;
    addPhotos(project, 2);
    OutputSetWriter writer(testArrow());
    fs::create_directory(dir.path() / "boot-turnpixa");
    test::writeWholeFile(dir.file("boot-turnpixa/notes.txt"), "mine");
    test::writeWholeFile(dir.file("boot-turnpixa/image_000.jpg"), "old");
    std::string reason;
    ASSERT_TRUE(save(writer, project, SaveTarget::fromChosenPath(dir.file("shoe")), {}, reason));
    ASSERT_TRUE(save(writer, project, SaveTarget::fromChosenPath(dir.file("boot")), {}, reason));
    EXPECT_TRUE(fs::exists(dir.path() / "shoe-turnpixa" / "image_001.jpg"));
    EXPECT_TRUE(fs::exists(dir.path() / "boot-turnpixa" / "image_001.jpg"));
    EXPECT_EQ(readWholeFile(dir.file("boot-turnpixa/notes.txt")), "mine");
    EXPECT_NE(readWholeFile(dir.file("boot-turnpixa/image_000.jpg")), "old");
    EXPECT_NE(readWholeFile(dir.file("shoe.htm")).find("'shoe-turnpixa/image_'"),
              std::string::npos);
    EXPECT_NE(readWholeFile(dir.file("boot.htm")).find("'boot-turnpixa/image_'"),
              std::string::npos);
    int scripts = 0;
    for (const auto& e : fs::directory_iterator(dir.path()))
        scripts += e.path().extension() == ".js";
    EXPECT_EQ(scripts, 1);
}

TEST(OutputSetWriterFailure, FrameThatCannotBeWrittenStopsAndKeepsTheOldPage) {
    TempDir dir;
    Project project;
    addPhotos(project, 4);
    OutputSetWriter writer(testArrow());
    const SaveTarget target = SaveTarget::fromChosenPath(dir.file("shoe"));
    std::string reason;
    ASSERT_TRUE(save(writer, project, target, {}, reason)) << reason;
    const std::string oldPage = readWholeFile(target.pagePath());

    // Frame 2 cannot take the place of a folder of that name.
    fs::remove(target.framePath(2, true));
    fs::remove(target.framePath(3, true));
    fs::create_directory(target.framePath(2, true));
    SaveOptions png;
    png.pngChosen = true;
    png.autoSpinOn = true;
    EXPECT_FALSE(save(writer, project, target, png, reason));
    EXPECT_NE(reason.find("image_002.png"), std::string::npos) << reason;
    EXPECT_TRUE(fs::exists(target.framePath(1, true)));
    EXPECT_FALSE(fs::exists(target.framePath(3, true)));
    EXPECT_FALSE(fs::exists(target.stillPath(true)));
    EXPECT_EQ(readWholeFile(target.pagePath()), oldPage);
}

TEST(OutputSetWriterFailure, FrameFolderThatIsAFile) {
    TempDir dir;
    Project project;
    addPhotos(project, 2);
    test::writeWholeFile(dir.file("shoe-turnpixa"), "in the way");
    OutputSetWriter writer(testArrow());
    std::string reason;
    EXPECT_FALSE(save(writer, project, SaveTarget::fromChosenPath(dir.file("shoe")), {}, reason));
    EXPECT_NE(reason.find("shoe-turnpixa/image_000.jpg"), std::string::npos) << reason;
    EXPECT_FALSE(fs::exists(dir.file("shoe.htm")));
    EXPECT_FALSE(fs::exists(dir.file("turnpixa.js")));
}

TEST(OutputSetWriterFailure, NoPhotosIsNoSave) {
    TempDir dir;
    Project project;
    OutputSetWriter writer(testArrow());
    std::string reason;
    EXPECT_FALSE(save(writer, project, SaveTarget::fromChosenPath(dir.file("shoe")), {}, reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(fs::exists(dir.file("shoe.htm")));
}

// In a child process: a read-only folder needs a user other than root.
[[noreturn]] void saveIntoReadOnlyFolder(const fs::path& readOnly) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(9);
    Project project;
    addPhotos(project, 2);
    OutputSetWriter writer(testArrow());
    std::string reason;
    const bool ok =
        save(writer, project, SaveTarget::fromChosenPath((readOnly / "shoe").string()), {}, reason);
    int bad = ok ? 1 : 0;
    if (reason.find("shoe-turnpixa") == std::string::npos) bad |= 2;
    if (fs::exists(readOnly / "shoe.htm")) bad |= 4;
    if (bad) std::fprintf(stderr, "%s\n", reason.c_str());
    std::_Exit(bad);
}

// In a child process: a full disk, as a limit on the size of any file.
[[noreturn]] void saveOntoFullDisk(const fs::path& folder) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{2000, 2000};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) std::_Exit(9);
    Project project;
    for (int n = 1; n <= 2; ++n)  // noise does not compress below the limit
        project.addPhotoFromImage(makeImage(64, 64,
                                            [](int x, int y) {
                                                return packColour((x * 37) ^ (y * 11), x * y,
                                                                  x * 5 + y * 91);
                                            }),
                                  "noise");
    project.settings().outputWidth = 64;
    project.settings().outputHeight = 64;
    OutputSetWriter writer(testArrow());
    std::string reason;
    SaveOptions png;
    png.pngChosen = true;
    const bool ok =
        save(writer, project, SaveTarget::fromChosenPath((folder / "shoe").string()), png, reason);
    int bad = ok ? 1 : 0;
    if (reason.find("image_000.png") == std::string::npos) bad |= 2;
    if (fs::exists(folder / "shoe.htm") || fs::exists(folder / "turnpixa.js")) bad |= 4;
    if (fs::exists(folder / "shoe-turnpixa" / "image_000.png.part")) bad |= 8;
    if (bad) std::fprintf(stderr, "%s\n", reason.c_str());
    std::_Exit(bad);
}

TEST(OutputSetWriterFailure, ReadOnlyFolderAndFullDisk) {
    TempDir dir;
    const fs::path readOnly = dir.path() / "readonly";
    const fs::path full = dir.path() / "full";
    fs::create_directory(readOnly);
    fs::create_directory(full);
    fs::permissions(dir.path(), fs::perms::all);
    fs::permissions(full, fs::perms::all);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    EXPECT_EXIT(saveIntoReadOnlyFolder(readOnly), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(saveOntoFullDisk(full), ::testing::ExitedWithCode(0), "");
}

TEST(OutputSetWriter, StillImageWithTheBuiltInArrows) {
    Project project;
    const PackedColour grey = packColour(120, 120, 120);
    project.addPhotoFromImage(makeImage(100, 80, [&](int, int) { return grey; }), "grey");
    project.settings().outputWidth = 100;
    project.settings().outputHeight = 80;
    OutputSetWriter writer;  // the arrow from the built-in pictures
    ASSERT_TRUE(updateStill(writer, project));
    const RasterImage& still = *writer.stillImage();
    ASSERT_EQ(still.width(), 100);
    ASSERT_EQ(still.height(), 80);
    // Arrow boxes of 20 x 20 at x = 77 and x = 3 (0-based), y = 30; the left
    // one is the right one mirrored, so the picture is symmetric.
    int lit = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x) {
            const PackedColour c = pixelAt(still, x + 1, y + 1);
            ASSERT_EQ(c, pixelAt(still, 100 - x, y + 1)) << x << "," << y;
            const bool inBox = y >= 30 && y < 50 && ((x >= 77 && x < 97) || (x >= 3 && x < 23));
            if (!inBox) {
                ASSERT_EQ(c, grey) << x << "," << y;
            }
            lit += c != grey;
        }
    EXPECT_GT(lit, 40);
    // Another photo at the start with the same settings: the still follows it.
    const PackedColour blue = packColour(0, 0, 200);
    project.replacePhoto(
        0, std::make_unique<Photo>(makeImage(100, 80, [&](int, int) { return blue; }), "blue"));
    ASSERT_TRUE(updateStill(writer, project));
    EXPECT_EQ(pixelAt(*writer.stillImage(), 50, 40), blue);
    // No start photo: no still.
    project.setStartImage(2);
    EXPECT_FALSE(updateStill(writer, project));
    EXPECT_EQ(writer.stillImage(), nullptr);
}

// Frames held in a list, the one at `broken` never renders.
class ListedFrames : public FrameSource {
public:
    std::vector<RasterImage> images;
    int broken = -1;
    ProcessingSettings shownWith;

    int frameCount() const override { return static_cast<int>(images.size()); }
    const RasterImage* frameAt(int position) override {
        return position == broken ? nullptr : &images[static_cast<std::size_t>(position)];
    }
    std::string frameLabel(int position) const override {
        return "frame #" + std::to_string(position);
    }
    const ProcessingSettings& settings() const override { return shownWith; }
    FrameSize shownSize() const override { return {30, 20}; }
};

TEST(OutputSetWriter, WritesAnyFrameSourceInItsOrder) {
    TempDir dir;
    ListedFrames frames;
    for (int n = 1; n <= 3; ++n)
        frames.images.push_back(makeImage(30, 20, [n](int, int) { return colourOf(n); }));
    OutputSetWriter writer(testArrow());
    const SaveTarget target = SaveTarget::fromChosenPath(dir.file("list"));
    SaveOptions png;
    png.pngChosen = true;
    std::string reason;
    ASSERT_TRUE(writer.write(frames, target, png, reason)) << reason;
    EXPECT_EQ(photosOfFrames(target, 3), (std::vector<int>{1, 2, 3}));
    EXPECT_NE(readWholeFile(target.pagePath()).find("width='30' height='20'"), std::string::npos);

    frames.broken = 1;
    EXPECT_FALSE(writer.write(frames, target, png, reason));
    EXPECT_NE(reason.find("image_001.png: frame #1 could not be rendered"), std::string::npos)
        << reason;
}

TEST(OutputSetWriter, FrameOrder) {
    EXPECT_EQ(OutputSetWriter::frameOrder(5, 3, false), (std::vector<int>{2, 3, 4, 0, 1}));
    EXPECT_EQ(OutputSetWriter::frameOrder(5, 3, true), (std::vector<int>{2, 1, 0, 4, 3}));
    EXPECT_EQ(OutputSetWriter::frameOrder(1, 1, true), (std::vector<int>{0}));
    EXPECT_TRUE(OutputSetWriter::frameOrder(0, 1, false).empty());
}

}  // namespace
}  // namespace turnpixa
