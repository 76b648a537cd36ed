// Programs the script runs, installed silently by the unprivileged user in a
// temporary HOME: whether they run, and what is said about how they ended.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "installer/Installer.h"
#include "tests/installer/InstallerTestSupport.h"

namespace turnpixa::setup {
namespace {

using namespace test;
namespace fs = std::filesystem;

std::string script(const std::string& body) {
    return "[Project Name]\nDemo\n[Install To]\n<Program Files>\\Demo\n[NoTestAdmin]\n"
           "[CopyFile]\nfile.txt\n<Destination>\\file.txt\n" +
           body;
}

std::string package(const std::vector<std::pair<std::string, std::string>>& entries) {
    return buildPackage(readFile(SETUP_TURNPIXA), entries);
}

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

RunResult uninstallAsUser(const TempFolder& t) {
    const std::string data = t / "home/.local/share/BriskInstaller";
    return runAsUser({data + "/BriskUninstall.exe", "<Silent>",
                      "<uninstall>" + data + "/BriskUninstall-Demo.dat"},
                     {{"HOME", t / "home"}, {"TMPDIR", t / "tmp"}, {"PATH", "/usr/bin:/bin"}});
}

TEST(RunFile, PackagedProgramRunsEveryTimeAndItsFileGoesAfterwards) {
    // The shell opens the script only after it was started, often after a
    // run that is not waited for has returned.
    const std::string pkg =
        package({{"Setup.dat", script("[RunFile]\n<TempInstall>\\hello.sh\nrun\n\n"
                                      "[RunAndWaitFile]\n<TempInstall>\\hello.sh\nwait\n\n")},
                 {"file.txt", "text"},
                 {"hello.sh", "#!/bin/sh\necho \"$1\" >> \"$HOME/ran\"\n"}});
    TempFolder t;
    const auto before = userEntriesInSharedFolders();
    for (int i = 1; i <= 5; ++i) {
        const RunResult r = installAsUser(t, pkg);  // returns once the program closed stderr
        ASSERT_EQ(r.status, 0) << r.errors;
        const std::string ran = readFile(t / "home/ran");
        EXPECT_EQ(count(ran, "run\n"), i) << "install " << i << ": " << r.errors;
        EXPECT_EQ(count(ran, "wait\n"), i);
        // What a run still held is left for the next run to delete.
        EXPECT_LE(std::distance(fs::directory_iterator(t / "tmp"), fs::directory_iterator()), 1);
    }
    const RunResult r = uninstallAsUser(t);
    EXPECT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(fs::is_empty(t / "tmp"));
    EXPECT_EQ(userEntriesInSharedFolders(), before);
}

TEST(RunFile, OnlyAProgramThatCannotStartIsReportedAsNotRunning) {
    TempFolder t;
    const std::string body =
        "[RunAndWaitFile]\n<TempInstall>\\fails.sh\n\n\n"
        "[RunAndWaitFile]\n<Destination>\\missing.exe\n\n\n"
        "[UninstallAction]\n/bin/sh\n-c \"exit 5\"\n"
        "[UninstallAction]\n<Destination>\\gone.exe\n\n";
    const RunResult r = installAsUser(
        t, package({{"Setup.dat", script(body)},
                    {"file.txt", "text"},
                    {"fails.sh", "#!/bin/sh\necho \"failing as asked\" >&2\nexit 4\n"}}));
    EXPECT_EQ(r.status, 0) << r.errors;
    EXPECT_NE(r.errors.find("failing as asked"), std::string::npos) << r.errors;
    EXPECT_EQ(count(r.errors, "Error whilst running"), 1) << r.errors;
    EXPECT_NE(r.errors.find("Error whilst running '" + (t / "home/.local/opt/Demo/missing.exe")),
              std::string::npos)
        << r.errors;

    const RunResult u = uninstallAsUser(t);
    EXPECT_EQ(u.status, 0) << u.errors;
    EXPECT_EQ(count(u.errors, "Error whilst running"), 1) << u.errors;
    EXPECT_NE(u.errors.find("Error whilst running '" + (t / "home/.local/opt/Demo/gone.exe")),
              std::string::npos)
        << u.errors;
}

TEST(RunFile, ContainerTakesInnerInstallersAtTheirWord) {
    const auto container = [](const std::vector<int>& statuses) {
        std::vector<std::pair<std::string, std::string>> entries{
            {"Setup.dat", "[InstallContainer]\n"}};
        for (std::size_t i = 0; i < statuses.size(); ++i)
            entries.emplace_back("inner" + std::to_string(i) + ".sh",
                                 "#!/bin/sh\nexit " + std::to_string(statuses[i]) + "\n");
        return package(entries);
    };
    TempFolder installed, restart, cancelled, failed;
    EXPECT_EQ(installAsUser(installed, container({0, 0})).status, kExitInstalled);
    RunResult r = installAsUser(restart, container({3, 0}));
    EXPECT_EQ(r.status, kExitRestartNeeded) << r.errors;
    r = installAsUser(cancelled, container({0, 1, 0}));
    EXPECT_EQ(r.status, kExitFailed);
    EXPECT_NE(r.errors.find("Running Install 3 of 3"), std::string::npos) << r.errors;
    EXPECT_NE(r.errors.find("an installer was cancelled"), std::string::npos) << r.errors;
    EXPECT_EQ(count(r.errors, "Error whilst running"), 0) << r.errors;
    r = installAsUser(failed, container({2}));
    EXPECT_EQ(r.status, kExitFailed);
    EXPECT_NE(r.errors.find("an installer failed"), std::string::npos) << r.errors;
}

}  // namespace
}  // namespace turnpixa::setup
