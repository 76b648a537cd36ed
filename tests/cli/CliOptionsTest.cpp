#include <gtest/gtest.h>

#include "cli/CliOptions.h"

namespace turnpixa {
namespace {

bool parse(std::vector<std::string> args, CliOptions& o, std::string& error) {
    return parseCommandLine(args, o, error);
}

TEST(CliOptions, DefaultsMatchTheWizard) {
    CliOptions o;
    std::string error;
    ASSERT_TRUE(parse({"a.jpg", "b.jpg", "-o", "out/spin"}, o, error)) << error;
    EXPECT_EQ(o.photos, (std::vector<std::string>{"a.jpg", "b.jpg"}));
    EXPECT_EQ(o.output, "out/spin");
    EXPECT_FALSE(o.width || o.height || o.size || o.crop || o.removalStrength);
    EXPECT_EQ(o.rotate, 0);
    EXPECT_EQ(o.lightness, 1.0);
    EXPECT_EQ(o.backgroundColour, kWhite);
    EXPECT_EQ(o.frameWidth, 0);
    EXPECT_EQ(o.start, 1);
    EXPECT_FALSE(o.reverse || o.png || o.quiet);
    EXPECT_EQ(o.autoSpin, 0);
}

TEST(CliOptions, ReadsEveryOption) {
    CliOptions o;
    std::string error;
    ASSERT_TRUE(parse({"--output=p.htm",
                       "--height",
                       "300",
                       "--crop",
                       "10,20,110,95",
                       "--rotate",
                       "-1",
                       "--lightness",
                       "1.25",
                       "--remove-background=90",
                       "--background-colour",
                       "FF8000",
                       "--frame",
                       "12:0000ff",
                       "--start",
                       "3",
                       "--reverse",
                       "--png",
                       "--auto-spin",
                       "-120",
                       "-q",
                       "x.png"},
                      o, error))
        << error;
    EXPECT_EQ(o.output, "p.htm");
    EXPECT_EQ(o.height, 300);
    EXPECT_EQ(o.crop, (Rect{10, 20, 110, 95}));
    EXPECT_EQ(o.rotate, -1);
    EXPECT_DOUBLE_EQ(o.lightness, 1.25);
    EXPECT_EQ(o.removalStrength, 90);
    // RRGGBB on the command line, red + green * 256 + blue * 65536 inside.
    EXPECT_EQ(o.backgroundColour, 0x0080FFu);
    EXPECT_EQ(o.frameWidth, 12);
    EXPECT_EQ(o.frameColour, 0xFF0000u);
    EXPECT_EQ(o.start, 3);
    EXPECT_TRUE(o.reverse && o.png && o.quiet);
    EXPECT_EQ(o.autoSpin, -120);
    EXPECT_EQ(o.photos, (std::vector<std::string>{"x.png"}));
}

TEST(CliOptions, BareRemovalUsesTheDefaultStrengthAndSizeReadsWxH) {
    CliOptions o;
    std::string error;
    ASSERT_TRUE(parse({"--remove-background", "--size", "320x240", "a", "-o", "b"}, o, error));
    EXPECT_EQ(o.removalStrength, 60);
    EXPECT_EQ(o.size, std::make_pair(320, 240));
    EXPECT_EQ(o.photos, (std::vector<std::string>{"a"}));
}

TEST(CliOptions, PhotosMayStartWithADashAfterTheSeparator) {
    CliOptions o;
    std::string error;
    ASSERT_TRUE(parse({"-o", "p", "--", "-odd.jpg", "--png"}, o, error)) << error;
    EXPECT_EQ(o.photos, (std::vector<std::string>{"-odd.jpg", "--png"}));
    EXPECT_FALSE(o.png);
}

TEST(CliOptions, UsageErrorsNameTheArgument) {
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    const std::vector<Case> cases = {
        {{"a.jpg"}, "-o"},
        {{"-o", "p"}, "no photos"},
        {{"a", "-o", "p", "--width", "0"}, "--width"},
        {{"a", "-o", "p", "--width", "12px"}, "12px"},
        {{"a", "-o", "p", "--width", "99999999999999999999"}, "--width"},
        {{"a", "-o", "p", "--width", "400", "--height", "300"}, "one of"},
        {{"a", "-o", "p", "--size", "400"}, "--size"},
        {{"a", "-o", "p", "--size", "400x300x2"}, "--size"},
        {{"a", "-o", "p", "--crop", "10,10,5,20"}, "--crop"},
        {{"a", "-o", "p", "--crop", "1,2,3"}, "--crop"},
        {{"a", "-o", "p", "--lightness", "0"}, "--lightness"},
        {{"a", "-o", "p", "--lightness", "nan"}, "--lightness"},
        {{"a", "-o", "p", "--remove-background=5"}, "--remove-background"},
        {{"a", "-o", "p", "--background-colour", "12345"}, "--background-colour"},
        {{"a", "-o", "p", "--background-colour", "GG0000"}, "--background-colour"},
        {{"a", "-o", "p", "--frame", "5:red"}, "--frame"},
        {{"a", "-o", "p", "--start", "0"}, "--start"},
        {{"a", "-o", "p", "--png=yes"}, "takes no value"},
        {{"a", "-o", "p", "--colour", "FFFFFF"}, "unknown option --colour"},
        {{"a", "-o", "p", "-x"}, "unknown option -x"},
        {{"a", "-o"}, "-o needs"},
    };
    for (const Case& c : cases) {
        CliOptions o;
        std::string error;
        EXPECT_FALSE(parse(c.args, o, error)) << c.mentions;
        EXPECT_NE(error.find(c.mentions), std::string::npos) << error;
    }
}

TEST(CliOptions, HelpNeedsNothingElse) {
    CliOptions o;
    std::string error;
    ASSERT_TRUE(parse({"--help"}, o, error));
    EXPECT_TRUE(o.help);
    EXPECT_NE(usageText().find("--remove-background"), std::string::npos);
}

}  // namespace
}  // namespace turnpixa
