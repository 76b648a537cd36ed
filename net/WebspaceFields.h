#pragma once
#include <string>

namespace turnpixa {

// The rules of the webspace settings dialog, kept out of the widgets.
namespace WebspaceFields {

// The location as the edit field beside "http://" shows it: without a
// leading "http://" (any case).
std::string locationForEdit(const std::string& stored);
// What OK stores: "http://" in front unless the text starts with "http://"
// or "https://" (any case), which are kept as typed.
std::string locationFromEdit(const std::string& typed);

// The settings file can scramble at most this many bytes of password.
constexpr std::size_t kMaxPasswordBytes = 295;
// Cuts a password to kMaxPasswordBytes without splitting a UTF-8 character.
std::string capPassword(const std::string& password);

}  // namespace WebspaceFields

}  // namespace turnpixa
