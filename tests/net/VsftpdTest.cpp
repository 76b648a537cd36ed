// Uploads over FTPS to a real vsftpd that insists on TLS session reuse for
// every data connection (require_ssl_reuse=YES, its default).
#include <gtest/gtest.h>

#include <filesystem>

#include "NetTestUtil.h"
#include "net/CFtpClient.h"
#include "net/Uploader.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;

TEST(Vsftpd, EveryDataConnectionResumesAFreshSessionInBothModes) {
    test::VsftpdServer server;
    ASSERT_NE(server.port(), 0) << "vsftpd did not start";
    test::TempDir local;
    fs::create_directories(local.path() / "spin-turnpixa");
    std::vector<std::string> files = {"spin.htm", "turnpixa.js", "spin-turnpixa/image.jpg"};
    for (int k = 0; k < 4; ++k)
        files.push_back("spin-turnpixa/image_00" + std::to_string(k) + ".jpg");
    for (std::size_t i = 0; i < files.size(); ++i)
        test::writeWholeFile(local.file(files[i]), test::patternBytes(30000 + i * 1000, 40 + i));

    UploadSet set;
    set.outputFolder = local.path().string() + "/";
    set.stem = "spin";
    set.frameCount = 4;
    FtpOptions options = test::quickOptions();
    options.caFile = test::serverCertificate().cert;
    for (const bool passive : {true, false}) {
        UploadSettings settings;
        settings.ftpServer = "ftps://127.0.0.1";
        settings.ftpPort = server.port();
        settings.ftpPass = "";
        settings.ftpPassive = passive;
        settings.websiteFolder = "up";
        settings.webspaceSubFolder = passive ? "passive" : "active";
        std::vector<std::string> told;
        Uploader uploader(settings, set, options);
        ASSERT_TRUE(uploader.run({nullptr, [&](const std::string& t) { told.push_back(t); }}))
            << uploader.failure() << "\n"
            << server.log();
        EXPECT_TRUE(told.empty());
        EXPECT_EQ(settings.ftpPassive, passive);  // the first try did it all
        for (const std::string& name : files)
            EXPECT_EQ(
                test::readWholeFile(
                    (server.root().path() / "up" / settings.webspaceSubFolder / name).string()),
                test::readWholeFile(local.file(name)))
                << name;
    }
    EXPECT_EQ(server.log().find("session reuse required"), std::string::npos);
}

}  // namespace
}  // namespace turnpixa
