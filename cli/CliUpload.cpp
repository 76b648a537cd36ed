#include "CliUpload.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "CliRun.h"
#include "ProgressBar.h"
#include "net/LiveCheck.h"
#include "project/SettingsFile.h"

namespace turnpixa {

std::string wizardSettingsPath() {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return settingsPathFor(ec ? std::string(".") : self.parent_path().string());
}

int runUpload(const CliUploadRequest& request, std::FILE* out, std::FILE* err) {
    const std::string path =
        request.settingsFile.empty() ? wizardSettingsPath() : request.settingsFile;
    UploadSettings settings;
    if (!SettingsFile::load(path, settings) && !request.settingsFile.empty()) {
        std::fprintf(err, "turnpixa-cli: cannot read the settings file %s\n", path.c_str());
        return kCliFailed;
    }
    if (settings.ftpServer.empty()) {
        std::fprintf(err,
                     "turnpixa-cli: no webspace FTP server is set in %s; set one in the wizard's "
                     "Webspace Upload Settings or name another file with --settings\n",
                     path.c_str());
        return kCliFailed;
    }

    const bool passiveBefore = settings.ftpPassive;
    Uploader uploader(settings, request.set, request.ftp);
    // Nobody to ask here: an unknown key is refused, and we say how to trust it.
    std::optional<SshHostKeyQuestion> unknownKey;
    SftpOptions sftp = request.sftp;
    if (sftp.ownKnownHosts.empty()) sftp.ownKnownHosts = knownHostsBeside(path);
    sftp.trustFingerprint = request.trustHostKey;
    sftp.askHostKey = [&](const SshHostKeyQuestion& key) {
        unknownKey = key;
        return false;
    };
    uploader.setSftpOptions(sftp);
    ProgressBar bar(err, !request.quiet);
    std::vector<std::string> told;
    const bool ok = uploader.run(
        {[&](int position) { bar.show("Uploading", position, uploader.progressMaximum()); },
         [&](const std::string& text) { told.push_back(text); }});
    bar.finish();
    for (const std::string& text : told) std::fprintf(err, "turnpixa-cli: %s\n", text.c_str());
    if (unknownKey) {
        if (!request.trustHostKey.empty())
            std::fprintf(err,
                         "turnpixa-cli: --trust-host-key=%s is not the key this server showed\n",
                         request.trustHostKey.c_str());
        std::fprintf(err,
                     "turnpixa-cli: if %s is the fingerprint your host publishes for its %s key, "
                     "trust it with --trust-host-key=%s (it is then stored in %s)\n",
                     unknownKey->fingerprint.c_str(), unknownKey->keyType.c_str(),
                     unknownKey->fingerprint.c_str(), sftp.ownKnownHosts.c_str());
    }
    if (!ok) return kCliFailed;

    if (settings.ftpPassive != passiveBefore) {
        // Only the mode changes; the rest of the file stays as it is.
        UploadSettings stored;
        SettingsFile::load(path, stored);
        stored.ftpPassive = settings.ftpPassive;
        std::string reason;
        if (SettingsFile::save(path, stored, &reason)) {
            std::fprintf(err, "turnpixa-cli: the upload worked in %s mode; %s now says so\n",
                         settings.ftpPassive ? "passive" : "active", path.c_str());
        } else {
            std::fprintf(err, "turnpixa-cli: could not update %s: %s\n", path.c_str(),
                         reason.c_str());
        }
    }

    LiveCheck check;
    const LiveCheck::Outcome outcome =
        check.run(settings, request.set, LiveCheck::httpProbe(request.http));
    if (!request.quiet || outcome == LiveCheck::Outcome::SomeMissing)
        std::fprintf(outcome == LiveCheck::Outcome::AllOnline ? out : err, "%s\n",
                     check.text().c_str());
    return kCliDone;
}

}  // namespace turnpixa
