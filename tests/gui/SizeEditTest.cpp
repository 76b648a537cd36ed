#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include "WizardFixture.h"
#include "app/pages/SeriesAdjustBox.h"
#include "image/BufferedFile.h"
#include "image/ImageFormats.h"
#include "tests/support/TurningMug.h"

namespace turnpixa::test {

namespace {

// The whole text in one edit, as a paste gives it.
void type(QLineEdit* field, const QString& text) {
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

QSize outputSize(Project& p) {
    return {p.settings().outputWidth, p.settings().outputHeight};
}

RasterImage plainImage(int width, int height) {
    RasterImage image;
    EXPECT_TRUE(image.create(width, height, 24));
    EXPECT_TRUE(image.fill(packColour(90, 140, 200)));
    return image;
}

QString hex(PackedColour c) {
    return QStringLiteral("%1%2%3")
        .arg(redOf(c), 2, 16, QLatin1Char('0'))
        .arg(greenOf(c), 2, 16, QLatin1Char('0'))
        .arg(blueOf(c), 2, 16, QLatin1Char('0'));
}

}  // namespace

TEST_F(Wizard, SizeFieldsTakeOnlyWholeNumbersUpTo1000) {
    loadPhotos(3);  // 60 x 40
    dlg().setActiveIndex(2);
    CSizeDlg& page = sizePage();
    EXPECT_EQ(outputSize(project()), QSize(400, 267));
    EXPECT_EQ(page.widthField()->text(), "400");
    EXPECT_EQ(page.heightField()->text(), "267");
    EXPECT_EQ(page.resizeSlider()->value(), 400);

    type(page.widthField(), "300");
    EXPECT_EQ(outputSize(project()), QSize(300, 200));
    EXPECT_EQ(page.heightField()->text(), "200");
    for (const char* ignored : {"1200", "abc", "-5", "", "2.5"}) {
        type(page.widthField(), ignored);
        EXPECT_EQ(outputSize(project()), QSize(300, 200)) << ignored;
    }
    type(page.widthField(), "0");
    EXPECT_EQ(outputSize(project()), QSize(400, 267));
    EXPECT_EQ(page.widthField()->text(), "400");
    // Key by key the frame follows every keystroke; an entry it ignored is
    // put right when the field is left.
    page.widthField()->selectAll();
    QTest::keyClicks(page.widthField(), "1200");
    EXPECT_EQ(outputSize(project()), QSize(120, 80));
    QTest::keyClick(page.widthField(), Qt::Key_Return);
    EXPECT_EQ(page.widthField()->text(), "120");
    type(page.widthField(), "400");
    type(page.heightField(), "100");
    EXPECT_EQ(outputSize(project()), QSize(150, 100));
    EXPECT_EQ(page.resizeSlider()->value(), 150);

    page.resizeSlider()->setValue(90);
    EXPECT_EQ(outputSize(project()), QSize(90, 60));
    EXPECT_EQ(page.frameOnDisplay().size(), QSize(90, 60));

    // A quarter turn swaps what is displayed; the fields follow the frame.
    page.right90Button()->click();
    EXPECT_EQ(project().settings().rotation, 1);
    EXPECT_EQ(page.frameOnDisplay().size(), QSize(60, 90));
    EXPECT_EQ(page.widthField()->text(), "60");
    type(page.widthField(), "120");
    EXPECT_EQ(outputSize(project()), QSize(180, 120));
    page.left90Button()->click();
    page.turn180Button()->click();
    EXPECT_EQ(project().settings().rotation, 2);
    page.reverseBox()->click();
    EXPECT_TRUE(project().reverseSpin);
}

TEST_F(Wizard, CropAppliedAndUndoneOnALargePhoto) {
    dlg().setActiveIndex(2);
    CSizeDlg& page = sizePage();
    // Without a photo there is nothing to crop.
    page.cropButton()->click();
    EXPECT_FALSE(page.drawingCrop());
    EXPECT_EQ(page.cropButton()->text(), "Crop...");

    ASSERT_TRUE(project().addPhotoFromImage(plainImage(3000, 2000)));
    QCoreApplication::processEvents();
    dlg().setActiveIndex(1);
    dlg().setActiveIndex(2);
    EXPECT_FALSE(page.panButton()->isEnabled());
    EXPECT_FALSE(page.aspectList()->isEnabled());
    page.cropButton()->click();
    ASSERT_TRUE(page.drawingCrop());
    EXPECT_EQ(page.cropButton()->text(), "Apply Crop");
    EXPECT_TRUE(page.aspectList()->isEnabled());
    // The middle half of the 400 x 267 frame, handles outside it.
    EXPECT_EQ(page.tracker()->rect(), (Rect{100, 66, 300, 200}));
    EXPECT_EQ(page.rectangleText()->text(), "90,56 (220 x 154)");

    page.cropButton()->click();
    EXPECT_FALSE(page.drawingCrop());
    EXPECT_EQ(page.cropButton()->text(), "Undo Crop");
    EXPECT_EQ(outputSize(project()), QSize(200, 134));
    EXPECT_TRUE(project().settings().cropOn);
    EXPECT_EQ(project().settings().crop, (Rect{750, 495, 2250, 1500}));
    EXPECT_EQ(page.frameOnDisplay().size(), QSize(200, 134));
    EXPECT_TRUE(page.panButton()->isEnabled());

    // "This Image": only the photo's own offset moves; dragging down moves
    // the crop up.
    page.panButton()->click();
    EXPECT_TRUE(page.panMode());
    EXPECT_TRUE(page.allImagesButton()->isEnabled());
    page.thisImageButton()->click();
    EXPECT_FALSE(page.panAll());
    const QPoint c = page.previewRect().center();
    mouse(&page, QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
    mouse(&page, QEvent::MouseMove, c + QPoint(0, 4), Qt::NoButton, Qt::LeftButton);
    mouse(&page, QEvent::MouseButtonRelease, c + QPoint(0, 4), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(project().settings().crop, (Rect{750, 495, 2250, 1500}));
    EXPECT_EQ(project().photoAt(0)->panX, 0);
    EXPECT_EQ(project().photoAt(0)->panY, -30);
    // "All Images" then moves the global crop by the drag alone, dragging
    // left moving it right; the photo keeps its own offset on top.
    page.allImagesButton()->click();
    EXPECT_TRUE(page.panAll());
    mouse(&page, QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
    mouse(&page, QEvent::MouseMove, c - QPoint(10, 0), Qt::NoButton, Qt::LeftButton);
    mouse(&page, QEvent::MouseButtonRelease, c - QPoint(10, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(project().settings().crop, (Rect{825, 495, 2325, 1500}));
    EXPECT_EQ(project().photoAt(0)->panY, -30);

    page.cropButton()->click();
    EXPECT_EQ(page.cropButton()->text(), "Crop...");
    EXPECT_FALSE(project().settings().cropOn);
    EXPECT_EQ(outputSize(project()), QSize(400, 266));  // 2000 x 400 / 3000, truncated
    EXPECT_FALSE(page.panMode());
    EXPECT_FALSE(page.panButton()->isEnabled());
}

TEST_F(Wizard, ChosenAspectIsHeldWhileTheTrackerIsDragged) {
    loadPhotos(2);
    dlg().setActiveIndex(2);
    CSizeDlg& page = sizePage();
    page.cropButton()->click();
    ASSERT_TRUE(page.drawingCrop());
    // "9:13" is two entries down the list.
    QTest::keyClick(page.aspectList(), Qt::Key_Down);
    QTest::keyClick(page.aspectList(), Qt::Key_Down);
    ASSERT_EQ(page.aspectList()->currentText(), "9:13");
    const QPoint o = page.previewRect().topLeft();
    Rect r = page.tracker()->rect();
    const QPoint handle = o + QPoint(r.right + 5, r.bottom + 5);
    mouse(&page, QEvent::MouseMove, handle, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(page.cursor().shape(), Qt::SizeFDiagCursor);
    mouse(&page, QEvent::MouseButtonPress, handle, Qt::LeftButton, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step) {
        mouse(&page, QEvent::MouseMove, handle + QPoint(-7 * step, 11 * step), Qt::NoButton,
              Qt::LeftButton);
        r = page.tracker()->rect();
        EXPECT_EQ(r.width(), static_cast<int>(9.0 / 13.0 * r.height())) << step;
    }
    mouse(&page, QEvent::MouseButtonRelease, handle, Qt::LeftButton, Qt::NoButton);
    const Rect o2 = page.tracker()->outerRect();
    EXPECT_EQ(page.rectangleText()->text(), QStringLiteral("%1,%2 (%3 x %4)")
                                                .arg(o2.left)
                                                .arg(o2.top)
                                                .arg(o2.width())
                                                .arg(o2.height()));
    shoot(QStringLiteral("size-page-tracker"));
    page.cropButton()->click();
    EXPECT_EQ(outputSize(project()), QSize(r.width(), r.height()));
    EXPECT_EQ(page.aspectList()->currentText(), "Manual");
    EXPECT_FALSE(page.aspectList()->isEnabled());
}

TEST_F(Wizard, LightnessForThisImageIsAnOffsetOfItsOwn) {
    loadPhotos(3);
    dlg().setActiveIndex(3);
    CEditDlg& page = editPage();
    EXPECT_EQ(page.lightnessSlider()->value(), 10);
    page.thisImageButton()->click();
    page.lightnessSlider()->setValue(15);
    EXPECT_DOUBLE_EQ(project().settings().lightness, 1.0);
    const int current = project().currentImage;
    EXPECT_NEAR(project().photoAt(current - 1)->lightnessOffset, 0.5, 1e-9);
    for (int i = 0; i < project().photoCount(); ++i) {
        if (i != current - 1) {
            EXPECT_EQ(project().photoAt(i)->lightnessOffset, 0.0);
        }
    }
    page.allImagesButton()->click();
    EXPECT_EQ(page.lightnessSlider()->value(), 10);
    page.lightnessSlider()->setValue(1);
    EXPECT_DOUBLE_EQ(project().settings().lightness, 0.1);
}

TEST_F(Wizard, RemovalKeepsItsStrengthAndColoursComeFromTheChooser) {
    loadPhotos(2);
    dlg().setActiveIndex(3);
    CEditDlg& page = editPage();
    EXPECT_FALSE(page.removalSlider()->isEnabled());
    page.removalBox()->click();
    EXPECT_TRUE(project().settings().removalOn);
    EXPECT_EQ(project().settings().removalStrength, 60);
    EXPECT_TRUE(page.removalSlider()->isEnabled());
    page.removalBox()->click();
    EXPECT_FALSE(project().settings().removalOn);
    EXPECT_FALSE(page.removalSlider()->isEnabled());
    page.removalBox()->click();
    EXPECT_EQ(project().settings().removalStrength, 60);
    EXPECT_EQ(page.removalSlider()->value(), 60);

    page.frameSlider()->setValue(12);
    EXPECT_EQ(project().settings().frameWidth, 12);
    EXPECT_EQ(page.frameWidthText()->text(), "12");

    seam.colourAnswer = QColor(0, 0, 255);
    page.frameColourButton()->click();
    EXPECT_EQ(project().settings().frameColour, packColour(0, 0, 255));
    seam.colourAnswer = QColor(255, 0, 0);
    page.replacementColourButton()->click();
    EXPECT_EQ(project().settings().replacementColour, packColour(255, 0, 0));
    ASSERT_EQ(seam.customColours.size(), 16);
    EXPECT_EQ(seam.colourStart, QColor(Qt::white));
    EXPECT_EQ(seam.customColours[0], QColor(Qt::white));  // the colour being edited
    EXPECT_EQ(seam.customColours[1], QColor(0, 0, 255));  // the other one
    for (int i = 2; i < 16; ++i) EXPECT_EQ(seam.customColours[i], QColor(Qt::white)) << i;
    // Cancelling changes nothing.
    seam.colourAnswer = QColor();
    page.frameColourButton()->click();
    EXPECT_EQ(project().settings().frameColour, packColour(0, 0, 255));
    EXPECT_EQ(seam.colourDialogs, 3);
    EXPECT_FALSE(page.removalBox()->toolTip().isEmpty());
    shoot(QStringLiteral("edit-page-removal"));
}

TEST_F(Wizard, LeavingAndReturningChangesNoSettingAndKeepsTheFrames) {
    loadPhotos(4);
    Project& p = project();
    // Values the controls cannot show (outside the slider ranges) must not
    // be pulled into their range either.
    p.settings().setRotation(1);
    p.settings().outputWidth = 1500;
    p.settings().outputHeight = 5;
    p.settings().removalOn = false;
    p.settings().removalStrength = 3;
    p.settings().frameWidth = 7;
    p.settings().lightness = 5.5;
    p.photoAt(1)->lightnessOffset = -0.25;
    const ProcessingSettings before = p.settings();
    for (int i = 0; i < p.photoCount(); ++i) ASSERT_TRUE(p.processedOutputImage(i, before));
    std::vector<const RasterImage*> cached;
    for (int i = 0; i < p.photoCount(); ++i) cached.push_back(p.photoAt(i)->cachedOutput());

    for (int page : {2, 3, 2, 4, 3, 1, 2}) dlg().setActiveIndex(page);
    editPage().thisImageButton()->click();
    dlg().setActiveIndex(3);
    dlg().setActiveIndex(2);
    const ProcessingSettings& after = p.settings();
    EXPECT_TRUE(after == before);
    EXPECT_EQ(after.outputWidth, 1500);
    EXPECT_EQ(after.outputHeight, 5);
    EXPECT_EQ(after.removalStrength, 3);
    EXPECT_EQ(after.lightness, 5.5);
    EXPECT_EQ(p.photoAt(1)->lightnessOffset, -0.25);
    for (int i = 0; i < p.photoCount(); ++i) {
        EXPECT_EQ(p.photoAt(i)->cachedOutput(), cached[static_cast<std::size_t>(i)]) << i;
        EXPECT_TRUE(p.photoAt(i)->cachedSettings() == after) << i;
    }
}

TEST_F(Wizard, AFrameTooLargeToMakeIsReported) {
    ASSERT_TRUE(project().addPhotoFromImage(plainImage(2000, 1)));
    QCoreApplication::processEvents();
    dlg().setActiveIndex(2);
    CSizeDlg& page = sizePage();
    EXPECT_TRUE(seam.messages.isEmpty());
    // A thin photo turned upright: 1000 high makes it two million wide.
    page.right90Button()->click();
    type(page.widthField(), "1000");
    type(page.heightField(), "1000");
    EXPECT_TRUE(page.frameOnDisplay().isNull() || seam.messages.size() == 1);
    ASSERT_EQ(seam.messages.size(), 1) << outputSize(project()).width();
    EXPECT_TRUE(seam.messages[0].contains("too large")) << seam.messages[0].toStdString();
}

TEST_F(Wizard, SaveAfterSizeAndEditMatchesTurnpixaCli) {
#ifndef TURNPIXA_CLI
    GTEST_SKIP() << "turnpixa-cli is not built";
#else
    loadPhotos(4);
    dlg().setActiveIndex(2);
    CSizeDlg& size = sizePage();
    size.right90Button()->click();
    size.cropButton()->click();
    ASSERT_TRUE(size.drawingCrop());
    size.cropButton()->click();
    type(size.widthField(), "150");
    dlg().setActiveIndex(3);
    CEditDlg& edit = editPage();
    edit.lightnessSlider()->setValue(13);
    edit.removalBox()->click();
    edit.removalSlider()->setValue(90);
    edit.frameSlider()->setValue(6);
    seam.colourAnswer = QColor(20, 40, 60);
    edit.frameColourButton()->click();
    seam.colourAnswer = QColor(250, 240, 10);
    edit.replacementColourButton()->click();

    const ProcessingSettings& s = project().settings();
    ASSERT_TRUE(s.cropOn);
    const QString ours = QString::fromStdString(dir.file("ours"));
    const QString cli = QString::fromStdString(dir.file("cli"));
    QDir().mkpath(ours);
    QDir().mkpath(cli);
    dlg().setActiveIndex(4);
    seam.saveAnswer = ours + "/turn.htm";
    savePage().saveAsButton()->click();
    ASSERT_TRUE(project().saved) << seam.messages.join('\n').toStdString();

    const QSize shown = s.rotation % 2 ? QSize(s.outputHeight, s.outputWidth)
                                       : QSize(s.outputWidth, s.outputHeight);
    QStringList args = {"-q",
                        "--rotate",
                        QString::number(s.rotation),
                        "--crop",
                        QStringLiteral("%1,%2,%3,%4")
                            .arg(s.crop.left)
                            .arg(s.crop.top)
                            .arg(s.crop.right)
                            .arg(s.crop.bottom),
                        "--size",
                        QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height()),
                        "--lightness",
                        QString::number(s.lightness, 'g', 17),
                        "--remove-background=" + QString::number(s.removalStrength),
                        "--background-colour",
                        hex(s.replacementColour),
                        "--frame",
                        QStringLiteral("%1:%2").arg(s.frameWidth).arg(hex(s.frameColour)),
                        "-o",
                        cli + "/turn.htm"};
    for (int i = 0; i < project().photoCount(); ++i)
        args << QString::fromStdString(project().photoAt(i)->name());
    QProcess run;
    run.start(QStringLiteral(TURNPIXA_CLI), args);
    ASSERT_TRUE(run.waitForFinished(60000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();

    int compared = 0;
    QDirIterator it(ours, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = QDir(ours).relativeFilePath(path);
        QFile a(path), b(cli + "/" + rel);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly))
            << rel.toStdString();
        EXPECT_TRUE(a.readAll() == b.readAll()) << rel.toStdString() << " differs";
        ++compared;
    }
    EXPECT_EQ(compared, 7);  // page, script, 4 frames, still
#endif
}

TEST_F(Wizard, AutoCentreAndEvenLightnessUndoAsAWholeAndMatchTurnpixaCli) {
#ifndef TURNPIXA_CLI
    GTEST_SKIP() << "turnpixa-cli is not built";
#else
    // A wobbling, flickering mug, written out as the user's photo files.
    const int n = 12;
    const std::vector<MugMove> moves = mugWobble(n);
    QDir().mkpath(QString::fromStdString(dir.file("mug")));
    QStringList paths;
    for (int k = 0; k < n; ++k) {
        const std::string path = dir.file("mug") + "/mug-" + std::to_string(k + 10) + ".png";
        BufferedFile file;
        ASSERT_TRUE(file.open(path, BufferedFile::Mode::Write));
        ASSERT_TRUE(writePng(mugPhoto(k, n, moves[k], 1.0 + 0.01 * ((k * 7) % 9 - 4)), file));
        ASSERT_TRUE(file.close());
        paths << QString::fromStdString(path);
    }
    dlg().setActiveIndex(1);
    std::reverse(paths.begin(), paths.end());
    dropFiles(paths);
    ASSERT_EQ(project().photoCount(), n);

    dlg().setActiveIndex(2);
    CSizeDlg& size = sizePage();
    SeriesAdjustBox& centre = *size.centreBox();
    EXPECT_FALSE(centre.undoButton()->isEnabled());
    centre.button()->click();
    EXPECT_TRUE(centre.resultText()->text().startsWith(
        QStringLiteral("12 photos centred; largest correction ")))
        << centre.resultText()->text().toStdString();
    ASSERT_TRUE(project().settings().cropOn);  // made smaller, so that the pans fit
    EXPECT_EQ(size.cropButton()->text(), QStringLiteral("Undo Crop"));
    EXPECT_TRUE(size.panButton()->isEnabled());
    std::vector<int> pansX;
    for (int i = 0; i < n; ++i) pansX.push_back(project().photoAt(i)->panX);
    EXPECT_TRUE(std::any_of(pansX.begin(), pansX.end(), [](int x) { return x != 0; }));
    ASSERT_TRUE(centre.undoButton()->isEnabled());
    centre.undoButton()->click();
    EXPECT_FALSE(project().settings().cropOn);
    for (int i = 0; i < n; ++i) EXPECT_EQ(project().photoAt(i)->panX, 0);
    EXPECT_EQ(size.cropButton()->text(), QStringLiteral("Crop..."));
    centre.button()->click();
    for (int i = 0; i < n; ++i) EXPECT_EQ(project().photoAt(i)->panX, pansX[i]);

    dlg().setActiveIndex(3);
    SeriesAdjustBox& even = *editPage().evenBox();
    even.button()->click();
    EXPECT_TRUE(even.resultText()->text().contains(QStringLiteral("evened out")))
        << even.resultText()->text().toStdString();
    EXPECT_TRUE(even.undoButton()->isEnabled());

    const QString ours = QString::fromStdString(dir.file("ours"));
    const QString cli = QString::fromStdString(dir.file("cli"));
    QDir().mkpath(ours);
    dlg().setActiveIndex(4);
    seam.saveAnswer = ours + "/turn.htm";
    savePage().saveAsButton()->click();
    ASSERT_TRUE(project().saved) << seam.messages.join('\n').toStdString();
    const ProcessingSettings& s = project().settings();
    QStringList args = {"-q",
                        "--size",
                        QStringLiteral("%1x%2").arg(s.outputWidth).arg(s.outputHeight),
                        "--auto-center",
                        "--even-lightness",
                        "-o",
                        cli + "/turn.htm"};
    for (int i = 0; i < n; ++i) args << QString::fromStdString(project().photoAt(i)->name());
    QProcess run;
    run.start(QStringLiteral(TURNPIXA_CLI), args);
    ASSERT_TRUE(run.waitForFinished(60000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    for (int k = 0; k < n; ++k) {
        const QString rel =
            QStringLiteral("turn-turnpixa/image_%1.jpg").arg(k, 3, 10, QLatin1Char('0'));
        QFile a(ours + "/" + rel), b(cli + "/" + rel);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly))
            << rel.toStdString();
        EXPECT_TRUE(a.readAll() == b.readAll()) << rel.toStdString() << " differs";
    }
#endif
}

}  // namespace turnpixa::test

namespace turnpixa::test {

// Not a check: the Size page drawing a crop and the Edit page removing the
// background, with the sample photos, for looking at.
TEST_F(Wizard, SizeAndEditScreenshotsWithTheSamplePhotos) {
    if (qEnvironmentVariable("TURNPIXA_SCREENSHOTS").isEmpty())
        GTEST_SKIP() << "set TURNPIXA_SCREENSHOTS to a folder";
    seam.openAnswer = samplePhotos();
    dlg().setActiveIndex(1);
    importPage().browseButton()->click();
    dlg().setActiveIndex(2);
    CSizeDlg& size = sizePage();
    size.cropButton()->click();
    QTest::keyClick(size.aspectList(), Qt::Key_Down);
    QTest::keyClick(size.aspectList(), Qt::Key_Down);
    QTest::keyClick(size.aspectList(), Qt::Key_Down);
    waitFor([] { return false; }, 300);
    shoot(QStringLiteral("samples-size-tracker"));
    size.cropButton()->click();
    size.panButton()->click();
    type(size.widthField(), "300");
    waitFor([] { return false; }, 300);
    shoot(QStringLiteral("samples-size-cropped"));
    size.centreBox()->button()->click();
    waitFor([] { return false; }, 300);
    shoot(QStringLiteral("samples-size-auto-centre"));
    dlg().setActiveIndex(3);
    seam.colourAnswer = QColor(200, 225, 255);
    editPage().replacementColourButton()->click();
    editPage().removalBox()->click();
    editPage().frameSlider()->setValue(15);
    waitFor([] { return false; }, 300);
    shoot(QStringLiteral("samples-edit-removal"));
    editPage().evenBox()->button()->click();
    waitFor([] { return false; }, 300);
    shoot(QStringLiteral("samples-edit-even-lightness"));
    editPage().transparentBox()->click();
    waitFor([] { return false; }, 300);
    shoot(QStringLiteral("samples-edit-transparent"));
    dlg().setActiveIndex(4);
    savePage().webpButton()->click();
    savePage().zoomBox()->setValue(1200);
    waitFor([] { return false; }, 300);
    shoot(QStringLiteral("samples-save-webp"));
}

}  // namespace turnpixa::test
