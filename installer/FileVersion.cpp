#include "installer/FileVersion.h"

#include <fstream>
#include <iterator>

#include "installer/PackageFormat.h"

namespace turnpixa::setup {

namespace {

// Larger files are not searched; they count as unversioned.
constexpr std::size_t kMaxScan = 64u << 20;

std::string readHead(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    char magic[2] = {};
    if (!in.read(magic, 2) || magic[0] != 'M' || magic[1] != 'Z') return {};
    in.seekg(0, std::ios::end);
    const auto size = static_cast<std::size_t>(in.tellg());
    if (size > kMaxScan) return {};
    in.seekg(0);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

FileVersion fileVersionOf(const std::string& bytes) {
    if (bytes.size() < 2 || bytes[0] != 'M' || bytes[1] != 'Z') return {};
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    // VS_FIXEDFILEINFO: signature, structure version, file version MS, LS.
    for (std::size_t at = 0; at + 16 <= bytes.size(); at += 4) {
        if (format::getU32(p + at) == 0xFEEF04BDu)
            return {format::getU32(p + at + 8), format::getU32(p + at + 12)};
    }
    return {};
}

FileVersion readFileVersion(const std::string& path) {
    return fileVersionOf(readHead(path));
}

bool wantsSelfRegistration(const std::string& path) {
    const std::string bytes = readHead(path);
    static const std::string key = [] {
        std::string k;
        for (char c : std::string("OLESelfRegister")) {
            k += c;
            k += '\0';
        }
        return k;
    }();
    return bytes.find(key) != std::string::npos;
}

}  // namespace turnpixa::setup
