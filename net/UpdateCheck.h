#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace turnpixa {

// The vendor's version file and installer. Both addresses share one https://
// base, which the environment variable TURNPIXA_UPDATE_BASE replaces (tests
// point it at a local server).
constexpr const char* kUpdateBaseVariable = "TURNPIXA_UPDATE_BASE";
std::string updateBase();
std::string versionFileAddress();
std::string installerAddress();
constexpr const char* kInstallerFileName = "setup-turnpixa";

// The version file's first five characters: digits with an optional
// fraction ("1.032", "1.0400" read as 1.040), trailing blanks allowed.
// Anything else (an error page, "inf", "-1") is no version.
std::optional<double> parseVersionText(std::string_view text);
// Three decimals, never the user's locale: 1.04 -> "1.040".
std::string formatVersion(double version);

struct DownloadOptions {
    std::string caFile;  // the CA to trust instead of the system's (tests)
    long connectTimeoutMs = 10000;
    long totalTimeoutMs = 30000;  // for the short texts
    long stallTimeoutMs = 30000;  // no byte for this long ends the transfer
    std::int64_t maxBytes = std::int64_t{1} << 30;
};

// Fetches the version file (https, the time-outs above) with the referrer
// "TurnPixa <build>"; no value when nothing usable came back.
std::optional<double> fetchLatestVersion(const std::string& build,
                                         const DownloadOptions& options = {});

// Downloads the installer to folder/"setup-turnpixa". The bytes go to a
// temporary file created exclusively in that folder; they must come with
// status 200, match the content length when one is given, and match the
// SHA-256 published at address + ".sha256". Only then is the file made
// executable for its owner and renamed into place (replacing an old one).
// progress(received, total) is called as bytes arrive, total -1 when the
// server gave no length; returning false cancels. On any failure or cancel
// no file is left and reason says what happened.
struct DownloadResult {
    bool ok = false;
    bool cancelled = false;
    std::string path;
    std::string reason;
};
DownloadResult downloadInstaller(
    const std::string& address, const std::string& folder,
    const std::function<bool(std::int64_t received, std::int64_t total)>& progress,
    const DownloadOptions& options = {});

// Percent done, 0 ... 100, in 64-bit arithmetic; -1 when the total is unknown.
int progressPercent(std::int64_t received, std::int64_t total);

}  // namespace turnpixa
