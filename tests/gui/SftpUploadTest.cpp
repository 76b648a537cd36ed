// "Upload to Web" to an sftp:// server: OpenSSH's sshd started here.
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "WizardFixture.h"
#include "net/CUploadDlg.h"
#include "project/SettingsFile.h"
#include "tests/net/SshTestServer.h"
#include "tests/support/LocalWebServer.h"

namespace turnpixa::test {
namespace {

namespace fs = std::filesystem;

class WizardSftp : public Wizard {
protected:
    void SetUp() override {
        if (const std::string why = SshTestServer::unavailable(); !why.empty()) GTEST_SKIP() << why;
        Wizard::SetUp();
        server = std::make_unique<SshTestServer>();
        ASSERT_TRUE(server->running()) << server->log();
        fs::create_directories(dir.file("ssh"));
        UploadSettings& settings = app->uploadSettings();
        settings.ftpServer = server->server();
        settings.ftpUser = SshTestServer::user();
        options.sshFolder = dir.file("ssh");
        options.systemKnownHosts.clear();
        options.useAgent = false;

        loadPhotos(3);
        dlg().setActiveIndex(4);
        seam.saveAnswer = QString::fromStdString(dir.file("vase"));
        savePage().saveAsButton()->click();
        ASSERT_TRUE(project().saved);
    }
    void makeKey(const std::string& passphrase) {
        ASSERT_TRUE(makeSshKey(dir.file("ssh/id_ed25519"), passphrase));
        server->authorize(dir.file("ssh/id_ed25519.pub"));
    }
    // Presses "Upload" in the dialog the Save page opens; before() runs first.
    bool upload(const std::function<void(CUploadDlg&)>& before = {}) {
        bool ok = false;
        seam.dialogAnswer = [&](QDialog& shown) {
            auto* dialog = qobject_cast<CUploadDlg*>(&shown);
            if (!dialog) return int(QDialog::Rejected);
            dialog->setSftpOptions(options);
            if (before) before(*dialog);
            ok = dialog->upload();
            status = dialog->statusLine()->text();
            return dialog->result();
        };
        savePage().uploadButton()->click();
        return ok;
    }
    std::string knownHostsFile() const {
        return knownHostsBeside(settingsPathFor(app->programFolder().toStdString()));
    }

    std::unique_ptr<SshTestServer> server;
    SftpOptions options;
    QString status;
};

TEST_F(WizardSftp, AsksAboutAnUnknownHostKeyAndRemembersATrustedOne) {
    makeKey("");
    LocalWebServer web(server->site().string(), false);
    ASSERT_TRUE(web.running());
    app->uploadSettings().webspaceUrl = web.base();
    const std::string fingerprint = server->hostKey().fingerprint();

    // The real question: Enter must not trust the key, its button does.
    seam.realHostKeyQuestion = true;
    int step = 0;
    QString defaultButton;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        if (step++ == 0) {
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            const QString folder = qEnvironmentVariable("TURNPIXA_SCREENSHOTS");
            if (!folder.isEmpty()) box->grab().save(folder + "/sftp-host-key.png");
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("Trust and Connect")) b->click();
    });
    answer.start(20);
    EXPECT_FALSE(upload());
    EXPECT_EQ(defaultButton, QStringLiteral("Cancel"));
    ASSERT_EQ(seam.hostKeyQuestions.size(), 1);
    EXPECT_TRUE(
        seam.hostKeyQuestions[0].contains(QStringLiteral("Its ED25519 key fingerprint is\n%1")
                                              .arg(QString::fromStdString(fingerprint))))
        << seam.hostKeyQuestions[0].toStdString();
    EXPECT_TRUE(
        seam.hostKeyQuestions[0].contains(QStringLiteral("127.0.0.1 port %1").arg(server->port())));
    EXPECT_FALSE(fs::exists(server->site() / "turnpixa"));
    EXPECT_FALSE(fs::exists(knownHostsFile()));
    EXPECT_EQ(status, QStringLiteral("The upload did not work."));

    seam.messages.clear();
    ASSERT_TRUE(upload()) << seam.messages.join('\n').toStdString();
    EXPECT_EQ(step, 2);
    EXPECT_NE(readWholeFile(knownHostsFile()).find("ssh-ed25519"), std::string::npos);
    ASSERT_EQ(seam.messages.size(), 1);
    EXPECT_TRUE(
        seam.messages[0].contains(QStringLiteral("All 6 files are online at %1/turnpixa/vase.htm")
                                      .arg(QString::fromStdString(web.base()))))
        << seam.messages[0].toStdString();
    EXPECT_EQ(readWholeFile((server->site() / "turnpixa/vase-turnpixa/image_001.jpg").string()),
              readWholeFile(dir.file("vase-turnpixa/image_001.jpg")));

    ASSERT_TRUE(upload());
    EXPECT_EQ(seam.hostKeyQuestions.size(), 2);  // not asked again
}

TEST_F(WizardSftp, AsksForTheKeysPassphraseAndCancelStopsTheUpload) {
    makeKey("turn it");
    seam.trustHostKey = true;
    seam.passphraseAnswer = QStringLiteral("turn it");
    ASSERT_TRUE(upload()) << seam.messages.join('\n').toStdString();
    ASSERT_EQ(seam.passphraseQuestions.size(), 1);
    EXPECT_TRUE(seam.passphraseQuestions[0].contains(QString::fromStdString(
        "The SSH key " + dir.file("ssh/id_ed25519") + " is protected by a passphrase")));
    fs::remove_all(server->site() / "turnpixa");

    // Cancel as soon as the upload waits for the server.
    seam.messages.clear();
    EXPECT_FALSE(upload([](CUploadDlg& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog] {
            for (QPushButton* b : dialog.findChildren<QPushButton*>())
                if (b->text() == QStringLiteral("Cancel")) {
                    EXPECT_TRUE(b->isEnabled());
                    b->click();
                }
        });
    }));
    EXPECT_EQ(status, QStringLiteral("The upload was cancelled."));
    EXPECT_TRUE(seam.messages.isEmpty()) << seam.messages.join('\n').toStdString();
    EXPECT_FALSE(fs::exists(server->site() / "turnpixa/vase-turnpixa"));
}

}  // namespace
}  // namespace turnpixa::test
