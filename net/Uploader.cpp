#include "Uploader.h"

#include <algorithm>

#include "FtpReply.h"

namespace turnpixa {

std::string UploadSet::frameName(int k) const {
    std::string digits = std::to_string(k);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return "image_" + digits + "." + extension();
}

std::vector<std::string> UploadSet::frameFiles() const {
    std::vector<std::string> files{stillName()};
    for (int k = 0; k < frameCount; ++k) files.push_back(frameName(k));
    files.insert(files.end(), animations.begin(), animations.end());
    if (zoom)
        for (int k = 0; k < frameCount; ++k) files.push_back("zoom/" + frameName(k));
    return files;
}

std::string UploadText::fill(const char* format, const std::string& text) {
    std::string result = format;
    const std::size_t at = result.find("%s");
    if (at != std::string::npos) result.replace(at, 2, text);
    return result;
}

Uploader::Uploader(UploadSettings& settings, UploadSet set, FtpOptions options)
    : settings_(settings), set_(std::move(set)), options_(std::move(options)) {}

std::string Uploader::localFrame(const std::string& name) const {
    return set_.outputFolder + set_.frameFolderName() + "/" + name;
}

bool Uploader::logOn(CFtpClient& client, const Callbacks& callbacks) {
    if (client.LogOn(settings_.ftpServer, settings_.ftpPort, settings_.ftpUser, settings_.ftpPass,
                     "", "", "", "", 0, 0))
        return true;
    failure_ = UploadText::fill(UploadText::kLogOn, client.replyText());
    if (callbacks.tell) callbacks.tell(failure_);
    return false;
}

bool Uploader::run(const Callbacks& callbacks) {
    const auto progress = [&](int position) {
        if (callbacks.progress) callbacks.progress(position);
    };
    if (SftpClient::isSftpServer(settings_.ftpServer)) return runSftp(callbacks);
    failure_.clear();
    progress(0);
    const bool firstPassive = settings_.ftpPassive;
    std::string firstFailure;
    {
        CFtpClient client(options_);
        if (!logOn(client, callbacks)) return false;
        if (uploadSteps(client, callbacks)) return true;
        firstFailure = failure_;
    }
    CFtpClient client(options_);
    if (!logOn(client, callbacks)) return false;
    settings_.ftpPassive = !settings_.ftpPassive;
    if (uploadSteps(client, callbacks)) {
        failure_.clear();
        return true;
    }
    // Both tries may have failed for different reasons; the user hears both.
    if (!firstFailure.empty() && firstFailure != failure_)
        failure_ += UploadText::fill(
            firstPassive ? UploadText::kFirstTryPassive : UploadText::kFirstTryActive,
            firstFailure);
    if (callbacks.tell) callbacks.tell(failure_);
    progress(0);
    return false;
}

template <class Client>
bool Uploader::uploadSteps(Client& client, const Callbacks& callbacks) {
    const auto progress = [&](int position) {
        if (callbacks.progress) callbacks.progress(position);
    };
    // Whatever fails below leaves its reason in failure_.
    const auto fail = [&] {
        failure_ = client.replyText();
        return false;
    };
    progress(1);
    client.passive = settings_.ftpPassive;

    std::string w = settings_.websiteFolder;
    std::replace(w.begin(), w.end(), '\\', '/');
    w.erase(0, w.find_first_not_of('/') == std::string::npos ? w.size() : w.find_first_not_of('/'));
    if (w.rfind("htdocs", 0) != 0 && !client.ChangeDirectory("htdocs") &&
        w.rfind("public_html", 0) != 0 && w.rfind("www", 0) != 0)
        client.ChangeDirectory("public_html");
    while (!w.empty() && w.back() == '/') w.pop_back();
    if (!w.empty() && !client.ChangeDirectory(w)) {
        if (callbacks.tell)
            callbacks.tell(UploadText::fill(UploadText::kWebsiteFolder, settings_.websiteFolder));
        progress(0);
        return fail();
    }
    // An empty TurnPixa folder stores straight into the website folder. The
    // folder is made and entered in the same "/" form.
    std::string sub = settings_.webspaceSubFolder;
    std::replace(sub.begin(), sub.end(), '\\', '/');
    if (!sub.empty()) {
        client.MakeDirectoryPath(sub);
        if (!client.ChangeDirectory(sub)) return fail();
    }

    progress(2);
    const std::string page = set_.stem + ".htm";
    if (!client.PutFile(set_.outputFolder + page, page)) {
        fail();
        const int n = replyNumber(failure_);
        if (n == 550 || n == 425) failure_ = UploadText::fill(UploadText::kInterrupted, failure_);
        return false;
    }
    progress(3);
    if (!client.PutFile(set_.outputFolder + "turnpixa.js", "turnpixa.js")) return fail();
    progress(4);
    const std::string folder = set_.frameFolderName();
    client.MakeDirectory(folder);
    if (!client.ChangeDirectory(folder)) return fail();
    // The page shows the still image first: a missing one is a failure too.
    if (!client.PutFile(localFrame(set_.stillName()), set_.stillName())) return fail();
    progress(5);
    for (int k = 0; k < set_.frameCount; ++k) {
        if (!client.PutFile(localFrame(set_.frameName(k)), set_.frameName(k))) return fail();
        progress(k + 6);
    }
    int done = set_.frameCount + 5;
    for (const std::string& name : set_.animations) {
        if (!client.PutFile(localFrame(name), name)) return fail();
        progress(++done);
    }
    if (!set_.zoom) return true;
    client.MakeDirectory("zoom");
    if (!client.ChangeDirectory("zoom")) return fail();
    for (int k = 0; k < set_.frameCount; ++k) {
        if (!client.PutFile(localFrame("zoom/" + set_.frameName(k)), set_.frameName(k)))
            return fail();
        progress(++done);
    }
    return true;
}

template bool Uploader::uploadSteps(SftpClient&, const Callbacks&);

}  // namespace turnpixa
