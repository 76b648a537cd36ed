#include "UploadedPage.h"

namespace turnpixa {

bool fetchUploadedImage(const std::string& base, const std::string& name, SnippetImage& image,
                        const HttpOptions& options) {
    // The counts and the img tag sit near the top of the page.
    const HttpReply reply =
        httpGet(base + "/" + Snippets::addressPart(name) + ".htm", 1023, options);
    if (!reply.ok) return false;
    return Snippets::parseUploadedPage(reply.body, image);
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
        check.found = fetchUploadedImage(check.base, name, read, options);
        image = read;
    }
    image.folder = wanted;
    return check;
}

}  // namespace turnpixa
