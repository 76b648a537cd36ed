#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sstream>

#include "cli/CliOptionTable.h"
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
    EXPECT_FALSE(o.reverse || o.format != FrameFormat::Jpeg || o.quiet);
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
    EXPECT_TRUE(o.reverse && o.format == FrameFormat::Png && o.quiet);
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
    EXPECT_EQ(o.format, FrameFormat::Jpeg);
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
        {{"a", "--output"}, "--output needs"},
        {{"a", "-o", "p", "--wid", "0"}, "--width needs"},
        {{"a", "-o", "p", "--re"},
         "ambiguous option --re (--reverse, --remove-background, --report)"},
        {{"a", "-o", "p", "--help=1"}, "--help takes no value"},
        {{"a", "-o", "p", "--quality", "0"}, "--quality"},
        {{"a", "-o", "p", "--quality", "101"}, "--quality"},
        {{"a", "-o", "p", "--size", "x"}, "--size"},
        {{"a", "-o", "p", "--size", "0x300"}, "--size"},
        {{"a", "-o", "p", "--size", "400x", "--height", "300"}, "one of"},
        {{"a", "-o", "p", "--crop", "10x10+5"}, "--crop"},
        {{"a", "-o", "p", "--crop", "0x10+1+1"}, "--crop"},
        {{"a", "-o", "p", "--crop", "10x10+-1+0"}, "--crop"},
        {{"a", "-o", "p", "--crop", "10x10+999999+0"}, "--crop"},
        {{"a", "-o", "p", "-qx"}, "unknown option -x"},
        {{"a", "-o", "p", "--format=gif"}, "--format needs jpeg, png or webp"},
        {{"a", "-o", "p", "--zoom=-5"}, "--zoom needs"},
        {{"a", "--frame-pack=p.zip", "--pack-frames=30"}, "--pack-frames needs 24, 36, 48 or 72"},
        {{"a", "--frame-pack=p.zip", "--pack-frames=360"}, "--pack-frames needs"},
        {{"a", "--frame-pack=p.zip", "--pack-width=0"}, "--pack-width needs"},
        {{"a", "-o", "p", "--pack-frames=24"}, "--pack-frames goes with --frame-pack"},
        {{"a", "-o", "p", "--pack-width=800"}, "--pack-width goes with --frame-pack"},
        {{"a", "--frame-pack=p.zip", "--upload"}, "give -o PAGE too"},
        {{"--frame-pack=p.zip"}, "no photos"},
    };
    for (const Case& c : cases) {
        CliOptions o;
        std::string error;
        EXPECT_FALSE(parse(c.args, o, error)) << c.mentions;
        EXPECT_NE(error.find(c.mentions), std::string::npos) << error;
    }
}

// The forms GNU tools and ImageMagick users type, each with what it must set.
TEST(CliOptions, ReadsGnuAndImageMagickForms) {
    struct Case {
        std::vector<std::string> args;
        std::function<void(const CliOptions&)> check;
    };
    const std::vector<Case> cases = {
        {{"-opage", "a"}, [](const CliOptions& o) { EXPECT_EQ(o.output, "page"); }},
        {{"-qopage", "a"}, [](const CliOptions& o) { EXPECT_TRUE(o.quiet && o.output == "page"); }},
        {{"--output=p=q", "a"}, [](const CliOptions& o) { EXPECT_EQ(o.output, "p=q"); }},
        {{"--wid", "300", "-o", "p", "a"}, [](const CliOptions& o) { EXPECT_EQ(o.width, 300); }},
        {{"--hei=200", "-o", "p", "a"}, [](const CliOptions& o) { EXPECT_EQ(o.height, 200); }},
        {{"a", "-o", "p", "b", "--png", "c", "--rotate", "-1", "d"},
         [](const CliOptions& o) {
             EXPECT_EQ(o.photos, (std::vector<std::string>{"a", "b", "c", "d"}));
             EXPECT_EQ(o.format, FrameFormat::Png);
             EXPECT_EQ(o.rotate, -1);
         }},
        {{"-", "-o", "p", "--", "-x.jpg", "-o"},
         [](const CliOptions& o) {
             EXPECT_EQ(o.photos, (std::vector<std::string>{"-", "-x.jpg", "-o"}));
         }},
        // An optional value only ever comes attached, as in every GNU tool.
        {{"--remove-background", "90", "-o", "p"},
         [](const CliOptions& o) {
             EXPECT_EQ(o.removalStrength, 60);
             EXPECT_EQ(o.photos, (std::vector<std::string>{"90"}));
         }},
        {{"--size", "400x", "-o", "p", "a"},
         [](const CliOptions& o) {
             EXPECT_EQ(o.width, 400);
             EXPECT_FALSE(o.height || o.size);
         }},
        {{"--size=x300", "-o", "p", "a"},
         [](const CliOptions& o) {
             EXPECT_EQ(o.height, 300);
             EXPECT_FALSE(o.width || o.size);
         }},
        {{"--size", "400x", "--size", "x300", "-o", "p", "a"},
         [](const CliOptions& o) {
             EXPECT_EQ(o.height, 300);
             EXPECT_FALSE(o.width || o.size);
         }},
        {{"--size", "+320x240", "-o", "p", "a"},
         [](const CliOptions& o) { EXPECT_EQ(o.size, std::make_pair(320, 240)); }},
        {{"--crop", "100x50+10+20", "-o", "p", "a"},
         [](const CliOptions& o) {
             EXPECT_EQ(o.crop, (Rect{10, 20, 110, 70}));
         }},
        {{"--background-color", "FF8000", "-o", "p", "a"},
         [](const CliOptions& o) { EXPECT_EQ(o.backgroundColour, 0x0080FFu); }},
        // Both spellings share one meaning, so a prefix of both is no ambiguity.
        {{"--background-col=00FF00", "-o", "p", "a"},
         [](const CliOptions& o) { EXPECT_EQ(o.backgroundColour, 0x00FF00u); }},
        {{"--quality", "90", "-o", "p", "a"},
         [](const CliOptions& o) { EXPECT_EQ(o.quality, 90); }},
        {{"-o", "p", "a"},
         [](const CliOptions& o) {
             EXPECT_FALSE(o.quality.has_value());
             EXPECT_EQ(o.zoom, 0);
             EXPECT_FALSE(o.transparent);
         }},
        {{"--format=webp", "--zoom", "1600", "--background-colour=transparent", "-o", "p", "a"},
         [](const CliOptions& o) {
             EXPECT_EQ(o.format, FrameFormat::WebP);
             EXPECT_EQ(o.zoom, 1600);
             EXPECT_TRUE(o.transparent);
         }},
        {{"--png", "--format", "jpeg", "-o", "p", "a"},
         [](const CliOptions& o) { EXPECT_EQ(o.format, FrameFormat::Jpeg); }},
    };
    for (const Case& c : cases) {
        CliOptions o;
        std::string error;
        std::string joined;
        for (const std::string& a : c.args) joined += a + " ";
        SCOPED_TRACE(joined);
        ASSERT_TRUE(parse(c.args, o, error)) << error;
        c.check(o);
    }
}

// Scripts run with POSIXLY_CORRECT set must still see options after photos.
TEST(CliOptions, PermutesWhateverTheEnvironmentSays) {
    ::setenv("POSIXLY_CORRECT", "1", 1);
    CliOptions o;
    std::string error;
    const bool parsed = parse({"a", "-o", "p", "b"}, o, error);
    ::unsetenv("POSIXLY_CORRECT");
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(o.output, "p");
    EXPECT_EQ(o.photos, (std::vector<std::string>{"a", "b"}));
}

TEST(CliOptions, HelpIsAlignedAndEveryTextNamesEveryOption) {
    const std::string help = usageText();
    const std::size_t at = help.find("displayed frame width");
    const std::size_t column = at - help.rfind('\n', at) - 1;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), 79u) << line;
        if (line.rfind("  ", 0) != 0) continue;
        // A continuation starts at the column; a row's text after its lead.
        const std::size_t first = line.find_first_not_of(' ');
        if (first == column) continue;
        const std::size_t gap = line.find("  ", first);
        if (gap == std::string::npos) continue;  // a lead too long to share its line
        EXPECT_EQ(line.find_first_not_of(' ', gap), column) << line;
    }
    const std::string man = manPage("1.0");
    const std::string completion = bashCompletion();
    for (const CliOption& o : cliOptionTable()) {
        for (const char* n : {o.longName, o.alias}) {
            if (!n) continue;
            const std::string name = std::string("--") + n;
            std::string roffName;  // every dash of an option name a minus
            for (char c : name) roffName += c == '-' ? std::string("\\-") : std::string(1, c);
            EXPECT_EQ(help.find(name) != std::string::npos, !o.hidden) << name;
            EXPECT_EQ(completion.find(name) != std::string::npos, !o.hidden) << name;
            EXPECT_EQ(man.find("\\fB" + roffName) != std::string::npos, !o.hidden) << roffName;
        }
    }
}

TEST(CliOptions, AFramePackNeedsNoPage) {
    CliOptions o;
    std::string error;
    ASSERT_TRUE(parse({"a.jpg", "--frame-pack=p.zip"}, o, error)) << error;
    EXPECT_EQ(o.framePack, "p.zip");
    EXPECT_TRUE(o.output.empty());
    EXPECT_FALSE(o.packFrames || o.packWidth);
    ASSERT_TRUE(parse(
        {"a.jpg", "--frame-pack", "p.zip", "--pack-frames", "72", "--pack-width", "800", "-o", "s"},
        o, error))
        << error;
    EXPECT_EQ(o.packFrames, 72);
    EXPECT_EQ(o.packWidth, 800);
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
