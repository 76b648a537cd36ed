// The upload workflow and the live check against real servers on loopback.
#include <gtest/gtest.h>

#include <filesystem>

#include "NetTestUtil.h"
#include "net/LiveCheck.h"
#include "net/Uploader.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;

// A saved output set on disk: page, script, still and frames.
struct SavedSet {
    explicit SavedSet(int frames, FrameFormat format = FrameFormat::Jpeg, bool zoom = false) {
        set.outputFolder = dir.path().string() + "/";
        set.stem = "shoe";
        set.frameCount = frames;
        set.format = format;
        set.zoom = zoom;
        fs::create_directories(dir.path() / "shoe-turnpixa" / "zoom");
        add("shoe.htm", 1);
        add("turnpixa.js", 2);
        add("shoe-turnpixa/" + set.stillName(), 3);
        for (int k = 0; k < frames; ++k) add("shoe-turnpixa/" + set.frameName(k), 10 + k);
        if (zoom)
            for (int k = 0; k < frames; ++k) add("shoe-turnpixa/zoom/" + set.frameName(k), 50 + k);
    }
    void add(const std::string& name, unsigned seed) {
        files.push_back(name);
        test::writeWholeFile(dir.file(name), test::patternBytes(20000 + seed * 7, seed));
    }
    // Every file arrived unchanged under the published folder.
    void expectUploadedTo(const fs::path& folder) const {
        for (const std::string& name : files)
            EXPECT_EQ(test::readWholeFile((folder / name).string()),
                      test::readWholeFile(dir.file(name)))
                << name;
    }
    test::TempDir dir;
    UploadSet set;
    std::vector<std::string> files;
};

struct Recorder {
    Uploader::Callbacks callbacks() {
        return {[this](int p) { progress.push_back(p); },
                [this](const std::string& t) { told.push_back(t); }};
    }
    std::vector<int> progress;
    std::vector<std::string> told;
};

UploadSettings settingsFor(const test::RealFtpServer& server) {
    UploadSettings s;
    s.ftpServer = server.host();
    s.ftpPort = server.port();
    s.ftpUser = "turner";
    s.ftpPass = "secret";
    return s;
}

TEST(Uploader, UploadsIntoPublicHtmlWithProgressToNPlus5AndChecksItIsOnline) {
    test::RealFtpServer server;
    fs::create_directory(server.root().path() / "public_html");
    SavedSet saved(3);
    UploadSettings settings = settingsFor(server);
    settings.ftpPassive = true;
    Uploader uploader(settings, saved.set, test::quickOptions());
    EXPECT_EQ(uploader.progressMaximum(), 8);
    Recorder r;
    ASSERT_TRUE(uploader.run(r.callbacks())) << uploader.failure();
    EXPECT_EQ(r.progress, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(r.told.empty());
    const fs::path published = server.root().path() / "public_html" / "turnpixa";
    saved.expectUploadedTo(published);

    // The live check asks the web server that publishes the folder.
    test::ServerProcess web;
    ASSERT_TRUE(web.start({test::debianPython(),
                           std::string(TURNPIXA_SOURCE_DIR) + "/tests/support/http_server.py",
                           (server.root().path() / "public_html").string()}));
    settings.webspaceUrl = "http://127.0.0.1:" + web.firstLine() + "/";
    LiveCheck check;
    EXPECT_EQ(check.run(settings, saved.set, LiveCheck::httpProbe()),
              LiveCheck::Outcome::AllOnline);
    EXPECT_EQ(check.text(),
              "All 6 files are online at " + settings.webspaceUrl + "turnpixa/shoe.htm");

    fs::remove(published / "shoe-turnpixa/image_001.jpg");
    EXPECT_EQ(check.run(settings, saved.set, LiveCheck::httpProbe()),
              LiveCheck::Outcome::SomeMissing);
    EXPECT_EQ(check.missing(), std::vector<std::string>{"shoe-turnpixa/image_001.jpg"});
    EXPECT_NE(check.text().find("1 of 6 files are not online"), std::string::npos);

    web.stop();
    HttpOptions quick;
    quick.connectTimeoutMs = 2000;
    EXPECT_EQ(check.run(settings, saved.set, LiveCheck::httpProbe(quick)),
              LiveCheck::Outcome::Unreachable);
    EXPECT_NE(check.text().find("could not be reached"), std::string::npos);

    settings.webspaceUrl = "";
    EXPECT_EQ(check.run(settings, saved.set, LiveCheck::httpProbe()), LiveCheck::Outcome::Skipped);
    settings.webspaceUrl = UploadSettings{}.webspaceUrl;
    EXPECT_EQ(check.run(settings, saved.set, LiveCheck::httpProbe()), LiveCheck::Outcome::Skipped);
}

TEST(Uploader, LargeFramesGoIntoZoomAndTheLiveCheckAsksForThem) {
    test::RealFtpServer server;
    fs::create_directory(server.root().path() / "public_html");
    SavedSet saved(2, FrameFormat::WebP, true);
    UploadSettings settings = settingsFor(server);
    settings.ftpPassive = true;
    Uploader uploader(settings, saved.set, test::quickOptions());
    EXPECT_EQ(uploader.progressMaximum(), 9);
    Recorder r;
    ASSERT_TRUE(uploader.run(r.callbacks())) << uploader.failure();
    EXPECT_EQ(r.progress.back(), 9);
    const fs::path published = server.root().path() / "public_html" / "turnpixa";
    saved.expectUploadedTo(published);
    EXPECT_TRUE(fs::exists(published / "shoe-turnpixa/zoom/image_001.webp"));

    test::ServerProcess web;
    ASSERT_TRUE(web.start({test::debianPython(),
                           std::string(TURNPIXA_SOURCE_DIR) + "/tests/support/http_server.py",
                           (server.root().path() / "public_html").string()}));
    settings.webspaceUrl = "http://127.0.0.1:" + web.firstLine() + "/";
    fs::remove(published / "shoe-turnpixa/zoom/image_000.webp");
    LiveCheck check;
    EXPECT_EQ(check.run(settings, saved.set, LiveCheck::httpProbe()),
              LiveCheck::Outcome::SomeMissing);
    EXPECT_EQ(check.missing(), std::vector<std::string>{"shoe-turnpixa/zoom/image_000.webp"});
    EXPECT_NE(check.text().find("1 of 7 files are not online"), std::string::npos) << check.text();
}

TEST(Uploader, FindsThePublishedFolder) {
    test::RealFtpServer server;
    const fs::path root = server.root().path();
    fs::create_directories(root / "htdocs/site");
    fs::create_directories(root / "www/site");
    fs::create_directories(root / "sub/folder");
    SavedSet saved(1);
    struct Case {
        std::string websiteFolder;
        std::string expectedCwds;
        fs::path publishedUnder;
    };
    const std::vector<Case> cases = {
        {"", "CWD htdocs\nCWD turnpixa\n", "htdocs"},
        {"/htdocs/site/", "CWD htdocs/site\nCWD turnpixa\n", "htdocs/site"},
        {"sub\\folder", "CWD htdocs\nCWD sub/folder\nCWD turnpixa\n", "htdocs/sub/folder"},
    };
    fs::create_directories(root / "htdocs/sub/folder");
    for (const Case& c : cases) {
        UploadSettings settings = settingsFor(server);
        settings.ftpPassive = true;
        settings.websiteFolder = c.websiteFolder;
        const std::size_t before = server.commandLog().size();
        Uploader uploader(settings, saved.set, test::quickOptions());
        Recorder r;
        ASSERT_TRUE(uploader.run(r.callbacks())) << c.websiteFolder << ": " << uploader.failure();
        std::string cwds;
        std::istringstream log(server.commandLog().substr(before));
        for (std::string line; std::getline(log, line);)
            if (line.rfind("CWD", 0) == 0 && line.find("-turnpixa") == std::string::npos)
                cwds += line + "\n";
        EXPECT_EQ(cwds, c.expectedCwds) << c.websiteFolder;
        saved.expectUploadedTo(root / c.publishedUnder / "turnpixa");
    }

    // No htdocs: www/site sends CWD htdocs (fails) but no CWD public_html.
    fs::remove_all(root / "htdocs");
    UploadSettings settings = settingsFor(server);
    settings.ftpPassive = true;
    settings.websiteFolder = "www/site";
    const std::size_t before = server.commandLog().size();
    Uploader uploader(settings, saved.set, test::quickOptions());
    Recorder r;
    ASSERT_TRUE(uploader.run(r.callbacks())) << uploader.failure();
    const std::string log = server.commandLog().substr(before);
    EXPECT_NE(log.find("CWD htdocs\nCWD www/site\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("public_html"), std::string::npos);
    saved.expectUploadedTo(root / "www/site/turnpixa");
}

TEST(Uploader, RefusedPortRetriesInPassiveModeAndRemembersIt) {
    test::RealFtpServer server({"--refuse-port"});
    SavedSet saved(2);
    UploadSettings settings = settingsFor(server);
    settings.ftpPassive = false;
    Recorder r;
    ASSERT_TRUE(Uploader(settings, saved.set, test::quickOptions()).run(r.callbacks()));
    EXPECT_TRUE(settings.ftpPassive);
    EXPECT_TRUE(r.told.empty());
    EXPECT_EQ(r.progress.back(), 7);
    saved.expectUploadedTo(server.root().path() / "turnpixa");

    const std::size_t before = server.commandLog().size();
    ASSERT_TRUE(Uploader(settings, saved.set, test::quickOptions()).run(r.callbacks()));
    EXPECT_EQ(server.commandLog().find("PORT", before), std::string::npos);
}

TEST(Uploader, TurnPixaFolderWithBackslashesIsEnteredAsItWasMade) {
    test::RealFtpServer server;
    SavedSet saved(1);
    UploadSettings settings = settingsFor(server);
    settings.ftpPassive = true;
    settings.webspaceSubFolder = "gallery\\spins";
    Recorder r;
    Uploader uploader(settings, saved.set, test::quickOptions());
    ASSERT_TRUE(uploader.run(r.callbacks())) << uploader.failure();
    saved.expectUploadedTo(server.root().path() / "gallery/spins");
    const std::string log = server.commandLog();
    EXPECT_NE(log.find("MKD gallery\nMKD gallery/spins\nCWD gallery/spins\n"), std::string::npos)
        << log;
    EXPECT_EQ(log.find('\\'), std::string::npos) << log;
}

TEST(Uploader, WhenBothTriesFailTheUserHearsBothReasons) {
    test::RealFtpServer server({"--dead-pasv", "--refuse-port"});
    SavedSet saved(1);
    UploadSettings settings = settingsFor(server);
    settings.ftpPassive = true;
    Recorder r;
    Uploader uploader(settings, saved.set, test::quickOptions());
    EXPECT_FALSE(uploader.run(r.callbacks()));
    ASSERT_EQ(r.told.size(), 1u);
    const std::string& told = r.told[0];
    EXPECT_EQ(told.rfind("502 Active mode is not allowed here.", 0), 0u) << told;
    const std::size_t first = told.find(
        "\n\nThe first try, in passive mode, had failed with:\n\nThere was a problem "
        "transferring the file\n\nThe passive-mode data connection could not be made: 127.0.0.1 "
        "port ");
    EXPECT_NE(first, std::string::npos) << told;
    EXPECT_NE(told.find("Connection refused", first), std::string::npos) << told;
    EXPECT_FALSE(settings.ftpPassive);
}

TEST(Uploader, ReadOnlyFolderGivesTheFirewallTextAfterBothAttempts) {
    test::RealFtpServer server({"--read-only", "turnpixa"});
    fs::create_directory(server.root().path() / "turnpixa");
    SavedSet saved(1);
    UploadSettings settings = settingsFor(server);
    Recorder r;
    Uploader uploader(settings, saved.set, test::quickOptions());
    EXPECT_FALSE(uploader.run(r.callbacks()));
    ASSERT_EQ(r.told.size(), 1u);
    EXPECT_EQ(r.told[0].rfind("There has been a problem uploading to your webspace.\n\nI could log "
                              "on OK with your upload settings, but then\nthe communication was "
                              "interrupted. The error response was:\n\n550 ",
                              0),
              0u)
        << r.told[0];
    EXPECT_NE(r.told[0].find("add a rule to allow TurnPixa to access the internet."),
              std::string::npos);
    EXPECT_EQ(r.progress.back(), 0);
    EXPECT_TRUE(settings.ftpPassive);  // flipped by the retry, and kept
}

TEST(Uploader, MissingWebsiteFolderAndRefusedLogOnAreTold) {
    test::RealFtpServer server;
    SavedSet saved(1);
    UploadSettings settings = settingsFor(server);
    settings.websiteFolder = "nowhere";
    Recorder r;
    EXPECT_FALSE(Uploader(settings, saved.set, test::quickOptions()).run(r.callbacks()));
    ASSERT_EQ(r.told.size(), 3u);
    const std::string folderText =
        "Logged on to your webspace OK, but cannot\nfind your website folder: nowhere\n\nTry "
        "checking the settings...";
    EXPECT_EQ(r.told[0], folderText);
    EXPECT_EQ(r.told[1], folderText);
    EXPECT_NE(r.told[2].find("Problem changing to directory: nowhere"), std::string::npos);

    settings.ftpPass = "wrong";
    Recorder refused;
    EXPECT_FALSE(Uploader(settings, saved.set, test::quickOptions()).run(refused.callbacks()));
    ASSERT_EQ(refused.told.size(), 1u);
    EXPECT_EQ(refused.told[0].rfind("There is a problem logging on to your webspace:\n\n530 ", 0),
              0u);
    EXPECT_NE(refused.told[0].find("The username and password combination was not "
                                   "accepted.\n\nTry checking the settings..."),
              std::string::npos);
}

// vsftpd insists that every data connection resumes a TLS session of the
// log-on (require_ssl_reuse=YES, its default), which under TLS 1.3 must be a
// fresh one each time.
TEST(Uploader, FtpsToVsftpdStoresEveryFileInBothModes) {
    test::VsftpdServer server;
    ASSERT_NE(server.port(), 0) << "vsftpd did not start";
    SavedSet saved(4);
    FtpOptions options = test::quickOptions();
    options.caFile = test::serverCertificate().cert;
    for (const bool passive : {true, false}) {
        UploadSettings settings;
        settings.ftpServer = "ftps://127.0.0.1";
        settings.ftpPort = server.port();
        settings.ftpPassive = passive;
        settings.websiteFolder = "up";  // anonymous users may write there
        settings.webspaceSubFolder = passive ? "passive" : "active";
        Recorder r;
        Uploader uploader(settings, saved.set, options);
        ASSERT_TRUE(uploader.run(r.callbacks())) << uploader.failure() << "\n" << server.log();
        EXPECT_TRUE(r.told.empty());
        EXPECT_EQ(settings.ftpPassive, passive);  // no retry was needed
        saved.expectUploadedTo(server.root().path() / "up" / settings.webspaceSubFolder);
    }
    EXPECT_EQ(server.log().find("session reuse required"), std::string::npos);
}

}  // namespace
}  // namespace turnpixa
