// The upload over SFTP: one attempt (there is no transfer mode to switch),
// the same steps and progress as over FTP.
#include "Uploader.h"

namespace turnpixa {

bool Uploader::runSftp(const Callbacks& callbacks) {
    failure_.clear();
    cancelled_ = false;
    if (callbacks.progress) callbacks.progress(0);
    SftpClient client(sftp_);
    bool ok = false;
    if (client.LogOn(settings_.ftpServer, settings_.ftpUser, settings_.ftpPass))
        ok = uploadSteps(client, callbacks);
    else
        failure_ = UploadText::fill(UploadText::kLogOn, client.replyText());
    if (ok) return true;
    cancelled_ = client.cancelled();
    // A cancel needs no message: the user asked for it.
    if (cancelled_) {
        failure_ = client.replyText();
    } else if (callbacks.tell) {
        callbacks.tell(failure_);
    }
    if (callbacks.progress) callbacks.progress(0);
    return false;
}

}  // namespace turnpixa
