#include <gtest/gtest.h>
#include <QDir>

#include "app/HelpOpener.h"
#include "tests/support/TempDir.h"

namespace turnpixa::test {

TEST(HelpFolder, BesideTheProgramThenInAPackagesShareFolder) {
    TempDir dir;
    const QString root = QString::fromStdString(dir.path().string());
    const QString bin = root + QStringLiteral("/usr/bin");
    const QString shared = root + QStringLiteral("/usr/share/turnpixa/TurnPixa-help");
    ASSERT_TRUE(QDir().mkpath(bin));
    const HelpOpener help(bin);
    // Neither there: the folder beside the program is the one to name.
    EXPECT_EQ(help.helpFolder(), bin + QStringLiteral("/TurnPixa-help"));
    ASSERT_TRUE(QDir().mkpath(shared));
    EXPECT_EQ(help.helpFolder(), shared);
    // A copy beside the program (a build folder, the installer's) comes first.
    ASSERT_TRUE(QDir().mkpath(bin + QStringLiteral("/TurnPixa-help")));
    EXPECT_EQ(help.helpFolder(), bin + QStringLiteral("/TurnPixa-help"));
}

}  // namespace turnpixa::test
