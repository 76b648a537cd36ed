#include "UploadedPage.h"

#include <string_view>

namespace turnpixa {

namespace {

// Each "/"-separated part of a folder as one address part.
std::string folderAddress(const std::string& folder) {
    std::string out;
    size_t start = 0;
    for (;;) {
        const size_t slash = folder.find('/', start);
        out += Snippets::addressPart(folder.substr(start, slash - start));
        if (slash == std::string::npos) return out;
        out += '/';
        start = slash + 1;
    }
}

bool isHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The location as typed: scheme and host untouched; in the path only what
// an address may not hold is encoded, so that one copied from a browser
// (already encoded) stays as it is.
std::string locationAddress(const std::string& location) {
    const size_t scheme = location.find("://");
    const size_t path = location.find('/', scheme == std::string::npos ? 0 : scheme + 3);
    if (path == std::string::npos) return location;
    static constexpr std::string_view kKept = "/-._~!$&'()*+,;=:@";
    std::string out = location.substr(0, path);
    for (size_t i = path; i < location.size(); ++i) {
        const char c = location[i];
        const bool escape =
            c == '%' && i + 2 < location.size() && isHex(location[i + 1]) && isHex(location[i + 2]);
        if (isAlphanumeric(c) || kKept.find(c) != std::string_view::npos || escape)
            out += c;
        else
            out += Snippets::addressPart(std::string_view(&location[i], 1));
    }
    return out;
}

}  // namespace

bool fetchUploadedImage(const std::string& location, const std::string& folder,
                        const std::string& name, SnippetImage& image, const HttpOptions& options) {
    const std::string address = locationAddress(location) + "/" + folderAddress(folder) + "/" +
                                Snippets::addressPart(name) + ".htm";
    // The counts and the img tag sit near the top of the page.
    const HttpReply reply = httpGet(address, 1023, options);
    if (!reply.ok) return false;
    return Snippets::parseUploadedPage(reply.body, image);
}

UploadedAnimation findUploadedAnimation(const std::string& location, const std::string& folder,
                                        const std::string& name, std::string& file,
                                        std::string& reason, const HttpOptions& options) {
    file.clear();
    const std::string frames = locationAddress(location) + "/" + folderAddress(folder) + "/" +
                               Snippets::addressPart(name + std::string(Snippets::kSuffix)) + "/";
    for (const char* candidate : {"spin.webp", "spin.gif"}) {
        // One byte tells that it is there.
        const HttpReply reply = httpGet(frames + candidate, 1, options);
        if (reply.ok) {
            file = candidate;
            return UploadedAnimation::Found;
        }
        if (reply.status == 0) {
            reason = reply.reason;
            return UploadedAnimation::Unreachable;
        }
    }
    return UploadedAnimation::None;
}

std::string listingRefusal(const std::string& name, const std::string& base,
                           UploadedAnimation answer, const std::string& reason) {
    if (answer == UploadedAnimation::Unreachable)
        return "Your webspace could not be asked whether \"" + name +
               "\" has an animated image:\n" + reason;
    return "The TurnPixa image \"" + name + "\" at " + base +
           " has no animated image (spin.webp or spin.gif in its frame folder), so there is "
           "no listing snippet for it.\nMake one with \"Animated image...\" on the Save page "
           "(or turnpixa-cli --animation=spin.webp), upload the image again, then copy the "
           "snippet.";
}

SnippetCheck checkSnippetEntries(const std::string& location, const std::string& folder,
                                 const std::string& name, SnippetImage& image,
                                 const HttpOptions& options) {
    SnippetCheck check;
    check.location = Snippets::cleanLocation(location);
    check.folder = Snippets::cleanFolder(folder);
    check.base = check.location + "/" + check.folder;
    if (name.empty()) {
        check.nameMissing = true;
        return check;
    }
    const std::string wanted = name + std::string(Snippets::kSuffix);
    if (wanted != image.folder) {
        check.fetched = true;
        SnippetImage read = image;
        check.found = fetchUploadedImage(check.location, check.folder, name, read, options);
        image = read;
    }
    image.folder = wanted;
    return check;
}

}  // namespace turnpixa
