#include "UpdateCheck.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace turnpixa {

namespace {

constexpr const char* kDefaultBase = "https://www.turnpixa.com/update";

}  // namespace

std::string updateBase() {
    const char* base = std::getenv(kUpdateBaseVariable);
    std::string text = base && *base ? base : kDefaultBase;
    while (!text.empty() && text.back() == '/') text.pop_back();
    return text;
}

std::string versionFileAddress() {
    return updateBase() + "/version.txt";
}

std::string installerAddress() {
    return updateBase() + "/" + kInstallerFileName;
}

std::optional<double> parseVersionText(std::string_view text) {
    text = text.substr(0, 5);
    size_t end = 0;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    if (end == 0) return std::nullopt;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    }
    for (size_t i = end; i < text.size(); ++i)
        if (!std::isspace(static_cast<unsigned char>(text[i]))) return std::nullopt;
    double value = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + end, value);
    if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string formatVersion(double version) {
    char buffer[64];
    const auto [ptr, error] =
        std::to_chars(buffer, buffer + sizeof buffer, version, std::chars_format::fixed, 3);
    if (error != std::errc()) return "?";
    return std::string(buffer, ptr);
}

int progressPercent(std::int64_t received, std::int64_t total) {
    if (total <= 0) return -1;
    if (received >= total) return 100;
    if (received <= 0) return 0;
    return static_cast<int>(received * 100 / total);
}

}  // namespace turnpixa
