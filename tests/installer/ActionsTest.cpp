// The stores and links the actions write: registry, .desktop links, pending
// moves, file versions and modes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "installer/DesktopLink.h"
#include "installer/FileVersion.h"
#include "installer/InstallActions.h"
#include "installer/PackageFormat.h"
#include "installer/PendingMoves.h"
#include "installer/ProcessRunner.h"
#include "installer/RegistryStore.h"
#include "tests/installer/InstallerTestSupport.h"

namespace turnpixa::setup {
namespace {

using namespace test;

TEST(Registry, ValuesSurviveTheFileWhateverTheyHold) {
    TempFolder t;
    RegistryStore store(t / "reg");
    RegistryValue s;
    s.data = "tab\there\nnew line \\ back";
    ASSERT_TRUE(store.set("HKCU", "Software\\Brisk\\Demo\\", "Name\twith tab", s));
    RegistryValue d;
    d.type = RegistryType::Dword;
    d.dword = 0xFFFFFFF4u;
    ASSERT_TRUE(store.set("HKCU", "software\\brisk\\demo", "count", d));
    RegistryValue b;
    b.type = RegistryType::Binary;
    b.data = std::string("\0\x01\xFF\n", 4);
    ASSERT_TRUE(store.set("HKCU", "Software\\Brisk\\Demo", "", b));
    EXPECT_FALSE(store.set("HKXX", "Software", "x", s));
    EXPECT_FALSE(store.set("HKCU", "", "x", s));

    RegistryStore again(t / "reg");
    EXPECT_EQ(again.get("HKCU", "SOFTWARE\\BRISK\\DEMO", "name\tWITH TAB"), s);
    EXPECT_EQ(again.get("HKCU", "Software\\Brisk\\Demo", "Count"), d);
    EXPECT_EQ(again.get("HKCU", "Software\\Brisk\\Demo", ""), b);
    EXPECT_FALSE(again.get("HKLM", "Software\\Brisk\\Demo", "count"));
    // One file per root, and a round trip through its text keeps everything.
    const RegistryHive hive = parseHive(readFile(store.fileOf("HKCU")));
    EXPECT_EQ(parseHive(formatHive(hive)), hive);
    EXPECT_EQ(hive.size(), 1u);
}

TEST(Registry, DwordDataParsesLikeStrtolAndClamps) {
    EXPECT_EQ(parseDword("  -12abc"), static_cast<std::uint32_t>(-12));
    EXPECT_EQ(parseDword("+7"), 7u);
    EXPECT_EQ(parseDword("x1"), 0u);
    EXPECT_EQ(parseDword("99999999999"), 0x7FFFFFFFu);
    EXPECT_EQ(parseDword("-99999999999"), 0x80000000u);
    EXPECT_EQ(parseDword("-2147483648"), 0x80000000u);
}

TEST(DesktopLink, LocateReadsBackTheExactTarget) {
    TempFolder t;
    EXPECT_EQ(desktopFileName("/a/TurnPixa.LNK"), "/a/TurnPixa.desktop");
    EXPECT_EQ(desktopFileName("/a/b"), "/a/b.desktop");
    DesktopLink link;
    link.target = " /odd \\ path/with\nnewline %f \"quote\"";
    link.arguments = "--a \"b c\"";
    link.name = "Odd";
    ASSERT_TRUE(writeDesktopLink(t / "menu/sub/odd.desktop", link));
    EXPECT_EQ(readLinkTarget(t / "menu/sub/odd.desktop"), link.target);
    EXPECT_EQ(readLinkTarget(t / "missing.desktop"), "");
    // A program runs directly with its arguments; a document opens.
    EXPECT_NE(desktopEntryText({"/opt/x/turnpixa", "--a \"b c\"", "/opt/x", "T"}, true)
                  .find("Exec=\"/opt/x/turnpixa\" \"--a\" \"b c\"\n"),
              std::string::npos);
    EXPECT_NE(desktopEntryText({"/opt/x/100%.htm", "", "", "H"}, false)
                  .find("Exec=xdg-open \"/opt/x/100%%.htm\"\n"),
              std::string::npos);
}

TEST(PendingMoves, NextRunDoesThemAndForgetsWhatIsGone) {
    TempFolder t;
    writeFile(t / "new", "new");
    writeFile(t / "old", "old");
    ASSERT_TRUE(recordPendingMove(t / "data", t / "new", t / "old"));
    ASSERT_TRUE(recordPendingMove(t / "data", t / "gone", t / "other"));
    EXPECT_EQ(runPendingMoves(t / "data"), 1);
    EXPECT_EQ(readFile(t / "old"), "new");
    EXPECT_FALSE(std::filesystem::exists(t / "data/PendingMoves"));
    EXPECT_EQ(runPendingMoves(t / "data"), 0);
}

std::string versioned(std::uint32_t major, std::uint32_t minor) {
    std::string s = "MZ";
    s.resize(64, '\0');
    unsigned char info[16];
    format::putU32(info, 0xFEEF04BDu);
    format::putU32(info + 4, 0x00010000u);
    format::putU32(info + 8, major);
    format::putU32(info + 12, minor);
    s.append(reinterpret_cast<char*>(info), sizeof info);
    return s;
}

TEST(FileVersion, WindowsExecutablesCarryOneOthersAreZero) {
    EXPECT_EQ(fileVersionOf(versioned(0x00010002, 3)), (FileVersion{0x00010002, 3}));
    EXPECT_TRUE(fileVersionOf("\x7F"
                              "ELF....")
                    .isZero());
    EXPECT_TRUE(fileVersionOf(versioned(1, 0).substr(2)).isZero());
    EXPECT_LT((FileVersion{1, 0xFFFFFFFF}), (FileVersion{2, 0}));  // high halves first, unsigned
    EXPECT_LT((FileVersion{0x80000000, 1}), (FileVersion{0x80000000, 2}));
    EXPECT_EQ(fileModeFor("turnpixa",
                          "\x7F"
                          "ELF"),
              0755u);
    EXPECT_EQ(fileModeFor("run", "#!/b"), 0755u);
    EXPECT_EQ(fileModeFor("Tool.EXE", "MZ"), 0755u);
    EXPECT_EQ(fileModeFor("index.htm", "<htm"), 0644u);
}

TEST(ProcessRunner, ParametersAreArgumentsNeverShellText) {
    EXPECT_EQ(splitParameters("a  \"b c\" \"\" ;rm"),
              (std::vector<std::string>{"a", "b c", "", ";rm"}));
    TempFolder t;
    std::string reason;
    ASSERT_TRUE(runProgram(
        "/bin/sh",
        {"-c", "printf '%s|' \"$@\" > \"$0\"", t / "args", "x;y", "$(touch " + (t / "pwned") + ")"},
        true, reason))
        << reason;
    EXPECT_EQ(readFile(t / "args"), "x;y|$(touch " + (t / "pwned") + ")|");
    EXPECT_FALSE(std::filesystem::exists(t / "pwned"));
    EXPECT_FALSE(runProgram("/bin/false", {}, true, reason));
    EXPECT_FALSE(runProgram(t / "missing", {}, true, reason));
}

}  // namespace
}  // namespace turnpixa::setup
