#pragma once
#include <functional>
#include <string>
#include <vector>

#include "Uploader.h"
#include "project/UploadSettings.h"
#include "web/HttpGetText.h"

namespace turnpixa {

// After an upload: asks the web server for every file of the set at the
// webspace location, so the user knows the spin is really online.
class LiveCheck {
public:
    enum class Answer { Online, Missing, Unreachable };
    // Fetches one address; reason says why a site could not be reached.
    using Probe = std::function<Answer(const std::string& address, std::string& reason)>;

    enum class Outcome { Skipped, AllOnline, SomeMissing, Unreachable };

    // The web address of the uploaded page, or empty without a location.
    static std::string pageAddress(const UploadSettings& settings, const UploadSet& set);

    // Requests page, script, still, frames and large frames in that order. An unreachable
    // site ends the check at once: it says nothing about the upload.
    Outcome run(const UploadSettings& settings, const UploadSet& set, const Probe& probe);

    // For the user: what the check found.
    const std::string& text() const { return text_; }
    // Paths of missing files relative to the TurnPixa folder.
    const std::vector<std::string>& missing() const { return missing_; }

    // A probe over HTTP(S): a 2xx is online, another status missing, no
    // answer at all unreachable.
    static Probe httpProbe(HttpOptions options = {});

private:
    std::string text_;
    std::vector<std::string> missing_;
};

}  // namespace turnpixa
