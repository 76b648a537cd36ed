#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <random>

#include "installer/LzmaAlone.h"
#include "installer/Package.h"
#include "installer/PackageFormat.h"
#include "tests/installer/InstallerTestSupport.h"

namespace turnpixa::setup {
namespace {

using test::buildPackage;
using test::readFile;
using test::TempFolder;
using test::writeFile;

std::string randomBytes(std::size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (auto& c : s) c = static_cast<char>(gen());
    return s;
}

// A stub whose length is not a multiple of 4, so the checksum's odd tail is
// exercised by every package below.
const std::string kStub = randomBytes(70001, 1);

TEST(Package, EntriesComeBackByteForByteWhateverTheirSize) {
    const std::string text(200000, 'a');
    const std::string noise = randomBytes(150000, 2);
    TempFolder t;
    writeFile(t / "pkg", buildPackage(kStub, {{"Setup.dat", "[Project Name]\nX\n"},
                                              {"text.txt", text},
                                              {"noise.bin", noise},
                                              {"empty", ""}}));
    SilentUi ui;
    Package p(ui);
    p.open(t / "pkg", false);
    ASSERT_EQ(p.entries().size(), 4u) << p.refusal();
    EXPECT_EQ(p.entries()[0].dataOffset, kStub.size());
    EXPECT_EQ(p.entryName(3), "empty");
    EXPECT_EQ(p.entryName(4), "");
    EXPECT_TRUE(p.find("setup.dat"));  // names ignore case
    ASSERT_TRUE(p.extract("SETUP.DAT", t / "s"));
    EXPECT_EQ(readFile(t / "s"), "[Project Name]\nX\n");
    ASSERT_TRUE(p.extract("text.txt", t / "t"));
    EXPECT_EQ(readFile(t / "t"), text);
    ASSERT_TRUE(p.extract("noise.bin", t / "n"));
    EXPECT_EQ(readFile(t / "n"), noise);
    writeFile(t / "e", "old");
    ASSERT_TRUE(p.extract("empty", t / "e"));
    EXPECT_EQ(readFile(t / "e"), "");
    EXPECT_FALSE(p.extract("missing", t / "m"));
    ASSERT_TRUE(p.copyStub(t / "stub"));
    EXPECT_EQ(readFile(t / "stub"), kStub);
}

TEST(Package, BareStubThenSecondAddKeepOffsetsAndOrder) {
    TempFolder t;
    writeFile(t / "pkg", kStub);
    SilentUi ui;
    {
        Package p(ui);
        p.open(t / "pkg", true);
        EXPECT_TRUE(p.entries().empty());
        EXPECT_EQ(p.dataEnd(), kStub.size());
        std::string block, reason;
        ASSERT_TRUE(lzmaEncode("first", block, reason));
        ASSERT_TRUE(p.add("same", block, 5, reason)) << reason;
        ASSERT_TRUE(p.close());
    }
    std::uint64_t oldDirectory = 0;
    {
        Package p(ui);
        p.open(t / "pkg", true);
        ASSERT_EQ(p.entries().size(), 1u) << p.refusal();
        oldDirectory = p.dataEnd();
        std::string block, reason;
        ASSERT_TRUE(lzmaEncode("second", block, reason));
        ASSERT_TRUE(p.add("SAME", block, 6, reason));
        ASSERT_TRUE(p.close());
    }
    Package p(ui);
    p.open(t / "pkg", false);
    ASSERT_EQ(p.entries().size(), 2u) << p.refusal();
    EXPECT_EQ(p.entries()[0].dataOffset, kStub.size());
    EXPECT_EQ(p.entries()[1].dataOffset, oldDirectory);  // written over the old directory
    ASSERT_TRUE(p.extract("same", t / "x"));
    EXPECT_EQ(readFile(t / "x"), "first");  // the older of two equal names wins
    EXPECT_EQ(readFile(t / "pkg").substr(0, kStub.size()), kStub);
}

TEST(Package, AddRefusesWhatTheFormatCannotHold) {
    TempFolder t;
    writeFile(t / "pkg", kStub);
    SilentUi ui;
    Package p(ui);
    p.open(t / "pkg", true);
    std::string block, reason;
    ASSERT_TRUE(lzmaEncode("data", block, reason));
    EXPECT_FALSE(p.add(std::string(255, 'n'), block, 4, reason));
    EXPECT_FALSE(p.add("", block, 4, reason));
    EXPECT_FALSE(p.add("size", block, 5, reason));  // header says 4
    std::string unknown = block;
    for (int i = 5; i < 13; ++i) unknown[static_cast<std::size_t>(i)] = '\xFF';
    EXPECT_FALSE(p.add("unknown", unknown, 4, reason));
    EXPECT_TRUE(p.add(std::string(254, 'n'), block, 4, reason)) << reason;
    p.close();
    EXPECT_EQ(readFile(t / "pkg").substr(0, kStub.size()), kStub);
}

TEST(Package, CraftedTrailerCannotMakeThePackerWriteOverTheStub) {
    // A sealed trailer that puts an empty directory at offset 0.
    std::string crafted = kStub + std::string(format::kTrailerSize, '\0');
    auto* trailer = reinterpret_cast<unsigned char*>(crafted.data()) + kStub.size();
    format::encodeTrailer({0, 0, 0, 0, format::kMagic1, format::kMagic2}, trailer);
    test::reseal(crafted);
    TempFolder t;
    writeFile(t / "pkg", crafted);
    SilentUi ui;
    Package p(ui);
    p.open(t / "pkg", true);
    EXPECT_EQ(p.dataEnd(), crafted.size());  // treated as a stub, appended to
    std::string block, reason;
    ASSERT_TRUE(lzmaEncode("x", block, reason));
    ASSERT_TRUE(p.add("x", block, 1, reason));
    ASSERT_TRUE(p.close());
    EXPECT_EQ(readFile(t / "pkg").substr(0, crafted.size()), crafted);
}

TEST(Package, ReadsPackagesOtherToolsWrite) {
    // Written by an independent writer whose streams end in an end marker.
    SilentUi ui;
    Package p(ui);
    p.open(std::string(PACKAGE_CORPUS) + "/good-three-entries.pkg", false);
    ASSERT_EQ(p.entries().size(), 3u) << p.refusal();
    TempFolder t;
    ASSERT_TRUE(p.extract("file.txt", t / "f"));
    std::string hello;
    for (int i = 0; i < 50; ++i) hello += "hello ";
    EXPECT_EQ(readFile(t / "f"), hello);
    ASSERT_TRUE(p.extract("empty", t / "e"));
}

TEST(Lzma, ToolWritesTheHeaderThePackageNeeds) {
    TempFolder t;
    const std::string data = randomBytes(100000, 3) + std::string(100000, 'z');
    writeFile(t / "in", data);
    const std::string cmd =
        std::string(LZMA_TOOL) + " e '" + (t / "in") + "' '" + (t / "out") + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const std::string stream = readFile(t / "out");
    ASSERT_GT(stream.size(), 13u);
    const auto* h = reinterpret_cast<const unsigned char*>(stream.data());
    EXPECT_EQ(h[0], 0x5D);
    EXPECT_EQ(format::getU32(h + 1), 0x00800000u);
    EXPECT_EQ(format::getU32(h + 5), data.size());
    EXPECT_EQ(format::getU32(h + 9), 0u);

    const int in = ::open((t / "out").c_str(), O_RDONLY);
    const int out = ::open((t / "dec").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::string reason;
    EXPECT_EQ(
        lzmaDecode(in, 0, stream.size(), static_cast<std::uint32_t>(data.size()), out, reason),
        LzmaResult::Ok)
        << reason;
    ::close(out);
    EXPECT_EQ(readFile(t / "dec"), data);
    // A directory that claims another size is not believed.
    const int out2 = ::open((t / "dec2").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    EXPECT_EQ(lzmaDecode(in, 0, stream.size(), 5, out2, reason), LzmaResult::ReadError);
    // Nor is a payload cut short.
    EXPECT_EQ(
        lzmaDecode(in, 0, stream.size() / 2, static_cast<std::uint32_t>(data.size()), out2, reason),
        LzmaResult::ReadError);
    ::close(out2);
    ::close(in);
}

}  // namespace
}  // namespace turnpixa::setup
