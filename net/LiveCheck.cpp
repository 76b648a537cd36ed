#include "LiveCheck.h"

#include <algorithm>

namespace turnpixa {

namespace {

// Percent-encodes what may not stand in a URL path.
std::string encodePath(const std::string& text) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
            out += ch;
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string folderAddress(const UploadSettings& settings) {
    std::string base = settings.webspaceUrl;
    // The location still as it came, or only a scheme, is no location.
    const std::string lower = [&] {
        std::string l = base;
        std::transform(l.begin(), l.end(), l.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return l;
    }();
    if (base == UploadSettings{}.webspaceUrl || lower == "http://" || lower == "https://" ||
        base.find_first_not_of(' ') == std::string::npos)
        return {};
    while (!base.empty() && base.back() == '/') base.pop_back();
    std::string sub = settings.webspaceSubFolder;
    std::replace(sub.begin(), sub.end(), '\\', '/');
    while (!sub.empty() && sub.front() == '/') sub.erase(0, 1);
    while (!sub.empty() && sub.back() == '/') sub.pop_back();
    return base + "/" + (sub.empty() ? "" : encodePath(sub) + "/");
}

}  // namespace

std::string LiveCheck::pageAddress(const UploadSettings& settings, const UploadSet& set) {
    const std::string folder = folderAddress(settings);
    return folder.empty() ? folder : folder + encodePath(set.stem + ".htm");
}

LiveCheck::Probe LiveCheck::httpProbe(HttpOptions options) {
    return [options](const std::string& address, std::string& reason) {
        const HttpReply reply = httpGet(address, 1, options);
        if (reply.ok) return Answer::Online;
        reason = reply.reason;
        return reply.status == 0 ? Answer::Unreachable : Answer::Missing;
    };
}

LiveCheck::Outcome LiveCheck::run(const UploadSettings& settings, const UploadSet& set,
                                  const Probe& probe) {
    missing_.clear();
    const std::string folder = folderAddress(settings);
    if (folder.empty()) {
        text_ =
            "Your webspace location is not set in the upload settings, so the check that the "
            "files are online was skipped.";
        return Outcome::Skipped;
    }
    std::vector<std::string> files = {set.stem + ".htm", "turnpixa.js"};
    for (const std::string& name : set.frameFiles())
        files.push_back(set.frameFolderName() + "/" + name);

    const std::string page = pageAddress(settings, set);
    for (const std::string& file : files) {
        std::string reason;
        const Answer answer = probe(folder + encodePath(file), reason);
        if (answer == Answer::Unreachable) {
            missing_.clear();
            text_ = "The upload is done, but your webspace at " + folder +
                    " could not be reached to check that the files are online:\n" + reason;
            return Outcome::Unreachable;
        }
        if (answer == Answer::Missing) missing_.push_back(file);
    }
    const std::string count = std::to_string(files.size());
    if (missing_.empty()) {
        text_ = "All " + count + " files are online at " + page;
        return Outcome::AllOnline;
    }
    text_ = std::to_string(missing_.size()) + " of " + count + " files are not online at " +
            folder + ":";
    constexpr std::size_t kListed = 12;
    for (std::size_t i = 0; i < missing_.size() && i < kListed; ++i) text_ += "\n" + missing_[i];
    if (missing_.size() > kListed)
        text_ += "\n... and " + std::to_string(missing_.size() - kListed) + " more";
    return Outcome::SomeMissing;
}

}  // namespace turnpixa
