// turnpixa-cli --animation and --snippet=listing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "project/SettingsFile.h"
#include "tests/support/RunCommand.h"
#include "tests/support/TempDir.h"
#include "tests/web/UploadedVase.h"
#include "web/Snippets.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;

test::CommandRun cli(const std::string& args, bool withErrors = false) {
    return test::runCommand(std::string(TURNPIXA_CLI_PROGRAM) + " " + args +
                            (withErrors ? " 2>&1" : " 2>/dev/null"));
}

std::string samplePhotos(int count) {
    std::string list;
    for (int i = 1; i <= count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/resources/sample-photos/turntable-%02d.jpg", i);
        list += std::string(" '") + TURNPIXA_SOURCE_DIR + name + "'";
    }
    return list;
}

TEST(CliAnimation, BareNamesGoIntoTheFrameFolderAndPathsWhereTheyPoint) {
    test::TempDir dir;
    const auto r = cli("-q --width 60 --animation=spin.webp --animation=SPIN.GIF --animation '" +
                       dir.file("shop/turning.gif") + "' -o '" + dir.file("site/mug.htm") + "'" +
                       samplePhotos(4));
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(fs::exists(dir.file("site/mug-turnpixa/spin.webp")));
    EXPECT_TRUE(fs::exists(dir.file("site/mug-turnpixa/spin.gif")));
    EXPECT_FALSE(fs::exists(dir.file("site/SPIN.GIF")));
    // The same animation, whichever place it was written to.
    EXPECT_EQ(test::readWholeFile(dir.file("shop/turning.gif")),
              test::readWholeFile(dir.file("site/mug-turnpixa/spin.gif")));
}

TEST(CliAnimation, UsageErrorsNameTheOption) {
    const std::string photos = samplePhotos(1) + " -o /tmp/unused-turnpixa-page.htm";
    const auto png = cli("--animation=spin.png" + photos, true);
    EXPECT_EQ(png.status, 2);
    EXPECT_NE(png.output.find("--animation needs a file name ending in .gif or .webp"),
              std::string::npos)
        << png.output;
    const auto twice = cli("--animation=a.gif --animation=b.gif" + photos, true);
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.output.find("holds one gif animation"), std::string::npos) << twice.output;
    EXPECT_EQ(cli("--animation-width=300" + photos).status, 2) << "without --animation";
    EXPECT_EQ(cli("--animation=a.gif --animation-ms=0" + photos).status, 2);
    EXPECT_EQ(cli("--animation=a.gif --animation-width=5000" + photos).status, 2);
    EXPECT_FALSE(fs::exists("/tmp/unused-turnpixa-page.htm"));
}

class CliListing : public ::testing::Test {
protected:
    void SetUp() override {
        server = test::serveUploadedVase(site);
        ASSERT_TRUE(server->running());
        UploadSettings settings;
        settings.webspaceUrl = server->base();
        settings.webspaceSubFolder = "gallery";
        ASSERT_TRUE(SettingsFile::save(home.file("TurnPixa.ini"), settings));
        fs::create_directories(site.path() / "gallery" / "vase-turnpixa");
    }
    std::string settings() { return " --settings '" + home.file("TurnPixa.ini") + "'"; }

    test::TempDir site, home;
    std::unique_ptr<test::LocalWebServer> server;
};

TEST_F(CliListing, TheUploadedAnimationLinkedToItsPageOrNoneAndSaysSo) {
    const auto none = cli("--snippet=listing vase" + settings(), true);
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.output.find("has no animated image"), std::string::npos) << none.output;
    EXPECT_EQ(none.output.find("<a "), std::string::npos) << "no snippet is offered";

    test::writeWholeFile(site.file("gallery/vase-turnpixa/spin.gif"), "GIF89a");
    const auto r = cli("--snippet=listing vase" + settings());
    EXPECT_EQ(r.status, 0);
    SnippetImage vase;
    vase.folder = "vase-turnpixa";
    vase.width = 320;
    vase.height = 200;
    vase.animation = "spin.gif";
    EXPECT_EQ(r.output, Snippets::listing(vase, server->base() + "/gallery"));
}

}  // namespace
}  // namespace turnpixa
