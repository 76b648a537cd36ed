#pragma once
#include <functional>
#include <string>
#include <vector>

#include "CFtpClient.h"
#include "SftpClient.h"
#include "image/FrameFormat.h"
#include "project/UploadSettings.h"

namespace turnpixa {

// What the last save wrote: upload and live check use these, never the
// Save page's current choices.
struct UploadSet {
    std::string outputFolder;  // ends in "/"
    std::string stem;          // page file name without ".htm"
    int frameCount = 0;
    FrameFormat format = FrameFormat::Jpeg;
    bool zoom = false;  // the large frames too, in the frame folder's zoom/
    // Animated pictures in the frame folder ("spin.webp", "spin.gif").
    std::vector<std::string> animations = {};

    std::string extension() const { return frameExtension(format); }
    std::string frameFolderName() const { return stem + "-turnpixa"; }
    // "image_000.jpg"...; four digits from frame 1000 on.
    std::string frameName(int k) const;
    std::string stillName() const { return "image." + extension(); }
    // Every file of the set, relative to the frame folder, in upload order:
    // the still, the frames, the animations, then the large frames
    // ("zoom/image_000.jpg"...).
    std::vector<std::string> frameFiles() const;
};

// The "Upload" button: logs on to the webspace, finds the published folder
// and stores page, script, still image and frames there; when that fails it
// tries once more with a new connection in the other transfer mode, and the
// flipped mode stays in the settings.
class Uploader {
public:
    struct Callbacks {
        std::function<void(int)> progress;             // 0 ... progressMaximum()
        std::function<void(const std::string&)> tell;  // a message for the user
    };

    Uploader(UploadSettings& settings, UploadSet set, FtpOptions options = {});

    int progressMaximum() const {
        return set_.frameCount * (set_.zoom ? 2 : 1) + 5 + static_cast<int>(set_.animations.size());
    }
    // True when everything was stored. The user has been told of a failure.
    bool run(const Callbacks& callbacks);
    // Why the last run failed, as the user was told.
    const std::string& failure() const { return failure_; }
    // For a server written "sftp://host[:port]".
    void setSftpOptions(SftpOptions options) { sftp_ = std::move(options); }
    // Whether the last run stopped because it was cancelled.
    bool cancelled() const { return cancelled_; }

private:
    bool logOn(CFtpClient& client, const Callbacks& callbacks);
    bool runSftp(const Callbacks& callbacks);
    template <class Client>
    bool uploadSteps(Client& client, const Callbacks& callbacks);
    std::string localFrame(const std::string& name) const;

    UploadSettings& settings_;
    UploadSet set_;
    FtpOptions options_;
    std::string failure_;
    SftpOptions sftp_;
    bool cancelled_ = false;
};

// The fixed texts around the client's reply text.
namespace UploadText {
inline constexpr const char* kLogOn =
    "There is a problem logging on to your webspace:\n\n%s\n\nTry checking the settings...";
inline constexpr const char* kWebsiteFolder =
    "Logged on to your webspace OK, but cannot\nfind your website folder: %s\n\nTry checking "
    "the settings...";
inline constexpr const char* kInterrupted =
    "There has been a problem uploading to your webspace.\n\nI could log on OK with your upload "
    "settings, but then\nthe communication was interrupted. The error response "
    "was:\n\n%s\n\nThis type of problem is often caused by a firewall or other\nsecurity "
    "software on your computer. If you have a firewall or\nother anti-virus software you may "
    "need to temporarily disable\nit, or add a rule to allow TurnPixa to access the internet.";
// After the last try's reason, when the first try failed otherwise.
inline constexpr const char* kFirstTryPassive =
    "\n\nThe first try, in passive mode, had failed with:\n\n%s";
inline constexpr const char* kFirstTryActive =
    "\n\nThe first try, in active mode, had failed with:\n\n%s";
// Puts text in place of the one %s.
std::string fill(const char* format, const std::string& text);
}  // namespace UploadText

}  // namespace turnpixa
