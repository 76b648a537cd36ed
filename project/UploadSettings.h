#pragma once
#include <cstdint>
#include <string>

namespace turnpixa {

// The settings that survive between runs: the user's webspace and FTP account
// and the choice about automatic update checks. Owned by the application
// object; read at start-up and written at exit by SettingsFile.
struct UploadSettings {
    std::string ftpServer;
    std::string ftpUser = "anonymous";
    std::string ftpPass;  // plain in memory, scrambled in the file
    bool ftpPassive = false;
    std::int32_t ftpPort = 21;
    std::string webspaceUrl = "http://www.example.com/~yourname/";
    std::string websiteFolder;
    std::string webspaceSubFolder = "turnpixa";
    int allowAutoUpdates = 2;  // 0 = no, 1 = yes, 2 = not asked yet

    bool operator==(const UploadSettings&) const = default;
};

}  // namespace turnpixa
