#include "Snippets.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include "project/SpinRows.h"

namespace turnpixa {

namespace {

std::string extension(const SnippetImage& image) {
    if (image.webp) return ".webp";
    return image.png ? ".png" : ".jpg";
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// A whole argument as a decimal number within limits.
bool readArgument(std::string_view text, int low, int high, int& value) {
    text = trimmed(text);
    int v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || v < low || v > high)
        return false;
    value = v;
    return true;
}

// The digits that start text (after an optional quote of either kind).
bool readAttributeNumber(std::string_view text, int& value) {
    if (!text.empty() && text.front() == '\'') text.remove_prefix(1);
    if (!text.empty() && text.front() == '"') text.remove_prefix(1);
    int v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || v < 0 || v > 100000) return false;
    value = v;
    return true;
}

// The arguments of a call, from just after its "(" up to the ")" that closes
// it: split at the commas between them, with quoted strings (a name may hold
// "," or ")") and bracketed arguments (an options object) kept whole. False
// when the call is not closed.
bool splitArguments(std::string_view text, std::vector<std::string_view>& args) {
    int depth = 0;
    char quote = 0;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == '\\')
                ++i;
            else if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '(' || c == '[' || c == '{') {
            ++depth;
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if (c == ')' || (c == ',' && depth == 0)) {
            args.push_back(text.substr(start, i - start));
            start = i + 1;
            if (c == ')') return true;
        }
    }
    return false;
}

constexpr int kMaxFrames = 100000;
constexpr int kMaxInterval = 1000000;
constexpr int kMaxZoomSide = 100000;

// <img ...> with the frames' still image, then an empty line.
std::string imageTag(const SnippetImage& image, const std::string& base) {
    const std::string src =
        base + "/" + Snippets::addressPart(image.folder) + "/image" + extension(image);
    return "<img id='" + Snippets::htmlAttribute(image.folder) + "' src='" +
           Snippets::htmlAttribute(src) + "' width='" + std::to_string(image.width) + "' height='" +
           std::to_string(image.height) + "' border='0'>\r\n\r\n";
}

// The registration call, then an empty line.
std::string registration(const SnippetImage& image, const std::string& base) {
    const std::string prefix = base + "/" + Snippets::addressPart(image.folder) + "/image_";
    return "<script language='JavaScript' type='text/javascript'>\r\n\tAddTurnPixa('" +
           Snippets::scriptString(image.folder) + "', '" + Snippets::scriptString(prefix) + "', " +
           std::to_string(image.frames) + ", " + std::to_string(image.autoSpin) + ", " +
           std::to_string(image.rows > 1 ? image.startFrame : 0) + ", '" + extension(image) + "'" +
           (Snippets::options(image).empty() ? "" : ", ") + Snippets::options(image) +
           ");\r\n</script>\r\n\r\n";
}

}  // namespace

std::string Snippets::ebay(const SnippetImage& image, const std::string& base,
                           const std::string& inlineScript, bool first) {
    std::string text = imageTag(image, base);
    if (first) text += withoutParameterComment(inlineScript) + "\r\n";
    return text + registration(image, base);
}

std::string Snippets::webpage(const SnippetImage& image, const std::string& base, bool first) {
    std::string text = imageTag(image, base);
    if (first) {
        text += "<script language='JavaScript' src='" + htmlAttribute(base + "/turnpixa.js") +
                "' type='text/javascript'></script>\r\n";
    }
    return text + registration(image, base);
}

std::string Snippets::iframe(const SnippetImage& image, const std::string& base) {
    const std::string src = base + "/" + addressPart(stemOf(image.folder)) + ".htm";
    return "<iframe src='" + htmlAttribute(src) + "' width='" + std::to_string(image.width) +
           "' height='" + std::to_string(image.height) +
           "' frameborder='0' marginwidth='0' marginheight='0' scrolling='no'>\r\n"
           "\t<p>Your browser does not support iframes.</p>\r\n"
           "</iframe>\r\n";
}

std::string Snippets::listing(const SnippetImage& image, const std::string& base) {
    const std::string stem = stemOf(image.folder);
    const std::string page = base + "/" + addressPart(stem) + ".htm";
    const std::string src =
        base + "/" + addressPart(image.folder) + "/" + addressPart(image.animation);
    return "<a href='" + htmlAttribute(page) + "'><img src='" + htmlAttribute(src) + "' width='" +
           std::to_string(image.width) + "' height='" + std::to_string(image.height) + "' alt='" +
           htmlAttribute(stem + ", turning all round") + "' border='0'></a>\r\n";
}

std::string Snippets::withoutParameterComment(const std::string& script) {
    // Lines with their CR LF: an empty line is one that is just "\r\n".
    std::vector<std::string_view> lines;
    std::string_view rest(script);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        const size_t length = end == std::string_view::npos ? rest.size() : end + 1;
        lines.push_back(rest.substr(0, length));
        rest.remove_prefix(length);
    }
    auto isEmpty = [](std::string_view line) { return trimmed(line).empty(); };
    const auto firstEmpty = std::find_if(lines.begin(), lines.end(), isEmpty);
    if (firstEmpty == lines.end()) return script;
    const auto nextEmpty = std::find_if(firstEmpty + 1, lines.end(), isEmpty);
    if (nextEmpty == lines.end()) return script;
    std::string text;
    for (auto it = lines.begin(); it != lines.end(); ++it)
        if (it <= firstEmpty || it > nextEmpty) text += *it;
    return text;
}

std::string Snippets::cleanLocation(std::string location) {
    std::replace(location.begin(), location.end(), '\\', '/');
    while (location.size() > 1 && location.back() == '/') location.pop_back();
    return location;
}

std::string Snippets::cleanFolder(std::string folder) {
    std::replace(folder.begin(), folder.end(), '\\', '/');
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    while (!folder.empty() && folder.front() == '/') folder.erase(0, 1);
    if (folder == "htdocs" || folder.rfind("htdocs/", 0) == 0) {
        folder.erase(0, 6);
        while (!folder.empty() && folder.front() == '/') folder.erase(0, 1);
    }
    return folder;
}

std::string Snippets::base(const std::string& location, const std::string& folder) {
    return cleanLocation(location) + "/" + cleanFolder(folder);
}

std::string Snippets::stemOf(const std::string& folder) {
    const size_t at = folder.rfind(kSuffix);
    if (at != std::string::npos && at + kSuffix.size() == folder.size())
        return folder.substr(0, at);
    return folder;
}

namespace {
// The number of one key of an options object ({zoomWidth:960,rows:3}, the
// text lower-cased, keys quoted or not, nested values skipped), when it is
// a whole number from 1 to high.
bool readOption(std::string_view text, std::string_view key, int high, int& value) {
    text = trimmed(text);
    if (text.size() < 2 || text.front() != '{' || text.back() != '}') return false;
    text = text.substr(1, text.size() - 2);
    int depth = 0;
    char quote = 0;
    size_t start = 0;
    bool found = false;
    const auto entry = [&](std::string_view e) {
        const size_t colon = e.find(':');
        if (colon == std::string_view::npos) return;
        std::string_view name = trimmed(e.substr(0, colon));
        if (name.size() >= 2 && (name.front() == '\'' || name.front() == '"') &&
            name.back() == name.front())
            name = name.substr(1, name.size() - 2);
        if (name == key && readArgument(e.substr(colon + 1), 1, high, value)) found = true;
    };
    for (size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ',';
        if (quote) {
            if (c == '\\')
                ++i;
            else if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '{' || c == '[' || c == '(') {
            ++depth;
        } else if ((c == '}' || c == ']' || c == ')') && depth > 0) {
            --depth;
        } else if (c == ',' && depth == 0) {
            entry(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return found;
}
}  // namespace

bool Snippets::parseUploadedPage(std::string_view page, SnippetImage& image) {
    const std::string text = lowerCase(page.substr(0, 1023));
    constexpr std::string_view kCall = "addturnpixa(";
    const size_t call = text.find(kCall);
    if (call == std::string::npos) return false;
    std::vector<std::string_view> args;
    if (!splitArguments(std::string_view(text).substr(call + kCall.size()), args)) return false;
    const std::string id(trimmed(args[0]));

    // The size from the img tag that carries the same id.
    const size_t tag = id.empty() ? std::string::npos : text.find("<img id=" + id);
    if (tag != std::string::npos) {
        const std::string_view after = std::string_view(text).substr(tag);
        int w = 0, h = 0;
        const size_t width = after.find("width=");
        if (width != std::string_view::npos && readAttributeNumber(after.substr(width + 6), w))
            image.width = w;
        const size_t height = after.find("height=");
        if (height != std::string_view::npos && readAttributeNumber(after.substr(height + 7), h))
            image.height = h;
    }

    int frames = 0;
    if (args.size() < 3 || !readArgument(args[2], 1, kMaxFrames, frames)) return false;
    image.frames = frames;
    int autoSpin = 0;
    image.autoSpin = args.size() > 3 && readArgument(args[3], -kMaxInterval, kMaxInterval, autoSpin)
                         ? autoSpin
                         : 0;
    if (args.size() > 5) {
        image.webp = args[5].find("webp") != std::string_view::npos;
        image.png = !image.webp && args[5].find("png") != std::string_view::npos;
    }
    image.zoomWidth = image.zoomHeight = 0;
    image.rows = 1;
    if (args.size() > 6) {
        int w = 0, h = 0;
        if (readOption(args[6], "zoomwidth", kMaxZoomSide, w) &&
            readOption(args[6], "zoomheight", kMaxZoomSide, h)) {
            image.zoomWidth = w;
            image.zoomHeight = h;
        }
        int rows = 1;
        if (readOption(args[6], "rows", SpinRows::kMostRows, rows) && SpinRows::fits(frames, rows))
            image.rows = rows;
    }
    int start = 0;
    image.startFrame = image.rows > 1 && readArgument(args[4], 0, frames - 1, start) ? start : 0;
    return true;
}

std::string Snippets::options(const SnippetImage& image) {
    std::string keys;
    if (image.zoomWidth > 0 && image.zoomHeight > 0)
        keys = "zoomWidth:" + std::to_string(image.zoomWidth) +
               ",zoomHeight:" + std::to_string(image.zoomHeight);
    if (image.rows > 1) keys += (keys.empty() ? "rows:" : ",rows:") + std::to_string(image.rows);
    return keys.empty() ? keys : "{" + keys + "}";
}

std::string Snippets::htmlAttribute(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '\'':
                out += "&#39;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Snippets::scriptString(std::string_view text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\' || c == '\'' || c == '"') {
            out += '\\';
            out += c;
        } else if (c == '<' || c == '>' || u < 0x20 || u == 0x7F) {
            // "</script>" must not end the block early.
            out += "\\x";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;
        }
    }
    return out;
}

std::string Snippets::addressPart(std::string_view name) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '_' || c == '.' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 15];
        }
    }
    return out;
}

}  // namespace turnpixa
