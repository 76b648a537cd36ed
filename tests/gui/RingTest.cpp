#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>

#include "WizardFixture.h"

namespace turnpixa::test {

namespace {

QString nameOf(Project& p, int index) {
    return QFileInfo(QString::fromStdString(p.photoAt(index)->name())).fileName();
}

QStringList order(Project& p) {
    QStringList names;
    for (int i = 0; i < p.photoCount(); ++i) names << nameOf(p, i).left(7);
    return names;
}

}  // namespace

TEST_F(Wizard, DraggingAcrossThePreviewTurns) {
    loadPhotos(36);
    CImportDlg& page = importPage();
    project().currentImage = 36;
    const QPoint start = page.previewRect().center();
    mouse(&page, QEvent::MouseMove, start, Qt::NoButton, Qt::NoButton);
    mouse(&page, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    mouse(&page, QEvent::MouseMove, start + QPoint(9, 0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(project().currentImage, 2);
    // Nine moves of one pixel step two photos.
    QPoint pos = start + QPoint(9, 0);
    for (int i = 0; i < 9; ++i) {
        pos += QPoint(1, 0);
        mouse(&page, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
    }
    EXPECT_EQ(project().currentImage, 4);
    // Back to the left, with the spin reversed: left means forward.
    project().reverseSpin = true;
    pos -= QPoint(5, 0);  // 1 left over + (-5) = -4: one step
    mouse(&page, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(project().currentImage, 5);
    mouse(&page, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    // Without the button held nothing turns.
    mouse(&page, QEvent::MouseMove, pos + QPoint(40, 0), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(project().currentImage, 5);
    EXPECT_EQ(page.cursor().shape(), Qt::SizeHorCursor);
}

TEST_F(Wizard, ClickingAThumbnailSelectsIt) {
    loadPhotos(8);
    CImportDlg& page = importPage();
    const QPoint c = page.thumbnailCentre(6);
    mouse(&page, QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
    mouse(&page, QEvent::MouseButtonRelease, c, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(project().currentImage, 6);
    EXPECT_EQ(order(project()).join(','),
              "photo01,photo02,photo03,photo04,photo05,photo06,photo07,photo08");
}

TEST_F(Wizard, DraggingTheFirstPhotoOntoTheFifthSpokePutsItFifth) {
    loadPhotos(8);
    CImportDlg& page = importPage();
    const QRect ring = page.ringRect();
    const QPoint centre(ring.left() + ring.width() / 2, ring.top() + ring.height() / 2);
    const QPoint fifth = page.thumbnailCentre(5);
    const QPoint onSpoke = centre + (fifth - centre) * 3 / 4;
    const QPoint from = page.thumbnailCentre(1);
    mouse(&page, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(&page, QEvent::MouseMove, from + QPoint(5, 5), Qt::NoButton, Qt::LeftButton);
    // The drag cursor is the thumbnail (100 x 100), with its hot spot in the middle.
    EXPECT_EQ(page.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(page.cursor().pixmap().size(), QSize(100, 100));
    EXPECT_EQ(page.cursor().hotSpot(), QPoint(50, 50));
    mouse(&page, QEvent::MouseMove, onSpoke, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(page.dropTargetNumber(), 5);
    mouse(&page, QEvent::MouseButtonRelease, onSpoke, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(order(project()).join(','),
              "photo02,photo03,photo04,photo05,photo01,photo06,photo07,photo08");
    EXPECT_EQ(page.dropTargetNumber(), 0);
    EXPECT_NE(page.cursor().shape(), Qt::BitmapCursor);
    // Reordering changes neither the start image nor the current number.
    EXPECT_EQ(project().startImage(), 1);
    EXPECT_EQ(project().currentImage, 1);
}

TEST_F(Wizard, ContextMenuSetsTheStartImageAndRemovesPhotos) {
    loadPhotos(5);
    CImportDlg& page = importPage();
    project().currentImage = 2;

    seam.menuAnswer = 0;
    mouse(&page, QEvent::MouseButtonPress, page.thumbnailCentre(3), Qt::RightButton,
          Qt::RightButton);
    ASSERT_EQ(seam.menus.size(), 1);
    EXPECT_EQ(seam.menus[0], QStringLiteral("Set Start Image|Remove this Image"));
    EXPECT_EQ(project().startImage(), 3);
    EXPECT_EQ(project().settings().startImage, 3);

    // On the preview only "Set Start Image" is offered, for the current photo.
    mouse(&page, QEvent::MouseButtonPress, page.previewRect().center(), Qt::RightButton,
          Qt::RightButton);
    ASSERT_EQ(seam.menus.size(), 2);
    EXPECT_EQ(seam.menus[1], QStringLiteral("Set Start Image"));
    EXPECT_EQ(project().startImage(), 2);

    // Remove photo 1 while photo 2 is current: the current photo stays the
    // same photo, now numbered 1; the start image number does not change.
    seam.menuAnswer = 1;
    mouse(&page, QEvent::MouseButtonPress, page.thumbnailCentre(1), Qt::RightButton,
          Qt::RightButton);
    EXPECT_EQ(project().photoCount(), 4);
    EXPECT_EQ(order(project()).join(','), "photo02,photo03,photo04,photo05");
    EXPECT_EQ(project().currentImage, 1);
    EXPECT_EQ(project().startImage(), 2);

    // Remove the current photo 1: photo 2 is selected first and becomes 1.
    page.removePhoto(1);
    EXPECT_EQ(order(project()).join(','), "photo03,photo04,photo05");
    EXPECT_EQ(project().currentImage, 1);

    // Out of range does nothing; the last photo leaves nothing on display.
    page.removePhoto(0);
    page.removePhoto(4);
    EXPECT_EQ(project().photoCount(), 3);
    page.removePhoto(3);
    page.removePhoto(2);
    page.removePhoto(1);
    EXPECT_EQ(project().photoCount(), 0);
    EXPECT_EQ(project().currentImage, 0);
    EXPECT_TRUE(page.frameOnDisplay().isNull());

    // Outside thumbnails and preview no menu opens.
    mouse(&page, QEvent::MouseButtonPress, QPoint(page.width() / 2, page.height() / 2),
          Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(seam.menus.size(), 3);
}

}  // namespace turnpixa::test
