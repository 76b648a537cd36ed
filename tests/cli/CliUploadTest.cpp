// turnpixa-cli --upload against pyftpdlib, checked online through http.server.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "project/SettingsFile.h"
#include "tests/net/NetTestUtil.h"
#include "tests/support/RunCommand.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;

using ProgramRun = test::CommandRun;

// turnpixa-cli with the arguments; standard output and error together.
ProgramRun runProgram(const std::string& arguments) {
    return test::runCommand(std::string(TURNPIXA_CLI_PROGRAM) + " " + arguments + " 2>&1");
}

std::string photos() {
    const std::string folder = std::string(TURNPIXA_SOURCE_DIR) + "/resources/sample-photos/";
    return folder + "turntable-01.jpg " + folder + "turntable-02.jpg " + folder +
           "turntable-03.jpg";
}

TEST(CliUpload, UploadsChecksOnlineAndWritesBackTheWorkingMode) {
    test::RealFtpServer server({"--refuse-port"});
    ASSERT_NE(server.port(), 0);
    test::ServerProcess web;
    ASSERT_TRUE(web.start({test::debianPython(),
                           std::string(TURNPIXA_SOURCE_DIR) + "/tests/support/http_server.py",
                           server.root().path().string()}));
    test::TempDir dir;
    UploadSettings settings;
    settings.ftpServer = "127.0.0.1";
    settings.ftpPort = server.port();
    settings.ftpUser = "turner";
    settings.ftpPass = "secret";
    settings.ftpPassive = false;  // the server refuses PORT
    settings.webspaceUrl = "http://127.0.0.1:" + web.firstLine();
    ASSERT_TRUE(SettingsFile::save(dir.file("my.ini"), settings));

    const ProgramRun run = runProgram(photos() + " --png -o " + dir.file("out/spin") +
                                      " --upload --settings " + dir.file("my.ini"));
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(
        run.output.find("All 6 files are online at " + settings.webspaceUrl + "/turnpixa/spin.htm"),
        std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("worked in passive mode"), std::string::npos) << run.output;
    EXPECT_EQ(test::readWholeFile(
                  (server.root().path() / "turnpixa/spin-turnpixa/image_001.png").string()),
              test::readWholeFile(dir.file("out/spin-turnpixa/image_001.png")));

    UploadSettings stored;
    ASSERT_TRUE(SettingsFile::load(dir.file("my.ini"), stored));
    settings.ftpPassive = true;
    EXPECT_EQ(stored, settings);
}

TEST(CliUpload, FailureExitsWithOneAndTheServersReply) {
    test::RealFtpServer server;
    test::TempDir dir;
    UploadSettings settings;
    settings.ftpServer = "127.0.0.1";
    settings.ftpPort = server.port();
    settings.ftpUser = "turner";
    settings.ftpPass = "wrong";
    ASSERT_TRUE(SettingsFile::save(dir.file("my.ini"), settings));
    ProgramRun run = runProgram("-q " + photos() + " -o " + dir.file("spin") +
                                " --upload --settings " + dir.file("my.ini"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("There is a problem logging on to your webspace:\n\n530 "),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("The username and password combination was not accepted."),
              std::string::npos);
    EXPECT_TRUE(fs::exists(dir.file("spin.htm")));  // the set itself was written

    run = runProgram("-q " + photos() + " -o " + dir.file("spin") + " --upload --settings " +
                     dir.file("missing.ini"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("cannot read the settings file"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace turnpixa
