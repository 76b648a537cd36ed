#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/BufferedFile.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

TEST(BufferedFile, ReadsAcrossTheBufferEdge) {
    test::TempDir dir;
    std::string bytes;
    for (int i = 0; i < 1000; ++i) bytes.push_back(static_cast<char>(i * 7));
    test::writeWholeFile(dir.file("a.bin"), bytes);

    BufferedFile f(64);
    ASSERT_TRUE(f.open(dir.file("a.bin"), BufferedFile::Mode::Read));
    std::vector<char> got(1000);
    EXPECT_EQ(f.read(got.data(), 10), 10u);
    EXPECT_EQ(f.position(), 10);
    EXPECT_EQ(f.read(got.data() + 10, 200), 200u);  // more than the buffer holds
    EXPECT_EQ(f.position(), 210);
    EXPECT_EQ(f.read(got.data() + 210, 5000), 790u);
    EXPECT_EQ(std::string(got.begin(), got.end()), bytes);
    EXPECT_EQ(f.read(got.data(), 1), 0u);
    ASSERT_TRUE(f.seek(3, SEEK_SET));
    char c = 0;
    EXPECT_EQ(f.read(&c, 1), 1u);
    EXPECT_EQ(c, bytes[3]);
}

TEST(BufferedFile, ReadsAndSeeksInMemory) {
    BufferedFile file;
    file.openMemory(std::string_view("abcdef"));
    char got[8] = {};
    EXPECT_EQ(file.read(got, 4), 4u);
    EXPECT_EQ(std::string(got, 4), "abcd");
    EXPECT_EQ(file.position(), 4);
    EXPECT_EQ(file.read(got, 8), 2u);  // short at the end
    EXPECT_TRUE(file.seek(-3, SEEK_END));
    EXPECT_EQ(file.read(got, 1), 1u);
    EXPECT_EQ(got[0], 'd');
    EXPECT_FALSE(file.seek(7, SEEK_SET));
    EXPECT_FALSE(file.seek(-1, SEEK_SET));
    EXPECT_FALSE(file.write("x", 1));
    file.openMemory({});
    EXPECT_TRUE(file.isOpen());
    EXPECT_EQ(file.read(got, 1), 0u);
}

TEST(BufferedFile, WritesSmallAndLargeBlocksInOrder) {
    test::TempDir dir;
    std::string expected;
    {
        BufferedFile f(16);
        ASSERT_TRUE(f.open(dir.file("b.bin"), BufferedFile::Mode::Write));
        for (int i = 0; i < 20; ++i) {
            std::string piece(static_cast<std::size_t>(i * 3 % 40), static_cast<char>('a' + i));
            expected += piece;
            ASSERT_TRUE(f.write(piece.data(), piece.size()));
            EXPECT_EQ(f.position(), static_cast<std::int64_t>(expected.size()));
        }
        EXPECT_TRUE(f.close());
    }
    EXPECT_EQ(test::readWholeFile(dir.file("b.bin")), expected);
}

TEST(BufferedFile, DestructorFlushes) {
    test::TempDir dir;
    {
        BufferedFile f;
        ASSERT_TRUE(f.open(dir.file("c.bin"), BufferedFile::Mode::Write));
        f.write("hello", 5);
    }
    EXPECT_EQ(test::readWholeFile(dir.file("c.bin")), "hello");
}

TEST(BufferedFile, ReportsAFullDisk) {
    BufferedFile f(8);
    ASSERT_TRUE(f.open("/dev/full", BufferedFile::Mode::Write));
    const std::string data(100, 'x');
    f.write(data.data(), data.size());
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.failed());
    EXPECT_NE(f.error().find("No space"), std::string::npos) << f.error();
}

TEST(BufferedFile, NamesTheReasonWhenCreateFails) {
    BufferedFile f;
    EXPECT_FALSE(f.open("/nonexistent-folder/x.jpg", BufferedFile::Mode::Write));
    EXPECT_NE(f.error().find("No such file"), std::string::npos) << f.error();
}

}  // namespace
}  // namespace turnpixa
