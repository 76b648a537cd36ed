// The set's animated pictures go up with it and the live check asks for them.
#include <gtest/gtest.h>

#include <filesystem>

#include "NetTestUtil.h"
#include "net/LiveCheck.h"
#include "net/Uploader.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;

TEST(UploadAnimation, AnimationsGoIntoTheFrameFolderBeforeTheLargeFramesAndAreChecked) {
    test::RealFtpServer server;
    fs::create_directory(server.root().path() / "public_html");
    test::TempDir dir;
    UploadSet set{dir.path().string() + "/", "shoe", 2,
                  FrameFormat::Jpeg,         true,   {"spin.webp", "spin.gif"}};
    fs::create_directories(dir.path() / "shoe-turnpixa" / "zoom");
    std::vector<std::string> files = {"shoe.htm", "turnpixa.js"};
    for (const std::string& name : set.frameFiles()) files.push_back("shoe-turnpixa/" + name);
    EXPECT_EQ(set.frameFiles(),
              (std::vector<std::string>{"image.jpg", "image_000.jpg", "image_001.jpg", "spin.webp",
                                        "spin.gif", "zoom/image_000.jpg", "zoom/image_001.jpg"}));
    unsigned seed = 1;
    for (const std::string& name : files) {
        test::writeWholeFile(dir.file(name), test::patternBytes(5000 + seed * 11, seed));
        ++seed;
    }

    UploadSettings settings;
    settings.ftpServer = server.host();
    settings.ftpPort = server.port();
    settings.ftpUser = "turner";
    settings.ftpPass = "secret";
    settings.ftpPassive = true;
    Uploader uploader(settings, set, test::quickOptions());
    EXPECT_EQ(uploader.progressMaximum(), 2 * 2 + 5 + 2);
    std::vector<int> progress;
    ASSERT_TRUE(uploader.run({[&](int p) { progress.push_back(p); }, {}})) << uploader.failure();
    EXPECT_EQ(progress, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    const fs::path published = server.root().path() / "public_html" / "turnpixa";
    for (const std::string& name : files)
        EXPECT_EQ(test::readWholeFile((published / name).string()),
                  test::readWholeFile(dir.file(name)))
            << name;
    EXPECT_FALSE(fs::exists(published / "shoe-turnpixa/zoom/spin.gif"));

    test::ServerProcess web;
    ASSERT_TRUE(web.start({test::debianPython(),
                           std::string(TURNPIXA_SOURCE_DIR) + "/tests/support/http_server.py",
                           (server.root().path() / "public_html").string()}));
    settings.webspaceUrl = "http://127.0.0.1:" + web.firstLine() + "/";
    fs::remove(published / "shoe-turnpixa/spin.gif");
    LiveCheck check;
    EXPECT_EQ(check.run(settings, set, LiveCheck::httpProbe()), LiveCheck::Outcome::SomeMissing);
    EXPECT_EQ(check.missing(), std::vector<std::string>{"shoe-turnpixa/spin.gif"});
    EXPECT_NE(check.text().find("1 of 9 files are not online"), std::string::npos) << check.text();
}

}  // namespace
}  // namespace turnpixa
