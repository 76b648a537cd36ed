// "Animated image..." on the Save page: chosen before a save it is written
// with the set, chosen after one it is written at once, and either way the
// files are those turnpixa-cli writes for the same photos.
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "WizardFixture.h"
#include "app/pages/CAnimationDlg.h"
#include "project/ProjectFrames.h"

namespace turnpixa::test {

namespace {

std::map<QString, QByteArray> filesUnder(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) files[QDir(folder).relativeFilePath(path)] = f.readAll();
    }
    return files;
}

// A picture of a dialog when TURNPIXA_SCREENSHOTS names a folder.
void shootDialog(QDialog& dialog, const QString& name) {
    const QString folder = qEnvironmentVariable("TURNPIXA_SCREENSHOTS");
    if (folder.isEmpty()) return;
    dialog.adjustSize();
    dialog.grab().save(folder + "/" + name + ".png");
}

}  // namespace

TEST_F(Wizard, AnimatedImageIsWrittenWithTheSetAndAtOnceAsTurnpixaCliWritesIt) {
#ifndef TURNPIXA_CLI
    GTEST_SKIP() << "turnpixa-cli is not built";
#else
    loadPhotos(5);
    project().setStartImage(2);
    project().settings().startImage = 2;
    dlg().setActiveIndex(4);
    CSaveDlg& page = savePage();
    page.autoSpinBox()->click();
    page.rateSlider()->setValue(60);  // 50 ms
    const int frameWidth = ProjectFrames(project()).shownSize().width;

    // Before any save: the defaults, and the choice waits for the save.
    seam.dialogAnswer = [&](QDialog& d) {
        auto* dialog = dynamic_cast<CAnimationDlg*>(&d);
        if (!dialog) return 0;
        EXPECT_TRUE(dialog->gifBox()->isChecked());
        EXPECT_TRUE(dialog->webpBox()->isChecked());
        EXPECT_EQ(dialog->widthBox()->value(), frameWidth);
        EXPECT_EQ(dialog->timeBox()->value(), 50) << "the auto-spin interval";
        EXPECT_FALSE(dialog->otherWayBox()->isChecked());
        shootDialog(d, QStringLiteral("animation-dialog"));
        dialog->webpBox()->setChecked(false);
        return static_cast<int>(QDialog::Accepted);
    };
    const qsizetype dialogsBefore = seam.dialogTitles.size();
    page.animationButton()->click();
    ASSERT_EQ(seam.dialogTitles.size(), dialogsBefore + 1);
    EXPECT_EQ(seam.dialogTitles.last(), QStringLiteral("Animated Image"));
    EXPECT_EQ(page.animationChoice().formats, std::vector<AnimationFormat>{AnimationFormat::Gif});
    EXPECT_TRUE(page.statusLine()->text().contains("next save"));

    const QString ours = QString::fromStdString(dir.file("ours"));
    const QString cli = QString::fromStdString(dir.file("cli"));
    QDir().mkpath(ours);
    QDir().mkpath(cli);
    seam.saveAnswer = ours + "/mug.htm";
    page.saveAsButton()->click();
    ASSERT_TRUE(project().saved) << seam.warnings.join('\n').toStdString();
    EXPECT_EQ(page.savedSet().animations, std::vector<std::string>{"spin.gif"});
    EXPECT_TRUE(QFile::exists(ours + "/mug-turnpixa/spin.gif"));
    EXPECT_FALSE(QFile::exists(ours + "/mug-turnpixa/spin.webp"));

    // After the save: WebP too, written into the frame folder at once and
    // sent by the next upload; the choice is kept.
    seam.dialogAnswer = [&](QDialog& d) {
        auto* dialog = dynamic_cast<CAnimationDlg*>(&d);
        if (!dialog) return 0;
        EXPECT_TRUE(dialog->gifBox()->isChecked());
        EXPECT_FALSE(dialog->webpBox()->isChecked());
        dialog->webpBox()->setChecked(true);
        return static_cast<int>(QDialog::Accepted);
    };
    page.animationButton()->click();
    shoot(QStringLiteral("save-page-animation"));
    EXPECT_TRUE(QFile::exists(ours + "/mug-turnpixa/spin.webp"));
    EXPECT_EQ(page.savedSet().animations, (std::vector<std::string>{"spin.gif", "spin.webp"}));
    EXPECT_TRUE(page.statusLine()->text().startsWith("Wrote spin.gif ("))
        << page.statusLine()->text().toStdString();

    QStringList args = {"-q",
                        "--start",
                        "2",
                        "--auto-spin",
                        "50",
                        "-o",
                        cli + "/mug.htm",
                        "--animation=spin.gif",
                        "--animation=spin.webp"};
    for (int i = 0; i < project().photoCount(); ++i)
        args << QString::fromStdString(project().photoAt(i)->name());
    QProcess run;
    run.start(QStringLiteral(TURNPIXA_CLI), args);
    ASSERT_TRUE(run.waitForFinished(60000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    const auto a = filesUnder(ours);
    const auto b = filesUnder(cli);
    ASSERT_EQ(a.size(), 10u) << "page, script, 5 frames, still, two animations";
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.count(name)) << name.toStdString();
        EXPECT_TRUE(bytes == b.at(name)) << name.toStdString() << " differs";
    }

    // None from now on: the files stay, but are no longer the set's.
    seam.dialogAnswer = [&](QDialog& d) {
        auto* dialog = dynamic_cast<CAnimationDlg*>(&d);
        if (!dialog) return 0;
        dialog->gifBox()->setChecked(false);
        dialog->webpBox()->setChecked(false);
        return static_cast<int>(QDialog::Accepted);
    };
    page.animationButton()->click();
    EXPECT_TRUE(page.animationChoice().empty());
    EXPECT_TRUE(page.savedSet().animations.empty());
    page.saveAsButton()->click();
    EXPECT_TRUE(page.savedSet().animations.empty());
#endif
}

}  // namespace turnpixa::test
