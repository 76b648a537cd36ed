#include "web/OutputSetWriter.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <thread>
#include <vector>

#include "image/ImageFormats.h"
#include "project/Project.h"
#include "project/ProjectFrames.h"
#include "tests/support/FailingWriter.h"
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
        const PackedColour c = centreOf(target.framePath(k, FrameFormat::Png));
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
    options.format = FrameFormat::Png;
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
    EXPECT_FALSE(fs::exists(target.framePath(5, FrameFormat::Png)));
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
        const PackedColour c = centreOf(target.framePath(k, FrameFormat::Jpeg));
        EXPECT_LE(std::abs(redOf(c) - redOf(colourOf(k + 1))), 3) << k;  // JPEG is lossy
        EXPECT_LE(std::abs(greenOf(c) - greenOf(colourOf(k + 1))), 3) << k;
    }
    RasterImage still;
    ASSERT_TRUE(loadPhotoFile(target.stillPath(FrameFormat::Jpeg), still));
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
        options.format = FrameFormat::Png;
        std::string reason;
        ASSERT_TRUE(save(writer, project, target, options, reason)) << reason;
        const std::string page = readWholeFile(target.pagePath());
        EXPECT_NE(page.find("src='turn-turnpixa/image.png' width='12' height='16'>"),
                  std::string::npos)
            << page;
        EXPECT_NE(page.find(",2,0,0,'.png');"), std::string::npos) << page;
        // The page's size is the frames' size.
        RasterImage frame;
        ASSERT_TRUE(loadPhotoFile(target.framePath(0, FrameFormat::Png), frame));
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
    test::writeWholeFile(dir.file("boot-turnpixa/image_007.jpg"), "stale");
    fs::create_directory(dir.path() / "boot-turnpixa" / "drafts");
    std::string reason;
    ASSERT_TRUE(save(writer, project, SaveTarget::fromChosenPath(dir.file("shoe")), {}, reason));
    ASSERT_TRUE(save(writer, project, SaveTarget::fromChosenPath(dir.file("boot")), {}, reason));
    EXPECT_TRUE(fs::exists(dir.path() / "shoe-turnpixa" / "image_001.jpg"));
    EXPECT_TRUE(fs::exists(dir.path() / "boot-turnpixa" / "image_001.jpg"));
    EXPECT_EQ(readWholeFile(dir.file("boot-turnpixa/notes.txt")), "mine");
    EXPECT_NE(readWholeFile(dir.file("boot-turnpixa/image_000.jpg")), "old");
    EXPECT_TRUE(fs::is_directory(dir.path() / "boot-turnpixa" / "drafts"));
    EXPECT_FALSE(fs::exists(dir.path() / "boot-turnpixa" / "image_007.jpg"));  // the old set's
    EXPECT_NE(readWholeFile(dir.file("shoe.htm")).find("'shoe-turnpixa/image_'"),
              std::string::npos);
    EXPECT_NE(readWholeFile(dir.file("boot.htm")).find("'boot-turnpixa/image_'"),
              std::string::npos);
    int scripts = 0;
    for (const auto& e : fs::directory_iterator(dir.path()))
        scripts += e.path().extension() == ".js";
    EXPECT_EQ(scripts, 1);
}

// Every file under the folder, hidden ones included, with its bytes.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        files[fs::relative(e.path(), folder).string()] =
            e.is_regular_file() ? readWholeFile(e.path().string()) : std::string("<folder>");
    return files;
}

// Photos of noise, so that the frames do not compress to nothing.
void addNoisePhotos(Project& project, int count, int size) {
    for (int n = 1; n <= count; ++n)
        project.addPhotoFromImage(makeImage(size, size,
                                            [n](int x, int y) {
                                                return packColour((x * 37 * n) ^ (y * 11), x * y,
                                                                  x * 5 + y * 91 * n);
                                            }),
                                  "noise" + std::to_string(n));
    project.settings().outputWidth = size;
    project.settings().outputHeight = size;
}

// A disk filling up at any point of a save, and a swap that fails: the old
// set stays byte for byte and nothing of the new one is left behind.
TEST(OutputSetWriterFailure, AFailureAnywhereLeavesTheOldSetAsItWas) {
    TempDir dir;
    Project project;
    addNoisePhotos(project, 4, 48);
    OutputSetWriter writer(testArrow());
    const SaveTarget shoe = SaveTarget::fromChosenPath(dir.file("shoe"));
    std::string reason;
    ASSERT_TRUE(save(writer, project, shoe, {}, reason)) << reason;
    const auto before = snapshot(dir.path());

    // The new set differs (PNG, rotated); its file sizes, in writing order,
    // from a save elsewhere.
    SaveOptions png;
    png.format = FrameFormat::Png;
    project.settings().setRotation(1);
    TempDir scratch;
    const SaveTarget other = SaveTarget::fromChosenPath(scratch.file("shoe"));
    ASSERT_TRUE(save(writer, project, other, png, reason)) << reason;
    std::vector<std::pair<std::string, std::size_t>> files;
    for (int k = 0; k < 4; ++k) files.emplace_back(other.framePath(k, FrameFormat::Png), 0);
    files.emplace_back(other.stillPath(FrameFormat::Png), 0);
    files.emplace_back(other.scriptPath(), 0);
    files.emplace_back(other.pagePath(), 0);
    for (auto& f : files) f.second = fs::file_size(f.first);

    std::size_t sum = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i != 1 && i != 3) {  // first frame, a middle one, still, script, page
            test::FailingWriter disk(sum + files[i].second / 2);
            writer.setStreamOpener([&](int fd) { return disk.open(fd); });
            EXPECT_FALSE(save(writer, project, shoe, png, reason));
            const std::string name = fs::path(files[i].first).filename().string();
            EXPECT_NE(reason.find(name + ": write failed: No space left on device"),
                      std::string::npos)
                << reason;
            EXPECT_EQ(snapshot(dir.path()), before) << name;
        }
        sum += files[i].second;
    }
    writer.setStreamOpener({});

    // The swap: the page cannot take the place of a folder of its name, so
    // the frame folder and the script, already swapped, go back.
    fs::create_directories(dir.path() / "boot.htm" / "inside");
    const auto withFolder = snapshot(dir.path());
    EXPECT_FALSE(save(writer, project, SaveTarget::fromChosenPath(dir.file("boot")), png, reason));
    EXPECT_NE(reason.find("boot.htm"), std::string::npos) << reason;
    EXPECT_EQ(snapshot(dir.path()), withFolder);
    fs::remove(dir.path() / "turnpixa.js");
    EXPECT_FALSE(save(writer, project, SaveTarget::fromChosenPath(dir.file("boot")), png, reason));
    EXPECT_FALSE(fs::exists(dir.path() / "turnpixa.js"));
    fs::remove_all(dir.path() / "boot.htm");

    // And the next save goes through, replacing the whole set.
    ASSERT_TRUE(save(writer, project, shoe, png, reason)) << reason;
    EXPECT_EQ(readWholeFile(shoe.framePath(3, FrameFormat::Png)),
              readWholeFile(other.framePath(3, FrameFormat::Png)));
    EXPECT_FALSE(fs::exists(shoe.framePath(3, FrameFormat::Jpeg)));
    EXPECT_EQ(readWholeFile(shoe.pagePath()), readWholeFile(other.pagePath()));
}

// In a child process with a mount namespace of its own: a real small disk.
// Exit status 77 when the system does not let the test mount one.
[[noreturn]] void saveOntoSmallDisk(const fs::path& folder) {
    const uid_t uid = ::geteuid();
    if (::unshare(CLONE_NEWNS) != 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) std::_Exit(77);
        test::writeWholeFile("/proc/self/setgroups", "deny");
        test::writeWholeFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1");
    }
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k") != 0)
        std::_Exit(77);
    int bad = 0;
    Project project;
    addNoisePhotos(project, 3, 64);
    OutputSetWriter writer(testArrow());
    const SaveTarget target = SaveTarget::fromChosenPath((folder / "shoe").string());
    std::string reason;
    if (!save(writer, project, target, {}, reason)) bad |= 1;
    const auto before = snapshot(folder);
    // Noise in PNG frames of 160 x 160: too much for the disk, though not
    // by the first check's lower bound.
    Project larger;
    addNoisePhotos(larger, 8, 160);
    SaveOptions png;
    png.format = FrameFormat::Png;
    if (save(writer, larger, target, png, reason)) bad |= 2;
    if (reason.find("No space left on device") == std::string::npos) bad |= 4;
    if (snapshot(folder) != before) bad |= 8;
    // Far too large: refused by the first check, before any frame.
    larger.settings().outputWidth = larger.settings().outputHeight = 2000;
    if (save(writer, larger, target, png, reason) ||
        reason.find("There is not enough space in") == std::string::npos)
        bad |= 16;
    if (bad) std::fprintf(stderr, "%d %s\n", bad, reason.c_str());
    std::_Exit(bad);
}

TEST(OutputSetWriterFailure, ASmallDiskFillingUp) {
    TempDir dir;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) saveOntoSmallDisk(dir.path());
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no tmpfs can be mounted here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// A shop's batch: pages saved side by side into one folder, sharing the
// script, some onto the same page at once. Every save succeeds.
TEST(OutputSetWriter, SavesSideBySideIntoOneFolder) {
    TempDir dir;
    constexpr int kSaves = 4;
    std::vector<Project> projects(kSaves);
    for (Project& p : projects) addPhotos(p, 2);
    for (int round = 0; round < 25; ++round) {
        std::vector<std::thread> threads;
        std::atomic<int> failures{0};
        for (int t = 0; t < kSaves; ++t)
            threads.emplace_back([&, t] {
                OutputSetWriter writer(testArrow());
                std::string reason;
                const std::string page = dir.file("p" + std::to_string(t % 3));
                if (!save(writer, projects[static_cast<std::size_t>(t)],
                          SaveTarget::fromChosenPath(page), {}, reason)) {
                    ++failures;
                    ADD_FAILURE() << reason;
                }
            });
        for (std::thread& th : threads) th.join();
        ASSERT_EQ(failures, 0) << "round " << round;
    }
    int entries = 0;
    for (const auto& e : fs::directory_iterator(dir.path())) {
        EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
        ++entries;
    }
    EXPECT_EQ(entries, 7);  // three pages, three frame folders, one script
    EXPECT_EQ(readWholeFile(dir.file("turnpixa.js")), ViewerScript::fileForm());
}

TEST(OutputSetWriterFailure, FrameFolderThatIsAFile) {
    TempDir dir;
    Project project;
    addPhotos(project, 2);
    test::writeWholeFile(dir.file("shoe-turnpixa"), "in the way");
    OutputSetWriter writer(testArrow());
    std::string reason;
    EXPECT_FALSE(save(writer, project, SaveTarget::fromChosenPath(dir.file("shoe")), {}, reason));
    EXPECT_NE(reason.find("shoe-turnpixa/: a file of that name is in the way"), std::string::npos)
        << reason;
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

TEST(OutputSetWriterFailure, ReadOnlyFolder) {
    TempDir dir;
    const fs::path readOnly = dir.path() / "readonly";
    fs::create_directory(readOnly);
    fs::permissions(dir.path(), fs::perms::all);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    EXPECT_EXIT(saveIntoReadOnlyFolder(readOnly), ::testing::ExitedWithCode(0), "");
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
    png.format = FrameFormat::Png;
    std::string reason;
    ASSERT_TRUE(writer.write(frames, target, png, reason)) << reason;
    EXPECT_EQ(photosOfFrames(target, 3), (std::vector<int>{1, 2, 3}));
    EXPECT_NE(readWholeFile(target.pagePath()).find("width='30' height='20'"), std::string::npos);

    frames.broken = 1;
    EXPECT_FALSE(writer.write(frames, target, png, reason));
    EXPECT_NE(reason.find("image_001.png: frame #1 could not be rendered"), std::string::npos)
        << reason;
}

// Twelve photos in three rows of four: the frames run row by row from the
// start image's column, the still is the start photo and the page names the
// rows and the start frame. With one row (or rows that do not fit the
// count) the set is the one-row set, file for file.
TEST(OutputSetWriter, FramesInRowsRunRowByRowAndThePageCarriesTheRows) {
    const auto colour = [](int n) { return packColour(20 * n, 250 - 20 * n, (n * 97) % 256); };
    const auto photos = [&](Project& project) {
        for (int n = 1; n <= 12; ++n)
            project.addPhotoFromImage(makeImage(32, 24, [&](int, int) { return colour(n); }),
                                      "photo" + std::to_string(n));
        project.settings().outputWidth = 16;
        project.settings().outputHeight = 12;
        project.chooseStartImage(7);
    };
    TempDir dir;
    SaveOptions png;
    png.format = FrameFormat::Png;
    std::string reason;
    Project rows;
    photos(rows);
    rows.rows = 3;
    OutputSetWriter writer(testArrow());
    const SaveTarget target = SaveTarget::fromChosenPath(dir.file("tilt"));
    ASSERT_TRUE(save(writer, rows, target, png, reason)) << reason;
    std::vector<int> shown;
    for (int k = 0; k < 12; ++k) {
        const PackedColour c = centreOf(target.framePath(k, FrameFormat::Png));
        int found = 0;
        for (int n = 1; n <= 12; ++n)
            if (colour(n) == c) found = n;
        shown.push_back(found);
    }
    EXPECT_EQ(shown, (std::vector<int>{3, 4, 1, 2, 7, 8, 5, 6, 11, 12, 9, 10}));
    EXPECT_EQ(centreOf(target.stillPath(FrameFormat::Png)), colour(7));
    EXPECT_NE(readWholeFile(target.pagePath())
                  .find("\r\nAddTurnPixa('turnpixa1','tilt-turnpixa/image_',12,0,4,'.png',"
                        "{rows:3});\r\n"),
              std::string::npos);
    EXPECT_EQ(writer.lastPage().rows, 3);
    EXPECT_EQ(writer.lastPage().startFrame, 4);

    const auto files = [](const fs::path& folder) {
        std::map<std::string, std::string> out;
        for (const auto& e : fs::recursive_directory_iterator(folder))
            if (e.is_regular_file())
                out[fs::relative(e.path(), folder).string()] = readWholeFile(e.path().string());
        return out;
    };
    std::map<std::string, std::string> sets[3];
    for (int r : {1, 5, 0}) {
        Project project;
        photos(project);
        if (r) project.rows = r;  // 0: never set
        TempDir into;
        OutputSetWriter one(testArrow());
        ASSERT_TRUE(save(one, project, SaveTarget::fromChosenPath(into.file("tilt")), png, reason))
            << reason;
        sets[r == 1 ? 0 : r == 5 ? 1 : 2] = files(into.path());
    }
    EXPECT_EQ(sets[0].size(), 15u);  // page, script, still and twelve frames
    EXPECT_TRUE(sets[0] == sets[1]);
    EXPECT_TRUE(sets[0] == sets[2]);
    EXPECT_NE(sets[0]["tilt.htm"].find("',12,0,0,'.png');\r\n"), std::string::npos);
}

TEST(OutputSetWriter, FrameOrder) {
    EXPECT_EQ(OutputSetWriter::frameOrder(5, 3, false), (std::vector<int>{2, 3, 4, 0, 1}));
    EXPECT_EQ(OutputSetWriter::frameOrder(5, 3, true), (std::vector<int>{2, 1, 0, 4, 3}));
    EXPECT_EQ(OutputSetWriter::frameOrder(1, 1, true), (std::vector<int>{0}));
    EXPECT_TRUE(OutputSetWriter::frameOrder(0, 1, false).empty());
}

}  // namespace
}  // namespace turnpixa
