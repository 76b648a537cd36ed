#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

#include "PngDecode.h"
#include "resources/Resources.h"

namespace turnpixa {
namespace {

using test::DecodedPng;
using test::decodePng;

std::string logoName(int k) {
    char name[32];
    std::snprintf(name, sizeof name, "spin-logo-%02d.png", k);
    return name;
}

std::vector<std::string> expectedNames() {
    std::vector<std::string> names;
    for (int k = 0; k < 45; ++k) names.push_back(logoName(k));
    names.push_back("arrow-left.png");
    names.push_back("arrow-right.png");
    names.push_back("empty-state.png");
    names.push_back("take-photos.png");
    return names;
}

DecodedPng decodeResource(const std::string& name) {
    DecodedPng png;
    EXPECT_TRUE(decodePng(resourceBytes(name), png)) << name;
    return png;
}

// Pixels clearly apart from the background colour (sum of the channels).
std::vector<bool> inkMask(const DecodedPng& png, bool whiteBackground, int threshold) {
    std::vector<bool> ink(std::size_t(png.width) * png.height);
    for (int y = 0; y < png.height; ++y)
        for (int x = 0; x < png.width; ++x) {
            const int s = png.sum(x, y);
            ink[std::size_t(y) * png.width + x] =
                whiteBackground ? 765 - s > threshold : s > threshold;
        }
    return ink;
}

std::vector<bool> mirrored(const std::vector<bool>& mask, int width, int height) {
    std::vector<bool> out(mask.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out[std::size_t(y) * width + x] = mask[std::size_t(y) * width + (width - 1 - x)];
    return out;
}

double overlap(const std::vector<bool>& a, const std::vector<bool>& b) {
    int both = 0, either = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        both += a[i] && b[i];
        either += a[i] || b[i];
    }
    return either ? double(both) / either : 0.0;
}

int inkWidth(const std::vector<bool>& ink, int width, int height) {
    int lo = width, hi = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (ink[std::size_t(y) * width + x]) {
                lo = std::min(lo, x);
                hi = std::max(hi, x);
            }
    return hi < lo ? 0 : hi - lo + 1;
}

// ---- the embedding ----

TEST(ResourceBytes, EveryPictureIsEmbeddedAsAnRgbPng) {
    for (const std::string& name : expectedNames()) {
        const auto bytes = resourceBytes(name);
        ASSERT_GT(bytes.size(), 33u) << name;
        const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        EXPECT_TRUE(std::equal(signature, signature + 8, bytes.begin())) << name;
        DecodedPng png = decodeResource(name);
        EXPECT_EQ(png.bitDepth, 8) << name;
        EXPECT_EQ(png.colourType, 2) << name << ": truecolour without alpha";
    }
}

TEST(ResourceBytes, MatchTheFilesByteForByte) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(TURNPIXA_SOURCE_DIR) / "resources" / "pictures";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> disk{std::istreambuf_iterator<char>(in),
                                             std::istreambuf_iterator<char>()};
        const auto bytes = resourceBytes(name);
        ASSERT_EQ(bytes.size(), disk.size()) << name;
        EXPECT_TRUE(std::equal(disk.begin(), disk.end(), bytes.begin())) << name;
        ++files;
    }
    EXPECT_EQ(files, 49);
}

TEST(ResourceBytes, UnknownNamesGiveNothing) {
    for (const char* name : {"", "spin-logo-45.png", "spin-logo-0.png", "arrow-left",
                             "Arrow-Left.png", "arrow-left.png ", "a", "zzz.png",
                             "pictures/arrow-left.png", "../pictures/arrow-left.png"})
        EXPECT_TRUE(resourceBytes(name).empty()) << '"' << name << '"';
    // A name that is a prefix of a stored one, and one with the stored name as prefix.
    EXPECT_TRUE(resourceBytes("empty").empty());
    EXPECT_TRUE(resourceBytes("empty-state.png.bak").empty());
    // A string_view that is not NUL-terminated right after the name.
    const std::string longer = "arrow-right.pngXYZ";
    EXPECT_FALSE(resourceBytes(std::string_view(longer).substr(0, 15)).empty());
}

// ---- the spin logo ----

TEST(SpinLogo, FortyFivePicturesOfOneSizeOnWhite) {
    for (int k = 0; k < 45; ++k) {
        DecodedPng png = decodeResource(logoName(k));
        ASSERT_EQ(png.width, 100) << k;
        ASSERT_EQ(png.height, 24) << k;
        // Keyed on white: the corners must be exactly the key.
        for (auto [x, y] : {std::pair{0, 0}, {99, 0}, {0, 23}, {99, 23}})
            EXPECT_EQ(png.sum(x, y), 765) << "logo " << k << " corner " << x << "," << y;
        const auto ink = inkMask(png, true, 100);
        EXPECT_GT(std::count(ink.begin(), ink.end(), true), 30) << "logo " << k << " is blank";
    }
}

TEST(SpinLogo, EveryStepChangesThePicture) {
    for (int k = 0; k < 45; ++k) {
        const auto a = resourceBytes(logoName(k));
        const auto b = resourceBytes(logoName((k + 1) % 45));
        EXPECT_FALSE(a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin()))
            << "logos " << k << " and " << (k + 1) % 45 << " are the same";
    }
}

TEST(SpinLogo, WidthFollowsTheTurn) {
    // The name spans about 96 pixels face on; turned by theta it shows
    // about 96 |cos theta| plus its thickness, with some perspective.
    for (int k = 0; k < 45; ++k) {
        DecodedPng png = decodeResource(logoName(k));
        const int width = inkWidth(inkMask(png, true, 100), 100, 24);
        const double expected = 96.0 * std::fabs(std::cos(2 * std::numbers::pi * k / 45));
        EXPECT_NEAR(width, expected, 12.0) << "logo " << k;
    }
}

TEST(SpinLogo, PictureTwentyTwoIsTheMirroredBackOfPictureZero) {
    DecodedPng front = decodeResource(logoName(0));
    DecodedPng back = decodeResource(logoName(22));
    const auto inkFront = inkMask(front, true, 100);
    const auto inkBack = inkMask(back, true, 100);
    EXPECT_NE(inkFront, inkBack);
    const double plain = overlap(inkFront, inkBack);
    const double flipped = overlap(inkFront, mirrored(inkBack, 100, 24));
    EXPECT_GT(flipped, 0.8);
    EXPECT_LT(plain, flipped - 0.2);

    // "Turn" is blue and "Pixa" orange: from the front blue comes first,
    // from behind last.
    auto blueMinusRedCentre = [](const DecodedPng& png) {
        double blueX = 0, blueN = 0, redX = 0, redN = 0;
        for (int y = 0; y < png.height; ++y)
            for (int x = 0; x < png.width; ++x) {
                const std::uint8_t* p = png.at(x, y);
                if (p[2] > p[0] + 60) {
                    blueX += x;
                    ++blueN;
                }
                if (p[0] > p[2] + 60) {
                    redX += x;
                    ++redN;
                }
            }
        EXPECT_GT(blueN, 50);
        EXPECT_GT(redN, 50);
        return blueX / std::max(blueN, 1.0) - redX / std::max(redN, 1.0);
    };
    EXPECT_LT(blueMinusRedCentre(front), -20.0);
    EXPECT_GT(blueMinusRedCentre(back), 20.0);
}

// ---- arrows ----

TEST(Arrows, BackgroundsAreExactlyTheKeyColours) {
    DecodedPng left = decodeResource("arrow-left.png");
    DecodedPng right = decodeResource("arrow-right.png");
    ASSERT_EQ(left.width, right.width);
    ASSERT_EQ(left.height, right.height);
    ASSERT_GE(left.width, 32);
    ASSERT_GE(left.height, 24);
    const int w = left.width, h = left.height;
    for (auto [x, y] :
         {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {w / 2, 0}, {w / 2, h - 1}}) {
        EXPECT_EQ(left.sum(x, y), 765) << "arrow-left " << x << "," << y;
        const std::uint8_t* p = right.at(x, y);
        EXPECT_TRUE(p[0] == 0 && p[1] == 0 && p[2] == 0) << "arrow-right " << x << "," << y;
    }
}

TEST(Arrows, AreGreenAndBrightEnoughForTheBlackKey) {
    DecodedPng right = decodeResource("arrow-right.png");
    const auto ink = inkMask(right, false, 0);
    std::vector<int> sums;
    for (int y = 0; y < right.height; ++y)
        for (int x = 0; x < right.width; ++x)
            if (ink[std::size_t(y) * right.width + x]) {
                const std::uint8_t* p = right.at(x, y);
                EXPECT_GE(p[1], p[0]) << x << "," << y;
                EXPECT_GE(p[1], p[2]) << x << "," << y;
                sums.push_back(p[0] + p[1] + p[2]);
            }
    ASSERT_GT(sums.size(), std::size_t(right.width * right.height / 5));
    // The still image keys it on black with tolerance 100 (distance 300):
    // the body must sit beyond that so it is not faded.
    std::sort(sums.begin(), sums.end());
    EXPECT_GE(sums[sums.size() / 2], 300);
}

TEST(Arrows, PointTheirWayAndMirrorEachOther) {
    DecodedPng left = decodeResource("arrow-left.png");
    DecodedPng right = decodeResource("arrow-right.png");
    const int w = right.width, h = right.height;
    const auto inkRight = inkMask(right, false, 150);
    const auto inkLeft = inkMask(left, true, 150);
    EXPECT_GT(overlap(inkLeft, mirrored(inkRight, w, h)), 0.9);
    EXPECT_LT(overlap(inkLeft, inkRight), 0.7);

    // The head is the tallest part of an arrow: it lies right of centre for
    // the right arrow, and the tip is the rightmost ink, at mid height.
    int tallest = -1, tallestX = 0, tipX = -1, tipY = 0;
    for (int x = 0; x < w; ++x) {
        int column = 0;
        for (int y = 0; y < h; ++y)
            if (inkRight[std::size_t(y) * w + x]) {
                ++column;
                tipX = x;
                tipY = y;
            }
        if (column > tallest) {
            tallest = column;
            tallestX = x;
        }
    }
    EXPECT_GT(tallestX, w / 2);
    EXPECT_GT(tipX, w * 3 / 4);
    EXPECT_NEAR(tipY, h / 2, h / 8);
    EXPECT_GT(tallest, h / 2);
}

// ---- empty state ----

TEST(EmptyState, SizeAndContent) {
    DecodedPng png = decodeResource("empty-state.png");
    ASSERT_EQ(png.width, 478);
    ASSERT_EQ(png.height, 353);
    for (auto [x, y] : {std::pair{0, 0}, {477, 0}, {0, 352}, {477, 352}})
        EXPECT_EQ(png.sum(x, y), 765) << x << "," << y;
    // Faded to 20 % it still has to show: a good part of it is drawn, in
    // strong colour.
    const auto ink = inkMask(png, true, 150);
    const double drawn = double(std::count(ink.begin(), ink.end(), true)) / ink.size();
    EXPECT_GT(drawn, 0.10);
    EXPECT_LT(drawn, 0.70);
}

}  // namespace
}  // namespace turnpixa
