// CFtpClient against a real FTP(S) server (pyftpdlib) on loopback.
#include <gtest/gtest.h>

#include <filesystem>

#include "NetTestUtil.h"
#include "net/CFtpClient.h"

namespace turnpixa {
namespace {

class FtpServerTest : public ::testing::TestWithParam<bool> {};  // TLS or not

TEST_P(FtpServerTest, MegabyteUploadsArriveByteForByteInBothModes) {
    const bool tls = GetParam();
    test::RealFtpServer server({}, tls);
    ASSERT_NE(server.port(), 0);
    test::TempDir local;
    FtpOptions options = test::quickOptions();
    options.caFile = test::serverCertificate().cert;
    for (const bool passive : {true, false}) {
        const std::string bytes = test::patternBytes((1 << 20) + 333, passive ? 11 : 12);
        test::writeWholeFile(local.file("big.bin"), bytes);
        CFtpClient c(options);
        ASSERT_TRUE(c.LogOn(server.host(), server.port(), "turner", "secret", "", "", "", "", 0, 0))
            << c.replyText();
        EXPECT_EQ(c.isTls(), tls);
        c.passive = passive;
        // The second pass finds "deep" and "deep/er" there (550) and goes on.
        const std::string folder = passive ? "deep/er/p" : "deep/er/a";
        ASSERT_TRUE(c.MakeDirectoryPath(folder)) << c.replyText();
        ASSERT_TRUE(c.ChangeDirectory(folder));
        const std::string name = passive ? "passive.bin" : "active.bin";
        ASSERT_TRUE(c.PutFile(local.file("big.bin"), name)) << c.replyText();
        EXPECT_EQ(test::readWholeFile((server.root().path() / folder / name).string()), bytes);
        EXPECT_EQ(c.dataSessionReused(), tls);
    }
    if (tls) {
        const std::string log = server.commandLog();
        EXPECT_NE(log.find("AUTH TLS\nUSER turner\nPASS\nPBSZ 0\nPROT P"), std::string::npos)
            << log;
    }
}

INSTANTIATE_TEST_SUITE_P(PlainAndTls, FtpServerTest, ::testing::Bool());

TEST(FtpsServer, UntrustedCertificateIsRefusedAndSaysSo) {
    test::RealFtpServer server({}, true);
    FtpOptions options = test::quickOptions();
    options.caFile = test::strangerCertificate().cert;
    CFtpClient c(options);
    EXPECT_FALSE(c.LogOn(server.host(), server.port(), "turner", "secret", "", "", "", "", 0, 0));
    EXPECT_NE(c.replyText().find("certificate could not be verified"), std::string::npos)
        << c.replyText();
    EXPECT_EQ(server.commandLog().find("USER"), std::string::npos);
}

TEST(FtpsServer, PlainServerAskedForTlsFails) {
    test::RealFtpServer server;
    CFtpClient c(test::quickOptions());
    EXPECT_FALSE(
        c.LogOn("ftps://127.0.0.1", server.port(), "turner", "secret", "", "", "", "", 0, 0));
    EXPECT_NE(c.replyText().find("does not offer a secure"), std::string::npos) << c.replyText();
    EXPECT_EQ(server.commandLog().find("USER"), std::string::npos);
}

TEST(FtpServer, DataConnectionsOverIpv6UseTheExtendedCommands) {
    if (!test::hasIpv6Loopback()) GTEST_SKIP() << "this machine cannot listen on ::1";
    test::TempDir local;
    const std::string bytes = test::patternBytes(200000, 21);
    test::writeWholeFile(local.file("f.bin"), bytes);
    struct Case {
        std::vector<std::string> serverArgs;
        bool passive;
        std::string expected;  // in the server's command log
    };
    const std::vector<Case> cases = {
        {{"--host", "::1"}, true, "TYPE I\nEPSV\nSTOR f.bin\n"},
        {{"--host", "::1"}, false, "TYPE I\nEPRT |2|::1|"},
        // A server without EPSV: PASV's port, on the address we talk to.
        {{"--host", "::1", "--refuse-epsv"}, true, "TYPE I\nEPSV\nPASV\nSTOR f.bin\n"},
    };
    for (const Case& c : cases) {
        test::RealFtpServer server(c.serverArgs);
        ASSERT_NE(server.port(), 0);
        CFtpClient client(test::quickOptions());
        ASSERT_TRUE(client.LogOn("::1", server.port(), "turner", "secret", "", "", "", "", 0, 0))
            << client.replyText();
        client.passive = c.passive;
        ASSERT_TRUE(client.PutFile(local.file("f.bin"), "f.bin")) << client.replyText();
        EXPECT_EQ(test::readWholeFile((server.root().path() / "f.bin").string()), bytes);
        EXPECT_NE(server.commandLog().find(c.expected), std::string::npos) << server.commandLog();
    }
}

TEST(FtpServer, MissingLocalFileAndRefusedUser) {
    test::RealFtpServer server;
    CFtpClient c(test::quickOptions());
    ASSERT_TRUE(c.LogOn("127.0.0.1", server.port(), "turner", "secret", "", "", "", "", 0, 0));
    EXPECT_FALSE(c.PutFile("/nonexistent/file.htm", "file.htm"));
    EXPECT_EQ(c.replyText(), "Unable to open the local file");

    CFtpClient d(test::quickOptions());
    EXPECT_FALSE(d.LogOn("127.0.0.1", server.port(), "turner", "wrong", "", "", "", "", 0, 0));
    EXPECT_EQ(d.replyText().rfind("530 ", 0), 0u) << d.replyText();
    EXPECT_NE(d.replyText().find("\n\nThe username and password combination was not accepted."),
              std::string::npos);
}

}  // namespace
}  // namespace turnpixa
