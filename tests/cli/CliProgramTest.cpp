// turnpixa-cli as a shell user runs it: the command-line forms, the manual
// page through groff and the completion script through bash.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/support/RunCommand.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;

using Shell = test::CommandRun;

// A shell command line; standard output and error together.
Shell shell(const std::string& command) {
    return test::runCommand(command + " 2>&1");
}

const std::string kProgram = TURNPIXA_CLI_PROGRAM;
const std::string kPhoto =
    std::string(TURNPIXA_SOURCE_DIR) + "/resources/sample-photos/turntable-03.jpg";

TEST(CliProgram, GnuAndImageMagickFormsReachTheProgram) {
    test::TempDir dir;
    // Attached short value, abbreviation, an option after the photo.
    Shell run = shell(kProgram + " -q " + kPhoto + " --wid 64 -o" + dir.file("a"));
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(test::readWholeFile(dir.file("a.htm")).find("width='64' height='48'"),
              std::string::npos);

    // --opt=value, one-sided size, crop geometry, the American spelling,
    // quality, and a photo after "--".
    run = shell(kProgram + " -q --size=x30 --crop 800x600+400+300 --background-color=E0F0FF " +
                "--quality 40 -o " + dir.file("b") + " -- " + kPhoto);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(test::readWholeFile(dir.file("b.htm")).find("width='40' height='30'"),
              std::string::npos);

    run = shell(kProgram + " --re " + kPhoto + " -o " + dir.file("c"));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.output,
              "turnpixa-cli: ambiguous option --re (--reverse, --remove-background, --report)\n"
              "Try 'turnpixa-cli --help'.\n");
    EXPECT_FALSE(fs::exists(dir.file("c.htm")));
}

TEST(CliProgram, ManualPageFormatsWithoutWarnings) {
    const Shell checked = shell(kProgram + " --print-man | groff -man -ww -z");
    EXPECT_EQ(checked.status, 0);
    EXPECT_EQ(checked.output, "") << "groff's warnings";
    const Shell shown = shell(kProgram + " --print-man | groff -man -Tascii -P-cbou -rLL=80n");
    ASSERT_EQ(shown.status, 0) << shown.output;
    EXPECT_NE(shown.output.find("--remove-background[=T]"), std::string::npos) << shown.output;
    EXPECT_NE(shown.output.find("-o, --output=PAGE"), std::string::npos) << shown.output;
}

TEST(CliProgram, BashCompletesOptionsAndFiles) {
    test::TempDir dir;
    test::writeWholeFile(dir.file("shoe.htm"), "");
    test::writeWholeFile(dir.file("-odd.jpg"), "");
    test::writeWholeFile(dir.file("complete.sh"),
                         "source <(" + kProgram + " --print-completion)\n" + "cd '" +
                             dir.path().string() + "'\n" +
                             R"(ask() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _turnpixa_cli
  echo "[${COMPREPLY[*]}]"; }
ask turnpixa-cli --wid
ask turnpixa-cli --background-c
ask turnpixa-cli a.jpg -o sh
ask turnpixa-cli --size ''
ask turnpixa-cli -- -
ask turnpixa-cli --print
complete -p turnpixa-cli
)");
    const Shell run = shell("bash --norc " + dir.file("complete.sh"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output,
              "[--width]\n"
              "[--background-colour --background-color]\n"
              "[shoe.htm]\n"
              "[]\n"
              "[-odd.jpg]\n"
              "[--print-pad]\n"  // the hidden --print-man and --print-completion are not offered
              "complete -o filenames -F _turnpixa_cli turnpixa-cli\n");
}

}  // namespace
}  // namespace turnpixa
