// Photos shot in rows at several camera heights: the Size page's "Rows"
// list, tilting on the preview, and a save in rows.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "WizardFixture.h"
#include "tests/support/TempDir.h"

namespace turnpixa::test {

namespace {

QList<int> offered(QComboBox* list) {
    QList<int> rows;
    for (int i = 0; i < list->count(); ++i) rows << list->itemData(i).toInt();
    return rows;
}

}  // namespace

TEST_F(Wizard, RowsListOffersTheDivisorsAndIsNeverSetBackFromTheProject) {
    loadPhotos(12);
    dlg().setActiveIndex(2);
    CSizeDlg& page = sizePage();
    QComboBox* rows = page.rowsList();
    EXPECT_EQ(offered(rows), (QList<int>{1, 2, 3, 4, 6, 12}));
    EXPECT_EQ(rows->itemText(2), "3 rows of 4");
    EXPECT_TRUE(rows->isEnabled());
    EXPECT_EQ(rows->currentIndex(), 0);
    EXPECT_FALSE(page.rowsText()->isVisibleTo(&page));

    // As the user chooses: the list's keys.
    QTest::keyClick(rows, Qt::Key_Down);
    QTest::keyClick(rows, Qt::Key_Down);
    EXPECT_EQ(project().rows, 3);
    EXPECT_TRUE(page.rowsText()->isVisibleTo(&page));
    EXPECT_TRUE(page.rowsText()->text().startsWith("Row 3 of 3, photo 4 of 4"))  // the last loaded
        << page.rowsText()->text().toStdString();

    // Rows the count cannot take are kept, shown as one row and said so;
    // coming back to the page does not write the list's choice back.
    project().rows = 5;
    dlg().setActiveIndex(3);
    dlg().setActiveIndex(2);
    EXPECT_EQ(rows->currentIndex(), 0);
    EXPECT_EQ(project().rows, 5);
    EXPECT_EQ(page.rowsText()->text(),
              "5 rows need a multiple of 5 photos: the 12 photos are one row.");
    EXPECT_EQ(project().spinRows().rows(), 1);

    // With fewer photos the list follows; one photo has no rows to choose.
    page.removePhoto(12);
    EXPECT_EQ(offered(rows), (QList<int>{1, 11}));
    EXPECT_TRUE(rows->isEnabled());
    for (int n = 11; n > 1; --n) page.removePhoto(n);
    EXPECT_EQ(offered(rows), (QList<int>{1}));
    EXPECT_FALSE(rows->isEnabled());
    EXPECT_EQ(project().rows, 5);
}

TEST_F(Wizard, DraggingUpAndDownThePreviewTiltsBetweenRows) {
    loadPhotos(12);
    dlg().setActiveIndex(2);
    CSizeDlg& page = sizePage();
    project().currentImage = 2;
    const QPoint c = page.previewRect().center();
    const auto drag = [&](QPoint by) {
        mouse(&page, QEvent::MouseMove, c, Qt::NoButton, Qt::NoButton);
        mouse(&page, QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
        mouse(&page, QEvent::MouseMove, c + by, Qt::NoButton, Qt::LeftButton);
        mouse(&page, QEvent::MouseButtonRelease, c + by, Qt::LeftButton, Qt::NoButton);
        return project().currentImage;
    };
    // One row: a vertical drag turns nothing.
    EXPECT_EQ(drag({0, 12}), 2);

    QTest::keyClick(page.rowsList(), Qt::Key_Down);
    QTest::keyClick(page.rowsList(), Qt::Key_Down);
    ASSERT_EQ(project().rows, 3);
    EXPECT_EQ(drag({0, 4}), 6);  // one row down, same column
    mouse(&page, QEvent::MouseMove, c, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(page.cursor().shape(), Qt::SizeAllCursor);
    EXPECT_EQ(drag({0, 40}), 10);  // clamped at the last row
    EXPECT_EQ(drag({0, -5}), 6);   // one row up
    EXPECT_TRUE(page.rowsText()->text().startsWith("Row 2 of 3, photo 2 of 4"));
    EXPECT_EQ(drag({-8, 0}), 8);  // turning wraps round the row
    EXPECT_EQ(drag({8, 0}), 6);
    EXPECT_EQ(page.imageNumberText()->text(), "6 of 12");
    // The arrows go on through all photos, row after row.
    project().currentImage = 8;
    page.nextButton()->click();
    EXPECT_EQ(project().currentImage, 9);
    EXPECT_TRUE(page.rowsText()->text().startsWith("Row 3 of 3, photo 1 of 4"));
}

// The Save page writes the rows into the page, turns its preview round the
// row it shows, and copies the rows into the snippets.
TEST_F(Wizard, ASaveInRowsNamesTheRows) {
    loadPhotos(12);
    project().rows = 3;
    project().chooseStartImage(6);
    dlg().setActiveIndex(4);
    CSaveDlg& page = savePage();
    EXPECT_EQ(page.previewPosition(), 6);
    const QPoint c = page.previewRect().center();
    mouse(&page, QEvent::MouseMove, c, Qt::NoButton, Qt::NoButton);
    mouse(&page, QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
    mouse(&page, QEvent::MouseMove, c + QPoint(12, 0), Qt::NoButton, Qt::LeftButton);
    mouse(&page, QEvent::MouseButtonRelease, c + QPoint(12, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(page.previewPosition(), 5);  // 6 + 3 round the row 5-8

    const QString folder = QString::fromStdString(dir.file("out"));
    QDir().mkpath(folder);
    seam.saveAnswer = folder + "/tilt";
    page.saveAsButton()->click();
    ASSERT_TRUE(project().saved);
    QFile file(folder + "/tilt.htm");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        file.readAll().contains("AddTurnPixa('turnpixa1','tilt-turnpixa/image_',12,0,4,"
                                "'.jpg',{rows:3});"));
    EXPECT_TRUE(page.statusLine()->text().contains("3 rows of 4 photos."));
    const SnippetImage image = page.snippetImage();
    EXPECT_EQ(image.rows, 3);
    EXPECT_EQ(image.startFrame, 4);
}

TEST_F(Wizard, SizePageInRowsScreenshot) {
    if (qEnvironmentVariable("TURNPIXA_SCREENSHOTS").isEmpty())
        GTEST_SKIP() << "set TURNPIXA_SCREENSHOTS to a folder";
    seam.openAnswer = samplePhotos();
    dlg().setActiveIndex(1);
    importPage().browseButton()->click();
    dlg().setActiveIndex(2);
    CSizeDlg& size = sizePage();
    size.rowsList()->setFocus();
    QTest::keyClick(size.rowsList(), Qt::Key_Down);
    QTest::keyClick(size.rowsList(), Qt::Key_Down);
    project().currentImage = 14;
    size.selectPhoto(14);
    waitFor([] { return false; }, 300);
    shoot(QStringLiteral("samples-size-rows"));
}

}  // namespace turnpixa::test
