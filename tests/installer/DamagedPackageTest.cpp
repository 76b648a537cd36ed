// Damaged and crafted packages: each is refused quickly, in the reader and
// by a silent install of it, which exits non-zero and installs nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "installer/Package.h"
#include "installer/PackageFormat.h"
#include "tests/installer/InstallerTestSupport.h"

namespace turnpixa::setup {
namespace {

using namespace test;

const char* kScript =
    "[Project Name]\nDemo\n[Install To]\n<Program Files>\\Demo\n[NoTestAdmin]\n"
    "[CopyFile]\nfile.txt\n<Destination>\\file.txt\n";

struct Layout {
    std::size_t trailer, directory;
    std::vector<std::size_t> records;  // offsets of the records
};

Layout layoutOf(const std::string& pkg) {
    const auto* p = reinterpret_cast<const unsigned char*>(pkg.data());
    Layout l;
    l.trailer = pkg.size() - format::kTrailerSize;
    l.directory = format::getU32(p + l.trailer + 8);
    for (std::size_t at = l.directory; at < l.trailer; at += format::kRecordFixedSize + p[at + 16])
        l.records.push_back(at);
    return l;
}

unsigned char* bytes(std::string& s, std::size_t at) {
    return reinterpret_cast<unsigned char*>(s.data()) + at;
}

// The data block of the last entry, file.txt.
std::size_t lastData(std::string& pkg) {
    return format::getU32(bytes(pkg, layoutOf(pkg).records.back()));
}

struct Damage {
    const char* name;
    std::function<void(std::string&)> apply;
    bool entriesListed;  // still listed when the damaged-package question is answered Yes
};

void PrintTo(const Damage& d, std::ostream* out) {
    *out << d.name;
}

const std::vector<Damage>& damages() {
    static const std::vector<Damage> list = {
        {"FlippedByteInEntryData", [](std::string& p) { *bytes(p, lastData(p) + 20) ^= 0x40; },
         true},
        {"LastByteCut", [](std::string& p) { p.pop_back(); }, false},
        {"CutInsideEntryDataTrailerReappended",
         [](std::string& p) {
             const std::string trailer = p.substr(p.size() - format::kTrailerSize);
             p.resize(lastData(p) + 10);
             p += trailer;
             reseal(p);
         },
         false},
        {"HugeCount",
         [](std::string& p) {
             format::putU32(bytes(p, p.size() - 12), 0xFFFFFFFFu);
             reseal(p);
         },
         false},
        {"DirectoryOffsetPastEnd",
         [](std::string& p) {
             format::putU32(bytes(p, p.size() - 16), static_cast<std::uint32_t>(p.size() + 100));
             reseal(p);
         },
         false},
        {"NameLengthZero",
         [](std::string& p) {
             *bytes(p, layoutOf(p).records.front() + 16) = 0;
             reseal(p);
         },
         false},
        {"NameWithoutNul",
         [](std::string& p) {
             *bytes(p, layoutOf(p).trailer - 1) = 'x';
             reseal(p);
         },
         false},
        {"OffsetPlusSizeOverflows",
         [](std::string& p) {
             const std::size_t r = layoutOf(p).records.back();
             format::putU32(bytes(p, r), 0xFFFFFF00u);
             format::putU32(bytes(p, r + 4), 0x200u);
             reseal(p);
         },
         false},
        {"HeaderSizeDiffersFromRecord",
         [](std::string& p) {
             const std::size_t r = layoutOf(p).records.back();
             format::putU32(bytes(p, r + 8), format::getU32(bytes(p, r + 8)) + 1);
             reseal(p);
         },
         true},
        {"PropertiesOver224",
         [](std::string& p) {
             const std::size_t r = layoutOf(p).records.back();
             unsigned char* block = bytes(p, format::getU32(bytes(p, r)));
             const std::uint32_t sum = format::getU32(bytes(p, r + 12)) - block[0] + 225;
             block[0] = 225;
             format::putU32(bytes(p, r + 12), sum);  // the entry checksum still matches
             reseal(p);
         },
         true},
    };
    return list;
}

class DamagedPackage : public ::testing::TestWithParam<Damage> {
protected:
    static std::string good() {
        static const std::string pkg = buildPackage(
            readFile(SETUP_TURNPIXA), {{"Setup.dat", kScript}, {"file.txt", "installed text"}});
        return pkg;
    }
};

TEST_P(DamagedPackage, IsRefusedByTheReader) {
    std::string pkg = good();
    ASSERT_FALSE(pkg.empty());
    GetParam().apply(pkg);
    TempFolder t;
    writeFile(t / "pkg", pkg);
    ScriptedUi ui;
    ui.answers = {Answer::Yes};  // go on past a checksum mismatch
    Package p(ui);
    p.open(t / "pkg", false);
    EXPECT_EQ(!p.entries().empty(), GetParam().entriesListed) << p.refusal();
    if (!p.entries().empty()) {
        EXPECT_TRUE(p.extract("Setup.dat", t / "script"));
        EXPECT_FALSE(p.extract("file.txt", t / "file"));
        EXPECT_EQ(readFile(t / "file"), "");
    }
}

TEST_P(DamagedPackage, SilentInstallFailsAndInstallsNothing) {
    std::string pkg = good();
    GetParam().apply(pkg);
    TempFolder t;
    const RunResult r = installAsUser(t, pkg);
    EXPECT_EQ(r.status, 1) << r.errors;
    EXPECT_FALSE(std::filesystem::exists(t / "home/.local/opt/Demo/file.txt")) << r.errors;
    EXPECT_TRUE(std::filesystem::is_empty(t / "tmp"));  // no temporary file left behind
}

INSTANTIATE_TEST_SUITE_P(Installer, DamagedPackage, ::testing::ValuesIn(damages()),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(GoodPackage, SilentInstallOfTheSamePackageWorks) {
    const std::string pkg = buildPackage(readFile(SETUP_TURNPIXA),
                                         {{"Setup.dat", kScript}, {"file.txt", "installed text"}});
    TempFolder t;
    const RunResult r = installAsUser(t, pkg);
    EXPECT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(readFile(t / "home/.local/opt/Demo/file.txt"), "installed text");
    EXPECT_TRUE(std::filesystem::is_empty(t / "tmp"));
}

}  // namespace
}  // namespace turnpixa::setup
