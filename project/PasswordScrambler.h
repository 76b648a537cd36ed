#pragma once
#include <string>
#include <string_view>

namespace turnpixa {

// Keeps the FTP password out of plain sight in the settings file. This is
// obfuscation, not encryption: the seed travels with the text.
//
// Passwords of 1..295 bytes become 600 lower-case hex digits in the layout
// older versions read. Longer ones do not fit that block; they are written
// as kLongMarker, the seed as 8 hex digits and one hex pair per byte (each
// byte offset by a draw of the generator). Older versions see such a value
// as garbled and read an empty password instead of a wrong one.
class PasswordScrambler {
public:
    static constexpr std::size_t kBlockSize = 296;
    static constexpr std::size_t kMaxBlockPassword = kBlockSize - 1;
    static constexpr char kLongMarker = '!';

    // Empty for an empty password.
    static std::string scramble(std::string_view password);
    // Whatever the value gives; empty for short or malformed values.
    static std::string unscramble(std::string_view value);
};

}  // namespace turnpixa
