// Uploads over SFTP to OpenSSH's sshd started by the test on loopback.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "net/SftpClient.h"
#include "net/Uploader.h"
#include "tests/net/NetTestUtil.h"
#include "tests/net/SshTestServer.h"
#include "tests/support/RunCommand.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;
using test::readWholeFile;

class Sftp : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = test::SshTestServer::unavailable(); !why.empty())
            GTEST_SKIP() << why;
        server = std::make_unique<test::SshTestServer>();
        ASSERT_TRUE(server->running()) << server->log();
        fs::create_directories(ssh());
        ASSERT_TRUE(test::makeSshKey(ssh() + "/id_ed25519"));
        server->authorize(ssh() + "/id_ed25519.pub");
        options.sshFolder = ssh();
        options.systemKnownHosts.clear();
        options.ownKnownHosts = home.file("TurnPixa.known_hosts");
        options.useAgent = false;
        options.connectMs = 5000;
        options.waitMs = 10000;
        options.askHostKey = [this](const SshHostKeyQuestion& q) {
            questions.push_back(q);
            return trustAnswer;
        };
        settings.ftpServer = server->server();
        settings.ftpUser = test::SshTestServer::user();
        settings.websiteFolder = "www/site";
        settings.webspaceSubFolder = "gallery\\spins";
        fs::create_directories(server->site() / "www/site");
    }

    std::string ssh() const { return home.file(".ssh"); }
    // As the user's ssh would have it after a first connection.
    void knowServer() {
        test::writeWholeFile(
            ssh() + "/known_hosts",
            "other.example ssh-ed25519 AAAAC3NzaC1lZDI1NTE5AAAAIH3l\n" +
                test::hashedKnownHostsLine("127.0.0.1", server->port(), server->hostKey()));
    }
    // A saved set of three frames and their large ones; the first frame spans
    // many SFTP writes.
    UploadSet makeSet() {
        const std::string out = home.file("out/");
        fs::create_directories(out + "spin-turnpixa/zoom");
        test::writeWholeFile(out + "spin.htm", "<html>spin</html>");
        test::writeWholeFile(out + "turnpixa.js", test::patternBytes(5000, 1));
        test::writeWholeFile(out + "spin-turnpixa/image.png", test::patternBytes(3000, 2));
        for (int k = 0; k < 3; ++k)
            test::writeWholeFile(out + "spin-turnpixa/image_00" + std::to_string(k) + ".png",
                                 test::patternBytes(k == 0 ? 300000 : 4000, 10 + k));
        for (int k = 0; k < 3; ++k)
            test::writeWholeFile(out + "spin-turnpixa/zoom/image_00" + std::to_string(k) + ".png",
                                 test::patternBytes(9000, 20 + k));
        return UploadSet{out, "spin", 3, FrameFormat::Png, true};
    }
    bool upload(const UploadSet& set) {
        Uploader uploader(settings, set);
        uploader.setSftpOptions(options);
        progress.clear();
        told.clear();
        const bool ok = uploader.run({[this](int p) { progress.push_back(p); },
                                      [this](const std::string& t) { told.push_back(t); }});
        failure = uploader.failure();
        return ok;
    }
    std::string target() const { return (server->site() / "www/site/gallery/spins").string(); }

    std::unique_ptr<test::SshTestServer> server;
    test::TempDir home;
    SftpOptions options;
    UploadSettings settings;
    std::vector<SshHostKeyQuestion> questions;
    bool trustAnswer = false;
    std::vector<int> progress;
    std::vector<std::string> told;
    std::string failure;
};

TEST_F(Sftp, KeyUploadStoresEveryFileInItsFoldersWithTheFtpProgress) {
    knowServer();
    const UploadSet set = makeSet();
    ASSERT_TRUE(upload(set)) << failure;
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(progress, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    const std::string there = target() + "/";
    EXPECT_EQ(readWholeFile(there + "spin.htm"), readWholeFile(set.outputFolder + "spin.htm"));
    EXPECT_EQ(readWholeFile(there + "turnpixa.js"),
              readWholeFile(set.outputFolder + "turnpixa.js"));
    for (const std::string name : {"image.png", "image_000.png", "image_001.png", "image_002.png",
                                   "zoom/image_000.png", "zoom/image_002.png"})
        EXPECT_EQ(readWholeFile(there + "spin-turnpixa/" + name),
                  readWholeFile(set.outputFolder + "spin-turnpixa/" + name))
            << name;
    EXPECT_NE(server->log().find("Accepted publickey for " + settings.ftpUser), std::string::npos);
    // A second upload over the first replaces the files.
    test::writeWholeFile(set.outputFolder + "spin.htm", "<html>v2</html>");
    ASSERT_TRUE(upload(set)) << failure;
    EXPECT_EQ(readWholeFile(there + "spin.htm"), "<html>v2</html>");
}

TEST_F(Sftp, AgentKeyLogsOn) {
    fs::remove(ssh() + "/id_ed25519");  // only the agent has a key
    ASSERT_TRUE(test::makeSshKey(home.file("agent_key")));
    server->authorize(home.file("agent_key.pub"));
    test::ServerProcess agent;
    const std::string socket = home.file("agent.sock");
    ASSERT_TRUE(agent.start({"/usr/bin/ssh-agent", "-D", "-a", socket}));
    ASSERT_EQ(test::runCommand("SSH_AUTH_SOCK=" + socket + " ssh-add " + home.file("agent_key") +
                               " 2>/dev/null")
                  .status,
              0);
    const char* before = std::getenv("SSH_AUTH_SOCK");
    const std::string saved = before ? before : "";
    setenv("SSH_AUTH_SOCK", socket.c_str(), 1);
    knowServer();
    options.useAgent = true;
    const bool ok = upload(makeSet());
    if (before)
        setenv("SSH_AUTH_SOCK", saved.c_str(), 1);
    else
        unsetenv("SSH_AUTH_SOCK");
    ASSERT_TRUE(ok) << failure;
    EXPECT_TRUE(fs::exists(target() + "/spin-turnpixa/image_002.png"));

    // Without the agent there is no key left, and the message says what to do.
    options.useAgent = false;
    EXPECT_FALSE(upload(makeSet()));
    EXPECT_NE(failure.find("There is no SSH key to log on with"), std::string::npos) << failure;
}

TEST_F(Sftp, UnknownHostKeyIsAskedAboutAndNothingIsSentUntilItIsTrusted) {
    const UploadSet set = makeSet();
    EXPECT_FALSE(upload(set));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].keyType, "ED25519");
    EXPECT_EQ(questions[0].fingerprint, server->hostKey().fingerprint());
    EXPECT_EQ(questions[0].port, server->port());
    EXPECT_NE(failure.find(server->hostKey().fingerprint()), std::string::npos) << failure;
    EXPECT_NE(failure.find("Nothing was sent"), std::string::npos);
    EXPECT_FALSE(fs::exists(target()));
    EXPECT_FALSE(fs::exists(options.ownKnownHosts));
    // The server never heard of the user.
    EXPECT_EQ(server->log().find("user " + settings.ftpUser), std::string::npos) << server->log();
    EXPECT_EQ(server->log().find("Accepted"), std::string::npos);

    trustAnswer = true;
    ASSERT_TRUE(upload(set)) << failure;
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_NE(readWholeFile(options.ownKnownHosts)
                  .find("[127.0.0.1]:" + std::to_string(server->port()) + " ssh-ed25519 "),
              std::string::npos);
    ASSERT_TRUE(upload(set)) << failure;
    EXPECT_EQ(questions.size(), 2u);  // remembered
}

TEST_F(Sftp, WrongPasswordAndMissingFolderSayWhatIsWrong) {
    knowServer();
    const UploadSet set = makeSet();
    settings.ftpPass = "not the password";
    EXPECT_FALSE(upload(set));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], UploadText::fill(UploadText::kLogOn,
                                        "The username and password combination was not "
                                        "accepted. (user " +
                                            settings.ftpUser + ")"));
    EXPECT_NE(server->log().find("Failed password"), std::string::npos);

    settings.ftpPass.clear();
    settings.websiteFolder = "nowhere";
    EXPECT_FALSE(upload(set));
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0], UploadText::fill(UploadText::kWebsiteFolder, "nowhere"));
    EXPECT_EQ(told[1], "No such file\nProblem changing to directory: nowhere");
    EXPECT_EQ(progress.back(), 0);

    test::writeWholeFile((server->site() / "www/page.htm").string(), "a file");
    settings.websiteFolder = "www/page.htm";
    EXPECT_FALSE(upload(set));
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[1], "Not a directory\nProblem changing to directory: www/page.htm");
}

TEST_F(Sftp, EncryptedKeyIsUnlockedWithItsPassphrase) {
    knowServer();
    fs::remove(ssh() + "/id_ed25519");
    fs::remove(ssh() + "/id_ed25519.pub");
    ASSERT_TRUE(test::makeSshKey(ssh() + "/id_ed25519", "right phrase"));
    server->authorize(ssh() + "/id_ed25519.pub");
    const UploadSet set = makeSet();
    std::vector<std::string> answers = {"wrong phrase", "right phrase"};
    std::vector<std::string> asked;
    options.askPassphrase = [&](const std::string& file, std::string& phrase) {
        asked.push_back(file);
        if (asked.size() > answers.size()) return false;
        phrase = answers[asked.size() - 1];
        return true;
    };
    ASSERT_TRUE(upload(set)) << failure;
    EXPECT_EQ(asked, (std::vector<std::string>{ssh() + "/id_ed25519", ssh() + "/id_ed25519"}));
}

TEST_F(Sftp, RefusedFileFailsTheUploadWithTheServersReason) {
    knowServer();
    // Where a frame should go there is a folder.
    fs::create_directories(target() + "/spin-turnpixa/image_001.png");
    EXPECT_FALSE(upload(makeSet()));
    EXPECT_EQ(failure, "There was a problem transferring the file image_001.png: Failure");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], failure);
    EXPECT_TRUE(fs::exists(target() + "/spin-turnpixa/image_000.png"));
    EXPECT_FALSE(fs::exists(target() + "/spin-turnpixa/image_002.png"));
    EXPECT_EQ(progress.back(), 0);
}

TEST_F(Sftp, CancelDuringTheUploadStopsBeforeTheNextFile) {
    knowServer();
    bool cancel = false;
    options.keepGoing = [&] { return !cancel; };
    Uploader uploader(settings, makeSet());
    uploader.setSftpOptions(options);
    std::vector<std::string> messages;
    const bool ok = uploader.run({[&](int p) { cancel = cancel || p == 3; },
                                  [&](const std::string& t) { messages.push_back(t); }});
    EXPECT_FALSE(ok);
    EXPECT_TRUE(uploader.cancelled());
    EXPECT_EQ(uploader.failure(), "The upload was cancelled.");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(fs::exists(target() + "/spin.htm"));
    EXPECT_FALSE(fs::exists(target() + "/spin-turnpixa"));
}

// A server that takes the connection and never says a word.
class SilentServer {
public:
    SilentServer() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof a;
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && ::listen(fd_, 4) == 0 &&
            getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &size) == 0)
            port_ = ntohs(a.sin_port);
    }
    ~SilentServer() { ::close(fd_); }
    std::string server() const { return "sftp://127.0.0.1:" + std::to_string(port_); }

private:
    int fd_ = -1;
    int port_ = 0;
};

TEST(SftpWaits, SilentServerTimesOutAndCancelStopsAtOnce) {
    SilentServer silent;
    using Clock = std::chrono::steady_clock;
    SftpOptions options;
    options.waitMs = 600;
    auto start = Clock::now();
    {
        SftpClient client(options);
        EXPECT_FALSE(client.LogOn(silent.server(), "someone", ""));
        EXPECT_EQ(client.replyText(), "The webspace server did not answer within 1 second.");
        EXPECT_FALSE(client.cancelled());
    }
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));

    options.waitMs = 60000;
    start = Clock::now();
    options.keepGoing = [&] { return Clock::now() - start < std::chrono::milliseconds(300); };
    {
        SftpClient client(options);
        EXPECT_FALSE(client.LogOn(silent.server(), "someone", ""));
        EXPECT_TRUE(client.cancelled());
        EXPECT_EQ(client.replyText(), "The upload was cancelled.");
    }
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1500));
}

}  // namespace
}  // namespace turnpixa
