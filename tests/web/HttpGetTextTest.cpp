// HttpGetText and httpGet against a real HTTP(S) server on loopback.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/LocalWebServer.h"
#include "tests/support/TempDir.h"
#include "web/HttpGetText.h"

namespace turnpixa {
namespace {

class HttpGetTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeWholeFile(dir.file("page.htm"), std::string(2000, 'p'));
        server = std::make_unique<test::LocalWebServer>(dir.path().string(), false);
        ASSERT_TRUE(server->running());
        base = "127.0.0.1:" + std::to_string(server->port());
    }
    test::TempDir dir;
    std::unique_ptr<test::LocalWebServer> server;
    std::string base;
};

TEST_F(HttpGetTextTest, ReadsAtMostTheBufferAndSendsReferrerWithoutCache) {
    char buffer[1024];
    EXPECT_EQ(HttpGetText(base + "/page.htm", buffer, sizeof buffer), 1023u);
    EXPECT_EQ(std::string(buffer), std::string(1023, 'p'));
    EXPECT_EQ(HttpGetText("HTTP://" + base + "/page.htm", buffer, 6), 5u);
    EXPECT_STREQ(buffer, "ppppp");

    HttpReply headers = httpGet("http://" + base + "/echo-headers", 4096);
    ASSERT_TRUE(headers.ok) << headers.reason;
    EXPECT_NE(headers.body.find("Referer: TurnPixa\n"), std::string::npos) << headers.body;
    EXPECT_NE(headers.body.find("Cache-Control: no-cache"), std::string::npos);

    // No length given: read to the close, cut at the cap without failing.
    HttpReply open = httpGet(base + "/nolength", 100);
    EXPECT_TRUE(open.ok);
    EXPECT_EQ(open.body, std::string(100, 'y'));
}

TEST_F(HttpGetTextTest, FailuresReadNothing) {
    char buffer[64] = "unchanged";
    EXPECT_EQ(HttpGetText(base + "/status/404", buffer, sizeof buffer), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(HttpGetText("127.0.0.1", buffer, sizeof buffer), 0u);  // no path at all

    HttpReply missing = httpGet(base + "/status/404", 64);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.status, 404);
    EXPECT_NE(missing.reason.find("404"), std::string::npos);

    HttpReply cut = httpGet(base + "/short", 4096);  // claims 1000 bytes, sends 10
    EXPECT_FALSE(cut.ok);

    HttpOptions quick;
    quick.totalTimeoutMs = 300;
    HttpReply stalled = httpGet(base + "/stall", 64, quick);
    EXPECT_FALSE(stalled.ok);
    EXPECT_FALSE(stalled.reason.empty());

    EXPECT_TRUE(httpGet(base + "/redirect/5", 4096).ok);
    EXPECT_FALSE(httpGet(base + "/redirect/6", 4096).ok);
}

TEST(HttpsGetTextTest, ChecksTheCertificate) {
    test::TempDir dir;
    test::writeWholeFile(dir.file("page.htm"), "secure");
    test::LocalWebServer server(dir.path().string(), true);
    ASSERT_TRUE(server.running());
    const std::string url = server.base() + "/page.htm";

    HttpReply untrusted = httpGet(url, 64);
    EXPECT_FALSE(untrusted.ok);
    EXPECT_NE(untrusted.reason.find("certificate"), std::string::npos) << untrusted.reason;

    HttpOptions trusting;
    trusting.caFile = test::LocalWebServer::certificate();
    HttpReply trusted = httpGet(url, 64, trusting);
    EXPECT_TRUE(trusted.ok) << trusted.reason;
    EXPECT_EQ(trusted.body, "secure");
}

}  // namespace
}  // namespace turnpixa
