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
