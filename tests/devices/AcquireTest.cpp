// Acquisition through CTwainSource and the SANE source-manager layer against
// SANE's test backend, with a scripted user in place of the windows.
#include <gtest/gtest.h>

#include "SaneTestBackend.h"

namespace turnpixa::test {
namespace {

class Acquire : public ::testing::Test {
protected:
    SaneTestConfig config;
    ScriptedUser user;
    SaneSourceManager manager{user};

    // Our scan of the page compared with scanimage's for the same options.
    void expectSameAsScanimage(const RasterImage& image, std::vector<std::string> options) {
        options.insert(options.begin(), {"-d", "test:0"});
        const std::string pnm = scanimagePnm(options);
        if (pnm.empty()) GTEST_SKIP() << "scanimage is not installed";
        int w = 0, h = 0;
        std::vector<std::uint8_t> rgb;
        ASSERT_TRUE(pnmToRgb(pnm, w, h, rgb));
        EXPECT_EQ(image.width(), w);
        EXPECT_EQ(image.height(), h);
        EXPECT_TRUE(imageRgb(image) == rgb);
    }
};

TEST_F(Acquire, FeederGivesTenPagesInOrderThenCloses) {
    manager.setSourceOption("Automatic Document Feeder");
    // Each page its own height, so the order shows: page n is 20 + n mm tall.
    manager.setBeforePage([](int page, SaneDevice& device) {
        std::string reason;
        EXPECT_TRUE(device.setOption("br-y", std::to_string(20 + page), reason)) << reason;
    });
    const Acquired got = acquire(user, manager);
    ASSERT_TRUE(got.selected);
    ASSERT_EQ(got.images.size(), 10u);
    for (int i = 1; i < 10; ++i)
        EXPECT_GT(got.images[static_cast<std::size_t>(i)].height(),
                  got.images[static_cast<std::size_t>(i - 1)].height())
            << "page " << i + 1;
    // The eleventh transfer finds the feeder empty and ends the acquisition.
    EXPECT_EQ(got.calls, 11);
    EXPECT_EQ(user.windowsShown, 1);
    EXPECT_FALSE(user.windowOpen);
}

TEST_F(Acquire, FlatbedGivesOnePageAndClosesItsWindow) {
    const Acquired got = acquire(user, manager);
    ASSERT_TRUE(got.selected);
    ASSERT_EQ(got.images.size(), 1u);
    EXPECT_EQ(got.calls, 1);
    EXPECT_FALSE(user.windowOpen);
    EXPECT_EQ(user.offered, (std::vector<std::string>{"test:0", "test:1"}));
    // 80 x 100 mm at 25 dpi, grey.
    EXPECT_EQ(got.images[0].width(), 78);
    EXPECT_EQ(got.images[0].height(), 98);
    EXPECT_EQ(got.images[0].bitsPerPixel(), 8);
    EXPECT_TRUE(got.images[0].isGreyPalette());
}

TEST_F(Acquire, ColourPatternKeepsRedGreenBlueInPlace) {
    manager.addOption("mode", "Color");
    manager.addOption("test-picture", "Color pattern");
    const Acquired got = acquire(user, manager);
    ASSERT_EQ(got.images.size(), 1u);
    const RasterImage& image = got.images[0];
    ASSERT_EQ(image.bitsPerPixel(), 24);
    // The pattern's first bars: red, then green, then blue.
    const std::vector<std::pair<int, PackedColour>> bars = {
        {7, packColour(255, 0, 0)}, {17, packColour(0, 255, 0)}, {27, packColour(0, 0, 255)}};
    for (const auto& [y, colour] : bars) {
        std::uint8_t r = 0, g = 0, b = 0;
        ASSERT_TRUE(image.getPixel(2, y, r, g, b));
        EXPECT_EQ(packColour(r, g, b), colour) << "row " << y;
    }
    expectSameAsScanimage(image, {"--mode", "Color", "--test-picture", "Color pattern"});
}

struct FrameCase {
    const char* name;
    std::vector<std::string> options;  // SANE option, value, ...
    int bits;
};

void PrintTo(const FrameCase& c, std::ostream* os) {
    *os << c.name;
}

class AcquireFrames : public Acquire, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(AcquireFrames, MatchScanimage) {
    const FrameCase& c = GetParam();
    std::vector<std::string> args;
    for (std::size_t i = 0; i + 1 < c.options.size(); i += 2) {
        manager.addOption(c.options[i], c.options[i + 1]);
        args.push_back("--" + c.options[i] + "=" + c.options[i + 1]);
    }
    const Acquired got = acquire(user, manager);
    ASSERT_EQ(got.images.size(), 1u) << got.failure;
    EXPECT_EQ(got.images[0].bitsPerPixel(), c.bits);
    expectSameAsScanimage(got.images[0], args);
}

INSTANTIATE_TEST_SUITE_P(
    Sane, AcquireFrames,
    ::testing::Values(FrameCase{"Grey", {"test-picture", "Color pattern"}, 8},
                      FrameCase{"OneBit", {"depth", "1", "test-picture", "Grid"}, 1},
                      FrameCase{
                          "SixteenBitGrey", {"depth", "16", "test-picture", "Color pattern"}, 8},
                      FrameCase{"SixteenBitColour",
                                {"mode", "Color", "depth", "16", "test-picture", "Color pattern"},
                                24},
                      FrameCase{"ThreePass",
                                {"mode", "Color", "three-pass", "yes", "three-pass-order", "GBR",
                                 "test-picture", "Color pattern"},
                                24},
                      FrameCase{"HandScanner", {"hand-scanner", "yes", "test-picture", "Grid"}, 8}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(Acquire, JamKeepsThePagesBeforeIt) {
    manager.setSourceOption("Automatic Document Feeder");
    manager.setBeforePage([](int page, SaneDevice& device) {
        std::string reason;
        if (page == 4) {
            EXPECT_TRUE(device.setOption("read-return-value", "SANE_STATUS_JAMMED", reason))
                << reason;
        }
    });
    const Acquired got = acquire(user, manager);
    EXPECT_EQ(got.images.size(), 3u);
    EXPECT_EQ(got.failure, "Document feeder jammed");
    EXPECT_FALSE(user.windowOpen);
}

TEST_F(Acquire, ClosingTheWindowWithoutScanningGivesNothing) {
    user.presses = {"Close"};
    const Acquired got = acquire(user, manager);
    ASSERT_TRUE(got.selected);
    EXPECT_TRUE(got.images.empty());
    EXPECT_EQ(got.calls, 1);
    EXPECT_FALSE(user.windowOpen);
}

TEST_F(Acquire, CancelledSelectionAddsNothing) {
    user.choose.clear();
    const Acquired got = acquire(user, manager);
    EXPECT_FALSE(got.selected);
    EXPECT_EQ(got.calls, 0);
    EXPECT_EQ(user.windowsShown, 0);
}

TEST(AcquireWithoutDevices, OffersAnEmptySelectionAndAddsNothing) {
    SaneTestConfig config(false);
    ScriptedUser user;
    SaneSourceManager manager(user);
    const Acquired got = acquire(user, manager);
    EXPECT_FALSE(got.selected);
    EXPECT_TRUE(user.offered.empty());
    EXPECT_TRUE(got.images.empty());
}

TEST_F(Acquire, SourceThatWillNotOpenAsksRetryThenGivesUp) {
    manager.addOption("no-such-option", "1");
    user.retryAnswers = {true, false};
    const Acquired got = acquire(user, manager);
    EXPECT_FALSE(got.selected);
    ASSERT_EQ(user.questions.size(), 2u);
    EXPECT_EQ(user.questions[0],
              "The test:0 is not responding\nCheck that it is connected and turned on.");
    EXPECT_EQ(user.windowsShown, 0);
}

}  // namespace
}  // namespace turnpixa::test
