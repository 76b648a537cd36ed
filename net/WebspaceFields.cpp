#include "WebspaceFields.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace turnpixa::WebspaceFields {

namespace {

bool startsWithNoCase(const std::string& text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

}  // namespace

std::string locationForEdit(const std::string& stored) {
    return startsWithNoCase(stored, "http://") ? stored.substr(7) : stored;
}

std::string locationFromEdit(const std::string& typed) {
    if (startsWithNoCase(typed, "http://") || startsWithNoCase(typed, "https://")) return typed;
    return "http://" + typed;
}

std::string capPassword(const std::string& password) {
    if (password.size() <= kMaxPasswordBytes) return password;
    std::size_t end = kMaxPasswordBytes;
    // Back off over continuation bytes to the start of the cut character.
    while (end > 0 && (static_cast<unsigned char>(password[end]) & 0xC0) == 0x80) --end;
    return password.substr(0, end);
}

}  // namespace turnpixa::WebspaceFields
