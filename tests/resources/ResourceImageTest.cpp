#include <gtest/gtest.h>

#include "PngDecode.h"
#include "resources/Resources.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

// Every built-in picture decoded through the program's own reader must
// match what libpng makes of the same bytes, pixel for pixel.
TEST(LoadResourceImage, MatchesLibpngForEveryPicture) {
    std::vector<std::string> names = {"arrow-left.png", "arrow-right.png", "empty-state.png",
                                      "take-photos.png"};
    for (int k = 0; k < 45; ++k) {
        char name[32];
        std::snprintf(name, sizeof name, "spin-logo-%02d.png", k);
        names.push_back(name);
    }
    for (const std::string& name : names) {
        test::DecodedPng expected;
        ASSERT_TRUE(test::decodePng(resourceBytes(name), expected)) << name;
        RasterImage image;
        ASSERT_TRUE(loadResourceImage(name, image)) << name;
        ASSERT_EQ(image.width(), expected.width) << name;
        ASSERT_EQ(image.height(), expected.height) << name;
        EXPECT_EQ(image.bitsPerPixel(), 24) << name;
        int mismatches = 0;
        for (int y = 0; y < expected.height; ++y)
            for (int x = 0; x < expected.width; ++x) {
                const std::uint8_t* p = expected.at(x, y);
                if (test::pixelAt(image, x + 1, y + 1) != packColour(p[0], p[1], p[2]))
                    ++mismatches;
            }
        EXPECT_EQ(mismatches, 0) << name;
    }
}

TEST(LoadResourceImage, MissingNameLeavesTheImageEmpty) {
    RasterImage image;
    ASSERT_TRUE(image.create(8, 8, 24));
    EXPECT_FALSE(loadResourceImage("no-such-picture.png", image));
    EXPECT_TRUE(image.empty());
    EXPECT_FALSE(loadResourceImage("", image));
    EXPECT_TRUE(image.empty());
}

TEST(LoadResourceImage, LoadsRepeatedly) {
    // Each call opens its own stream over the same bytes.
    RasterImage first, second;
    ASSERT_TRUE(loadResourceImage("spin-logo-00.png", first));
    ASSERT_TRUE(loadResourceImage("spin-logo-00.png", second));
    EXPECT_EQ(test::maxChannelDifference(first, second), 0);
}

}  // namespace
}  // namespace turnpixa
