#include "project/SettingsFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "project/PasswordScrambler.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;
using test::readWholeFile;
using test::TempDir;
using test::writeWholeFile;

UploadSettings parsed(const std::string& text) {
    UploadSettings s;
    SettingsFile::parse(text, s);
    return s;
}

TEST(SettingsFileRead, OnlyThePortGivesPortAndDefaults) {
    const UploadSettings s = parsed("FTPPort\t2121");
    UploadSettings expected;
    expected.ftpPort = 2121;
    EXPECT_EQ(s, expected);
    EXPECT_EQ(s.ftpUser, "anonymous");
    EXPECT_EQ(s.webspaceSubFolder, "turnpixa");
    EXPECT_EQ(s.allowAutoUpdates, 2);
    EXPECT_FALSE(s.ftpPassive);
}

// A scrambled password whose text starts with a digit 1-9, or with a letter
// (then "%d" reads nothing from it).
std::string scrambledStartingWith(bool digitOneToNine) {
    for (int i = 0;; ++i) {
        const std::string v = PasswordScrambler::scramble("pw" + std::to_string(i));
        if (digitOneToNine ? (v[0] >= '1' && v[0] <= '9') : (v[0] >= 'a' && v[0] <= 'f')) return v;
    }
}

TEST(SettingsFileRead, PassKeyFeedsPassiveUntilItsOwnLineFollows) {
    const std::string digit = scrambledStartingWith(true);
    const std::string letter = scrambledStartingWith(false);
    // Alone, the password line also sets passive from its leading digits.
    EXPECT_TRUE(parsed("FTPPass\t" + digit).ftpPassive);
    EXPECT_FALSE(parsed("FTPPass\t" + letter).ftpPassive);
    // The FTPPassive line that follows has the last word.
    EXPECT_FALSE(parsed("FTPPass\t" + digit + "\nFTPPassive\t0").ftpPassive);
    EXPECT_TRUE(parsed("FTPPass\t" + letter + "\nFTPPassive\t1").ftpPassive);
    EXPECT_EQ(parsed("FTPPass\t" + digit + "\nFTPPassive\t0").ftpPass,
              PasswordScrambler::unscramble(digit));
}

TEST(SettingsFileRead, Conversions) {
    EXPECT_EQ(parsed("AllowAutoUpdates\t7").allowAutoUpdates, 2);
    EXPECT_EQ(parsed("AllowAutoUpdates\t-1").allowAutoUpdates, 2);
    EXPECT_EQ(parsed("AllowAutoUpdates\t1").allowAutoUpdates, 1);
    EXPECT_EQ(parsed("AllowAutoUpdates\t0").allowAutoUpdates, 0);
    EXPECT_EQ(parsed("AllowAutoUpdates\tyes").allowAutoUpdates, 0);  // nothing read = 0
    EXPECT_EQ(parsed("FTPPort\tabc").ftpPort, 21);                   // nothing read: unchanged
    EXPECT_EQ(parsed("FTPPort\t990x").ftpPort, 990);
    EXPECT_EQ(parsed("FTPPort\t99999999999").ftpPort, 2147483647);
    EXPECT_TRUE(parsed("FTPPassive\t-3").ftpPassive);
    EXPECT_FALSE(parsed("FTPPassive\tno").ftpPassive);
}

TEST(SettingsFileRead, ValuesAreTrimmedAndKeepInnerBlanks) {
    const UploadSettings s =
        parsed("  FTPServer   ftp.example.org  \r\nWebspaceURL\thttp://a b/\r\nFTPUser\t\r\n");
    EXPECT_EQ(s.ftpServer, "ftp.example.org");
    EXPECT_EQ(s.webspaceUrl, "http://a b/");
    EXPECT_EQ(s.ftpUser, "");
}

TEST(SettingsFileRead, CommentsAndUnknownWordsAreSkipped) {
    const UploadSettings s = parsed(
        "# FTPPort 1\n"
        "FTPServer\tone\n"
        "#FTPServer\ttwo\n"
        "Colour\tred\n"
        "FTPPortable 5\n"
        "\n"
        "   \n"
        "FTPPort\t2121\n"
        "# the end");
    EXPECT_EQ(s.ftpServer, "one");
    EXPECT_EQ(s.ftpPort, 2121);
    UploadSettings rest = s;
    rest.ftpServer = UploadSettings{}.ftpServer;
    rest.ftpPort = 21;
    EXPECT_EQ(rest, UploadSettings{});
}

TEST(SettingsFileRead, ShortKeyWordFeedsEveryKeyItStarts) {
    const UploadSettings s = parsed("Web\tx");
    EXPECT_EQ(s.webspaceUrl, "x");
    EXPECT_EQ(s.websiteFolder, "x");
    EXPECT_EQ(s.webspaceSubFolder, "x");
    EXPECT_EQ(s.ftpServer, "");
}

TEST(SettingsFileWrite, ExactLayout) {
    UploadSettings s;
    s.ftpServer = "ftp.example.org";
    s.ftpUser = "jo";
    s.ftpPassive = true;
    s.ftpPort = 2121;
    s.webspaceUrl = "http://www.example.org/~jo/";
    s.websiteFolder = "public_html";
    s.webspaceSubFolder = "spins";
    s.allowAutoUpdates = 0;
    EXPECT_EQ(SettingsFile::format(s),
              "# TurnPixa Options\n"
              "FTPServer\tftp.example.org\n"
              "FTPUser\tjo\n"
              "FTPPass\t\n"
              "FTPPassive\t1\n"
              "FTPPort\t2121\n"
              "WebspaceURL\thttp://www.example.org/~jo/\n"
              "WebsiteFolder\tpublic_html\n"
              "WebspaceSubFolder\tspins\n"
              "AllowAutoUpdates\t0");
    s.ftpPass = "secret";
    s.allowAutoUpdates = 9;
    const std::string text = SettingsFile::format(s);
    EXPECT_NE(text.find("\nFTPPass\t5c34d2b3"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\nAllowAutoUpdates\t2"));
}

TEST(SettingsFileWrite, LineBreaksInsideValuesCannotAddKeys) {
    UploadSettings s;
    s.ftpServer = "evil\nFTPPort\t1";
    const UploadSettings back = parsed(SettingsFile::format(s));
    EXPECT_EQ(back.ftpPort, 21);
    EXPECT_EQ(back.ftpServer, "evil FTPPort\t1");
}

TEST(SettingsFileDisk, SaveLoadRoundTripOwnerOnly) {
    TempDir dir;
    const std::string path = dir.file("TurnPixa.ini");
    writeWholeFile(path, "old");
    ::chmod(path.c_str(), 0644);
    UploadSettings s;
    s.ftpServer = "ftp.example.org";
    s.ftpPass = std::string(700, 'x') + "\xe9";  // the long form
    s.ftpPassive = true;
    s.allowAutoUpdates = 1;
    std::string reason;
    ASSERT_TRUE(SettingsFile::save(path, s, &reason)) << reason;
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(readWholeFile(path), SettingsFile::format(s));
    UploadSettings back;
    ASSERT_TRUE(SettingsFile::load(path, back));
    EXPECT_EQ(back, s);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(SettingsFileDisk, MissingFileLeavesDefaults) {
    TempDir dir;
    UploadSettings s;
    EXPECT_FALSE(SettingsFile::load(dir.file("none.ini"), s));
    EXPECT_EQ(s, UploadSettings{});
}

TEST(SettingsFileDisk, FailedSaveKeepsTheOldFile) {
    TempDir dir;
    // The target is a folder: the rename cannot replace it.
    fs::create_directory(dir.path() / "TurnPixa.ini");
    std::string reason;
    EXPECT_FALSE(SettingsFile::save(dir.file("TurnPixa.ini"), UploadSettings{}, &reason));
    EXPECT_NE(reason.find("TurnPixa.ini"), std::string::npos) << reason;
    EXPECT_TRUE(fs::is_directory(dir.path() / "TurnPixa.ini"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    // A folder that cannot be made.
    writeWholeFile(dir.file("plain"), "x");
    EXPECT_FALSE(SettingsFile::save(dir.file("plain/TurnPixa.ini"), UploadSettings{}, &reason));
}

// Runs the checks without root's right to write anywhere: a read-only folder
// is only read-only to an ordinary user.
void dropRoot() {
    if (::geteuid() != 0) return;
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(3);
}

TEST(SettingsPath, RuleForProgramAndPerUserFolders) {
    TempDir dir;
    const fs::path program = dir.path() / "program";
    const fs::path readOnly = dir.path() / "readonly";
    const fs::path config = dir.path() / "config";
    fs::create_directory(program);
    fs::create_directory(readOnly);
    fs::create_directory(config);
    fs::permissions(dir.path(), fs::perms::all);
    fs::permissions(program, fs::perms::all);
    fs::permissions(config, fs::perms::all);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    const std::string perUser = (config / "TurnPixa" / "TurnPixa.ini").string();

    EXPECT_EXIT(
        {
            dropRoot();
            ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
            int bad = 0;
            if (settingsPathFor(program.string()) != (program / "TurnPixa.ini").string()) bad |= 1;
            if (settingsPathFor(readOnly.string()) != perUser) bad |= 2;
            // The per-user file is made with its folder, then wins everywhere.
            if (!SettingsFile::save(settingsPathFor(readOnly.string()), UploadSettings{})) bad |= 4;
            if (settingsPathFor(program.string()) != perUser) bad |= 8;
            // Without XDG_CONFIG_HOME: ~/.config.
            ::unsetenv("XDG_CONFIG_HOME");
            ::setenv("HOME", dir.path().c_str(), 1);
            if (settingsPathFor(readOnly.string()) !=
                (dir.path() / ".config" / "TurnPixa" / "TurnPixa.ini").string())
                bad |= 16;
            // A relative XDG_CONFIG_HOME is ignored, as the base directory rules say.
            ::setenv("XDG_CONFIG_HOME", "relative", 1);
            if (settingsPathFor(readOnly.string()).find("relative") != std::string::npos) bad |= 32;
            std::_Exit(bad);
        },
        ::testing::ExitedWithCode(0), "");
}

// Root may write /usr/bin, but a packaged program's folder belongs to the
// package manager: the settings go to root's own folder.
TEST(SettingsPath, PackagedProgramFolderIsNeverWritten) {
    if (::geteuid() != 0 || ::access("/usr/bin", W_OK) != 0) GTEST_SKIP() << "needs root";
    TempDir dir;
    const fs::path config = dir.path() / "config";
    EXPECT_EXIT(
        {
            ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
            int bad = 0;
            if (settingsPathFor("/usr/bin") != (config / "TurnPixa" / "TurnPixa.ini").string())
                bad |= 1;
            // Elsewhere a folder root may write still holds the file.
            if (settingsPathFor(dir.path().string()) != (dir.path() / "TurnPixa.ini").string())
                bad |= 2;
            std::_Exit(bad);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace turnpixa
