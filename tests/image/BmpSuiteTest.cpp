// The good files of the BMP Suite against its reference renderings (PNG,
// decoded by this program's own PNG reader, which the PngSuite test checks).
#include <gtest/gtest.h>

#include <map>

#include "FormatTestUtil.h"
#include "image/ImageFormats.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

struct SuiteCase {
    const char* file;
    const char* reference;  // html/<name>.png
    int tolerance;
};

// Most files of the suite show one of a few pictures in another encoding.
// The 8-bit references were rendered with a few palette entries one level
// off (table entry 11 is green 0x2B in every pal8 file, 0x2A in the PNG), so
// those files are allowed 1.
const SuiteCase kCases[] = {
    {"pal1", "pal1", 0},          {"pal1wb", "pal1", 0},       {"pal1bg", "pal1bg", 0},
    {"pal4", "pal4", 0},          {"pal8", "pal8", 1},         {"pal8-0", "pal8", 1},
    {"pal8topdown", "pal8", 1},   {"pal8v4", "pal8", 1},       {"pal8v5", "pal8", 1},
    {"pal8w124", "pal8w124", 1},  {"pal8w125", "pal8w125", 1}, {"pal8w126", "pal8w126", 1},
    {"rgb24", "rgb24", 0},        {"rgb24pal", "rgb24", 0},    {"rgb32", "rgb24", 0},
    {"rgb32bf", "rgb24", 0},
    // Five- and six-bit channels are widened by shifting, the references by
    // replicating the top bits: full intensity is 248 (252) here and 255 there.
    {"rgb16", "rgb16", 7},        {"rgb16-565", "rgb16-565", 7}, {"rgb16-565pal", "rgb16-565", 7},
};

class BmpSuite : public ::testing::TestWithParam<SuiteCase> {};

TEST_P(BmpSuite, MatchesReferenceRendering) {
    const SuiteCase& c = GetParam();
    RasterImage image, reference;
    ASSERT_TRUE(test::readWith(readBmp, test::imageData(std::string("bmpsuite/g/") + c.file + ".bmp"), image));
    ASSERT_TRUE(test::readWith(readPng, test::imageData(std::string("bmpsuite/html/") + c.reference + ".png"),
                               reference));
    const int difference = test::maxChannelDifference(image, reference);
    EXPECT_GE(difference, 0) << test::describeDifference(image, reference);
    EXPECT_LE(difference, c.tolerance) << test::describeDifference(image, reference);
}

INSTANTIATE_TEST_SUITE_P(Good, BmpSuite, ::testing::ValuesIn(kCases), [](const auto& p) {
    std::string name = p.param.file;
    for (char& ch : name)
        if (ch == '-') ch = '_';
    return name;
});

}  // namespace
}  // namespace turnpixa
