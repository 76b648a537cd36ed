#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "project/SettingsFile.h"
#include "tests/support/LocalWebServer.h"
#include "tests/support/RunCommand.h"
#include "tests/support/TempDir.h"
#include "tests/web/UploadedVase.h"
#include "web/OutputPage.h"
#include "web/Snippets.h"

namespace turnpixa {
namespace {

using CliResult = test::CommandRun;

// turnpixa-cli with the arguments (quoted by the caller); standard error
// is dropped.
CliResult cli(const std::string& args) {
    return test::runCommand(std::string(TURNPIXA_CLI_PROGRAM) + " " + args + " 2>/dev/null");
}

TEST(CliPrintPad, WritesAOnePagePdfOnTheChosenPaper) {
#ifndef TURNPIXA_TEST_PAD_PDF
    GTEST_SKIP() << "built without Qt: no PDF writer";
#endif
    test::TempDir dir;
    const std::string pdf = dir.file("pad.pdf");
    ASSERT_EQ(cli("--print-pad '" + pdf + "' --pad-photos 24 --paper letter -q").status, 0);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const std::string info = test::runCommand("pdfinfo '" + pdf + "' 2>/dev/null").output;
    if (info.empty()) GTEST_SKIP() << "pdfinfo missing";
    EXPECT_NE(info.find("Title:           TurnPixa"), std::string::npos) << info;
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
}

TEST(CliPrintPad, RefusesWhatItCannotDraw) {
    test::TempDir dir;
    const std::string pdf = "'" + dir.file("pad.pdf") + "'";
    EXPECT_EQ(cli("--print-pad " + pdf + " --pad-photos 0").status, 2);
    EXPECT_EQ(cli("--print-pad " + pdf + " --pad-photos 2147483647").status, 2);
    EXPECT_EQ(cli("--print-pad " + pdf + " photo.jpg").status, 2);
    EXPECT_EQ(cli("--print-pad " + pdf + " --paper A4x").status, 1);
    EXPECT_EQ(cli("--print-pad /nonexistent-folder/pad.pdf").status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("pad.pdf")));
}

class CliSnippet : public ::testing::Test {
protected:
    void SetUp() override {
        server = test::serveUploadedVase(site);
        ASSERT_TRUE(server->running());
        UploadSettings settings;
        settings.webspaceUrl = server->base() + "/";
        settings.webspaceSubFolder = "/htdocs/gallery/";
        ASSERT_TRUE(SettingsFile::save(home.file("TurnPixa.ini"), settings));
        vase.folder = "vase-turnpixa";
        vase.png = true;
        vase.autoSpin = -150;
        vase.frames = 24;
        vase.width = 320;
        vase.height = 200;
    }
    std::string settings() { return " --settings '" + home.file("TurnPixa.ini") + "'"; }

    test::TempDir site, home;
    std::unique_ptr<test::LocalWebServer> server;
    SnippetImage vase;
};

TEST_F(CliSnippet, PrintsTheFragmentTheDialogCopies) {
    const std::string base = server->base() + "/gallery";
    CliResult r = cli("--snippet webpage vase" + settings());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output, Snippets::webpage(vase, base, true));
    r = cli("--snippet iframe --not-first vase" + settings());
    EXPECT_EQ(r.output, Snippets::iframe(vase, base));
    EXPECT_EQ(server->requests(), "/gallery/vase.htm\n/gallery/vase.htm\n");
}

TEST_F(CliSnippet, AMissingPageStillPrintsButFails) {
    const CliResult r = cli("--snippet webpage teapot" + settings());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find("<img id='teapot-turnpixa'"), std::string::npos) << r.output;
    EXPECT_EQ(cli("--snippet table vase" + settings()).status, 2);
    EXPECT_EQ(cli("--snippet webpage" + settings()).status, 2);
    EXPECT_EQ(cli("--snippet webpage vase --settings /nonexistent/TurnPixa.ini").status, 1);
}

}  // namespace
}  // namespace turnpixa
