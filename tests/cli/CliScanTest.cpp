// turnpixa-cli's scanning against SANE's test backend.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "cli/CliScan.h"
#include "devices/SaneDevice.h"
#include "image/ImageFormats.h"
#include "image/RasterImage.h"
#include "tests/support/SaneTestFolder.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

void useTestBackend() {
    test::useSaneTestBackend();
}

const char* const kFeeder = "Automatic Document Feeder";

TEST(CliScan, FeederPagesFollowTheFilesInScanOrder) {
    useTestBackend();
    std::vector<std::string> paths = {"given.jpg"};
    std::filesystem::path folder;
    {
        ScanSpool spool;
        // Page n is 20 + n mm tall, so the order shows in the heights.
        spool.setBeforePage([](int page, SaneDevice& device) {
            std::string reason;
            EXPECT_TRUE(device.setOption("br-y", std::to_string(20 + page), reason)) << reason;
        });
        std::string error;
        ASSERT_TRUE(spool.scan("test:0", kFeeder, paths, error)) << error;
        EXPECT_EQ(spool.pages(), 10);
        ASSERT_EQ(paths.size(), 11u);
        EXPECT_EQ(paths[0], "given.jpg");
        int lastHeight = 0;
        for (std::size_t i = 1; i < paths.size(); ++i) {
            RasterImage page;
            ASSERT_TRUE(loadPhotoFile(paths[i], page)) << paths[i];
            EXPECT_GT(page.height(), lastHeight) << paths[i];
            lastHeight = page.height();
        }
        folder = std::filesystem::path(paths[1]).parent_path();
        // A second device's pages come after the first's, in their own files.
        ASSERT_TRUE(spool.scan("test:1", "", paths, error)) << error;
        EXPECT_EQ(paths.size(), 12u);
        EXPECT_NE(paths[11], paths[10]);
    }
    EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(CliScan, FailuresNameTheDeviceAndKeepEarlierPages) {
    useTestBackend();
    ScanSpool spool;
    std::vector<std::string> paths;
    std::string error;
    EXPECT_FALSE(spool.scan("nosuch:0", "", paths, error));
    EXPECT_EQ(error.rfind("scanner \"nosuch:0\" was not found", 0), 0u) << error;
    EXPECT_FALSE(spool.scan("test:0", "Under the table", paths, error));
    EXPECT_EQ(error.rfind("scanner \"test:0\" could not be used: ", 0), 0u) << error;
    EXPECT_TRUE(paths.empty());

    spool.setBeforePage([](int page, SaneDevice& device) {
        std::string reason;
        if (page == 3) device.setOption("read-return-value", "SANE_STATUS_JAMMED", reason);
    });
    EXPECT_FALSE(spool.scan("test:0", kFeeder, paths, error));
    EXPECT_EQ(error, "scanner \"test:0\" stopped after 2 pages: Document feeder jammed");
    EXPECT_EQ(paths.size(), 2u);
}

TEST(CliScan, ListNamesEveryDevice) {
    useTestBackend();
    EXPECT_EQ(ScanSpool::listScanners(),
              "test:0\tNoname frontend-tester\ntest:1\tNoname frontend-tester\n");
}

TEST(CliScan, OptionsRepeatAndListNeedsNoPage) {
    CliOptions o;
    std::string error;
    ASSERT_TRUE(parseCommandLine(
        {"--scan", "test:0", "a.jpg", "--scan=test:1", "--scan-source", kFeeder, "-o", "p"}, o,
        error))
        << error;
    EXPECT_EQ(o.scanDevices, (std::vector<std::string>{"test:0", "test:1"}));
    EXPECT_EQ(o.photos, (std::vector<std::string>{"a.jpg"}));
    EXPECT_EQ(o.scanSource, kFeeder);
    // Scanned pages alone make a set; a listing needs neither page nor photos.
    EXPECT_TRUE(parseCommandLine({"--scan", "test:0", "-o", "p"}, o, error)) << error;
    ASSERT_TRUE(parseCommandLine({"--scan", "list"}, o, error)) << error;
    EXPECT_TRUE(o.scanList);
    EXPECT_FALSE(parseCommandLine({"--scan"}, o, error));
    EXPECT_FALSE(parseCommandLine({"--scan", ""}, o, error));
}

struct CliOutcome {
    int status = -1;
    std::string out, err;
};

CliOutcome runWith(const std::vector<std::string>& args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    CliOutcome run;
    run.status = runCli(args, out, err);
    for (auto [file, text] : {std::pair{out, &run.out}, std::pair{err, &run.err}}) {
        std::rewind(file);
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            text->append(buffer, n);
        std::fclose(file);
    }
    return run;
}

TEST(CliScan, PagesFollowThePhotosAndAMissingDeviceWritesNothing) {
    useTestBackend();
    test::TempDir dir;
    const std::string photo =
        std::string(TURNPIXA_SOURCE_DIR) + "/resources/sample-photos/turntable-01.jpg";
    CliOutcome run = runWith({photo, "--scan", "test:0", "--scan-source", kFeeder, "--scan",
                              "test:1", "-q", "-o", dir.file("spin")});
    ASSERT_EQ(run.status, kCliDone) << run.err;
    // The photo, then ten feeder pages from each device.
    EXPECT_TRUE(std::filesystem::exists(dir.file("spin-turnpixa/image_020.jpg")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("spin-turnpixa/image_021.jpg")));
    RasterImage first, scanned;
    ASSERT_TRUE(loadPhotoFile(dir.file("spin-turnpixa/image_000.jpg"), first));
    ASSERT_TRUE(loadPhotoFile(dir.file("spin-turnpixa/image_001.jpg"), scanned));
    // The photo comes first; the test backend's pages are solid black.
    auto brightness = [](const RasterImage& image) {
        long sum = 0;
        for (int y = 1; y <= image.height(); y += 7)
            for (int x = 1; x <= image.width(); x += 7) {
                std::uint8_t r = 0, g = 0, b = 0;
                image.getPixel(x, y, r, g, b);
                sum += r + g + b;
            }
        return sum / (((image.height() + 6) / 7) * ((image.width() + 6) / 7));
    };
    EXPECT_GT(brightness(first), 100);
    EXPECT_LT(brightness(scanned), 30);

    run = runWith({photo, "--scan", "test:0", "--scan", "nosuch:0", "-o", dir.file("other")});
    EXPECT_EQ(run.status, kCliFailed);
    EXPECT_NE(run.err.find("scanner \"nosuch:0\" was not found"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("other.htm")));

    run = runWith({"--scan", "list"});
    EXPECT_EQ(run.status, kCliDone);
    EXPECT_EQ(run.out.rfind("test:0\t", 0), 0u) << run.out;
}

}  // namespace
}  // namespace turnpixa
