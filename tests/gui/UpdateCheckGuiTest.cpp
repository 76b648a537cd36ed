#include <openssl/sha.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "WizardFixture.h"
#include "app/pages/CTakePhotosDlg.h"
#include "net/CUpdateCheck.h"
#include "net/CUpdateDialogs.h"
#include "tests/support/LocalWebServer.h"

namespace turnpixa::test {
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

// The vendor's site on loopback, the desktop in a temporary HOME.
class UpdateCheckGui : public Wizard {
protected:
    void SetUp() override {
        Wizard::SetUp();
        oldHome = qgetenv("HOME");
        qputenv("HOME", QByteArray::fromStdString(home.path().string()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home.file(".config")));
        server = std::make_unique<LocalWebServer>(site.path().string(), true);
        ASSERT_TRUE(server->running());
        qputenv(kUpdateBaseVariable, QByteArray::fromStdString(server->base()));
        check().downloadOptions().caFile = LocalWebServer::certificate();
        check().downloadOptions().totalTimeoutMs = 3000;
        seam.dialogTitles.clear();
    }
    void TearDown() override {
        qunsetenv(kUpdateBaseVariable);
        qputenv("HOME", oldHome);
        qunsetenv("XDG_CONFIG_HOME");
        Wizard::TearDown();
    }
    CTakePhotosDlg& page() { return *static_cast<CTakePhotosDlg*>(dlg().page(0)); }
    CUpdateCheck& check() { return page().updateCheck(); }
    QString label() { return page().updatesButton()->text(); }
    void publishVersion(const std::string& text) { writeWholeFile(site.file("version.txt"), text); }
    // An installer that leaves a mark when it runs.
    void publishInstaller(bool goodSum = true) {
        const std::string script = "#!/bin/sh\necho started > '" + home.file("started") + "'\n";
        writeWholeFile(site.file("setup-turnpixa"), script);
        writeWholeFile(site.file("setup-turnpixa.sha256"),
                       (goodSum ? sha256Hex(script) : std::string(64, '0')) + "\n");
    }
    std::string desktopInstaller() { return home.file("Desktop/setup-turnpixa"); }

    TempDir site, home;
    QByteArray oldHome;
    std::unique_ptr<LocalWebServer> server;
};

TEST_F(UpdateCheckGui, NotAskedYetAsksFirstAndMakesNoRequest) {
    app->uploadSettings().allowAutoUpdates = 2;
    publishVersion("1.04");
    seam.dialogAnswer = [](QDialog& d) {
        auto& ask = dynamic_cast<CCheckUpdatesDlg&>(d);
        EXPECT_TRUE(ask.box()->isChecked());
        return int(QDialog::Rejected);
    };
    check().automaticCheck();
    EXPECT_EQ(seam.dialogTitles, QStringList{"Check for Updates"});
    EXPECT_EQ(server->requests(), "");
    EXPECT_EQ(app->uploadSettings().allowAutoUpdates, 2);  // Cancel stores nothing

    // OK with the box ticked and nothing known yet: up to date, still no request.
    seam.dialogTitles.clear();
    QString upToDate;
    seam.dialogAnswer = [&](QDialog& d) {
        if (auto* u = dynamic_cast<CUpToDateDlg*>(&d)) upToDate = u->text();
        return int(QDialog::Accepted);
    };
    check().automaticCheck();
    EXPECT_EQ(app->uploadSettings().allowAutoUpdates, 1);
    EXPECT_EQ(seam.dialogTitles, (QStringList{"Check for Updates", "TurnPixa"}));
    EXPECT_EQ(upToDate, "This is already the latest version.\n(ver 1.032)");
    EXPECT_EQ(label(), "You are up-to-date");
    EXPECT_EQ(server->requests(), "");
}

TEST_F(UpdateCheckGui, SameVersionIsUpToDateWithoutADialog) {
    app->uploadSettings().allowAutoUpdates = 1;
    publishVersion("1.032");
    check().automaticCheck();
    EXPECT_EQ(label(), "You are up-to-date");
    EXPECT_TRUE(seam.dialogTitles.isEmpty());
    EXPECT_EQ(server->requests(), "/version.txt\n");
    EXPECT_DOUBLE_EQ(check().latestKnown(), 1.032);
}

TEST_F(UpdateCheckGui, NewerVersionDownloadsVerifiesStartsAndCloses) {
    app->uploadSettings().allowAutoUpdates = 1;
    publishVersion("1.0400");  // read as 1.040
    publishInstaller();
    QString firstLine;
    seam.dialogAnswer = [&](QDialog& d) {
        auto& offer = dynamic_cast<CUpdateOfferDlg&>(d);
        firstLine = offer.firstLine();
        EXPECT_EQ(label(), "Update available...");
        offer.show();
        QCoreApplication::processEvents();
        const QString folder = qEnvironmentVariable("TURNPIXA_SCREENSHOTS");
        if (!folder.isEmpty()) offer.grab().save(folder + "/update-offer.png");
        offer.yesButton()->click();
        EXPECT_EQ(offer.progressBar()->value(), 100);
        return offer.result();
    };
    check().automaticCheck();
    EXPECT_EQ(firstLine, "Version 1.040 is now available");
    ASSERT_TRUE(seam.messages.isEmpty()) << seam.messages.join('|').toStdString();
    EXPECT_TRUE(fs::exists(desktopInstaller()));
    EXPECT_TRUE(waitFor([&] { return fs::exists(home.file("started")); }, 5000));
    EXPECT_FALSE(dlg().isVisible());  // the program ends for the installer
}

TEST_F(UpdateCheckGui, CheckNowOffersOnceAndNothingMoreWhileClosing) {
    publishVersion("1.04");
    publishInstaller();
    int offers = 0;
    seam.dialogAnswer = [&](QDialog& d) {
        if (dynamic_cast<CCheckUpdatesDlg*>(&d)) return CCheckUpdatesDlg::kCheckNow;
        auto& offer = dynamic_cast<CUpdateOfferDlg&>(d);
        ++offers;
        offer.yesButton()->click();
        return offer.result();
    };
    page().updatesButton()->click();
    EXPECT_EQ(offers, 1);
    EXPECT_FALSE(dlg().isVisible());
    check().manualCheck();
    check().automaticCheck();
    EXPECT_EQ(offers, 1);
}

TEST_F(UpdateCheckGui, ChecksumMismatchStartsNothingAndLeavesNoFile) {
    publishVersion("1.04");
    publishInstaller(false);
    seam.dialogAnswer = [&](QDialog& d) {
        if (dynamic_cast<CCheckUpdatesDlg*>(&d)) return CCheckUpdatesDlg::kCheckNow;
        auto& offer = dynamic_cast<CUpdateOfferDlg&>(d);
        offer.yesButton()->click();
        return offer.result();
    };
    page().updatesButton()->click();
    ASSERT_EQ(seam.messages.size(), 1);
    EXPECT_NE(seam.messages[0].indexOf("checksum"), -1) << seam.messages[0].toStdString();
    EXPECT_FALSE(fs::exists(desktopInstaller()));
    EXPECT_FALSE(fs::exists(home.file("started")));
    EXPECT_TRUE(dlg().isVisible());
}

TEST_F(UpdateCheckGui, FailedCheckNowSaysItCouldNotCheck) {
    fs::remove(site.file("version.txt"));
    seam.dialogAnswer = [](QDialog&) { return CCheckUpdatesDlg::kCheckNow; };
    page().updatesButton()->click();
    EXPECT_EQ(seam.dialogTitles, QStringList{"Check for Updates"});  // no "Up To Date"
    ASSERT_EQ(seam.messages.size(), 1);
    EXPECT_TRUE(seam.messages[0].startsWith("TurnPixa could not check for updates."));
    EXPECT_EQ(label(), "Updates...");
    EXPECT_EQ(app->uploadSettings().allowAutoUpdates, 1);
}

TEST_F(UpdateCheckGui, ClosingDuringTheDownloadStopsItAndLeavesNoFile) {
    publishVersion("1.04");
    publishInstaller();
    writeWholeFile(site.file("setup-turnpixa.mode"), "stall");
    seam.dialogAnswer = [&](QDialog& d) {
        if (dynamic_cast<CCheckUpdatesDlg*>(&d)) return CCheckUpdatesDlg::kCheckNow;
        auto& offer = dynamic_cast<CUpdateOfferDlg&>(d);
        // "Not now" arrives while the transfer waits.
        QTimer::singleShot(300, &offer, [&offer] {
            EXPECT_TRUE(offer.downloading());
            EXPECT_FALSE(offer.optionsButton()->isEnabled());
            offer.reject();
        });
        offer.yesButton()->click();
        return offer.result();
    };
    page().updatesButton()->click();
    EXPECT_TRUE(seam.messages.isEmpty());
    EXPECT_FALSE(fs::exists(desktopInstaller()));
    ASSERT_TRUE(fs::exists(home.file("Desktop")));
    EXPECT_TRUE(fs::is_empty(home.file("Desktop")));
    EXPECT_TRUE(dlg().isVisible());
}

}  // namespace
}  // namespace turnpixa::test
