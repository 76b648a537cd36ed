#include <QDir>
#include <QFileInfo>

#include "WizardFixture.h"
#include "app/StartPhotos.h"

namespace turnpixa::test {

TEST_F(Wizard, StartArgumentsTakeOnlyPathsOfFiles) {
    const QStringList photos = makePhotos(2);
    const QString folder = QFileInfo(photos[0]).absolutePath();
    const QString savedCwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder));
    // Options a user might type are not taken, even when a file of that
    // name exists; neither are folders, missing files or empty words.
    writeWholeFile(dir.file("photos/--strict"), "x");
    const QStringList taken = photoPathsFromArguments(
        {QStringLiteral("--help"), photos[0], QStringLiteral("-q"), QStringLiteral("--strict"),
         QString(), folder, folder + QStringLiteral("/missing.jpg"), QStringLiteral("-"),
         QFileInfo(photos[1]).fileName()});
    QDir::setCurrent(savedCwd);
    EXPECT_EQ(taken, QStringList({photos[0], photos[1]}));
    EXPECT_TRUE(photoPathsFromArguments({}).isEmpty());
}

TEST_F(Wizard, PhotosGivenAtStartOpenOnTheLoadPage) {
    QStringList paths = makePhotos(2);
    writeWholeFile(dir.file("notes.txt"), "not a picture");
    paths.insert(1, QString::fromStdString(dir.file("notes.txt")));
    openPhotosAtStart(*app, paths);
    EXPECT_EQ(project().photoCount(), 0);  // not before the window runs its events
    ASSERT_TRUE(waitFor([&] { return project().photoCount() == 2 && !project().importing; }));
    EXPECT_EQ(dlg().activeIndex(), 1);
    EXPECT_EQ(QString::fromStdString(project().photoAt(0)->name()), paths[0]);
    EXPECT_EQ(QString::fromStdString(project().photoAt(1)->name()), paths[2]);
    // The file that is no picture is named to the user, as for a drop.
    ASSERT_EQ(seam.warnings.size(), 1);
    EXPECT_TRUE(seam.warnings[0].contains(QStringLiteral("notes.txt")))
        << seam.warnings[0].toStdString();
}

}  // namespace turnpixa::test
