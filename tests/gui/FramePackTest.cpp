#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include "WizardFixture.h"
#include "web/CFramePackDlg.h"

namespace turnpixa::test {

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST_F(Wizard, FramePackWritesWhatTurnpixaCliWritesAndNamesAFailure) {
#ifndef TURNPIXA_CLI
    GTEST_SKIP() << "turnpixa-cli is not built";
#else
    loadPhotos(5);
    project().chooseStartImage(2);
    dlg().setActiveIndex(4);
    CSaveDlg& page = savePage();
    ASSERT_TRUE(page.framePackButton()->isEnabled());
    EXPECT_EQ(page.framePackButton()->text(), QStringLiteral("Frame pack…"));
    shoot(QStringLiteral("save-page-frame-pack"));

    const QString ours = QString::fromStdString(dir.file("ours.zip"));
    seam.dialogAnswer = [&](QDialog& d) {
        auto& pack = dynamic_cast<CFramePackDlg&>(d);
        // 36 frames, as wide as the photos, and no file until one is chosen.
        EXPECT_EQ(pack.framesBox()->currentText(), QStringLiteral("36"));
        EXPECT_EQ(pack.widthBox()->value(), 60);
        EXPECT_FALSE(pack.writeButton()->isEnabled());
        pack.framesBox()->setCurrentIndex(pack.framesBox()->findText(QStringLiteral("24")));
        pack.widthBox()->setValue(90);
        EXPECT_EQ(pack.heightLabel()->text(), QStringLiteral("x 60 px"));
        seam.saveAnswer = QString::fromStdString(dir.file("ours.zip"));
        pack.browseButton()->click();
        EXPECT_EQ(seam.saveFilters, (QStringList{"Zip Files (*.zip)", "All Files (*)"}));
        EXPECT_EQ(pack.fileEdit()->text(), ours);
        pack.show();
        QCoreApplication::processEvents();
        if (const QString shots = qEnvironmentVariable("TURNPIXA_SCREENSHOTS"); !shots.isEmpty())
            pack.grab().save(shots + "/frame-pack-dialog.png");
        pack.writeButton()->click();
        EXPECT_EQ(pack.progressBar()->maximum(), 24);
        EXPECT_EQ(pack.progressBar()->value(), 24);
        return pack.result();
    };
    page.framePackButton()->click();
    ASSERT_FALSE(seam.dialogTitles.isEmpty());
    EXPECT_EQ(seam.dialogTitles.last(), QStringLiteral("Frame Pack"));
    EXPECT_TRUE(seam.warnings.isEmpty()) << seam.warnings.join('\n').toStdString();
    const QString status = page.statusLine()->text();
    EXPECT_TRUE(status.startsWith("Saved a frame pack of 24 frames (90 x 60) to " + ours))
        << status.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("is only 60 pixels wide, so its frame is enlarged")))
        << status.toStdString();

    QStringList args = {"-q",
                        "--start",
                        "2",
                        "--frame-pack",
                        QString::fromStdString(dir.file("cli")),
                        "--pack-frames=24",
                        "--pack-width=90"};
    for (int i = 0; i < project().photoCount(); ++i)
        args << QString::fromStdString(project().photoAt(i)->name());
    QProcess run;
    run.start(QStringLiteral(TURNPIXA_CLI), args);
    ASSERT_TRUE(run.waitForFinished(60000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    const QByteArray wizardPack = bytesOf(ours);
    EXPECT_GT(wizardPack.size(), 24 * 100);
    EXPECT_TRUE(wizardPack == bytesOf(QString::fromStdString(dir.file("cli"))))
        << "the wizard's pack differs from turnpixa-cli's";

    // A folder that is a file: the message names the file and why, the
    // dialog stays open and the choices are kept for the next time.
    QFile blocker(QString::fromStdString(dir.file("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString blocked = QString::fromStdString(dir.file("blocker")) + "/pack.zip";
    seam.dialogAnswer = [&](QDialog& d) {
        auto& pack = dynamic_cast<CFramePackDlg&>(d);
        EXPECT_EQ(pack.framesBox()->currentText(), QStringLiteral("24"));
        EXPECT_EQ(pack.widthBox()->value(), 90);
        EXPECT_EQ(pack.fileEdit()->text(), ours);
        pack.fileEdit()->setText(QString::fromStdString(dir.file("blocker")) + "/pack");
        EXPECT_FALSE(pack.write());
        EXPECT_FALSE(pack.progressBar()->isVisibleTo(&pack));
        EXPECT_TRUE(pack.writeButton()->isEnabled());
        return pack.result();
    };
    page.framePackButton()->click();
    ASSERT_EQ(seam.warnings.size(), 1);
    EXPECT_EQ(seam.warnings[0], "The frame pack could not be written.\n\nCould not write " +
                                    blocked + ": Not a directory");
    EXPECT_EQ(page.statusLine()->text(), status) << "a failed pack leaves the line";
    EXPECT_FALSE(QFile::exists(blocked));
#endif
}

}  // namespace turnpixa::test
