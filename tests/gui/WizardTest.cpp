#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "WizardFixture.h"
#include "app/RasterImageQt.h"
#include "app/pages/CFileThumbnailDlg.h"

namespace turnpixa::test {

namespace {

QString nameOf(Project& p, int index) {
    return QFileInfo(QString::fromStdString(p.photoAt(index)->name())).fileName();
}

int buttonMask(CTurnPixaDlg& d) {
    return (d.backButton()->isEnabled() ? 1 : 0) | (d.nextButton()->isEnabled() ? 2 : 0) |
           (d.finishButton()->isEnabled() ? 4 : 0);
}

}  // namespace

TEST_F(Wizard, CaptionTabsAndButtons) {
    EXPECT_EQ(dlg().windowTitle(), QStringLiteral("TurnPixa v1.032"));
    auto* tabs = dlg().findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    const QStringList expected = {"Step 1 : Take Photos", "Step 2: Load Photos",
                                  "Step3: Size TurnPixa", "Step4: Edit TurnPixa",
                                  "Step 5: Save TurnPixa"};
    ASSERT_EQ(tabs->count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(tabs->tabText(i), expected[i]);
    EXPECT_EQ(dlg().backButton()->text(), QStringLiteral("<< Back"));
    EXPECT_EQ(dlg().nextButton()->text(), QStringLiteral("Next >>"));
    EXPECT_EQ(dlg().finishButton()->text(), QStringLiteral("Finish"));
    EXPECT_EQ(dlg().minimumSize(), QSize(960, 680));

    // Escape does not close the wizard; the About button opens the About box.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dlg(), &escape);
    EXPECT_TRUE(dlg().isVisible());
    for (QPushButton* b : dlg().findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("About TurnPixa...")) b->click();
    EXPECT_EQ(seam.abouts, 1);
}

TEST_F(Wizard, NextAndBackStepThroughEveryPageWithoutPhotos) {
    const int masks[] = {2, 3, 3, 3, 5};
    EXPECT_EQ(dlg().activeIndex(), 0);
    EXPECT_EQ(buttonMask(dlg()), masks[0]);
    for (int i = 1; i < 5; ++i) {
        dlg().nextButton()->click();
        EXPECT_EQ(dlg().activeIndex(), i);
        EXPECT_EQ(buttonMask(dlg()), masks[i]) << "page " << i;
    }
    dlg().next();  // nothing after the last page
    EXPECT_EQ(dlg().activeIndex(), 4);
    for (int i = 3; i >= 0; --i) {
        dlg().backButton()->click();
        EXPECT_EQ(dlg().activeIndex(), i);
        EXPECT_EQ(buttonMask(dlg()), masks[i]);
    }
    dlg().back();
    EXPECT_EQ(dlg().activeIndex(), 0);
    app->goToPage(5);
    EXPECT_EQ(dlg().activeIndex(), 4);
    app->goToPage(6);
    app->goToPage(0);
    EXPECT_EQ(dlg().activeIndex(), 4);
}

TEST_F(Wizard, EmptyLoadPageShowsTheInstructions) {
    dlg().setActiveIndex(1);
    CImportDlg& page = importPage();
    EXPECT_TRUE(page.instructionText()->isVisible());
    EXPECT_TRUE(
        page.instructionText()->text().startsWith(QStringLiteral("Step 2: Load your photos.")));
    EXPECT_EQ(page.instructionText()->font().pointSize(), 18);
    EXPECT_TRUE(page.helpButton()->isVisible());
    EXPECT_FALSE(page.removeAllButton()->isEnabled());
    EXPECT_FALSE(page.previewVisible());
    shoot(QStringLiteral("load-empty"));
    // The Help button sits 6 pixels from the bottom-right corner.
    const QRect help = page.helpButton()->geometry();
    EXPECT_EQ(page.width() - help.right() - 1, 6);
    EXPECT_EQ(page.height() - help.bottom() - 1, 6);
}

TEST_F(Wizard, DroppedFilesLoadInReverseOrder) {
    dlg().setActiveIndex(1);
    const QStringList paths = makePhotos(3);  // photo01, photo02, photo03
    dropFiles(paths);
    ASSERT_EQ(project().photoCount(), 3);
    EXPECT_EQ(nameOf(project(), 0), QStringLiteral("photo03.png"));
    EXPECT_EQ(nameOf(project(), 1), QStringLiteral("photo02.png"));
    EXPECT_EQ(nameOf(project(), 2), QStringLiteral("photo01.png"));
    // Each photo became current as it arrived; the last one stays current.
    EXPECT_EQ(project().currentImage, 3);
    // 60 x 40 photos: 400 wide gives round(400 * 40 / 60) = 267 high.
    EXPECT_EQ(project().settings().outputWidth, 400);
    EXPECT_EQ(project().settings().outputHeight, 267);
    EXPECT_FALSE(project().importing);
    EXPECT_FALSE(project().settings().quick);
    CImportDlg& page = importPage();
    EXPECT_FALSE(page.instructionText()->isVisible());
    EXPECT_FALSE(page.helpButton()->isVisible());
    EXPECT_TRUE(page.removeAllButton()->isEnabled());
    EXPECT_TRUE(page.previewVisible());
    EXPECT_EQ(page.frameOnDisplay().size(), QSize(400, 267));
    EXPECT_TRUE(seam.messages.isEmpty());
}

TEST_F(Wizard, LoadPageWithARingOfPhotos) {
    loadPhotos(20);
    CImportDlg& page = importPage();
    // Every thumbnail lies inside the ring area with room for its frame.
    const QRect ring = page.ringRect();
    for (int n = 1; n <= 20; ++n) {
        const QPoint c = page.thumbnailCentre(n);
        EXPECT_TRUE(ring.adjusted(2 + 30, 2 + 20, -2 - 30, -2 - 20).contains(c)) << "photo " << n;
    }
    EXPECT_TRUE(importPage().statusLine()->text().startsWith(QStringLiteral("20 photos loaded.")));
    shoot(QStringLiteral("load-photos"));
}

TEST_F(Wizard, BrowseLoadsInDialogOrderAndReportsUnreadableFiles) {
    dlg().setActiveIndex(1);
    QStringList paths = makePhotos(2);
    const QString junk = QString::fromStdString(dir.file("notes.jpg"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a picture");
    f.close();
    // A JPEG cut in half and a square photo among the 3:2 ones: both taken,
    // neither silently.
    const QString cut = QString::fromStdString(dir.file("cut.jpg"));
    QImage photo(600, 400, QImage::Format_RGB888);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 600; ++x) photo.setPixel(x, y, qRgb(x * 7, y * 3, x ^ y));
    ASSERT_TRUE(photo.save(cut, "JPG"));
    QFile cutFile(cut);
    ASSERT_TRUE(cutFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(cutFile.resize(cutFile.size() / 2));
    cutFile.close();
    const QString square = QString::fromStdString(dir.file("square.png"));
    ASSERT_TRUE(photo.copy(0, 0, 40, 40).save(square));
    seam.openAnswer = {paths[0], junk, cut, paths[1], square};
    importPage().browseButton()->click();
    ASSERT_EQ(project().photoCount(), 4);
    EXPECT_EQ(nameOf(project(), 0), QStringLiteral("photo01.png"));
    EXPECT_EQ(nameOf(project(), 2), QStringLiteral("photo02.png"));
    EXPECT_TRUE(seam.messages.isEmpty());
    ASSERT_EQ(seam.warnings.size(), 1);
    const QString list = seam.warnings[0];
    EXPECT_EQ(list,
              QStringLiteral("These files could not be read as pictures and were left out:\n\n"
                             "%1 (not a picture in a known format (BMP, PNG, GIF, TIFF, JPEG "
                             "or WebP))\n\n"
                             "These photos were loaded, but not all is well:\n\n"
                             "%2: loaded, but damaged: Premature end of JPEG file\n"
                             "%3: 40 x 40 pixels, another shape than the first photo's 60 x "
                             "40; it is stretched to the frame size")
                  .arg(junk, cut, square))
        << list.toStdString();
    EXPECT_TRUE(importPage().statusLine()->text().contains(QStringLiteral("4 of 5")));
    shoot(QStringLiteral("load-warnings"));

    // Cancelling the dialog changes nothing.
    seam.openAnswer.clear();
    importPage().browseButton()->click();
    EXPECT_EQ(project().photoCount(), 4);
}

TEST_F(Wizard, ASecondBatchWaitsForTheFirstToEnd) {
    dlg().setActiveIndex(1);
    const QStringList first = makePhotos(3, QStringLiteral("first"));
    const QStringList second = makePhotos(2, QStringLiteral("second"));
    // Both drops arrive before the first batch runs; the second one's batch
    // comes while the first is processing events between its photos.
    sendDrop(first);
    sendDrop(second);
    ASSERT_TRUE(waitFor([&] { return project().photoCount() == 3 && !project().importing; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(project().photoCount(), 3);
    ASSERT_EQ(seam.messages.size(), 1);
    EXPECT_TRUE(seam.messages[0].startsWith(QStringLiteral("Please wait")));
    EXPECT_TRUE(importPage().browseButton()->isEnabled());
    EXPECT_TRUE(importPage().removeAllButton()->isEnabled());
    EXPECT_FALSE(project().settings().quick);
}

TEST_F(Wizard, RemoveAllAsksAndClearsTheSavedFlag) {
    loadPhotos(4);
    project().saved = true;
    seam.answerOk = false;
    importPage().removeAllButton()->click();
    ASSERT_EQ(seam.questions.size(), 1);
    EXPECT_EQ(
        seam.questions[0],
        QStringLiteral("Are you sure you want to remove all the imported images from TurnPixa?"));
    EXPECT_EQ(project().photoCount(), 4);
    EXPECT_TRUE(project().saved);

    seam.answerOk = true;
    importPage().removeAllButton()->click();
    EXPECT_EQ(project().photoCount(), 0);
    EXPECT_EQ(project().currentImage, 0);
    EXPECT_FALSE(project().saved);
    EXPECT_TRUE(importPage().instructionText()->isVisible());
    EXPECT_FALSE(importPage().removeAllButton()->isEnabled());
    EXPECT_FALSE(importPage().previewVisible());
    EXPECT_TRUE(importPage().frameOnDisplay().isNull());
}

TEST_F(Wizard, HelpOpensThePageTopicInTheBrowser) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "handle");
    // No help folder beside the program yet: the user is told where it should be.
    dlg().setActiveIndex(1);
    dlg().help();
    ASSERT_EQ(seam.warnings.size(), 1);
    EXPECT_TRUE(
        seam.warnings[0].startsWith(QStringLiteral("Unable to find the help file: TurnPixa-help")));
    EXPECT_TRUE(seam.warnings[0].contains(QString::fromStdString(dir.path().string())));
    EXPECT_TRUE(catcher.urls.isEmpty());

    const QString folder = QString::fromStdString(dir.file("TurnPixa-help"));
    QDir().mkpath(folder);
    for (const char* topic : {"load-photos.htm", "save-page.htm"}) {
        QFile f(folder + "/" + topic);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&dlg(), &f1);
    dlg().setActiveIndex(4);
    dlg().help();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0].toLocalFile(), folder + "/load-photos.htm");
    EXPECT_EQ(catcher.urls[1].toLocalFile(), folder + "/save-page.htm");
    EXPECT_EQ(seam.warnings.size(), 1);
    EXPECT_TRUE(seam.messages.isEmpty());
}

TEST(WizardSettings, ReadAtStartAndWrittenAtExit) {
    TempDir folder;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.file("config")));
    writeWholeFile(folder.file("TurnPixa.ini"),
                   "# TurnPixa Options\nFTPPort\t2121\nWebspaceSubFolder\tspins");
    {
        CTurnPixaApp app(QString::fromStdString(folder.path().string()));
        ASSERT_TRUE(app.initInstance());
        EXPECT_EQ(app.uploadSettings().ftpPort, 2121);
        EXPECT_EQ(app.uploadSettings().webspaceSubFolder, "spins");
        EXPECT_EQ(app.uploadSettings().ftpUser, "anonymous");
        app.uploadSettings().ftpServer = "ftp.example.org";
        app.exitInstance();
    }
    const std::string written = readWholeFile(folder.file("TurnPixa.ini"));
    EXPECT_EQ(written.rfind("# TurnPixa Options", 0), 0u) << written;
    EXPECT_NE(written.find("\nFTPServer\tftp.example.org"), std::string::npos) << written;
    EXPECT_NE(written.find("\nFTPPort\t2121"), std::string::npos) << written;
    qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace turnpixa::test

namespace turnpixa::test {

// Not a check: pictures of the wizard with the sample photos, for looking at.
TEST_F(Wizard, ScreenshotsWithTheSamplePhotos) {
    if (qEnvironmentVariable("TURNPIXA_SCREENSHOTS").isEmpty())
        GTEST_SKIP() << "set TURNPIXA_SCREENSHOTS to a folder";
    seam.openAnswer = samplePhotos();
    dlg().setActiveIndex(1);
    importPage().browseButton()->click();
    ASSERT_EQ(project().photoCount(), 36);
    waitFor([] { return false; }, 2500);  // the pre-render pass
    shoot(QStringLiteral("samples-load"));
    dlg().setActiveIndex(4);
    waitFor([] { return false; }, 300);
    shoot(QStringLiteral("samples-save"));
}

}  // namespace turnpixa::test

namespace turnpixa::test {

TEST_F(Wizard, PreRenderRunsASecondAfterTheBatchAndRefreshesTheShownFrame) {
    loadPhotos(6);
    QTimer& timer = dlg().preRenderTimer();
    EXPECT_TRUE(timer.isSingleShot());
    EXPECT_EQ(timer.interval(), 1000);
    EXPECT_TRUE(timer.isActive());
    // During the batch every frame was made quick; the pass replaces them.
    const auto allFull = [&] {
        for (int i = 0; i < project().photoCount(); ++i) {
            const Photo* p = project().photoAt(i);
            if (!p->cachedOutput() || p->cachedSettings().quick || p->cachedSettings().logoStale)
                return false;
        }
        return true;
    };
    ASSERT_TRUE(waitFor(allFull, 10000));
    // The current photo was rendered by the page itself on RefreshCurrentFrame,
    // so the frame on display is the full one.
    ASSERT_TRUE(waitFor(
        [&] {
            const Photo* current = project().photoAt(project().currentImage - 1);
            return current && importPage().frameOnDisplay() == toQImage(*current->cachedOutput());
        },
        3000));
}

TEST(WizardFileDialog, OffersSeveralPhotosWithThePictureFilters) {
    CFileThumbnailDlg dialog;
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    const QStringList filters = dialog.nameFilters();
    ASSERT_EQ(filters.size(), 8);
    EXPECT_TRUE(filters[0].startsWith(QStringLiteral("All raster files (*.bmp *.tif")));
    EXPECT_TRUE(filters[4].startsWith(QStringLiteral("JPEG/JFIF (*.jpg *.jpeg")));
    EXPECT_TRUE(filters[0].contains(QStringLiteral("*.webp")));
    EXPECT_EQ(filters[6], QStringLiteral("WebP (*.webp *.WEBP)"));
    EXPECT_EQ(filters[7], QStringLiteral("All Files (*)"));
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->viewMode(), QListView::IconMode);
    EXPECT_EQ(dialog.viewMode(), QFileDialog::List);

    const QString folder = qEnvironmentVariable("TURNPIXA_SCREENSHOTS");
    if (!folder.isEmpty()) {
        dialog.setDirectory(QStringLiteral(TURNPIXA_SOURCE_DIR "/resources/sample-photos"));
        dialog.show();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 1500) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        dialog.grab().save(folder + "/open-dialog.png");
    }
}

}  // namespace turnpixa::test
