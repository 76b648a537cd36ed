#include "project/PasswordScrambler.h"

#include <gtest/gtest.h>

#include <string>

#include "project/RuntimeRandom.h"

namespace turnpixa {
namespace {

TEST(RuntimeRandom, SequenceOfTheRuntimeGenerator) {
    // The well-known first values of srand(1); rand().
    RuntimeRandom r(1);
    EXPECT_EQ(r.draw(), 41);
    EXPECT_EQ(r.draw(), 18467);
    EXPECT_EQ(r.draw(), 6334);
    EXPECT_EQ(r.draw(), 26500);
    EXPECT_EQ(r.draw(), 19169);
    // Seed 0: state 2531011 -> 2531011 >> 16 = 38.
    r.seed(0);
    EXPECT_EQ(r.draw(), 38);
}

// Seed bytes as stored: c = first byte, then four bytes at 296 - c.
std::uint32_t storedSeed(const std::string& hex) {
    const auto byteAt = [&](std::size_t i) {
        return static_cast<std::uint32_t>(std::stoul(hex.substr(2 * i, 2), nullptr, 16));
    };
    const std::size_t at = 296 - byteAt(0);
    return byteAt(at) | byteAt(at + 1) << 8 | byteAt(at + 2) << 16 | byteAt(at + 3) << 24;
}

TEST(PasswordScrambler, KnownTextForSecret) {
    // Worked out separately from the rules: seed 2917 (2*'s' + 3*'e' + ...),
    // position 62, first byte 0x5c, so the seed sits at byte 204.
    const std::string expected =
        "5c34d2b354549930a73a8ba993ba839c6777e5ef449b813e25cbbb741d5ae998e0bcfdea853e642f8af52e49"
        "19f46e0a89c2e44a280cd93738964bed3777bdacc7f807687e10bacdcfccbc656910f6e2b044810c189820a4"
        "30f26af7e02a2cb3ee7a09f8c73063b27da67f270c74e3cce1e4035d9da71d2c16c662ba9edb56848980791f"
        "e90827879c6dbdb5898afd6f268ab4643ea19978f1fa795dfcf091633a803c916bfecef43508bf3768b90c74"
        "861eda4a83ee5c30c975f8087fd2a5f80b629875d57c1fa04e5fcdd6650b00003268d7820a89be36f4f62efb"
        "a62127e5b1e95aea030ed6f3b0e9e334f25a2eb96e012742b8b1a8511a21d78191e54d19199d78e12a6d3d35"
        "83ade25726e12c0aa4ebc45c9a7fdfc37cd81e6b91a9b3cf3f57c68789651760d630e4b2";
    ASSERT_EQ(expected.size(), 600u);
    EXPECT_EQ(PasswordScrambler::scramble("secret"), expected);
    EXPECT_EQ(PasswordScrambler::unscramble(expected), "secret");
}

TEST(PasswordScrambler, SeedTakesBytesAsSigned) {
    // 2 * (signed)0xe9 + 3 * 0x41 = -46 + 195 = 149.
    EXPECT_EQ(storedSeed(PasswordScrambler::scramble("\xe9\x41")), 149u);
    // 2 * -1 = -2, kept in 32 bits.
    EXPECT_EQ(storedSeed(PasswordScrambler::scramble("\xff")), 0xFFFFFFFEu);
}

TEST(PasswordScrambler, EmptyAndShortValues) {
    EXPECT_EQ(PasswordScrambler::scramble(""), "");
    EXPECT_EQ(PasswordScrambler::unscramble(""), "");
    EXPECT_EQ(PasswordScrambler::unscramble(std::string(513, 'a')), "");
    EXPECT_EQ(PasswordScrambler::unscramble("plain-text-password"), "");
}

TEST(PasswordScrambler, RoundTripEveryBlockLength) {
    for (std::size_t n = 1; n <= 295; ++n) {
        std::string p;
        for (std::size_t i = 0; i < n; ++i)  // 1..255, high bytes included
            p += static_cast<char>((i * 37 + n * 11) % 255 + 1);
        const std::string s = PasswordScrambler::scramble(p);
        ASSERT_EQ(s.size(), 600u) << n;
        ASSERT_EQ(s.find_first_not_of("0123456789abcdef"), std::string::npos) << n;
        ASSERT_EQ(PasswordScrambler::unscramble(s), p) << "length " << n;
    }
}

TEST(PasswordScrambler, LongPasswordsRoundTripInTheirOwnForm) {
    for (std::size_t n : {296u, 297u, 300u, 1000u, 4096u}) {
        std::string p;
        for (std::size_t i = 0; i < n; ++i) p += static_cast<char>(i * 7 % 256);  // zeros too
        const std::string s = PasswordScrambler::scramble(p);
        ASSERT_EQ(s[0], PasswordScrambler::kLongMarker);
        EXPECT_EQ(s.size(), 1 + 8 + 2 * n);
        EXPECT_EQ(s.find(p.substr(1, 20)), std::string::npos);
        EXPECT_EQ(PasswordScrambler::unscramble(s), p) << n;
    }
}

TEST(PasswordScrambler, GarbledValuesGiveSomethingWithoutHarm) {
    std::string s = PasswordScrambler::scramble("secret");
    // First byte 0xff > m - 4 when the block is cut short.
    EXPECT_EQ(PasswordScrambler::unscramble("ff" + std::string(512, '0')), "");
    // Non-hex inside: fewer pairs, still no harm.
    s[300] = 'z';
    (void)PasswordScrambler::unscramble(s);
    EXPECT_EQ(PasswordScrambler::unscramble("!12"), "");
    EXPECT_EQ(PasswordScrambler::unscramble("!0000000"), "");
    EXPECT_EQ(PasswordScrambler::unscramble("!00000000zz"), "");
}

}  // namespace
}  // namespace turnpixa
