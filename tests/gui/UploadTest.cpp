// "Upload to Web" on the Save page, against pyftpdlib and http.server.
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "WizardFixture.h"
#include "net/CUploadDlg.h"
#include "net/CWebspaceSettingsDlg.h"
#include "tests/net/NetTestUtil.h"

namespace turnpixa::test {
namespace {

namespace fs = std::filesystem;

void shootDialog(QDialog* dialog, const QString& name) {
    const QString folder = qEnvironmentVariable("TURNPIXA_SCREENSHOTS");
    if (folder.isEmpty()) return;
    dialog->show();
    QCoreApplication::processEvents();
    dialog->grab().save(folder + "/" + name + ".png");
}

TEST_F(Wizard, UploadSendsTheLastSavedSetAndChecksItIsOnline) {
    RealFtpServer server;
    ASSERT_NE(server.port(), 0);
    ServerProcess web;
    fs::create_directories(server.root().path() / "public_html");
    ASSERT_TRUE(web.start({debianPython(),
                           std::string(TURNPIXA_SOURCE_DIR) + "/tests/support/http_server.py",
                           (server.root().path() / "public_html").string()}));
    UploadSettings& settings = app->uploadSettings();
    settings.ftpServer = "127.0.0.1";
    settings.ftpPort = server.port();

    loadPhotos(3);
    dlg().setActiveIndex(4);
    CSaveDlg& page = savePage();
    EXPECT_FALSE(page.uploadButton()->isEnabled());
    page.pngButton()->click();
    seam.saveAnswer = QString::fromStdString(dir.file("mug"));
    page.saveAsButton()->click();
    ASSERT_TRUE(project().saved);
    page.jpgButton()->click();  // a later choice does not change what is uploaded

    int progressMaximum = 0;
    int progressAtEnd = -1;
    seam.dialogAnswer = [&](QDialog& shown) {
        QDialog* d = &shown;
        if (auto* settingsDlg = qobject_cast<CWebspaceSettingsDlg*>(d)) {
            EXPECT_EQ(settingsDlg->passwordEdit()->echoMode(), QLineEdit::Password);
            settingsDlg->userEdit()->setText(QStringLiteral("turner"));
            settingsDlg->passwordEdit()->setText(QStringLiteral("secret"));
            settingsDlg->locationEdit()->setText(
                QStringLiteral("127.0.0.1:%1/").arg(QString::fromStdString(web.firstLine())));
            shootDialog(d, QStringLiteral("webspace-settings"));
            settingsDlg->accept();
            return int(QDialog::Accepted);
        }
        auto* upload = qobject_cast<CUploadDlg*>(d);
        EXPECT_NE(upload, nullptr);
        if (!upload) return int(QDialog::Rejected);
        upload->setFtpOptions(quickOptions());
        upload->settingsButton()->click();
        shootDialog(d, QStringLiteral("upload-before"));
        upload->uploadButton()->click();
        progressMaximum = upload->progressBar()->maximum();
        progressAtEnd = upload->progressBar()->value();
        shootDialog(d, QStringLiteral("upload-done"));
        return upload->result();
    };
    page.uploadButton()->click();
    EXPECT_EQ(progressMaximum, 8);
    EXPECT_EQ(progressAtEnd, 8);
    EXPECT_EQ(settings.ftpUser, "turner");
    EXPECT_EQ(settings.webspaceUrl, "http://127.0.0.1:" + web.firstLine() + "/");
    ASSERT_EQ(seam.messages.size(), 1) << seam.messages.join('\n').toStdString();
    EXPECT_TRUE(seam.messages[0].contains(
        QStringLiteral("All 6 files are online at http://127.0.0.1:%1/turnpixa/mug.htm")
            .arg(QString::fromStdString(web.firstLine()))))
        << seam.messages[0].toStdString();
    const fs::path frames = server.root().path() / "public_html/turnpixa/mug-turnpixa";
    EXPECT_EQ(readWholeFile((frames / "image_002.png").string()),
              readWholeFile(dir.file("mug-turnpixa/image_002.png")));
    EXPECT_FALSE(fs::exists(frames / "image_000.jpg"));
}

TEST_F(Wizard, FailedUploadStaysOpenWithTheReason) {
    loadPhotos(2);
    dlg().setActiveIndex(4);
    seam.saveAnswer = QString::fromStdString(dir.file("cup"));
    savePage().saveAsButton()->click();
    app->uploadSettings().ftpServer = "127.0.0.1";
    app->uploadSettings().ftpPort = 1;  // nobody listens there
    seam.dialogAnswer = [&](QDialog& shown) {
        QDialog* d = &shown;
        auto* upload = qobject_cast<CUploadDlg*>(d);
        if (!upload) return int(QDialog::Rejected);
        upload->setFtpOptions(quickOptions());
        EXPECT_FALSE(upload->upload());
        EXPECT_EQ(upload->progressBar()->value(), 0);
        EXPECT_TRUE(upload->uploadButton()->isEnabled());
        shootDialog(d, QStringLiteral("upload-failed"));
        return upload->result();
    };
    savePage().uploadButton()->click();
    ASSERT_EQ(seam.messages.size(), 1);
    EXPECT_EQ(seam.messages[0],
              QStringLiteral("There is a problem logging on to your webspace:\n\nUnable to "
                             "connect to the webspace: 127.0.0.1\n\n(127.0.0.1 port 1: Connection "
                             "refused)\n\nTry checking the settings..."));
}

TEST(WebspaceSettingsDialog, ShowsAndStoresTheFields) {
    UploadSettings settings;
    settings.webspaceUrl = "HTTP://Host.example/~ann/";
    CWebspaceSettingsDlg dialog(settings, HelpOpener(QString()));
    EXPECT_EQ(dialog.locationEdit()->text(), QStringLiteral("Host.example/~ann/"));
    EXPECT_EQ(dialog.subFolderEdit()->text(), QStringLiteral("turnpixa"));
    dialog.serverEdit()->setText(QStringLiteral("ftps://files.example"));
    dialog.websiteFolderEdit()->setText(QStringLiteral("www"));
    dialog.locationEdit()->setText(QStringLiteral("https://secure.example/"));
    QTest::keyClicks(dialog.passwordEdit(), QString(300, QLatin1Char('x')));
    EXPECT_EQ(dialog.passwordEdit()->text().size(), 295);
    dialog.reject();
    EXPECT_EQ(settings, [] {
        UploadSettings s;
        s.webspaceUrl = "HTTP://Host.example/~ann/";
        return s;
    }());
    dialog.accept();
    EXPECT_EQ(settings.ftpServer, "ftps://files.example");
    EXPECT_EQ(settings.websiteFolder, "www");
    EXPECT_EQ(settings.webspaceUrl, "https://secure.example/");
    EXPECT_EQ(settings.ftpPass, std::string(295, 'x'));
}

}  // namespace
}  // namespace turnpixa::test
