// turnpixa-cli's scanning against SANE's test backend.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliScan.h"
#include "devices/SaneDevice.h"
#include "image/ImageFormats.h"
#include "image/RasterImage.h"
#include "tests/support/SaneTestFolder.h"

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

}  // namespace
}  // namespace turnpixa
