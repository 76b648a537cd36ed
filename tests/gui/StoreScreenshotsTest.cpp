#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "WizardFixture.h"

namespace turnpixa::test {

// Not a check: the pictures software centres show (resources/screenshots/),
// taken once the background work has settled.
TEST_F(Wizard, SoftwareCentreScreenshots) {
    if (qEnvironmentVariable("TURNPIXA_SCREENSHOTS").isEmpty())
        GTEST_SKIP() << "set TURNPIXA_SCREENSHOTS to a folder";
    dlg().resize(1280, 720);
    const auto settle = [&] {
        waitFor([&] { return !project().sourceRescaler().running(); }, 60000);
        waitFor([] { return false; }, 2500);  // the pre-render pass
    };
    seam.openAnswer = samplePhotos();
    dlg().setActiveIndex(1);
    importPage().browseButton()->click();
    ASSERT_EQ(project().photoCount(), 36);
    settle();
    shoot(QStringLiteral("load-photos"));

    dlg().setActiveIndex(3);
    seam.colourAnswer = QColor(200, 225, 255);
    editPage().replacementColourButton()->click();
    editPage().removalBox()->click();
    editPage().frameSlider()->setValue(15);
    settle();
    shoot(QStringLiteral("edit"));

    dlg().setActiveIndex(4);
    settle();
    shoot(QStringLiteral("save"));

    // The crop being drawn, last: it is not applied.
    dlg().setActiveIndex(2);
    CSizeDlg& size = sizePage();
    size.cropButton()->click();
    QTest::keyClick(size.aspectList(), Qt::Key_Down);
    QTest::keyClick(size.aspectList(), Qt::Key_Down);
    settle();
    shoot(QStringLiteral("size"));
}

}  // namespace turnpixa::test
