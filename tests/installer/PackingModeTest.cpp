// Packing mode run as a user would: setup-turnpixa with lzma beside it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "installer/Package.h"
#include "tests/installer/InstallerTestSupport.h"

namespace turnpixa::setup {
namespace {

using namespace test;
namespace fs = std::filesystem;

class PackingMode : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(t / "bin");
        fs::copy_file(SETUP_TURNPIXA, t / "bin/setup-turnpixa");
        fs::copy_file(LZMA_TOOL, t / "bin/lzma");
        writeFile(t / "stub", "a stub of odd length");
        writeFile(t / "readme.txt", std::string(5000, 'r'));
        giveToUser(t.path());
    }
    RunResult pack(const std::string& source, const std::string& target,
                   const std::string& close = "\"") {
        return runAsUser({t / "bin/setup-turnpixa", "<packthis>\"" + source + close,
                          "<packto>\"" + target + "\""},
                         {{"PATH", "/usr/bin:/bin"}, {"TMPDIR", t.path()}});
    }
    std::vector<PackageEntry> entries(const std::string& file) {
        SilentUi ui;
        Package p(ui);
        p.open(file, false);
        return p.entries();
    }
    TempFolder t;
};

TEST_F(PackingMode, AddsEntriesAfterTheStub) {
    ASSERT_EQ(pack(t / "readme.txt", t / "stub").status, 0);
    ASSERT_EQ(pack(t / "readme.txt", t / "stub").status, 0);
    const auto e = entries(t / "stub");
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].name, "readme.txt");
    EXPECT_EQ(e[0].dataOffset, 20u);
    EXPECT_EQ(e[0].uncompressedSize, 5000u);
    EXPECT_EQ(readFile(t / "stub").substr(0, 20), "a stub of odd length");
}

TEST_F(PackingMode, FailuresLeaveThePackageUnchanged) {
    ASSERT_EQ(pack(t / "readme.txt", t / "stub").status, 0);
    const std::string before = readFile(t / "stub");

    EXPECT_EQ(pack(t / "readme.txt", t / "stub", "").status, 2);  // closing quote missing
    const std::string longName = t / std::string(255, 'n');
    writeFile(longName, "x");
    EXPECT_EQ(pack(longName, t / "stub").status, 1);
    ASSERT_EQ(::truncate(longName.c_str(), 0), 0);
    writeFile(t / "huge", "");
    fs::resize_file(t / "huge", 0x100000000ull);  // sparse: nothing is written
    giveToUser(t.path());
    EXPECT_EQ(pack(t / "huge", t / "stub").status, 1);
    EXPECT_EQ(pack(t / "missing", t / "stub").status, 1);
    EXPECT_EQ(readFile(t / "stub"), before);

    // An encoder that fails, or writes a header without the source's size.
    writeFile(t / "bin/lzma", "#!/bin/sh\nprintf 'half' > \"$3\"\nexit 1\n");
    EXPECT_EQ(pack(t / "readme.txt", t / "stub").status, 1);
    writeFile(t / "bin/lzma",
              "#!/bin/sh\nprintf '\\135\\0\\0\\200\\0\\377\\377\\377\\377\\377\\377\\377\\377xx' > "
              "\"$3\"\n");
    EXPECT_EQ(pack(t / "readme.txt", t / "stub").status, 1);
    EXPECT_EQ(readFile(t / "stub"), before);
    EXPECT_EQ(entries(t / "stub").size(), 1u);
}

TEST_F(PackingMode, DamagedPackageIsRefusedAndLeftByteForByte) {
    ASSERT_EQ(pack(t / "readme.txt", t / "stub").status, 0);
    std::string damaged = readFile(t / "stub");
    damaged[30] ^= 1;  // in the entry's data: the package checksum fails
    writeFile(t / "stub", damaged);
    const RunResult r = pack(t / "readme.txt", t / "stub");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.errors.find("damaged package (package checksum mismatch)"), std::string::npos)
        << r.errors;
    EXPECT_EQ(r.errors.find("Continue with the installation"), std::string::npos) << r.errors;
    EXPECT_EQ(readFile(t / "stub"), damaged);

    // A trailer whose own sum is wrong is damage too, not a bare stub.
    damaged[30] ^= 1;
    damaged[damaged.size() - 9] ^= 1;  // the entry count's high byte
    writeFile(t / "stub", damaged);
    EXPECT_EQ(pack(t / "readme.txt", t / "stub").status, 1);
    EXPECT_EQ(readFile(t / "stub"), damaged);
}

}  // namespace
}  // namespace turnpixa::setup
