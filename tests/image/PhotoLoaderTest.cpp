#include <gtest/gtest.h>

#include "FormatTestUtil.h"
#include "image/ImageFormats.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

TEST(PhotoLoader, TriesEveryReaderWhateverTheName) {
    test::TempDir dir;
    const struct {
        const char* source;
        const char* name;
        int bits;
    } cases[] = {{"pngsuite/basn3p04.png", "a.gif", 4},
                 {"gif/hopper.gif", "b.jpg", 8},
                 {"tiff/hopper_g4.tif", "c.png", 1},
                 {"bmpsuite/g/rgb24.bmp", "d.tif", 24},
                 {"jpeg/hopper_gray.jpg", "e", 8}};
    for (const auto& c : cases) {
        test::writeWholeFile(dir.file(c.name), test::readWholeFile(test::imageData(c.source)));
        RasterImage image;
        std::string reason = "unchanged";
        EXPECT_TRUE(loadPhotoFile(dir.file(c.name), image, &reason)) << c.source;
        EXPECT_EQ(image.bitsPerPixel(), c.bits) << c.source;
        EXPECT_TRUE(reason.empty());
    }
}

TEST(PhotoLoader, SaysWhyAFileWouldNotLoad) {
    test::TempDir dir;
    RasterImage image;
    std::string reason;
    EXPECT_FALSE(loadPhotoFile(dir.file("missing.jpg"), image, &reason));
    EXPECT_FALSE(reason.empty());
    test::writeWholeFile(dir.file("empty.bmp"), "");
    EXPECT_FALSE(loadPhotoFile(dir.file("empty.bmp"), image, &reason));
    EXPECT_NE(reason.find("known format"), std::string::npos);
    test::writeWholeFile(dir.file("notes.txt"),
                         "BM but only text, GIF89a, II*\0 and \xFF\xD8 pieces");
    EXPECT_FALSE(loadPhotoFile(dir.file("notes.txt"), image, &reason));
    EXPECT_TRUE(image.empty());
}

}  // namespace
}  // namespace turnpixa
