#pragma once
// Script and licence text: UTF-8 as it stands, anything else read as
// Windows-1252.
#include <string>

namespace turnpixa::setup {

bool isValidUtf8(const std::string& text);
std::string windows1252ToUtf8(const std::string& text);
// The text as UTF-8, converted from Windows-1252 when it is not UTF-8.
std::string textAsUtf8(const std::string& text);

}  // namespace turnpixa::setup
