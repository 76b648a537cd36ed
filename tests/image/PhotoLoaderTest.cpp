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

// Each refusal names its real cause; a photo taken in part says what was wrong.
TEST(PhotoLoader, GivesTheRealReasonAndFlagsPartLoads) {
    test::TempDir dir;
    RasterImage image;
    std::string reason, damage;
    EXPECT_FALSE(loadPhotoFile(dir.path().string(), image, &reason));
    EXPECT_EQ(reason, "a folder, not a photo");

    // A header claiming 20000 x 20000 pixels.
    std::string huge = test::readWholeFile(test::imageData("bmpsuite/g/rgb24.bmp"));
    for (int at : {18, 22}) {
        huge[at] = static_cast<char>(20000 & 0xFF);
        huge[at + 1] = static_cast<char>(20000 >> 8);
    }
    test::writeWholeFile(dir.file("huge.bmp"), huge);
    EXPECT_FALSE(loadPhotoFile(dir.file("huge.bmp"), image, &reason));
    EXPECT_EQ(reason,
              "too large: 20000 x 20000 pixels (photos of up to 150 million pixels are taken)");

    const std::string png = test::readWholeFile(test::imageData("pngsuite/basn2c08.png"));
    test::writeWholeFile(dir.file("cut.png"), png.substr(0, png.size() / 2));
    EXPECT_FALSE(loadPhotoFile(dir.file("cut.png"), image, &reason));
    EXPECT_EQ(reason.rfind("a damaged PNG file (", 0), 0u) << reason;

    // Part loads: taken, never silently.
    const std::string jpeg = test::readWholeFile(test::imageData("jpeg/hopper.jpg"));
    const std::string gif = test::readWholeFile(test::imageData("gif/hopper.gif"));
    test::writeWholeFile(dir.file("cut.jpg"), jpeg.substr(0, jpeg.size() / 2));
    test::writeWholeFile(dir.file("cut.gif"), gif.substr(0, gif.size() / 2));
    test::RecordedReports reports;
    EXPECT_TRUE(loadPhotoFile(dir.file("cut.jpg"), image, &reason, &damage));
    EXPECT_EQ(damage, "Premature end of JPEG file");
    EXPECT_TRUE(loadPhotoFile(dir.file("cut.gif"), image, &reason, &damage));
    EXPECT_FALSE(damage.empty());
    EXPECT_TRUE(reason.empty());
    EXPECT_EQ(reports.size(), 0u);
    // A caller that does not ask still hears of it, with the file's name.
    EXPECT_TRUE(loadPhotoFile(dir.file("cut.jpg"), image));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports.all()[0].second,
              dir.file("cut.jpg") + " was loaded only in part: Premature end of JPEG file");
    // Whole files raise nothing.
    EXPECT_TRUE(loadPhotoFile(test::imageData("jpeg/hopper.jpg"), image, &reason, &damage));
    EXPECT_TRUE(damage.empty());
}

}  // namespace
}  // namespace turnpixa
