#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "image/BufferedFile.h"
#include "image/ImageFormats.h"
#include "process/SpinLogo.h"
#include "project/Project.h"
#include "project/ProjectFrames.h"
#include "tests/support/TempDir.h"
#include "tests/support/TurningMug.h"
#include "web/OutputSetWriter.h"
#include "web/SaveTarget.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;

std::string samplePhoto(int n) {
    char name[64];
    std::snprintf(name, sizeof name, "/resources/sample-photos/turntable-%02d.jpg", n);
    return std::string(TURNPIXA_SOURCE_DIR) + name;
}

std::vector<std::string> samplePhotos(int count) {
    std::vector<std::string> paths;
    for (int i = 1; i <= count; ++i) paths.push_back(samplePhoto(i));
    return paths;
}

// Runs the program's whole flow with its output captured.
struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string drain(std::FILE* f) {
    std::rewind(f);
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text.append(buffer, n);
    std::fclose(f);
    return text;
}

CliResult runWith(std::vector<std::string> args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    CliResult run;
    run.status = runCli(args, out, err);
    run.out = drain(out);
    run.err = drain(err);
    return run;
}

std::vector<std::string> filesUnder(const fs::path& root) {
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) names.push_back(fs::relative(e.path(), root).string());
    std::sort(names.begin(), names.end());
    return names;
}

class NoHost : public ProjectHost {
    void restartPreRenderTimer() override {}
    void processPendingEvents() override {}
    void postPhotoAdded(int, Photo*) override {}
    void postRefreshCurrentFrame() override {}
};

TEST(CliRun, WritesTheWholeSetBesideThePage) {
    test::TempDir dir;
    std::vector<std::string> args = samplePhotos(4);
    args.insert(args.end(), {"--width", "120", "-o", dir.file("shoe")});
    const CliResult run = runWith(args);
    ASSERT_EQ(run.status, kCliDone) << run.err;
    EXPECT_NE(run.out.find("Wrote 4 of 4 photos"), std::string::npos) << run.out;
    EXPECT_EQ(
        filesUnder(dir.path()),
        (std::vector<std::string>{"shoe-turnpixa/image.jpg", "shoe-turnpixa/image_000.jpg",
                                  "shoe-turnpixa/image_001.jpg", "shoe-turnpixa/image_002.jpg",
                                  "shoe-turnpixa/image_003.jpg", "shoe.htm", "turnpixa.js"}));
    const std::string page = test::readWholeFile(dir.file("shoe.htm"));
    // 1600 x 1200 photos at width 120 give 120 x 90 frames.
    EXPECT_NE(page.find("src='shoe-turnpixa/image.jpg' width='120' height='90'"), std::string::npos)
        << page;
    EXPECT_NE(page.find("AddTurnPixa('turnpixa1','shoe-turnpixa/image_',4,0,0,'.jpg');"),
              std::string::npos);
}

// The wizard's road: photos added one by one, the size derived when the
// first arrives, settings changed afterwards, frames rendered on request
// with the logo laid in. The batch road must give the same bytes.
TEST(CliRun, WritesTheSameBytesAsTheWizardsRoad) {
    test::TempDir cliDir, wizardDir;
    const std::vector<std::string> photos = samplePhotos(5);
    std::vector<std::string> args = photos;
    args.insert(args.end(), {"--width",
                             "150",
                             "--rotate",
                             "1",
                             "--lightness",
                             "1.3",
                             "--remove-background=80",
                             "--background-colour",
                             "E0F0FF",
                             "--frame",
                             "8:FFFFFF",
                             "--start",
                             "2",
                             "--reverse",
                             "--png",
                             "--auto-spin",
                             "-80",
                             "-q",
                             "-o",
                             cliDir.file("mug.htm")});
    const CliResult run = runWith(args);
    ASSERT_EQ(run.status, kCliDone) << run.err;
    EXPECT_TRUE(run.out.empty()) << "quiet: " << run.out;

    SpinLogo logo;
    ASSERT_TRUE(logo.load());
    NoHost host;
    Project project;
    project.setHost(&host);
    project.setSpinLogo(&logo);
    for (const std::string& p : photos) ASSERT_NE(project.addPhotoFromFile(p), nullptr) << p;
    project.currentImage = 1;
    ProcessingSettings& s = project.settings();
    s.setRotation(1);
    project.deriveOutputSizeFromWidth(150);
    s.lightness = 1.3;
    s.removalOn = true;
    s.removalStrength = 80;
    s.replacementColour = packColour(0xE0, 0xF0, 0xFF);
    s.frameWidth = 8;
    project.setStartImage(2);
    s.startImage = 2;
    project.reverseSpin = true;
    SaveOptions save;
    save.format = FrameFormat::Png;
    save.autoSpinOn = true;
    save.autoSpinInterval = -80;
    OutputSetWriter writer;
    ProjectFrames frames(project);
    std::string reason;
    ASSERT_TRUE(
        writer.write(frames, SaveTarget::fromChosenPath(wizardDir.file("mug.htm")), save, reason))
        << reason;

    const std::vector<std::string> names = filesUnder(wizardDir.path());
    ASSERT_EQ(filesUnder(cliDir.path()), names);
    ASSERT_EQ(names.size(), 5u + 3u);
    for (const std::string& name : names) {
        EXPECT_EQ(test::readWholeFile((cliDir.path() / name).string()),
                  test::readWholeFile((wizardDir.path() / name).string()))
            << name;
    }
}

// Six photos in three rows: the set is the wizard's for the same rows, byte
// for byte, and --start counts through all photos and picks the start row.
TEST(CliRun, RowsWriteTheWizardsSetInRowsAndAMisfitIsAUsageError) {
    test::TempDir cliDir, wizardDir;
    const std::vector<std::string> photos = samplePhotos(6);
    std::vector<std::string> args = photos;
    args.insert(args.end(),
                {"--rows=3", "--start=4", "--width=60", "--png", "-q", "-o", cliDir.file("tilt")});
    const CliResult run = runWith(args);
    ASSERT_EQ(run.status, kCliDone) << run.err;
    EXPECT_NE(test::readWholeFile(cliDir.file("tilt.htm"))
                  .find("AddTurnPixa('turnpixa1','tilt-turnpixa/image_',6,0,2,'.png',{rows:3});"),
              std::string::npos);

    SpinLogo logo;
    ASSERT_TRUE(logo.load());
    NoHost host;
    Project project;
    project.setHost(&host);
    project.setSpinLogo(&logo);
    for (const std::string& p : photos) ASSERT_NE(project.addPhotoFromFile(p), nullptr) << p;
    project.currentImage = 1;
    project.deriveOutputSizeFromWidth(60);
    project.rows = 3;
    project.chooseStartImage(4);
    SaveOptions save;
    save.format = FrameFormat::Png;
    OutputSetWriter writer;
    ProjectFrames frames(project);
    std::string reason;
    ASSERT_TRUE(
        writer.write(frames, SaveTarget::fromChosenPath(wizardDir.file("tilt")), save, reason))
        << reason;
    const std::vector<std::string> names = filesUnder(wizardDir.path());
    ASSERT_EQ(filesUnder(cliDir.path()), names);
    for (const std::string& name : names)
        EXPECT_EQ(test::readWholeFile((cliDir.path() / name).string()),
                  test::readWholeFile((wizardDir.path() / name).string()))
            << name;

    test::TempDir none;
    std::vector<std::string> five = samplePhotos(5);
    five.insert(five.end(), {"--rows", "2", "-o", none.file("p")});
    const CliResult misfit = runWith(five);
    EXPECT_EQ(misfit.status, kCliUsage);
    EXPECT_NE(misfit.err.find("--rows=2: 5 photos cannot be laid out in 2 rows"), std::string::npos)
        << misfit.err;
    for (const char* rows : {"0", "37", "two"}) {
        const CliResult bad = runWith({samplePhoto(1), "--rows", rows, "-o", none.file("p")});
        EXPECT_EQ(bad.status, kCliUsage) << rows;
        EXPECT_NE(bad.err.find("a number of rows from 1 to 36"), std::string::npos) << bad.err;
    }
    EXPECT_TRUE(filesUnder(none.path()).empty());
}

// The ImageMagick-shaped spellings mean exactly what the older ones do.
TEST(CliRun, GeometryFormsWriteTheSameSetAsTheirLongForms) {
    test::TempDir a, b;
    std::vector<std::string> args = samplePhotos(2);
    args.insert(args.end(), {"-q", "--crop", "200,150,1400,1050", "--width", "120",
                             "--background-colour", "E0F0FF", "-o", a.file("shoe")});
    ASSERT_EQ(runWith(args).status, kCliDone);
    args = samplePhotos(2);
    args.insert(args.end(), {"-q", "--crop=1200x900+200+150", "--size=120x",
                             "--background-color=E0F0FF", "-o", b.file("shoe")});
    ASSERT_EQ(runWith(args).status, kCliDone);
    const std::vector<std::string> names = filesUnder(a.path());
    ASSERT_EQ(filesUnder(b.path()), names);
    for (const std::string& name : names)
        EXPECT_EQ(test::readWholeFile((a.path() / name).string()),
                  test::readWholeFile((b.path() / name).string()))
            << name;
}

TEST(CliRun, QualityChangesTheJpegFilesAndDefaultsToTheWizards) {
    const auto frameBytes = [](const std::string& quality) {
        test::TempDir dir;
        std::vector<std::string> args = {samplePhoto(1), "-q", "--width",
                                         "200",          "-o", dir.file("p")};
        if (!quality.empty()) args.push_back("--quality=" + quality);
        EXPECT_EQ(runWith(args).status, kCliDone);
        return test::readWholeFile(dir.file("p-turnpixa/image_000.jpg")) +
               test::readWholeFile(dir.file("p-turnpixa/image.jpg"));
    };
    const std::string byDefault = frameBytes("");
    EXPECT_EQ(frameBytes("75"), byDefault);
    EXPECT_LT(frameBytes("30").size() * 3, byDefault.size() * 2);
    EXPECT_GT(frameBytes("100").size(), byDefault.size());
}

TEST(CliRun, ZoomFramesComeFromThePhotosAndAreNeverEnlarged) {
    test::TempDir dir;
    const CliResult run = runWith({samplePhoto(1), samplePhoto(2), "-q", "--width=200",
                                   "--zoom=2000", "--format=webp", "-o", dir.file("z")});
    ASSERT_EQ(run.status, kCliDone) << run.err;
    EXPECT_NE(run.err.find("warning: photo 1 (" + samplePhoto(1) + ") is only 1600 pixels wide"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(filesUnder(dir.file("z-turnpixa/zoom")),
              (std::vector<std::string>{"image_000.webp", "image_001.webp"}));
    RasterImage large, small;
    ASSERT_TRUE(loadPhotoFile(dir.file("z-turnpixa/zoom/image_001.webp"), large));
    ASSERT_TRUE(loadPhotoFile(dir.file("z-turnpixa/image_001.webp"), small));
    EXPECT_EQ(large.width(), 1600);
    EXPECT_EQ(large.height(), 1200);
    EXPECT_EQ(small.width(), 200);
    // The large frame is the small one, sharper: the same picture when reduced.
    ASSERT_TRUE(large.resize(200, 150));
    long total = 0;
    for (int y = 40; y <= 150; y += 5)  // below the logo
        for (int x = 1; x <= 200; x += 5) {
            std::uint8_t r1, g1, b1, r2, g2, b2;
            large.getPixel(x, y, r1, g1, b1);
            small.getPixel(x, y, r2, g2, b2);
            total += std::abs(r1 - r2) + std::abs(g1 - g2) + std::abs(b1 - b2);
        }
    EXPECT_LT(total / (23 * 40 * 3), 8);
    EXPECT_NE(test::readWholeFile(dir.file("z.htm"))
                  .find("'z-turnpixa/image_',2,0,0,'.webp',{zoomWidth:1600,zoomHeight:1200});"),
              std::string::npos);
}

TEST(CliRun, SkipsAnUnreadablePhotoAndNamesIt) {
    test::TempDir dir;
    test::writeWholeFile(dir.file("notes.jpg"), "this is not a picture");
    const CliResult run =
        runWith({samplePhoto(1), dir.file("notes.jpg"), samplePhoto(2), dir.file("missing.png"),
                 "--width", "80", "-o", dir.file("out/page")});
    ASSERT_EQ(run.status, kCliDone) << "a missing page folder is made: " << run.err;
    EXPECT_NE(run.err.find("skipping " + dir.file("notes.jpg")), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("skipping " + dir.file("missing.png")), std::string::npos) << run.err;
    EXPECT_TRUE(fs::exists(dir.path() / "out/page-turnpixa/image_001.jpg"));
    EXPECT_FALSE(fs::exists(dir.path() / "out/page-turnpixa/image_002.jpg"));
}

TEST(CliRun, ADamagedPhotoIsNamedEvenWhenQuietAndFailsAStrictRun) {
    test::TempDir dir;
    const std::string whole = test::readWholeFile(samplePhoto(5));
    test::writeWholeFile(dir.file("cut.jpg"), whole.substr(0, whole.size() / 2));
    const std::string warning = "turnpixa-cli: warning: " + dir.file("cut.jpg") +
                                " is damaged and was loaded only in part: Premature end of JPEG "
                                "file\n";
    // Decoded on a worker thread, beside photos decoded on the other one.
    for (const char* quiet : {"--width=60", "-q"}) {
        const CliResult run = runWith({samplePhoto(1), samplePhoto(2), dir.file("cut.jpg"),
                                       samplePhoto(3), quiet, "-o", dir.file("p")});
        ASSERT_EQ(run.status, kCliDone) << run.err;
        EXPECT_NE(run.err.find(warning), std::string::npos) << quiet << ": " << run.err;
        EXPECT_EQ(run.err.find("JPEG Library Error"), std::string::npos) << run.err;
        EXPECT_TRUE(fs::exists(dir.path() / "p-turnpixa/image_003.jpg"));
    }

    // --strict: one bad photo among good ones, and nothing is written.
    test::writeWholeFile(dir.file("notes.jpg"), "not a picture");
    for (const std::string& bad : {dir.file("cut.jpg"), dir.file("notes.jpg")}) {
        const CliResult strict =
            runWith({samplePhoto(1), bad, samplePhoto(2), "--strict", "-o", dir.file("s")});
        EXPECT_EQ(strict.status, kCliFailed);
        EXPECT_NE(strict.err.find("--strict: 1 of the 3 photos were skipped or damaged"),
                  std::string::npos)
            << strict.err;
        EXPECT_FALSE(fs::exists(dir.file("s.htm")));
        EXPECT_FALSE(fs::exists(dir.file("s-turnpixa")));
    }
    // Without it the closing line tells how many were used.
    const CliResult lenient =
        runWith({samplePhoto(1), dir.file("notes.jpg"), samplePhoto(2), "-o", dir.file("s")});
    EXPECT_EQ(lenient.status, kCliDone);
    EXPECT_EQ(lenient.out, "Wrote 2 of 3 photos: " + dir.file("s.htm") + "\n");
}

// Mistakes a script makes, each a usage error that says what to give.
TEST(CliRun, UsageErrorsSayWhatToGiveInstead) {
    test::TempDir dir;
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{samplePhoto(1), "--remove-background", "60", "-o", dir.file("p")},
         "\"60\" is not a photo; did you mean --remove-background=60?"},
        {{samplePhoto(1), "-o", dir.path().string()},
         "-o names the folder " + dir.path().string() + "; give the page to write there, e.g. -o " +
             dir.path().string() + "/spin.htm"},
        {{samplePhoto(1), "-o", dir.file("new") + "/"}, "-o names the folder " + dir.file("new/")},
        {{samplePhoto(1), samplePhoto(2), "--crop", "0,0,1700,300", "-o", dir.file("p")},
         "--crop 0,0,1700,300 reaches outside " + samplePhoto(1) + ", which is 1600 x 1200 pixels"},
        {{samplePhoto(1), "--remove-background", "--background-colour=transparent", "-o",
          dir.file("p")},
         "JPEG frames cannot carry a transparent background; choose --format=png or "
         "--format=webp"},
        {{samplePhoto(1), "--background-colour=transparent", "--png", "-o", dir.file("p")},
         "--background-colour=transparent needs --remove-background"},
    };
    for (const auto& c : cases) {
        const CliResult run = runWith(c.args);
        EXPECT_EQ(run.status, kCliUsage) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_TRUE(filesUnder(dir.path()).empty());
}

TEST(CliRun, APhotoOfAnotherShapeIsStretchedWithAWarning) {
    test::TempDir dir;
    RasterImage tall;
    ASSERT_TRUE(tall.create(48, 96, 24));
    BufferedFile file;
    ASSERT_TRUE(file.open(dir.file("tall.png"), BufferedFile::Mode::Write));
    ASSERT_TRUE(writePng(tall, file) && file.close());
    const CliResult run =
        runWith({samplePhoto(1), dir.file("tall.png"), "-q", "-o", dir.file("p")});
    EXPECT_EQ(run.status, kCliDone) << run.err;
    EXPECT_EQ(run.err, "turnpixa-cli: warning: " + dir.file("tall.png") +
                           " is 48 x 96 pixels, another shape than the first photo's 1600 x 1200; "
                           "it is stretched to the frame size\n");
    EXPECT_TRUE(fs::exists(dir.path() / "p-turnpixa/image_001.jpg"));
}

TEST(CliRun, FailsWhenNothingCanBeRead) {
    test::TempDir dir;
    test::writeWholeFile(dir.file("a.gif"), "GIF89a");
    const CliResult run = runWith({dir.file("a.gif"), "-o", dir.file("page")});
    EXPECT_EQ(run.status, kCliFailed);
    EXPECT_NE(run.err.find("none of the photos could be read"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(dir.file("a.gif")), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir.file("page.htm")));
}

TEST(CliRun, AFileThatCannotBeWrittenFailsTheRunAndIsNamed) {
    test::TempDir dir;
    // A plain file where the output folder should be: nothing can go below it.
    test::writeWholeFile(dir.file("blocker"), "x");
    const CliResult run =
        runWith({samplePhoto(1), samplePhoto(2), "-o", dir.file("blocker") + "/page.htm"});
    EXPECT_EQ(run.status, kCliFailed);
    EXPECT_NE(run.err.find(dir.file("blocker")), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Not a directory"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("Wrote"), std::string::npos);
}

TEST(CliRun, SeriesCorrectionsSayWhatTheyDidOrWhyNotAndTheSetIsWrittenEitherWay) {
    test::TempDir dir;
    std::vector<std::string> photos;
    const std::vector<test::MugMove> moves = test::mugWobble(8);
    for (int k = 0; k < 8; ++k) {
        photos.push_back(dir.file("mug" + std::to_string(k) + ".png"));
        BufferedFile file;
        ASSERT_TRUE(file.open(photos.back(), BufferedFile::Mode::Write));
        ASSERT_TRUE(writePng(test::mugPhoto(k, 8, moves[k], 1.0 + 0.02 * (k % 3)), file));
        ASSERT_TRUE(file.close());
    }
    std::vector<std::string> args = photos;
    args.insert(args.end(), {"--auto-centre", "--even-lightness", "-o", dir.file("a")});
    CliResult run = runWith(args);
    ASSERT_EQ(run.status, kCliDone) << run.err;
    EXPECT_NE(run.out.find("8 photos centred; largest correction "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("photos evened out; largest change "), std::string::npos) << run.out;
    EXPECT_EQ(run.err.find("warning"), std::string::npos) << run.err;

    // A photo of nothing but backdrop: named, and the set is made unchanged.
    RasterImage empty = test::mugPhoto(0, 8);
    empty.fill(packColour(200, 200, 205));
    {
        BufferedFile file;
        ASSERT_TRUE(file.open(photos[5], BufferedFile::Mode::Write));
        ASSERT_TRUE(writePng(empty, file));
    }
    args = photos;
    args.insert(args.end(), {"-q", "-o", dir.file("plain")});
    ASSERT_EQ(runWith(args).status, kCliDone);
    args = photos;
    args.insert(args.end(), {"-q", "--auto-centre", "-o", dir.file("b")});
    run = runWith(args);
    ASSERT_EQ(run.status, kCliDone) << run.err;
    EXPECT_NE(run.err.find("warning: --auto-centre: Nothing was changed: photo 6 (mug5.png) shows "
                           "no object against its background."),
              std::string::npos)
        << run.err;
    EXPECT_EQ(test::readWholeFile(dir.file("b-turnpixa/image_003.jpg")),
              test::readWholeFile(dir.file("plain-turnpixa/image_003.jpg")));
}

TEST(CliRun, AStartImageBeyondThePhotosIsRefused) {
    test::TempDir dir;
    const CliResult run =
        runWith({samplePhoto(1), samplePhoto(2), "--start", "3", "-o", dir.file("p")});
    EXPECT_EQ(run.status, kCliFailed);
    EXPECT_NE(run.err.find("--start 3"), std::string::npos) << run.err;
}

TEST(CliRun, UsageErrorsExitWithTwo) {
    const CliResult run = runWith({"--width", "wide", "a.jpg", "-o", "p"});
    EXPECT_EQ(run.status, kCliUsage);
    EXPECT_NE(run.err.find("--width"), std::string::npos);
    const CliResult help = runWith({"--help"});
    EXPECT_EQ(help.status, kCliDone);
    EXPECT_NE(help.out.find("Usage: turnpixa-cli"), std::string::npos);
}

// The program itself, as a script calls it.
int runProgram(const std::string& arguments) {
    const std::string command =
        std::string(TURNPIXA_CLI_PROGRAM) + " " + arguments + " 2>/dev/null";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST(CliProgram, ExitStatusesReachTheShell) {
    test::TempDir dir;
    EXPECT_EQ(runProgram("--bogus"), 2);
    EXPECT_EQ(runProgram("-q " + samplePhoto(3) + " --width 64 -o " + dir.file("ok")), 0);
    EXPECT_TRUE(fs::exists(dir.file("ok.htm")));
    EXPECT_EQ(runProgram("-q /nonexistent.jpg -o " + dir.file("bad")), 1);
}

}  // namespace
}  // namespace turnpixa
