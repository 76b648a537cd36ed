#include <gtest/gtest.h>

#include "net/FtpReply.h"

namespace turnpixa {
namespace {

// Feeds text and returns each complete reply's last line.
std::vector<std::string> replies(const std::string& bytes) {
    FtpReplyAssembler a;
    std::vector<std::string> out;
    for (const char c : bytes) {
        const auto state = a.feed(c);
        if (state == FtpReplyAssembler::State::Done) out.push_back(a.lastLine());
        if (state == FtpReplyAssembler::State::TooLong) out.push_back("<too long>");
        if (state != FtpReplyAssembler::State::More) a.reset();
    }
    return out;
}

TEST(FtpReplyAssembler, MultiLineRepliesEndAtTheirOwnCode) {
    EXPECT_EQ(replies("220-Welcome\r\n220 Ready\r\n331 Password\r\n"),
              (std::vector<std::string>{"220 Ready", "331 Password"}));
    // Lines inside may start with other numbers or even the same code and a dash.
    EXPECT_EQ(replies("230-Hi\r\n 230 indented\r\n230-again\r\n200 other\r\n230 Done\r\n"),
              (std::vector<std::string>{"230 Done"}));
    // A bare LF does not end a line; CR LF does.
    EXPECT_EQ(replies("200 a\nb\r\n"), (std::vector<std::string>{"200 a\nb"}));
}

TEST(FtpReplyAssembler, CapsLinesAndReplies) {
    EXPECT_EQ(replies(std::string(FtpReplyAssembler::kMaxLine + 10, 'x')),
              (std::vector<std::string>{"<too long>"}));
    std::string flood = "220-start\r\n";
    for (int i = 0; i < FtpReplyAssembler::kMaxLines + 5; ++i) flood += "more\r\n";
    EXPECT_EQ(replies(flood).front(), "<too long>");
}

TEST(FtpReply, NumbersAndClasses) {
    EXPECT_EQ(replyNumber("521 exists"), 521);
    EXPECT_EQ(replyNumber("There has been"), -1);
    EXPECT_EQ(replyClass("331 x"), 3);
}

TEST(FtpReply, PasvReplies) {
    std::string host;
    int port = 0;
    ASSERT_TRUE(parsePasvReply("227 Entering Passive Mode (10,0,0,5,19,137).", host, port));
    EXPECT_EQ(host, "10.0.0.5");
    EXPECT_EQ(port, 5001);
    for (const char* bad :
         {"227 (10,0,0,5,19,256)", "227 (10,0,0,300,19,1)", "227 (1,2,3,4,0,0)", "227 (1,2,3,4,5)",
          "227 (1,2,3,4,5,6,7)", "227 (1,2,3,4,5,-6)", "227 1,2,3,4,5,6", "227 )1,2,3,4,5,6(",
          "227 (1,2,,4,5,6)", "227 (1,2,3,4,5,99999999999999)"})
        EXPECT_FALSE(parsePasvReply(bad, host, port)) << bad;
    // The port alone, whatever stands before it (over IPv6 some servers put "::1" there).
    ASSERT_TRUE(parsePasvPort("227 Entering passive mode (::1,120,85).", port));
    EXPECT_EQ(port, 30805);
    for (const char* bad : {"227 (::1,120,256)", "227 (120,85)", "227 (::1,0,0)", "227 (::1,,85)",
                            "227 (::1,1,2x)", "227 ::1,120,85"})
        EXPECT_FALSE(parsePasvPort(bad, port)) << bad;
}

TEST(FtpReply, PortArguments) {
    EXPECT_EQ(portArgument("192.168.1.20", 5001), "192,168,1,20,19,137");
    EXPECT_EQ(portArgument("::1", 5001), "");
    EXPECT_EQ(eprtArgument("2001:db8::7", 5001), "|2|2001:db8::7|5001|");
    EXPECT_EQ(eprtArgument("192.168.1.20", 5001), "|1|192.168.1.20|5001|");
    EXPECT_EQ(eprtArgument("host.example", 5001), "");
    EXPECT_EQ(eprtArgument("::1", 0), "");
}

TEST(FtpReply, EpsvReplies) {
    int port = 0;
    ASSERT_TRUE(parseEpsvReply("229 Entering Extended Passive Mode (|||6446|)", port));
    EXPECT_EQ(port, 6446);
    ASSERT_TRUE(parseEpsvReply("229 EPSV ok (!!!65535!).", port));
    EXPECT_EQ(port, 65535);
    for (const char* bad :
         {"229 (|||0|)", "229 (|||65536|)", "229 (||6446|)", "229 (|||6446)", "229 (|!|6446|)",
          "229 (|||-5|)", "229 (|||6446!)", "229 (111644611)", "229 |||6446|", "229 (|||",
          "229 ( | | |6446|)", "229 (|||99999999999999999999|)"})
        EXPECT_FALSE(parseEpsvReply(bad, port)) << bad;
}

}  // namespace
}  // namespace turnpixa
