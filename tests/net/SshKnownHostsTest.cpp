// Host keys and key files as OpenSSH's own tools write them.
#include <gtest/gtest.h>

#include "net/SftpClient.h"
#include "net/SshKnownHosts.h"
#include "tests/net/SshTestServer.h"
#include "tests/support/RunCommand.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

using Verdict = SshKnownHosts::Verdict;

SshHostKey keyFromPub(const std::string& pubFile) {
    const std::string line = test::readWholeFile(pubFile);
    const std::size_t from = line.find(' ') + 1;
    SshHostKey key;
    EXPECT_TRUE(Base64::decode(line.substr(from, line.find(' ', from) - from), key.blob));
    return key;
}

struct TwoKeys : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(test::makeSshKey(dir.file("a")));
        ASSERT_TRUE(test::makeSshKey(dir.file("b")));
        a = keyFromPub(dir.file("a.pub"));
        b = keyFromPub(dir.file("b.pub"));
    }
    test::TempDir dir;
    SshHostKey a, b;
};

TEST_F(TwoKeys, FingerprintAndTypeAreThoseSshKeygenShows) {
    // "256 SHA256:... test (ED25519)"
    const std::string shown =
        test::runCommand("ssh-keygen -l -E sha256 -f " + dir.file("a.pub")).output;
    EXPECT_EQ(a.typeName(), "ssh-ed25519");
    EXPECT_EQ(a.displayType(), "ED25519");
    ASSERT_EQ(a.fingerprint().size(), 50u);
    EXPECT_NE(shown.find(" " + a.fingerprint() + " "), std::string::npos) << shown;
}

TEST_F(TwoKeys, HashedAndPortEntriesMatchOnlyTheirHostAndPort) {
    SshKnownHosts hosts;
    hosts.add(test::hashedKnownHostsLine("files.example", 2222, a), "kh");
    hosts.add(test::hashedKnownHostsLine("plain.example", 22, b), "kh");
    EXPECT_EQ(hosts.check("files.example", 2222, a), Verdict::Known);
    EXPECT_EQ(hosts.check("FILES.example", 2222, a), Verdict::Known);
    EXPECT_EQ(hosts.check("files.example", 22, a), Verdict::Unknown);
    EXPECT_EQ(hosts.check("other.example", 2222, a), Verdict::Unknown);
    EXPECT_EQ(hosts.check("plain.example", 22, b), Verdict::Known);
    EXPECT_EQ(hosts.check("plain.example", 22, a), Verdict::Changed);
    EXPECT_EQ(hosts.check("files.example", 2222, b), Verdict::Changed);
}

TEST_F(TwoKeys, PatternsNegationRevokedAndDamagedLines) {
    const std::string blobA = SshKnownHosts::entryLine("x", 22, a).substr(2);  // "ssh-ed25519 ..."
    const std::string blobB = SshKnownHosts::entryLine("x", 22, b).substr(2);
    SshKnownHosts hosts;
    hosts.add(
        "# comment\n"
        "garbage\n"
        "*.example.com ssh-ed25519 !!notbase64!!\n"
        "short.example ssh-rsa " +
            blobA.substr(12) +
            "\n"  // type and key disagree
            "*.example.com,!secret.example.com " +
            blobA +
            " comment\r\n"
            "@revoked * " +
            blobB +
            "\n"
            "@cert-authority *.example.com " +
            blobB + "\n",
        "file");
    EXPECT_EQ(hosts.check("www.example.com", 22, a), Verdict::Known);
    EXPECT_EQ(hosts.check("secret.example.com", 22, a), Verdict::Unknown);
    EXPECT_EQ(hosts.check("short.example", 22, a), Verdict::Unknown);
    EXPECT_EQ(hosts.check("www.example.com", 22, b), Verdict::Revoked);
    EXPECT_EQ(hosts.check("anywhere", 22, b), Verdict::Revoked);
    EXPECT_EQ(hosts.changedEntry("www.example.com", 22, b), "file:5");
    EXPECT_EQ(hosts.knownTypes("www.example.com", 22), std::vector<std::string>{"ssh-ed25519"});
    EXPECT_TRUE(hosts.knownTypes("secret.example.com", 22).empty());
}

TEST_F(TwoKeys, StoredEntriesAreReadBackAndNameTheirLine) {
    const std::string file = dir.file("sub/TurnPixa.known_hosts");
    std::string reason;
    ASSERT_TRUE(SshKnownHosts::store(file, "Host.example", 2222, a, reason)) << reason;
    ASSERT_TRUE(SshKnownHosts::store(file, "other.example", 22, b, reason)) << reason;
    const std::string text = test::readWholeFile(file);
    EXPECT_EQ(text.substr(0, text.find(' ')), "[host.example]:2222");
    // ssh itself reads the file the same way.
    EXPECT_NE(test::runCommand("ssh-keygen -F '[host.example]:2222' -f " + file)
                  .output.find("host.example"),
              std::string::npos);
    SshKnownHosts hosts;
    ASSERT_TRUE(hosts.addFile(file));
    EXPECT_TRUE(hosts.addFile(dir.file("missing")));
    EXPECT_EQ(hosts.check("host.example", 2222, a), Verdict::Known);
    EXPECT_EQ(hosts.check("other.example", 22, a), Verdict::Changed);
    EXPECT_EQ(hosts.changedEntry("other.example", 22, a), file + ":2");
}

TEST(SftpServerField, HostAndPort) {
    std::string host;
    int port = 0;
    EXPECT_TRUE(SftpClient::parseServer("sftp://files.example", host, port));
    EXPECT_EQ(host, "files.example");
    EXPECT_EQ(port, 22);
    EXPECT_TRUE(SftpClient::parseServer("SFTP://files.example:2222/", host, port));
    EXPECT_EQ(port, 2222);
    EXPECT_TRUE(SftpClient::parseServer("sftp://[::1]:2200", host, port));
    EXPECT_EQ(host, "::1");
    EXPECT_EQ(port, 2200);
    for (const char* bad : {"files.example", "ftps://files.example", "sftp://", "sftp://h:",
                            "sftp://h:0", "sftp://h:65536", "sftp://h:22x", "sftp://[::1"})
        EXPECT_FALSE(SftpClient::parseServer(bad, host, port)) << bad;
    EXPECT_EQ(knownHostsBeside("/opt/tp/TurnPixa.ini"), "/opt/tp/TurnPixa.known_hosts");
}

}  // namespace
}  // namespace turnpixa
