// Installations run in-process against folders in a temporary place.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>

#include "installer/DesktopLink.h"
#include "installer/InstallWorker.h"
#include "installer/Installer.h"
#include "installer/RegistryStore.h"
#include "tests/installer/InstallerTestSupport.h"

namespace turnpixa::setup {
namespace {

using namespace test;

std::string script(const std::string& body) {
    return "[Project Name]\nDemo\n[Install To]\n<Program Files>\\Demo\n" + body;
}

int install(const TempFolder& t, const std::vector<std::pair<std::string, std::string>>& entries,
            ScriptedUi& ui, std::vector<std::string> args = {"--silent"}) {
    writeFile(t / "pkg", buildPackage("STUB", entries));
    return installSilently(t / "pkg", parseCommandLine(args), ui, foldersIn(t), 0);
}

TEST(InstallFlow, InstallToBeatsScriptShortcutAndRecord) {
    TempFolder t;
    DesktopLink link;
    link.target = t / "located/demo";
    ASSERT_TRUE(writeDesktopLink(t / "home/Desktop/Demo.desktop", link));
    const std::string body =
        "[LocateInstall]\n<DeskTop>\\Demo.lnk\n[CopyFile]\na\n<Destination>\\a.txt\n";
    ScriptedUi ui;
    ASSERT_EQ(install(t, {{"setup.dat", script(body)}, {"a", "A"}}, ui), kExitInstalled);
    EXPECT_EQ(readFile(t / "located/a.txt"), "A");  // the shortcut beats the script
    // An earlier installation's record (this one wrote one too).
    writeFile(t / "home/data/BriskInstaller/BriskUninstall-Demo.dat",
              "[Install To]\n" + (t / "recorded") + "\n");

    ASSERT_EQ(
        install(t, {{"setup.dat", script("[CopyFile]\na\n<Destination>\\a.txt\n")}, {"a", "B"}},
                ui),
        kExitInstalled);
    EXPECT_EQ(readFile(t / "recorded/a.txt"), "B");  // the record beats the script

    ASSERT_EQ(install(t, {{"setup.dat", script(body)}, {"a", "C"}}, ui,
                      {"--silent", "--installto", t / "chosen dir"}),
              kExitInstalled);
    EXPECT_EQ(readFile(t / "chosen dir/a.txt"), "C");
    EXPECT_EQ(readFile(t / "located/a.txt"), "A");
}

std::string versioned(std::uint32_t major, char tag) {
    std::string s = "MZ";
    s.resize(64, tag);
    unsigned char info[16] = {0xBD, 0x04, 0xEF, 0xFE, 0, 0, 1, 0};
    for (int i = 0; i < 4; ++i) info[8 + i] = static_cast<unsigned char>(major >> (8 * i));
    return s + std::string(reinterpret_cast<char*>(info), sizeof info);
}

TEST(InstallFlow, VersionRulesKeepNewerFilesOnly) {
    TempFolder t;
    const std::string body = "[CopyFile]\ntool\n<Destination>\\tool.exe\n";
    std::filesystem::create_directories(t / "home/opt/Demo");
    struct Case {
        std::uint32_t existing, fresh;
        bool replaced;
    };
    for (const Case c : {Case{2, 1, false}, Case{2, 3, true}, Case{2, 2, true}, Case{0, 0, true}}) {
        writeFile(t / "home/opt/Demo/tool.exe", versioned(c.existing, 'o'));
        ScriptedUi ui;
        ASSERT_EQ(install(t, {{"setup.dat", script(body)}, {"tool", versioned(c.fresh, 'n')}}, ui),
                  kExitInstalled);
        EXPECT_EQ(readFile(t / "home/opt/Demo/tool.exe"),
                  versioned(c.replaced ? c.fresh : c.existing, c.replaced ? 'n' : 'o'))
            << c.existing << " over " << c.fresh;
    }
    // An installed program gets its application path and link.
    RegistryStore reg(t / "home/data/BriskInstaller/registry");
    const auto v =
        reg.get("HKLM", "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\tool.exe", "");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->data, t / "home/opt/Demo/tool.exe");
    EXPECT_EQ(std::filesystem::read_symlink(t / "home/bin/tool.exe"), t / "home/opt/Demo/tool.exe");
}

TEST(InstallFlow, RunningProgramIsReplacedByRenameWithoutRestart) {
    TempFolder t;
    std::filesystem::create_directories(t / "home/opt/Demo");
    std::filesystem::copy_file("/bin/sleep", t / "home/opt/Demo/prog");
    pid_t pid = 0;
    std::string path = t / "home/opt/Demo/prog";
    char arg[] = "5";
    char* argv[] = {path.data(), arg, nullptr};
    ASSERT_EQ(::posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ), 0);
    const std::string fresh = readFile("/bin/true");
    ScriptedUi ui;
    const int status = install(
        t, {{"setup.dat", script("[CopyFile]\np\n<Destination>\\prog\n")}, {"p", fresh}}, ui);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_EQ(status, kExitInstalled);
    EXPECT_EQ(readFile(path), fresh);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u);
    EXPECT_FALSE(std::filesystem::exists(t / "home/data/BriskInstaller/PendingMoves"));
}

TEST(InstallFlow, MissingEntryCancelsWithMessage20) {
    TempFolder t;
    ScriptedUi ui;
    const std::string body =
        "[CopyFile]\nnot there\n<Destination>\\x\n[CopyFile]\na\n<Destination>\\a\n";
    EXPECT_EQ(install(t, {{"setup.dat", script(body)}, {"a", "A"}}, ui), kExitFailed);
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(
        ui.shown.front(),
        "This installation file appears to be corrupted. Error whilst installing 'not there'");
    EXPECT_FALSE(std::filesystem::exists(t / "home/opt/Demo/a"));
}

TEST(InstallFlow, UnusableProjectNamesAndDestinationsAreRefused) {
    for (const char* s : {"[Project Name]\n\n[Install To]\n<Program Files>\\X\n",
                          "[Project Name]\n../x\n[Install To]\n<Program Files>\\X\n",
                          "[Project Name]\nX\n", "[Project Name]\nX\n[Install To]\n\\\n"}) {
        TempFolder t;
        ScriptedUi ui;
        EXPECT_EQ(install(t,
                          {{"setup.dat", std::string(s) + "[CopyFile]\na\n<Destination>\\a\n"},
                           {"a", "A"}},
                          ui),
                  kExitFailed)
            << s;
        EXPECT_FALSE(std::filesystem::exists(t / "home/opt/X/a")) << s;
    }
}

TEST(InstallFlow, RegistryActionsWriteTheirTypes) {
    TempFolder t;
    const std::string body =
        "[Registry]\nHKCU\nSoftware\\Demo\nDWORD\nCount\n -12x\n"
        "[Registry]\nHKCU\nSoftware\\Demo\nSTRING\nFolder\n<Destination>\n"
        "[Registry]\nHKCU\nSoftware\\Demo\nBINARY\nBlob\nblob\n"
        "[Registry]\nHKCU\nSoftware\\Demo\nBINARY\nGone\nno such entry\n"
        "[Registry]\nHKXX\nSoftware\\Demo\nSTRING\nNever\nx\n";
    ScriptedUi ui;
    ASSERT_EQ(install(t, {{"setup.dat", script(body)}, {"blob", std::string("\0\1", 2)}}, ui),
              kExitInstalled);
    RegistryStore reg(t / "home/data/BriskInstaller/registry");
    EXPECT_EQ(reg.get("HKCU", "Software\\Demo", "Count")->dword, static_cast<std::uint32_t>(-12));
    // Data keeps the script's backslashes; only file-system calls turn them.
    EXPECT_EQ(reg.get("HKCU", "Software\\Demo", "Folder")->data,
              toScriptFolder(t / "home/opt/Demo"));
    EXPECT_EQ(reg.get("HKCU", "Software\\Demo", "Blob")->data, std::string("\0\1", 2));
    EXPECT_FALSE(reg.get("HKCU", "Software\\Demo", "Gone"));
    EXPECT_FALSE(std::filesystem::exists(t / "home/data/BriskInstaller/registry/HKXX.reg"));
}

TEST(InstallFlow, QuestionAnsweredNoEndsTheScriptAsComplete) {
    TempFolder t;
    writeFile(
        t / "pkg",
        buildPackage("STUB", {{"setup.dat", script("[CopyFile]\na\n<Destination>\\a\n"
                                                   "[Message]\nGo on?\\nReally\nQuestionYesNo\n"
                                                   "[CopyFile]\nb\n<Destination>\\b\n")},
                              {"a", "A"},
                              {"b", "B"}}));
    ScriptedUi ui;
    ui.answers = {Answer::No};
    InstallState state;  // not silent: the question is asked
    InstallContext ctx(ui, state, foldersIn(t));
    ASSERT_TRUE(ctx.open(t / "pkg"));
    std::vector<ScriptCommand> commands;
    std::string reason;
    ASSERT_TRUE(parseScript(readFile(ctx.scriptFile()), commands, reason));
    ASSERT_TRUE(scriptPass(ctx, commands, {}, reason)) << reason;
    startInstallWorker(ctx, commands).join();
    EXPECT_TRUE(state.done);
    EXPECT_FALSE(state.cancel);
    EXPECT_EQ(ui.shown, std::vector<std::string>{"Go on?\nReally"});
    EXPECT_TRUE(std::filesystem::exists(t / "home/opt/Demo/a"));
    EXPECT_FALSE(std::filesystem::exists(t / "home/opt/Demo/b"));
}

TEST(InstallFlow, SilentRunDropsOptionalItemsAndRunsProgramsWithArguments) {
    TempFolder t;
    const std::string body =
        "[CopyFile]\nrun\n<Destination>\\run.sh\n"
        "[CreateIcon]\n<Destination>\\run.sh\n<DeskTop>\\Opt.lnk\n\nOptional - Icon\n"
        "[RunFile]\n<Destination>\\run.sh\noptional\nOptional - Run it\n"
        "[RunAndWaitFile]\n<Destination>\\run.sh\n\"one two\" ;three\n\n";
    const std::string runner = "#!/bin/sh\nprintf '%s|' \"$@\" >> \"$(dirname \"$0\")/log\"\n";
    ScriptedUi ui;
    ASSERT_EQ(install(t, {{"setup.dat", script(body)}, {"run", runner}}, ui), kExitInstalled);
    EXPECT_EQ(readFile(t / "home/opt/Demo/log"), "one two|;three|");
    EXPECT_FALSE(std::filesystem::exists(t / "home/Desktop/Opt.desktop"));
}

TEST(InstallFlow, ContainerRunsEveryInnerInstallerInTurn) {
    TempFolder t;
    const std::string inner = "#!/bin/sh\necho \"$0 $*\" >> '" + (t / "ran") + "'\n";
    ScriptedUi ui;
    ASSERT_EQ(install(t,
                      {{"Setup.dat", "[InstallContainer]\n"},
                       {"setup.bmp", "banner"},
                       {"one.sh", inner},
                       {"two", inner}},
                      ui),
              kExitInstalled);
    const std::string ran = readFile(t / "ran");
    EXPECT_EQ(std::count(ran.begin(), ran.end(), '\n'), 2);
    EXPECT_NE(ran.find(".sh --silent\n"), std::string::npos);  // the extension is kept
}

TEST(InstallFlow, ContainerShowsMessagesAsWrittenUnderItsOwnCaption) {
    TempFolder t;
    writeFile(t / "pkg",
              buildPackage("STUB", {{"Setup.dat",
                                     "[InstallContainer]\n[Message]\nInto <Destination>\\nnow\n"
                                     "QuestionYesNo\n"},
                                    {"one.sh", "#!/bin/sh\ntouch '" + (t / "ran") + "'\n"}}));
    ScriptedUi ui;
    ui.answers = {Answer::No};
    InstallState state;
    InstallContext ctx(ui, state, foldersIn(t));
    ASSERT_TRUE(ctx.open(t / "pkg"));
    std::vector<ScriptCommand> commands;
    std::string reason;
    ASSERT_TRUE(parseScript(readFile(ctx.scriptFile()), commands, reason));
    EXPECT_EQ(runContainer(ctx, commands), kExitInstalled);
    EXPECT_EQ(ui.shown, std::vector<std::string>{"Into <Destination>\nnow"});
    EXPECT_EQ(ui.captions, std::vector<std::string>{"Installer"});
    EXPECT_EQ(ui.answers.size(), 1u);  // shown, not asked
    EXPECT_TRUE(std::filesystem::exists(t / "ran"));
}

TEST(InstallFlow, FinishActionsRestartThroughTheConfiguredCommand) {
    TempFolder t;
    writeFile(t / "pkg", buildPackage("STUB", {{"setup.dat", script("")}}));
    ScriptedUi ui;
    InstallState state;
    InstallContext ctx(ui, state, foldersIn(t));
    ASSERT_TRUE(ctx.open(t / "pkg"));
    state.destination = toScriptFolder(t / "dest");
    const std::string command = "/bin/sh -c \"echo restart > '" + (t / "restarted") + "'\"";
    ::setenv("BRISK_RESTART_COMMAND", command.c_str(), 1);
    runFinishActions(ctx, {{"<Destination>\\x", "<DeskTop>\\X.lnk", "", "Icon"}}, {}, true);
    ::unsetenv("BRISK_RESTART_COMMAND");
    EXPECT_EQ(readFile(t / "restarted"), "restart\n");
    EXPECT_EQ(readLinkTarget(t / "home/Desktop/X.desktop"), t / "dest/x");
}

}  // namespace
}  // namespace turnpixa::setup
