#include <gtest/gtest.h>

#include "net/WebspaceFields.h"
#include "project/PasswordScrambler.h"

namespace turnpixa {
namespace {

TEST(WebspaceFields, HttpPrefixRule) {
    using namespace WebspaceFields;
    EXPECT_EQ(locationFromEdit("www.host.example/~ann/"), "http://www.host.example/~ann/");
    EXPECT_EQ(locationFromEdit("HTTP://Host.example/"), "HTTP://Host.example/");
    EXPECT_EQ(locationForEdit("HTTP://Host.example/"), "Host.example/");
    // A secure location is kept, not turned into "http://https://".
    EXPECT_EQ(locationFromEdit("https://host.example/"), "https://host.example/");
    EXPECT_EQ(locationForEdit("https://host.example/"), "https://host.example/");
    EXPECT_EQ(locationFromEdit(locationForEdit("http://a.example/")), "http://a.example/");
}

TEST(WebspaceFields, PasswordFitsTheScrambledBlock) {
    using namespace WebspaceFields;
    const std::string ascii(400, 'p');
    EXPECT_EQ(capPassword(ascii).size(), kMaxPasswordBytes);
    EXPECT_EQ(PasswordScrambler::unscramble(PasswordScrambler::scramble(capPassword(ascii))),
              capPassword(ascii));
    // 294 ASCII bytes and a two-byte character: the character goes whole.
    const std::string mixed = std::string(294, 'a') + "\xC3\xA9" + "b";
    EXPECT_EQ(capPassword(mixed), std::string(294, 'a'));
    EXPECT_EQ(capPassword("short"), "short");
}

}  // namespace
}  // namespace turnpixa
