// Install and uninstall in-process against folders in a temporary place.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>

#include "installer/InstallWorker.h"
#include "installer/Installer.h"
#include "installer/PendingMoves.h"
#include "installer/RegistryStore.h"
#include "installer/UninstallRecord.h"
#include "installer/Uninstaller.h"
#include "tests/installer/InstallerTestSupport.h"

namespace turnpixa::setup {
namespace {

using namespace test;
namespace fs = std::filesystem;

std::string record(const TempFolder& t, const std::string& project) {
    return uninstallRecordPath(foldersIn(t), project);
}

int install(const TempFolder& t, const std::string& project, const std::string& body,
            const std::vector<std::pair<std::string, std::string>>& files,
            std::vector<std::string> args = {"--silent"}) {
    std::vector<std::pair<std::string, std::string>> entries{
        {"setup.dat", "[Project Name]\r\n" + project +
                          "\r\n[ProgramVersion]\r\n1.0\r\n[Install To]\r\n<Program Files>\\" +
                          project + "\r\n" + body}};
    entries.insert(entries.end(), files.begin(), files.end());
    writeFile(t / "pkg", buildPackage("STUB", entries));
    ScriptedUi ui;
    return installSilently(t / "pkg", parseCommandLine(args), ui, foldersIn(t), 0);
}

int uninstallSilently(const TempFolder& t, const std::string& project, ScriptedUi& ui) {
    return uninstall(record(t, project), true, ui, foldersIn(t));
}

const std::string kDemo =
    "[CopyFile]\r\nprog\r\n<Destination>\\demo\r\n"
    "[CopyFile]\r\nlib\r\n<Destination>\\lib\\plugins\\p.so\r\n"
    "[CreateIcon]\r\n<Destination>\\demo\r\n<Start Programs>\\Demo\\Demo.lnk\r\n\r\n\r\n"
    "[CreateIcon]\r\n<Destination>\\demo\r\n<DeskTop>\\Demo.lnk\r\n\r\n\r\n"
    "[Registry]\r\nHKCU\r\nSoftware\\Demo\r\nSTRING\r\nPath\r\n<Destination>\r\n";

TEST(Uninstall, RemovesEverythingItInstalledAndNothingElse) {
    TempFolder t;
    fs::create_directories(t / "home/Apps");  // the user's own, empty
    const std::string dest = t / "home/Apps/Demo";
    ASSERT_EQ(install(t, "Demo", kDemo, {{"prog", "#!/bin/sh\n"}, {"lib", "L"}},
                      {"--silent", "--installto", dest}),
              kExitInstalled);
    ASSERT_TRUE(fs::exists(dest + "/lib/plugins/p.so"));
    ASSERT_TRUE(fs::is_symlink(t / "home/bin/demo"));
    // The record holds the real destination, every line ended by CR LF.
    const std::string text = readFile(record(t, "Demo"));
    EXPECT_NE(text.find("[Install To]\r\n" + toScriptFolder(dest) + "\r\n"), std::string::npos);
    EXPECT_EQ(readFile(t / "home/data/BriskInstaller/BriskUninstall.exe"), "STUB");
    RegistryStore reg(t / "home/data/BriskInstaller/registry");
    const std::string key = std::string(kUninstallKey) + "Demo";
    ASSERT_TRUE(reg.get("HKLM", key, "UninstallString"));
    EXPECT_EQ(reg.get("HKLM", key, "UninstallString")->data,
              "\"" + (t / "home/data/BriskInstaller/BriskUninstall.exe") + "\" <uninstall>" +
                  record(t, "Demo"));
    ASSERT_TRUE(reg.get("HKCU", "Software\\Demo", "Path"));

    ScriptedUi ui;
    ASSERT_EQ(uninstallSilently(t, "Demo", ui), kExitInstalled);
    EXPECT_TRUE(ui.shown.empty());  // silent: no question, no final message
    EXPECT_FALSE(fs::exists(dest));
    EXPECT_TRUE(fs::is_directory(t / "home/Apps"));
    EXPECT_FALSE(fs::exists(t / "home/data/applications/Demo"));
    EXPECT_TRUE(fs::is_directory(t / "home/data/applications"));
    EXPECT_FALSE(fs::exists(t / "home/Desktop/Demo.desktop"));
    EXPECT_TRUE(fs::is_directory(t / "home/Desktop"));
    EXPECT_FALSE(fs::is_symlink(t / "home/bin/demo"));
    EXPECT_FALSE(fs::exists(record(t, "Demo")));
    EXPECT_TRUE(fs::exists(t / "home/data/BriskInstaller/BriskUninstall.exe"));
    EXPECT_FALSE(reg.get("HKLM", key, "InstallTo"));
    EXPECT_FALSE(reg.get("HKCU", "Software\\Demo", "Path"));
    EXPECT_FALSE(
        reg.get("HKLM", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\demo", ""));
}

TEST(Uninstall, SparesFilesAnotherProductListsWithItsOwnDestination) {
    TempFolder t;
    const std::string body =
        "[CopyFile]\r\nf\r\n<Program Files>\\Shared\\common.txt\r\n"
        "[CopyFile]\r\nf\r\n<Destination>\\readme.txt\r\n";
    ASSERT_EQ(install(t, "One", body, {{"f", "1"}}), kExitInstalled);
    ASSERT_EQ(install(t, "Two", body, {{"f", "2"}}), kExitInstalled);
    // A program link of the user's that points elsewhere stays.
    fs::create_directories(t / "home/bin");
    fs::create_symlink("/bin/true", t / "home/bin/readme.txt");

    ScriptedUi ui;
    ASSERT_EQ(uninstallSilently(t, "One", ui), kExitInstalled);
    EXPECT_TRUE(fs::exists(t / "home/opt/Shared/common.txt"));
    EXPECT_FALSE(fs::exists(t / "home/opt/One"));  // its own readme went
    EXPECT_TRUE(fs::exists(t / "home/opt/Two/readme.txt"));
    EXPECT_TRUE(fs::is_symlink(t / "home/bin/readme.txt"));

    ASSERT_EQ(uninstallSilently(t, "Two", ui), kExitInstalled);
    EXPECT_FALSE(fs::exists(t / "home/opt/Shared"));
    EXPECT_TRUE(fs::is_directory(t / "home/opt"));
}

TEST(Uninstall, MissingRegistryValueTouchesNothingOutsideTheInstallFolder) {
    TempFolder t;
    const std::string body =
        "[CopyFile]\r\nf\r\n<Destination>\\a.txt\r\n"
        "[CreateIcon]\r\n<Destination>\\a.txt\r\n<Start Programs>\\A.lnk\r\n\r\n\r\n";
    ASSERT_EQ(install(t, "Demo", body, {{"f", "A"}}), kExitInstalled);
    RegistryStore reg(t / "home/data/BriskInstaller/registry");
    ASSERT_TRUE(reg.removeValue("HKLM", std::string(kUninstallKey) + "Demo", "InstallTo"));
    ScriptedUi ui;
    // The record's own [Install To] serves.
    ASSERT_EQ(uninstallSilently(t, "Demo", ui), kExitInstalled);
    EXPECT_FALSE(fs::exists(t / "home/opt/Demo"));

    // With neither, every <Destination> path is skipped.
    ASSERT_EQ(install(t, "Demo", body, {{"f", "A"}}), kExitInstalled);
    ASSERT_TRUE(reg.removeValue("HKLM", std::string(kUninstallKey) + "Demo", "InstallTo"));
    std::string text = readFile(record(t, "Demo"));
    text.replace(text.find("[Install To]"), 12, "[Comment]");
    writeFile(record(t, "Demo"), text);
    ASSERT_EQ(uninstallSilently(t, "Demo", ui), kExitInstalled);
    EXPECT_TRUE(fs::exists(t / "home/opt/Demo/a.txt"));
    EXPECT_FALSE(fs::exists(t / "home/data/applications/A.desktop"));
    EXPECT_FALSE(fs::exists(record(t, "Demo")));
}

TEST(Uninstall, OnlyRecordsInTheDataFolderAreAccepted) {
    TempFolder t;
    ASSERT_EQ(install(t, "Demo", "[CopyFile]\r\nf\r\n<Destination>\\a.txt\r\n", {{"f", "A"}}),
              kExitInstalled);
    const std::string copy = t / "BriskUninstall-Demo.dat";
    fs::copy_file(record(t, "Demo"), copy);
    writeFile(t / "victim.dat", "x");
    writeFile(t / "victim.bmp", "x");
    ScriptedUi ui;
    const Folders f = foldersIn(t);
    EXPECT_EQ(uninstall(t / "victim.dat", true, ui, f), kExitUsage);
    EXPECT_EQ(uninstall(copy, true, ui, f), kExitUsage);
    EXPECT_EQ(uninstall(f.dataFolder + "/other.dat", true, ui, f), kExitUsage);
    EXPECT_EQ(uninstall(f.dataFolder + "/BriskUninstall-.dat", true, ui, f), kExitUsage);
    EXPECT_TRUE(fs::exists(t / "victim.dat"));
    EXPECT_TRUE(fs::exists(t / "victim.bmp"));
    EXPECT_TRUE(fs::exists(copy));
    EXPECT_TRUE(fs::exists(t / "home/opt/Demo/a.txt"));
    // Reached through "..", the data folder is still the data folder.
    EXPECT_EQ(uninstall(f.dataFolder + "/../BriskInstaller/BriskUninstall-Demo.dat", true, ui, f),
              kExitInstalled);
    EXPECT_FALSE(fs::exists(t / "home/opt/Demo"));
    EXPECT_EQ(recordProjectName("/x/BriskUninstall-Turn-Pixa.dat"), "Turn-Pixa");
    EXPECT_EQ(recordProjectName("/x/Plain.dat"), "Plain");
}

TEST(Uninstall, FileLeftForLaterAsksToRestartAndNeverRestartsUnasked) {
    TempFolder t;
    const std::string calls = t / "restart-calls";
    ::setenv("BRISK_RESTART_COMMAND", ("/bin/sh -c \"echo reboot >> " + calls + "\"").c_str(), 1);
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        ASSERT_EQ(install(t, "Demo", "[CopyFile]\r\nf\r\n<Destination>\\busy\r\n", {{"f", "A"}}),
                  kExitInstalled);
        // A folder in the file's place cannot be unlinked: left for later.
        fs::remove(t / "home/opt/Demo/busy");
        fs::create_directories(t / "home/opt/Demo/busy/inside");
        ScriptedUi ui;
        ui.answers = {answer};
        const int status = uninstallSilently(t, "Demo", ui);
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_NE(ui.shown[0].find("Demo has uninstalled, however"), std::string::npos);
        EXPECT_EQ(status, answer == Answer::Yes ? kExitInstalled : kExitRestartNeeded);
        EXPECT_EQ(fs::exists(calls), answer == Answer::Yes);
        EXPECT_NE(readFile(t / "home/data/BriskInstaller/PendingMoves").find("busy"),
                  std::string::npos);
        fs::remove_all(t / "home/opt/Demo");
    }
    ::unsetenv("BRISK_RESTART_COMMAND");
    EXPECT_EQ(readFile(calls), "reboot\n");
}

TEST(Uninstall, DeletionLeftForLaterIsDoneByTheNextRun) {
    TempFolder t;
    writeFile(t / "left", "x");
    ASSERT_TRUE(recordPendingDelete(t / "data", t / "left"));
    ASSERT_TRUE(recordPendingMove(t / "data", t / "gone", t / "target"));
    EXPECT_EQ(runPendingMoves(t / "data"), 1);
    EXPECT_FALSE(fs::exists(t / "left"));
    EXPECT_FALSE(fs::exists(t / "data/PendingMoves"));  // a missing source is dropped
}

TEST(Uninstall, RecordCopiesLongLinesWhole) {
    const std::string longText(1500, 'x');
    const std::string text = uninstallRecordText(
        "[Message]\n" + longText + "\nInformation\n[Install To]\n<Program Files>\\A\n", "/d\\");
    EXPECT_EQ(text, "[Message]\r\n" + longText + "\r\nInformation\r\n[Install To]\r\n/d\\\r\n");
}

TEST(Uninstall, InstallingOverAnOlderVersionOffersToRemoveIt) {
    TempFolder t;
    ASSERT_EQ(install(t, "Demo", "[CopyFile]\r\nf\r\n<Destination>\\a.txt\r\n", {{"f", "A"}}),
              kExitInstalled);
    // A stand-in uninstaller that notes how it was called.
    const std::string uninstaller = uninstallerPath(foldersIn(t));
    writeFile(uninstaller, "#!/bin/sh\necho \"$@\" > '" + (t / "called") + "'\n");
    ::chmod(uninstaller.c_str(), 0755);
    writeFile(
        t / "pkg2",
        buildPackage("STUB", {{"setup.dat",
                               "[Project Name]\nDemo\n[ProgramVersion]\n2.0\n[Install To]\n"
                               "<Program Files>\\Demo\n[CopyFile]\nf\n<Destination>\\a.txt\n"},
                              {"f", "B"}}));
    for (const Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
        ScriptedUi ui;
        ui.answers = {answer};
        InstallState state;
        InstallContext ctx(ui, state, foldersIn(t));
        ASSERT_TRUE(ctx.open(t / "pkg2"));
        std::vector<ScriptCommand> commands;
        std::string reason;
        ASSERT_TRUE(parseScript(readFile(ctx.scriptFile()), commands, reason));
        ASSERT_TRUE(scriptPass(ctx, commands, parseCommandLine({}), reason));
        runScript(ctx, commands);
        ASSERT_FALSE(ui.shown.empty());
        EXPECT_EQ(ui.shown[0],
                  "Setup has detected an existing version of Demo.\n\n  Installing Version: 2.0\n"
                  "  Existing Version: 1.0\n\nUninstall existing before installing new? (Cancel "
                  "exits and leaves existing version).");
        EXPECT_EQ(bool(state.cancel), answer == Answer::Cancel);
        EXPECT_EQ(readFile(t / "home/opt/Demo/a.txt"), answer == Answer::Cancel ? "A" : "B");
        EXPECT_EQ(fs::exists(t / "called"), answer == Answer::Yes);
    }
    EXPECT_EQ(readFile(t / "called"), "<Silent> <uninstall>" + record(t, "Demo") + "\n");
}

}  // namespace
}  // namespace turnpixa::setup
