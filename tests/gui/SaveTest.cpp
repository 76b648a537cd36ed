#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include "WizardFixture.h"
#include "project/ProjectFrames.h"
#include "web/OutputSetWriter.h"
#include "web/SaveTarget.h"

namespace turnpixa::test {

namespace {

// Every file under a folder, by relative path, with its bytes.
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

}  // namespace

TEST_F(Wizard, FinishWithoutPhotosEndsAtOnce) {
    for (int i = 0; i < 4; ++i) dlg().next();
    EXPECT_FALSE(savePage().saveAsButton()->isEnabled());
    EXPECT_FALSE(savePage().browserButton()->isEnabled());
    dlg().finishButton()->click();
    EXPECT_EQ(seam.saveDialogs, 0);
    EXPECT_EQ(dlg().result(), QDialog::Accepted);
    EXPECT_FALSE(dlg().isVisible());
}

TEST_F(Wizard, SaveAsWritesWhatTheWriterWritesForTheSameProject) {
    loadPhotos(6);
    project().setStartImage(3);
    project().settings().startImage = 3;
    dlg().setActiveIndex(4);
    CSaveDlg& page = savePage();
    EXPECT_TRUE(page.saveAsButton()->isEnabled());
    page.pngButton()->click();
    page.autoSpinBox()->click();
    page.leftArrow()->click();
    EXPECT_TRUE(page.pngChosen());
    EXPECT_EQ(page.autoSpinInterval(), -100);

    const QString ours = QString::fromStdString(dir.file("ours"));
    const QString theirs = QString::fromStdString(dir.file("direct"));
    QDir().mkpath(ours);
    QDir().mkpath(theirs);
    seam.saveAnswer = ours + "/shoe";
    page.saveAsButton()->click();
    EXPECT_EQ(seam.saveFilters, (QStringList{"HTML Files (*.htm *.HTM)", "All Files (*)"}));
    EXPECT_EQ(seam.saveSuffix, QStringLiteral("htm"));
    EXPECT_TRUE(seam.messages.isEmpty()) << seam.messages.join('\n').toStdString();
    EXPECT_TRUE(project().saved);
    EXPECT_TRUE(page.browserButton()->isEnabled());
    EXPECT_TRUE(QFile::exists(ours + "/shoe.htm"));
    EXPECT_TRUE(QFile::exists(ours + "/shoe-turnpixa/image_005.png"));
    EXPECT_EQ(page.lastPagePath(), (ours + "/shoe.htm").toStdString());
    shoot(QStringLiteral("save-page"));

    OutputSetWriter writer;
    SaveOptions options;
    options.format = FrameFormat::Png;
    options.autoSpinOn = true;
    options.autoSpinInterval = -100;
    std::string reason;
    ProjectFrames frames(project());
    ASSERT_TRUE(writer.write(
        frames, SaveTarget::fromChosenPath((theirs + "/shoe.htm").toStdString()), options, reason))
        << reason;
    const auto a = filesUnder(ours);
    const auto b = filesUnder(theirs);
    ASSERT_EQ(a.size(), 9u);  // page, script, 6 frames, still
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.count(name)) << name.toStdString();
        EXPECT_TRUE(bytes == b.at(name)) << name.toStdString() << " differs";
    }

    // Preview in Browser opens the saved page.
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "handle");
    page.browserButton()->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0].toLocalFile(), ours + "/shoe.htm");
}

// JPEG frames, PNG frames (deflated on two threads), and WebP frames with a
// transparent background and large frames beside them.
struct LikeCli {
    const char* name;
    FrameFormat format;
    bool zoomAndClear;  // 30 x 20 frames, zoom frames 60 wide, transparent background
};

void PrintTo(const LikeCli& c, std::ostream* os) {
    *os << c.name;
}

class SaveLikeCli : public Wizard, public ::testing::WithParamInterface<LikeCli> {};

TEST_P(SaveLikeCli, SaveAsWritesWhatTurnpixaCliWritesForTheSamePhotos) {
    const LikeCli c = GetParam();
#ifndef TURNPIXA_CLI
    GTEST_SKIP() << "turnpixa-cli is not built";
#else
    loadPhotos(5);
    project().setStartImage(4);
    project().settings().startImage = 4;
    project().reverseSpin = true;
    if (c.zoomAndClear) {
        project().settings().setShownSize({30, 20});
        dlg().setActiveIndex(3);
        editPage().removalBox()->click();
        editPage().transparentBox()->click();
    }
    dlg().setActiveIndex(4);
    CSaveDlg& page = savePage();
    if (c.zoomAndClear) {
        EXPECT_FALSE(page.jpgButton()->isEnabled()) << "JPEG cannot be transparent";
        EXPECT_TRUE(page.pngButton()->isChecked());
        page.zoomBox()->setValue(60);
    }
    page.autoSpinBox()->click();
    if (c.format == FrameFormat::Png) page.pngButton()->click();
    if (c.format == FrameFormat::WebP) page.webpButton()->click();
    page.rateSlider()->setValue(60);  // 50 ms
    const QString ours = QString::fromStdString(dir.file("ours"));
    const QString cli = QString::fromStdString(dir.file("cli"));
    QDir().mkpath(ours);
    QDir().mkpath(cli);
    seam.saveAnswer = ours + "/mug.htm";
    page.saveAsButton()->click();
    ASSERT_TRUE(project().saved) << seam.messages.join('\n').toStdString();

    QStringList args = {"-q",          "--start", "4",  "--reverse",
                        "--auto-spin", "50",      "-o", cli + "/mug.htm"};
    if (c.format == FrameFormat::Png) args << "--png";
    if (c.format == FrameFormat::WebP) args << "--format=webp";
    if (c.zoomAndClear)
        args << "--size=30x20"
             << "--zoom=60"
             << "--remove-background"
             << "--background-colour=transparent";
    for (int i = 0; i < project().photoCount(); ++i)
        args << QString::fromStdString(project().photoAt(i)->name());
    QProcess run;
    run.start(QStringLiteral(TURNPIXA_CLI), args);
    ASSERT_TRUE(run.waitForFinished(60000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();

    const auto a = filesUnder(ours);
    const auto b = filesUnder(cli);
    // page, script, 5 frames, still; and 5 large frames
    ASSERT_EQ(a.size(), c.zoomAndClear ? 13u : 8u);
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.count(name)) << name.toStdString();
        EXPECT_TRUE(bytes == b.at(name)) << name.toStdString() << " differs";
    }
    if (c.zoomAndClear) {
        EXPECT_TRUE(a.count(QStringLiteral("mug-turnpixa/zoom/image_004.webp")));
        EXPECT_TRUE(
            a.at(QStringLiteral("mug.htm")).contains("'.webp',{zoomWidth:60,zoomHeight:40});"));
    }
#endif
}

INSTANTIATE_TEST_SUITE_P(Frames, SaveLikeCli,
                         ::testing::Values(LikeCli{"Jpeg", FrameFormat::Jpeg, false},
                                           LikeCli{"Png", FrameFormat::Png, false},
                                           LikeCli{"WebpZoomTransparent", FrameFormat::WebP, true}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(Wizard, FinishOnAnUnsavedProjectSavesFirst) {
    loadPhotos(3);
    dlg().setActiveIndex(4);
    // Cancelling the save dialog keeps the wizard open.
    seam.saveAnswer.clear();
    dlg().finishButton()->click();
    EXPECT_EQ(seam.saveDialogs, 1);
    EXPECT_TRUE(dlg().isVisible());
    EXPECT_FALSE(project().saved);

    seam.saveAnswer = QString::fromStdString(dir.file("page.HTM"));
    dlg().finishButton()->click();
    EXPECT_EQ(seam.saveDialogs, 2);
    EXPECT_TRUE(project().saved);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(dir.file("page.HTM"))));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(dir.file("page-turnpixa/image_002.jpg"))));
    EXPECT_EQ(dlg().result(), QDialog::Accepted);
}

TEST_F(Wizard, AFailedSaveIsShownAndTheWizardStays) {
    loadPhotos(3);
    dlg().setActiveIndex(4);
    // The output folder is a plain file: nothing can be created in it.
    const QString blocker = QString::fromStdString(dir.file("blocker"));
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    seam.saveAnswer = blocker + "/page.htm";
    dlg().finishButton()->click();
    ASSERT_EQ(seam.warnings.size(), 1);
    EXPECT_TRUE(seam.warnings[0].contains(QStringLiteral("blocker/page-turnpixa")))
        << seam.warnings[0].toStdString();
    EXPECT_TRUE(seam.messages.isEmpty());
    EXPECT_FALSE(project().saved);
    EXPECT_FALSE(savePage().browserButton()->isEnabled());
    EXPECT_TRUE(dlg().isVisible());
    EXPECT_NE(dlg().result(), QDialog::Accepted);
    EXPECT_EQ(savePage().statusLine()->text(), QStringLiteral("Saving failed."));

    // Back on the Save page with the same photos the line stays; with other
    // photos it is gone.
    dlg().setActiveIndex(1);
    dlg().setActiveIndex(4);
    EXPECT_EQ(savePage().statusLine()->text(), QStringLiteral("Saving failed."));
    dlg().setActiveIndex(1);
    seam.answerOk = true;
    importPage().removeAllButton()->click();
    dropFiles(makePhotos(2, QStringLiteral("next")));
    ASSERT_EQ(project().photoCount(), 2);
    dlg().setActiveIndex(4);
    EXPECT_TRUE(savePage().statusLine()->text().isEmpty())
        << savePage().statusLine()->text().toStdString();
}

TEST_F(Wizard, SavePagePreviewSpinsByDragAndByTimer) {
    loadPhotos(8);
    project().setStartImage(2);
    dlg().setActiveIndex(4);
    CSaveDlg& page = savePage();
    EXPECT_EQ(page.previewPosition(), 2);
    ASSERT_FALSE(page.previewImage().isNull());
    // The still image has the size of a frame.
    EXPECT_EQ(page.previewImage().size(), QSize(400, 267));
    const QPoint c = page.previewRect().center();
    mouse(&page, QEvent::MouseMove, c, Qt::NoButton, Qt::NoButton);
    mouse(&page, QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
    mouse(&page, QEvent::MouseMove, c + QPoint(9, 0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(page.previewPosition(), 4);
    mouse(&page, QEvent::MouseMove, c + QPoint(9 - 12, 0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(page.previewPosition(), 1);

    // Rate slider: 50 is 100 ms, 40 is 200 ms; the timer follows when spinning.
    EXPECT_EQ(page.rateSlider()->value(), 50);
    EXPECT_FALSE(page.leftArrow()->isEnabled());
    page.autoSpinBox()->click();
    EXPECT_TRUE(page.leftArrow()->isEnabled());
    EXPECT_TRUE(page.spinTimer().isActive());
    page.rateSlider()->setValue(40);
    EXPECT_EQ(page.autoSpinInterval(), 200);
    EXPECT_EQ(page.spinTimer().interval(), 200);
    const int before = page.previewPosition();
    EXPECT_TRUE(waitFor([&] { return page.previewPosition() != before; }, 3000));
    EXPECT_EQ(page.previewPosition(), before % 8 + 1);
    // Leaving the page stops the spin.
    dlg().back();
    EXPECT_FALSE(page.spinTimer().isActive());
    dlg().next();
    EXPECT_TRUE(page.spinTimer().isActive());
    page.autoSpinBox()->click();
    EXPECT_FALSE(page.spinTimer().isActive());
}

}  // namespace turnpixa::test
