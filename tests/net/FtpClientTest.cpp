#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "NetTestUtil.h"
#include "net/CFtpClient.h"

namespace turnpixa {
namespace {

using test::quickOptions;

// The misbehaving server of scripted_ftp.py, one scenario per test.
struct Scripted {
    explicit Scripted(const std::string& scenario)
        : server(test::netScript("scripted_ftp.py"), {scenario, "--log", dir.file("log")}) {}
    std::string log() const { return test::readWholeFile(dir.file("log")); }
    bool logOn(CFtpClient& c) {
        return c.LogOn("127.0.0.1", server.port(), "ann", "pw", "acc", "", "", "", 0, 0);
    }
    test::TempDir dir;
    test::ScriptServer server;
};

TEST(FtpClientScripted, RepliesTrickledByteByByteAreReadWhole) {
    Scripted s("bytewise");
    CFtpClient c(quickOptions());
    ASSERT_TRUE(s.logOn(c)) << c.replyText();
    EXPECT_EQ(c.replyText(), "230 OK");
    EXPECT_TRUE(c.SendCommand("NOOP")) << c.replyText();
    EXPECT_EQ(s.log(), "USER ann\nPASS pw\nNOOP\n");
}

TEST(FtpClientScripted, LogOnFollowsTheReplyClasses) {
    {
        Scripted s("user230");
        CFtpClient c(quickOptions());
        ASSERT_TRUE(s.logOn(c));
        c.SendCommand("NOOP");
        EXPECT_EQ(s.log(), "USER ann\nNOOP\n");  // no PASS after a 230
    }
    {
        Scripted s("acct332");
        CFtpClient c(quickOptions());
        EXPECT_FALSE(s.logOn(c));
        EXPECT_EQ(c.replyText(), "Unable to log on to the webspace server");
    }
    {
        Scripted s("pass530");
        CFtpClient c(quickOptions());
        EXPECT_FALSE(s.logOn(c));
        EXPECT_EQ(c.replyText(),
                  "530 Login incorrect.\n\nThe username and password combination was not "
                  "accepted.");
    }
}

TEST(FtpClientScripted, FirewallSequencesCarryHostAndPort) {
    Scripted s("user230");
    CFtpClient c(quickOptions());
    // Sequence 5: USER user@host; the port is not 21, so it rides along.
    ASSERT_TRUE(c.LogOn("files.example", 2121, "ann", "pw", "", "127.0.0.1", "fw", "fwpw",
                        s.server.port(), 5));
    c.SendCommand("NOOP");
    EXPECT_EQ(s.log(), "USER ann@files.example:2121\nNOOP\n");
    EXPECT_FALSE(c.LogOn("h", 21, "u", "p", "", "", "", "", 0, 9));
}

TEST(FtpClientScripted, SilenceTimesOut) {
    Scripted s("silence");
    FtpOptions o = quickOptions();
    o.replyMs = 300;
    CFtpClient c(o);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(s.logOn(c));
    EXPECT_EQ(c.replyText(), "There has been a problem with the connection.");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

TEST(FtpClientScripted, PassiveDataGoesToTheControlPeerNotThePasvAddress) {
    test::TempDir local;
    test::writeWholeFile(local.file("f.bin"), test::patternBytes(300000, 7));
    Scripted s("normal");  // its PASV names 10.255.0.7
    CFtpClient c(quickOptions());
    ASSERT_TRUE(s.logOn(c));
    c.passive = true;
    ASSERT_TRUE(c.PutFile(local.file("f.bin"), "f.bin")) << c.replyText();
    EXPECT_NE(s.log().find("STOR f.bin\nDATA 300000\n"), std::string::npos) << s.log();
}

TEST(FtpClientScripted, ActiveModeTakesOnlyTheServersConnection) {
    test::TempDir local;
    test::writeWholeFile(local.file("f.bin"), test::patternBytes(5000, 3));
    Scripted s("normal");  // a stranger from 127.0.0.2 connects first
    CFtpClient c(quickOptions());
    ASSERT_TRUE(s.logOn(c));
    ASSERT_TRUE(c.PutFile(local.file("f.bin"), "f.bin")) << c.replyText();
    EXPECT_NE(s.log().find("DATA 5000\n"), std::string::npos) << s.log();
}

TEST(FtpClientScripted, ActiveModeBehindAFirewallTimesOut) {
    test::TempDir local;
    test::writeWholeFile(local.file("f.bin"), "frame");
    Scripted s("active-silent");
    FtpOptions o = quickOptions();
    o.acceptMs = 300;
    CFtpClient c(o);
    ASSERT_TRUE(s.logOn(c));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(c.PutFile(local.file("f.bin"), "f.bin"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(c.replyText().rfind("There was a problem transferring the file", 0), 0u);
}

TEST(FtpClientScripted, ResetDataConnectionFailsDespite226) {
    test::TempDir local;
    for (const std::size_t size : {std::size_t{600}, std::size_t{2} << 20}) {
        test::writeWholeFile(local.file("f.bin"), test::patternBytes(size, 1));
        Scripted s("reset");
        CFtpClient c(quickOptions());
        ASSERT_TRUE(s.logOn(c));
        c.passive = true;
        EXPECT_FALSE(c.PutFile(local.file("f.bin"), "f.bin")) << size;
        EXPECT_EQ(c.replyText().rfind("There was a problem transferring the file", 0), 0u)
            << c.replyText();
    }
}

TEST(FtpClientScripted, BadPasvNumbersAreRefused) {
    test::TempDir local;
    test::writeWholeFile(local.file("f.bin"), "x");
    Scripted s("pasv-bad");
    CFtpClient c(quickOptions());
    ASSERT_TRUE(s.logOn(c));
    c.passive = true;
    EXPECT_FALSE(c.PutFile(local.file("f.bin"), "f.bin"));
    EXPECT_EQ(s.log().find("STOR"), std::string::npos);
}

TEST(FtpClientScripted, MakeDirectoryPathGoesOnAfter550ForAnExistingFolder) {
    Scripted s("normal");
    CFtpClient c(quickOptions());
    ASSERT_TRUE(s.logOn(c));
    EXPECT_TRUE(c.MakeDirectoryPath("a\\b\\c"));
    EXPECT_FALSE(c.MakeDirectoryPath("x/y"));  // 553 stops it
    EXPECT_EQ(c.replyText(), "553 Not allowed\n\nProblem making directory: x");
    EXPECT_TRUE(c.ChangeDirectory("a/b/c"));
    EXPECT_NE(s.log().find("MKD a\nMKD a/b\nMKD a/b/c\nMKD x\nCWD a/b/c"), std::string::npos)
        << s.log();
}

TEST(FtpClient, RefusesLineBreaksAndBadPorts) {
    CFtpClient c(quickOptions());
    EXPECT_FALSE(c.LogOn("127.0.0.1", 0, "u", "p", "", "", "", "", 0, 0));
    EXPECT_EQ(c.replyText(), "Unable to connect to the webspace: 127.0.0.1");
    EXPECT_FALSE(c.LogOn("127.0.0.1", 70000, "u", "p", "", "", "", "", 0, 0));
    EXPECT_EQ(c.replyText(), "Unable to connect to the webspace: 127.0.0.1");
    // Nothing listens there: the text says so.
    Socket closed;
    std::string reason;
    ASSERT_TRUE(closed.listen("127.0.0.1", 1, reason));
    const int port = closed.localPort();
    closed.close();
    EXPECT_FALSE(c.LogOn("127.0.0.1", port, "u", "p", "", "", "", "", 0, 0));
    EXPECT_EQ(c.replyText(), "Unable to connect to the webspace: 127.0.0.1\n\n(127.0.0.1 port " +
                                 std::to_string(port) + ": Connection refused)");

    test::RealFtpServer server;
    ASSERT_NE(server.port(), 0);
    CFtpClient d(quickOptions());
    EXPECT_FALSE(d.LogOn("127.0.0.1", server.port(), std::string("turner\r\nDELE x", 14), "secret",
                         "", "", "", "", 0, 0));
    EXPECT_EQ(server.commandLog().find("DELE"), std::string::npos);
    EXPECT_FALSE(d.WriteCommandLine(std::string("CWD a\0b", 7)));
}

}  // namespace
}  // namespace turnpixa
