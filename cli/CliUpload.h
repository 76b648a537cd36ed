#pragma once
#include <cstdio>
#include <string>

#include "net/CFtpClient.h"
#include "net/Uploader.h"
#include "web/HttpGetText.h"

namespace turnpixa {

// --upload: what was just written goes to the webspace of a settings file.
struct CliUploadRequest {
    UploadSet set;
    std::string settingsFile;  // the wizard's own when empty
    std::string trustHostKey;  // an SFTP host key fingerprint to trust and remember
    bool quiet = false;
    FtpOptions ftp;
    SftpOptions sftp;  // tests point it at their own ~/.ssh
    HttpOptions http;
};

// Uploads with a progress bar on err, then checks that the files are online
// and says so on out. kCliDone, or kCliFailed with the server's reply on
// err. When only the other transfer mode worked, the settings file is
// updated to use it from now on, as the wizard does.
int runUpload(const CliUploadRequest& request, std::FILE* out, std::FILE* err);

// The settings file the wizard installed beside this program uses.
std::string wizardSettingsPath();

}  // namespace turnpixa
