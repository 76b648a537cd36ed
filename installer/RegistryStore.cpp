#include "installer/RegistryStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "installer/Folders.h"

namespace turnpixa::setup {

namespace {

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string normalKey(std::string key) {
    while (!key.empty() && key.back() == '\\') key.pop_back();
    while (!key.empty() && key.front() == '\\') key.erase(0, 1);
    return key;
}

std::string escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

bool unescape(const std::string& s, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        if (++i >= s.size()) return false;
        switch (s[i]) {
            case '\\':
                out += '\\';
                break;
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                return false;
        }
    }
    return true;
}

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

bool fromHex(const std::string& hex, std::string& out) {
    if (hex.size() % 2) return false;
    out.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned v = 0;
        const auto r = std::from_chars(hex.data() + i, hex.data() + i + 2, v, 16);
        if (r.ec != std::errc() || r.ptr != hex.data() + i + 2) return false;
        out += static_cast<char>(v);
    }
    return true;
}

RegistryKey& keyOf(RegistryHive& hive, const std::string& path) {
    auto& k = hive[lower(path)];
    if (k.path.empty()) k.path = path;
    return k;
}

}  // namespace

RegistryHive parseHive(const std::string& text) {
    RegistryHive hive;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const auto f = splitTabs(text.substr(start, end - start));
        start = end + 1;
        std::string path, name, data;
        if (f.size() < 2 || !unescape(f[1], path) || normalKey(path) != path || path.empty())
            continue;
        if (f[0] == "KEY" && f.size() == 2) {
            keyOf(hive, path);
            continue;
        }
        if (f[0] != "VALUE" || f.size() != 5 || !unescape(f[2], name)) continue;
        RegistryValue v;
        if (f[3] == "STRING") {
            if (!unescape(f[4], v.data) || v.data.find('\0') != std::string::npos) continue;
        } else if (f[3] == "DWORD") {
            v.type = RegistryType::Dword;
            const auto r = std::from_chars(f[4].data(), f[4].data() + f[4].size(), v.dword);
            if (r.ec != std::errc() || r.ptr != f[4].data() + f[4].size() || f[4].empty()) continue;
        } else if (f[3] == "BINARY") {
            v.type = RegistryType::Binary;
            if (!fromHex(f[4], v.data)) continue;
        } else {
            continue;
        }
        keyOf(hive, path).values[lower(name)] = {name, v};
    }
    return hive;
}

std::string formatHive(const RegistryHive& hive) {
    std::string out;
    static const char* hex = "0123456789abcdef";
    for (const auto& [id, key] : hive) {
        out += "KEY\t" + escape(key.path) + "\n";
        for (const auto& [lowerName, nv] : key.values) {
            const auto& [name, v] = nv;
            out += "VALUE\t" + escape(key.path) + "\t" + escape(name) + "\t";
            if (v.type == RegistryType::String) {
                out += "STRING\t" + escape(v.data);
            } else if (v.type == RegistryType::Dword) {
                char buf[16];
                const auto r = std::to_chars(buf, buf + sizeof buf, v.dword);
                out += "DWORD\t" + std::string(buf, r.ptr);
            } else {
                out += "BINARY\t";
                for (unsigned char c : v.data) {
                    out += hex[c >> 4];
                    out += hex[c & 15];
                }
            }
            out += "\n";
        }
    }
    return out;
}

bool RegistryStore::isRoot(const std::string& root) {
    return root == "HKCR" || root == "HKCU" || root == "HKLM" || root == "HKU" || root == "HKCC";
}

bool RegistryStore::set(const std::string& root, const std::string& key, const std::string& name,
                        const RegistryValue& value) {
    const std::string path = normalKey(key);
    if (!isRoot(root) || path.empty() || !makeFolders(folder_)) return false;
    RegistryValue v = value;
    if (v.type == RegistryType::String) v.data = v.data.substr(0, v.data.find('\0'));
    std::ifstream in(fileOf(root), std::ios::binary);
    RegistryHive hive = parseHive(
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    in.close();
    keyOf(hive, path).values[lower(name)] = {name, v};

    // Written beside and renamed over, so a reader never sees half a file.
    std::string temp = fileOf(root) + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    const std::string text = formatHive(hive);
    const bool written =
        ::write(fd, text.data(), text.size()) == ssize_t(text.size()) && ::fchmod(fd, 0644) == 0;
    if (::close(fd) != 0 || !written || std::rename(temp.c_str(), fileOf(root).c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

std::optional<RegistryValue> RegistryStore::get(const std::string& root, const std::string& key,
                                                const std::string& name) const {
    if (!isRoot(root)) return std::nullopt;
    std::ifstream in(fileOf(root), std::ios::binary);
    const RegistryHive hive = parseHive(
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    const auto k = hive.find(lower(normalKey(key)));
    if (k == hive.end()) return std::nullopt;
    const auto v = k->second.values.find(lower(name));
    if (v == k->second.values.end()) return std::nullopt;
    return v->second.second;
}

std::uint32_t parseDword(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > 2147483648LL) v = 2147483648LL;
    }
    if (negative) v = -v;
    if (v > 2147483647LL) v = 2147483647LL;
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(v));
}

}  // namespace turnpixa::setup
