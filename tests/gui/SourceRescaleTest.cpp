#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "WizardFixture.h"
#include "app/RasterImageQt.h"

namespace turnpixa::test {

namespace {

void type(QLineEdit* field, const QString& text) {
    field->selectAll();
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

}  // namespace

TEST_F(Wizard, ALargerSizeDecodesTheSourcesAgainInTheBackgroundAndTheFramesFollow) {
    seam.openAnswer = samplePhotos(6);
    ASSERT_EQ(seam.openAnswer.size(), 6);
    dlg().setActiveIndex(1);
    importPage().browseButton()->click();
    Project& p = project();
    ASSERT_EQ(p.photoCount(), 6);
    for (int i = 0; i < 6; ++i) ASSERT_EQ(p.photoAt(i)->eighths(), 4) << "400 wide from 1600";

    dlg().setActiveIndex(2);
    CSizeDlg& page = sizePage();
    type(page.widthField(), QStringLiteral("1000"));
    // At once: a quick frame of the new size, the decode running elsewhere
    // and the progress line saying so; nothing decoded on this thread.
    const Photo* current = p.photoAt(p.currentImage - 1);
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->eighths(), 4);
    EXPECT_EQ(page.frameOnDisplay().size(), QSize(1000, 750));
    EXPECT_TRUE(current->cachedSettings().quick);
    EXPECT_TRUE(p.sourceRescaler().running());
    EXPECT_TRUE(dlg().sourceProgressText()->isVisible());
    EXPECT_TRUE(dlg().sourceProgressBar()->isVisible());
    EXPECT_EQ(dlg().sourceProgressText()->text(), "Preparing the photos for the new size: 0 of 6");
    // The page stays usable meanwhile.
    const int before = p.currentImage;
    page.nextButton()->click();
    EXPECT_EQ(p.currentImage, before % 6 + 1);

    ASSERT_TRUE(waitFor([&] { return !p.sourceRescaler().running(); }));
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(p.photoAt(i)->eighths(), 8) << i;
        EXPECT_EQ(p.photoAt(i)->source().width(), 1600) << i;
    }
    EXPECT_FALSE(dlg().sourceProgressText()->isVisible());
    EXPECT_FALSE(dlg().sourceProgressBar()->isVisible());

    // The frames follow: the current one on the page, the others from the
    // pass, every one full quality from the sharper source.
    ASSERT_TRUE(waitFor([&] {
        for (int i = 0; i < p.photoCount(); ++i) {
            const Photo* photo = p.photoAt(i);
            if (!photo->cachedOutput() || !(photo->cachedSettings() == p.settings()) ||
                photo->cachedSettings().quick)
                return false;
        }
        return true;
    }));
    const Photo* shown = p.photoAt(p.currentImage - 1);
    EXPECT_EQ(page.frameOnDisplay(), toQImage(*shown->cachedOutput()));
    EXPECT_EQ(page.widthField()->text(), "1000");
    EXPECT_TRUE(seam.warnings.isEmpty() && seam.messages.isEmpty());
}

TEST_F(Wizard, LeavingTheSizePageMidwayLetsTheSourcesArriveOnTheNextPage) {
    seam.openAnswer = samplePhotos(8);
    dlg().setActiveIndex(1);
    importPage().browseButton()->click();
    ASSERT_EQ(project().photoCount(), 8);
    dlg().setActiveIndex(2);
    type(sizePage().widthField(), QStringLiteral("1000"));
    ASSERT_TRUE(project().sourceRescaler().running());
    dlg().setActiveIndex(3);
    EXPECT_TRUE(dlg().sourceProgressText()->isVisible()) << "the line belongs to the window";
    // The Edit page's own change meanwhile is kept and makes the frames too.
    editPage().frameSlider()->setValue(12);
    Project& p = project();
    ASSERT_TRUE(waitFor([&] {
        for (int i = 0; i < p.photoCount(); ++i) {
            const Photo* photo = p.photoAt(i);
            if (photo->eighths() != 8 || !photo->cachedOutput() ||
                !(photo->cachedSettings() == p.settings()) || photo->cachedSettings().quick)
                return false;
        }
        return true;
    }));
    EXPECT_EQ(p.settings().frameWidth, 12);
    EXPECT_EQ(editPage().frameOnDisplay(),
              toQImage(*p.photoAt(p.currentImage - 1)->cachedOutput()));
    EXPECT_FALSE(dlg().sourceProgressText()->isVisible());
}

TEST_F(Wizard, ClosingTheWindowWhileSourcesAreDecodedIsSafe) {
    seam.openAnswer = samplePhotos(12);
    dlg().setActiveIndex(1);
    importPage().browseButton()->click();
    ASSERT_EQ(project().photoCount(), 12);
    dlg().setActiveIndex(2);
    type(sizePage().widthField(), QStringLiteral("1000"));
    ASSERT_TRUE(project().sourceRescaler().running());
    QCoreApplication::processEvents();
    dlg().close();
    app.reset();  // joins the workers after the decodes in progress
}

}  // namespace turnpixa::test

namespace turnpixa::test {

// Not a check: the Size page while the sample photos are decoded again for
// a larger size, and once they are in, for looking at.
TEST_F(Wizard, LargerSizeScreenshotsWithTheSamplePhotos) {
    if (qEnvironmentVariable("TURNPIXA_SCREENSHOTS").isEmpty())
        GTEST_SKIP() << "set TURNPIXA_SCREENSHOTS to a folder";
    seam.openAnswer = samplePhotos(36);
    dlg().setActiveIndex(1);
    importPage().browseButton()->click();
    dlg().setActiveIndex(2);
    waitFor([] { return false; }, 1500);
    type(sizePage().widthField(), QStringLiteral("900"));
    shoot(QStringLiteral("rescale-started"));
    waitFor([&] { return project().sourceRescaler().done() >= 12; });
    shoot(QStringLiteral("rescale-midway"));
    waitFor([&] { return !project().sourceRescaler().running(); });
    waitFor([] { return false; }, 1500);
    shoot(QStringLiteral("rescale-done"));
}

}  // namespace turnpixa::test
