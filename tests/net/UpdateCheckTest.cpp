#include <gtest/gtest.h>

#include <cstdlib>

#include "net/UpdateCheck.h"

namespace turnpixa {
namespace {

TEST(VersionText, DigitsWithAnOptionalFractionFromTheFirstFiveCharacters) {
    EXPECT_EQ(parseVersionText("1.032"), 1.032);
    EXPECT_EQ(parseVersionText("1.04\n"), 1.04);
    EXPECT_EQ(parseVersionText("1.0400"), 1.04);  // only "1.040" counts
    EXPECT_EQ(parseVersionText("2"), 2.0);
    EXPECT_EQ(parseVersionText("2."), 2.0);
    for (const char* bad :
         {"", "inf", "nan", "-1.05", "<html", " 1.05", "1.04a", "1,040", ".5", "1e300"})
        EXPECT_FALSE(parseVersionText(bad).has_value()) << bad;
}

TEST(VersionText, PrintedWithThreeDecimalsAndAPoint) {
    EXPECT_EQ(formatVersion(1.04), "1.040");
    EXPECT_EQ(formatVersion(1.032), "1.032");
    EXPECT_EQ(formatVersion(12.0), "12.000");
}

TEST(VersionText, ComparedAsNumbers) {
    EXPECT_FALSE(1.032 < *parseVersionText("1.032"));
    EXPECT_TRUE(1.032 < *parseVersionText("1.04"));
    EXPECT_TRUE(1.032 < *parseVersionText("1.1"));
}

TEST(DownloadProgress, SixtyFourBitPercentAndUnknownLength) {
    const std::int64_t mb = 1 << 20;
    EXPECT_EQ(progressPercent(30 * mb, 40 * mb), 75);  // 30 MB x 100 overflows 32 bits
    EXPECT_EQ(progressPercent(0, 40 * mb), 0);
    EXPECT_EQ(progressPercent(41 * mb, 40 * mb), 100);
    EXPECT_EQ(progressPercent(5 * mb, -1), -1);
    EXPECT_EQ(progressPercent(5 * mb, 0), -1);
}

TEST(UpdateAddresses, HttpsByDefaultAndOneBaseFromTheEnvironment) {
    unsetenv(kUpdateBaseVariable);
    EXPECT_EQ(versionFileAddress().rfind("https://", 0), 0u);
    EXPECT_EQ(installerAddress().rfind("https://", 0), 0u);
    setenv(kUpdateBaseVariable, "https://127.0.0.1:4443/x/", 1);
    EXPECT_EQ(versionFileAddress(), "https://127.0.0.1:4443/x/version.txt");
    EXPECT_EQ(installerAddress(), "https://127.0.0.1:4443/x/setup-turnpixa");
    unsetenv(kUpdateBaseVariable);
}

}  // namespace
}  // namespace turnpixa
