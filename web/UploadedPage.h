#pragma once
#include <string>

#include "web/HttpGetText.h"
#include "web/Snippets.h"

namespace turnpixa {

// Fetches location/folder/name.htm (cleaned entries) and reads it with
// Snippets::parseUploadedPage; true when the frame count was read. The
// folder's segments and the name are percent-encoded as the names they are
// on the server; the location's path as an address (escapes in it kept).
bool fetchUploadedImage(const std::string& location, const std::string& folder,
                        const std::string& name, SnippetImage& image,
                        const HttpOptions& options = {});

// Whether the uploaded set of an image has an animated picture in its frame
// folder: spin.webp is asked for first, then spin.gif. file is the one
// found; reason says why the webspace could not be asked.
enum class UploadedAnimation { Found, None, Unreachable };
UploadedAnimation findUploadedAnimation(const std::string& location, const std::string& folder,
                                        const std::string& name, std::string& file,
                                        std::string& reason, const HttpOptions& options = {});

// Why there is no listing snippet, for the user.
std::string listingRefusal(const std::string& name, const std::string& base,
                           UploadedAnimation answer, const std::string& reason);

// Checking the entries before a copy, shared by the dialog and the CLI.
// image holds what is known (the last save); a name other than its folder's
// stem means an image uploaded earlier, which is fetched first.
struct SnippetCheck {
    bool nameMissing = false;  // nothing may be copied
    bool fetched = false;      // the page was asked for
    bool found = true;         // false: the page could not be fetched or read
    std::string base;          // the cleaned webspace address
    std::string location;      // the cleaned entries, for the settings
    std::string folder;
};
SnippetCheck checkSnippetEntries(const std::string& location, const std::string& folder,
                                 const std::string& name, SnippetImage& image,
                                 const HttpOptions& options = {});

}  // namespace turnpixa
