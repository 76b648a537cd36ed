// turnpixa-cli --upload to an sftp:// server: OpenSSH's sshd started here,
// the upload checked online through http.server serving the same folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "project/SettingsFile.h"
#include "tests/net/SshTestServer.h"
#include "tests/support/LocalWebServer.h"
#include "tests/support/RunCommand.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;

class CliSftp : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = test::SshTestServer::unavailable(); !why.empty())
            GTEST_SKIP() << why;
        server = std::make_unique<test::SshTestServer>();
        ASSERT_TRUE(server->running()) << server->log();
        fs::create_directories(home.file(".ssh"));
        ASSERT_TRUE(test::makeSshKey(home.file(".ssh/id_ed25519")));
        server->authorize(home.file(".ssh/id_ed25519.pub"));
        web = std::make_unique<test::LocalWebServer>(server->site().string(), false);
        ASSERT_TRUE(web->running());
        UploadSettings settings;
        settings.ftpServer = server->server();
        settings.ftpUser = test::SshTestServer::user();
        settings.webspaceUrl = web->base();
        ASSERT_TRUE(SettingsFile::save(home.file("my.ini"), settings));
    }

    // The program as the user runs it, with this test's home and no agent.
    test::CommandRun upload(const std::string& extra = "") {
        const std::string folder = std::string(TURNPIXA_SOURCE_DIR) + "/resources/sample-photos/";
        return test::runCommand(
            "HOME=" + home.path().string() + " SSH_AUTH_SOCK= " + TURNPIXA_CLI_PROGRAM + " " +
            folder + "turntable-01.jpg " + folder + "turntable-02.jpg " + folder +
            "turntable-03.jpg -o " + home.file("out/spin") + " --upload --settings " +
            home.file("my.ini") + " " + extra + " 2>&1");
    }
    std::string uploaded() const { return (server->site() / "turnpixa").string(); }

    std::unique_ptr<test::SshTestServer> server;
    std::unique_ptr<test::LocalWebServer> web;
    test::TempDir home;
};

TEST_F(CliSftp, UnknownKeyIsRefusedUntilTrustedByItsFingerprint) {
    const std::string fingerprint = server->hostKey().fingerprint();
    test::CommandRun run = upload();
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("its ED25519 key fingerprint is " + fingerprint), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("trust it with --trust-host-key=" + fingerprint +
                              " (it is then "
                              "stored in " +
                              home.file("TurnPixa.known_hosts") + ")"),
              std::string::npos)
        << run.output;
    EXPECT_FALSE(fs::exists(uploaded()));
    EXPECT_EQ(server->log().find("user " + test::SshTestServer::user()), std::string::npos);

    run = upload("--trust-host-key=" + fingerprint);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("All 6 files are online at " + web->base() + "/turnpixa/spin.htm"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(test::readWholeFile(uploaded() + "/spin-turnpixa/image_002.jpg"),
              test::readWholeFile(home.file("out/spin-turnpixa/image_002.jpg")));
    EXPECT_EQ(test::readWholeFile(uploaded() + "/spin.htm"),
              test::readWholeFile(home.file("out/spin.htm")));

    run = upload();  // remembered
    EXPECT_EQ(run.status, 0) << run.output;

    // A new key on the same server is refused, whatever the command line says.
    ASSERT_TRUE(server->restartWithNewHostKey());
    run = upload("--trust-host-key=" + server->hostKey().fingerprint());
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("WARNING: the host key of the webspace server 127.0.0.1 port " +
                              std::to_string(server->port()) + " has changed!"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find(home.file("TurnPixa.known_hosts") + ":1"), std::string::npos);
}

TEST_F(CliSftp, EncryptedKeyFailsWithAMessageSayingSo) {
    // The server is known from ssh's own file, written hashed.
    test::writeWholeFile(
        home.file(".ssh/known_hosts"),
        test::hashedKnownHostsLine("127.0.0.1", server->port(), server->hostKey()));
    fs::remove(home.file(".ssh/id_ed25519"));
    fs::remove(home.file(".ssh/id_ed25519.pub"));
    ASSERT_TRUE(test::makeSshKey(home.file(".ssh/id_ed25519"), "secret words"));
    server->authorize(home.file(".ssh/id_ed25519.pub"));
    test::CommandRun run = upload();
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("Your SSH key " + home.file(".ssh/id_ed25519") +
                              " is protected by a passphrase"),
              std::string::npos)
        << run.output;
    EXPECT_FALSE(fs::exists(uploaded()));

    run = upload("--trust-host-key=MD5:00:11");
    EXPECT_EQ(run.status, 2) << run.output;
    EXPECT_NE(run.output.find("--trust-host-key needs a key fingerprint SHA256:"),
              std::string::npos)
        << run.output;
}

}  // namespace
}  // namespace turnpixa
