#include "SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>

#include "PasswordScrambler.h"

namespace turnpixa {
namespace {

enum class Key {
    FtpServer,
    FtpUser,
    FtpPass,
    FtpPassive,
    FtpPort,
    WebspaceUrl,
    WebsiteFolder,
    WebspaceSubFolder,
    AllowAutoUpdates
};

struct KeyName {
    Key key;
    std::string_view name;
};

// In the order the file is written.
constexpr std::array<KeyName, 9> kKeys{{
    {Key::FtpServer, "FTPServer"},
    {Key::FtpUser, "FTPUser"},
    {Key::FtpPass, "FTPPass"},
    {Key::FtpPassive, "FTPPassive"},
    {Key::FtpPort, "FTPPort"},
    {Key::WebspaceUrl, "WebspaceURL"},
    {Key::WebsiteFolder, "WebsiteFolder"},
    {Key::WebspaceSubFolder, "WebspaceSubFolder"},
    {Key::AllowAutoUpdates, "AllowAutoUpdates"},
}};

constexpr std::string_view kProduct = "TurnPixa";

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

// Like "%d": optional sign and leading digits; out-of-range values saturate.
std::optional<std::int32_t> readInt(std::string_view s) {
    s = trim(s);
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s[0] < '0' || s[0] > '9') return std::nullopt;
    std::int64_t v = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (char c : s) {
        if (c < '0' || c > '9') break;
        v = std::min(v * 10 + (c - '0'), kLimit);
    }
    if (negative) v = -v;
    v = std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(v);
}

void assign(Key key, std::string_view value, UploadSettings& s) {
    switch (key) {
        case Key::FtpServer:
            s.ftpServer = value;
            break;
        case Key::FtpUser:
            s.ftpUser = value;
            break;
        case Key::FtpPass:
            s.ftpPass = PasswordScrambler::unscramble(value);
            break;
        case Key::FtpPassive:
            s.ftpPassive = readInt(value).value_or(0) != 0;
            break;
        case Key::FtpPort:
            s.ftpPort = readInt(value).value_or(s.ftpPort);
            break;
        case Key::WebspaceUrl:
            s.webspaceUrl = value;
            break;
        case Key::WebsiteFolder:
            s.websiteFolder = value;
            break;
        case Key::WebspaceSubFolder:
            s.webspaceSubFolder = value;
            break;
        case Key::AllowAutoUpdates: {
            const std::int32_t v = readInt(value).value_or(0);
            s.allowAutoUpdates = (v == 0 || v == 1) ? v : 2;
            break;
        }
    }
}

void parseLine(std::string_view line, UploadSettings& settings) {
    if (!line.empty() && line[0] == '#') return;
    std::size_t i = 0;
    while (i < line.size() && isSpace(line[i])) ++i;
    std::size_t end = i;
    while (end < line.size() && !isSpace(line[end])) ++end;
    const std::string_view word = line.substr(i, end - i);
    if (word.empty()) return;
    const std::string_view value = trim(line.substr(end));
    for (const auto& k : kKeys)
        if (k.name.starts_with(word)) assign(k.key, value, settings);
}

// A line break inside a value would start a line of its own when read back.
std::string oneLine(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == '\n' || c == '\r') c = ' ';
    return s;
}

std::string valueText(Key key, const UploadSettings& s) {
    switch (key) {
        case Key::FtpServer:
            return oneLine(s.ftpServer);
        case Key::FtpUser:
            return oneLine(s.ftpUser);
        case Key::FtpPass:
            return PasswordScrambler::scramble(s.ftpPass);
        case Key::FtpPassive:
            return s.ftpPassive ? "1" : "0";
        case Key::FtpPort:
            return std::to_string(s.ftpPort);
        case Key::WebspaceUrl:
            return oneLine(s.webspaceUrl);
        case Key::WebsiteFolder:
            return oneLine(s.websiteFolder);
        case Key::WebspaceSubFolder:
            return oneLine(s.webspaceSubFolder);
        case Key::AllowAutoUpdates:
            return std::to_string(
                (s.allowAutoUpdates == 0 || s.allowAutoUpdates == 1) ? s.allowAutoUpdates : 2);
    }
    return {};
}

bool failWith(std::string* reason, const std::string& text) {
    if (reason) *reason = text;
    return false;
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

void SettingsFile::parse(std::string_view text, UploadSettings& settings) {
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        const std::size_t len = nl == std::string_view::npos ? text.size() : nl + 1;
        parseLine(text.substr(0, len), settings);
        text.remove_prefix(len);
    }
}

std::string SettingsFile::format(const UploadSettings& settings) {
    std::string out = "# " + std::string(kProduct) + " Options";
    for (const auto& k : kKeys) {
        out += '\n';
        out += k.name;
        out += '\t';
        out += valueText(k.key, settings);
    }
    return out;
}

bool SettingsFile::load(const std::string& path, UploadSettings& settings) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    parse(text, settings);
    return true;
}

bool SettingsFile::save(const std::string& path, const UploadSettings& settings,
                        std::string* reason) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    std::error_code ec;
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);

    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());  // mode 0600
    if (fd < 0) return failWith(reason, "Cannot create " + temp + ": " + std::strerror(errno));
    const std::string text = format(settings);
    bool ok = ::fchmod(fd, S_IRUSR | S_IWUSR) == 0 && writeAll(fd, text) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(temp.c_str());
        return failWith(reason, "Cannot write " + temp + ": " + std::strerror(writeErrno));
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(temp.c_str());
        return failWith(reason, "Cannot replace " + path + ": " + std::strerror(renameErrno));
    }
    return true;
}

std::string settingsPathFor(const std::string& programFolder) {
    namespace fs = std::filesystem;
    const std::string fileName = std::string(kProduct) + ".ini";
    const fs::path local = fs::path(programFolder) / fileName;

    fs::path configHome;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') {
        configHome = xdg;
    } else if (const char* home = std::getenv("HOME"); home && home[0] != '\0') {
        configHome = fs::path(home) / ".config";
    } else {
        return local.string();  // nowhere else to go
    }
    const fs::path perUser = configHome / kProduct / fileName;

    std::error_code ec;
    if (fs::exists(perUser, ec)) return perUser.string();
    // /usr belongs to the package manager, also when root may write there.
    const bool packaged = programFolder.rfind("/usr/", 0) == 0;
    if (!packaged && ::access(programFolder.empty() ? "." : programFolder.c_str(), W_OK) == 0)
        return local.string();
    return perUser.string();
}

}  // namespace turnpixa
