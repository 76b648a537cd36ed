// Every file of the public suites under tests/data/image goes through the
// loader: it loads with a sound image or is refused, and never crashes or
// touches memory it should not (this suite runs under ASan and UBSan too).
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "FormatTestUtil.h"
#include "image/ImageFormats.h"

namespace turnpixa {
namespace {

std::vector<std::string> suiteFiles() {
    std::vector<std::string> files;
    const std::string root = test::imageData("");
    for (const char* folder : {"pngsuite", "bmpsuite", "gif", "tiff", "jpeg"})
        for (const std::string& path : test::imageFilesUnder(folder)) {
            const std::string ext = std::filesystem::path(path).extension().string();
            if (ext == ".png" || ext == ".bmp" || ext == ".gif" || ext == ".tif" || ext == ".tiff" ||
                ext == ".jpg")
                files.push_back(std::filesystem::relative(path, root).string());
        }
    return files;
}

enum class Expect { Load, Refuse, Either };

// What the format rules say about a file, from its suite's description of it.
Expect expectationFor(const std::string& file) {
    static const std::pair<std::regex, Expect> rules[] = {
        {std::regex("pngsuite/x.*"), Expect::Refuse},  // deliberately broken
        {std::regex("pngsuite/.*"), Expect::Load},
        {std::regex("bmpsuite/g/(pal4rle|pal8rle|pal8os2)\\.bmp"), Expect::Refuse},  // RLE, OS/2 header
        {std::regex("bmpsuite/g/.*"), Expect::Load},
        {std::regex("bmpsuite/b/(badbitcount|badheadersize|badwidth|badrle|reallybig|rletopdown|"
                    "shortfile)\\.bmp"),
         Expect::Refuse},
        {std::regex("gif/(zero_width|no_palette|decompression_bomb)\\.gif"), Expect::Refuse},
        {std::regex("gif/.*"), Expect::Load},
        {std::regex("jpeg/.*"), Expect::Load},
        {std::regex("tiff/(hopper|hopper_lzw|hopper_g4|hopper_gray_4bpp|hopper_jpg|16bit\\.cropped|"
                    "tiff_strip_raw|tiff_tiled_raw|tiff_strip_planar_raw|tiff_tiled_planar_raw|"
                    "tiff_strip_cmyk_jpeg|tiff_tiled_cmyk_jpeg|multipage|copyleft)\\.tiff?"),
         Expect::Load},
    };
    for (const auto& [pattern, expect] : rules)
        if (std::regex_match(file, pattern)) return expect;
    return Expect::Either;
}

class PublicSuites : public ::testing::TestWithParam<std::string> {};

TEST_P(PublicSuites, LoadsSoundlyOrIsRefused) {
    const std::string file = GetParam();
    test::RecordedReports reports;
    RasterImage image;
    const bool loaded = test::readWith(
        [](BufferedFile& f, RasterImage& img) { return loadPhoto(f, f.path(), img); }, test::imageData(file),
        image);
    const Expect expect = expectationFor(file);
    if (expect == Expect::Load) {
        EXPECT_TRUE(loaded);
    }
    if (expect == Expect::Refuse) {
        EXPECT_FALSE(loaded);
    }
    std::printf("RESULT %s %s %dx%dx%d reports=%zu\n", file.c_str(), loaded ? "LOAD" : "REFUSE",
                image.width(), image.height(), image.bitsPerPixel(), reports.size());
    if (!loaded) {
        EXPECT_TRUE(image.empty());
        return;
    }
    ASSERT_FALSE(image.empty());
    EXPECT_TRUE(RasterImage::sizeAllowed(image.width(), image.height(), image.bitsPerPixel()));
    EXPECT_EQ(image.pixelLength(), static_cast<std::size_t>(image.stride()) * image.height());
    EXPECT_LE(reports.size(), 2u) << "a damaged file should not raise a flood of messages";
}

std::string testName(const ::testing::TestParamInfo<std::string>& p) {
    std::string name = p.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(AllFiles, PublicSuites, ::testing::ValuesIn(suiteFiles()), testName);

}  // namespace
}  // namespace turnpixa
