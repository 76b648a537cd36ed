#include <gtest/gtest.h>
#include <openssl/sha.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "net/UpdateCheck.h"
#include "tests/support/LocalWebServer.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;

std::string sha256Hex(const std::string& bytes) {
    unsigned char sum[SHA256_DIGEST_LENGTH];
    SHA256(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), sum);
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char b : sum) hex += {digits[b >> 4], digits[b & 15]};
    return hex;
}

class InstallerDownload : public ::testing::Test {
protected:
    void SetUp() override {
        std::mt19937 random(7);
        installer.resize(700 * 1024);
        for (char& c : installer) c = static_cast<char>(random());
        publish(installer, sha256Hex(installer) + "  setup-turnpixa\n");
        server = std::make_unique<test::LocalWebServer>(site.path().string(), true);
        ASSERT_TRUE(server->running());
        options.caFile = test::LocalWebServer::certificate();
        options.stallTimeoutMs = 1000;
    }
    void publish(const std::string& bytes, const std::string& sum) {
        test::writeWholeFile(site.file("setup-turnpixa"), bytes);
        test::writeWholeFile(site.file("setup-turnpixa.sha256"), sum);
    }
    void setMode(const std::string& mode) {
        test::writeWholeFile(site.file("setup-turnpixa.mode"), mode);
    }
    DownloadResult download(const std::function<bool(std::int64_t, std::int64_t)>& progress = {}) {
        return downloadInstaller(server->base() + "/setup-turnpixa", desktop.path().string(),
                                 progress, options);
    }
    size_t desktopEntries() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(desktop.path()), {}));
    }

    test::TempDir site, desktop;
    std::string installer;
    std::unique_ptr<test::LocalWebServer> server;
    DownloadOptions options;
};

TEST_F(InstallerDownload, VerifiedFileLandsOnTheDesktopExecutable) {
    test::writeWholeFile(desktop.file("setup-turnpixa"), "old installer");
    std::int64_t lastReceived = 0, lastTotal = 0;
    const DownloadResult r = download([&](std::int64_t received, std::int64_t total) {
        lastReceived = received;
        lastTotal = total;
        return true;
    });
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_EQ(r.path, desktop.file("setup-turnpixa"));
    EXPECT_EQ(test::readWholeFile(r.path), installer);
    struct stat st {};
    ASSERT_EQ(stat(r.path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(desktopEntries(), 1u);  // no temporary file left beside it
    EXPECT_EQ(lastTotal, static_cast<std::int64_t>(installer.size()));
    EXPECT_EQ(lastReceived, lastTotal);
}

TEST_F(InstallerDownload, WithoutALengthTheTotalIsUnknownButTheFileIsVerified) {
    setMode("nolength");
    std::int64_t lastTotal = 0;
    const DownloadResult r = download([&](std::int64_t, std::int64_t total) {
        lastTotal = total;
        return true;
    });
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_EQ(lastTotal, -1);
    EXPECT_EQ(test::readWholeFile(r.path), installer);
}

TEST_F(InstallerDownload, FailuresLeaveNothingOnTheDesktop) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
        const char* reasonPart;
    };
    const std::vector<Case> cases = {
        {"checksum mismatch",
         [&] { publish(installer, std::string(64, 'a') + "  setup-turnpixa\n"); }, "checksum"},
        {"no checksum", [&] { fs::remove(site.file("setup-turnpixa.sha256")); }, "checksum"},
        {"cut off", [&] { setMode("short"); }, ""},
        {"stalled", [&] { setMode("stall"); }, ""},
        {"missing", [&] { fs::remove(site.file("setup-turnpixa")); }, "status 404"},
    };
    for (const Case& c : cases) {
        publish(installer, sha256Hex(installer) + "\n");
        fs::remove(site.file("setup-turnpixa.mode"));
        c.arrange();
        const auto start = std::chrono::steady_clock::now();
        const DownloadResult r = download();
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_FALSE(r.reason.empty()) << c.what;
        EXPECT_NE(r.reason.find(c.reasonPart), std::string::npos) << c.what << ": " << r.reason;
        EXPECT_EQ(desktopEntries(), 0u) << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << c.what;
    }
}

TEST_F(InstallerDownload, CancelDeletesThePartialFile) {
    const DownloadResult r =
        download([](std::int64_t received, std::int64_t) { return received < 100 * 1024; });
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(desktopEntries(), 0u);
}

TEST_F(InstallerDownload, PlainHttpAndUntrustedCertificatesAreRefused) {
    test::LocalWebServer plain(site.path().string(), false);
    ASSERT_TRUE(plain.running());
    DownloadResult r =
        downloadInstaller(plain.base() + "/setup-turnpixa", desktop.path().string(), {}, options);
    EXPECT_FALSE(r.ok);
    options.caFile.clear();  // the system's store does not know the test server
    r = download();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(desktopEntries(), 0u);
    EXPECT_EQ(plain.requests(), "");
}

TEST_F(InstallerDownload, VersionFileReadFromTheSameBase) {
    setenv(kUpdateBaseVariable, server->base().c_str(), 1);
    options.totalTimeoutMs = 1500;
    test::writeWholeFile(site.file("version.txt"), "1.0400\n");
    EXPECT_EQ(fetchLatestVersion("1.032", options), 1.04);
    EXPECT_NE(server->requests().find("/version.txt"), std::string::npos);
    test::writeWholeFile(site.file("version.txt"), "<html><body>Moved</body></html>");
    EXPECT_FALSE(fetchLatestVersion("1.032", options).has_value());
    test::writeWholeFile(site.file("version.txt.mode"), "stall");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(fetchLatestVersion("1.032", options).has_value());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
    fs::remove(site.file("version.txt"));
    fs::remove(site.file("version.txt.mode"));
    EXPECT_FALSE(fetchLatestVersion("1.032", options).has_value());  // 404
    unsetenv(kUpdateBaseVariable);
}

}  // namespace
}  // namespace turnpixa
