#include "CliOptions.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>

namespace turnpixa {

namespace {

constexpr int kMaxFrameSide = 10000;
constexpr int kMaxCoordinate = 1'000'000;

bool parseInt(const std::string& text, long low, long high, int& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || end == text.c_str() || v < low || v > high) return false;
    value = static_cast<int>(v);
    return true;
}

bool parseDouble(const std::string& text, double& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(v)) return false;
    value = v;
    return true;
}

// RRGGBB as a web page writes it, stored as a packed colour.
bool parseColour(const std::string& text, PackedColour& colour) {
    if (text.size() != 6) return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    const unsigned long rgb = std::strtoul(text.c_str(), nullptr, 16);
    colour = packColour(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                        static_cast<int>(rgb & 0xFF));
    return true;
}

bool parseIntList(const std::string& text, char separator, std::vector<int>& values, long low,
                  long high) {
    values.clear();
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = text.find(separator, begin);
        int v = 0;
        if (!parseInt(text.substr(begin, end - begin), low, high, v)) return false;
        values.push_back(v);
        if (end == std::string::npos) return true;
        begin = end + 1;
    }
}

struct OptionRule {
    const char* longName;
    char shortName;  // 0 when none
    enum class Value { None, Required, Optional } value;
    std::function<bool(CliOptions&, const std::optional<std::string>&)> apply;
    const char* expects;  // for the error message
};

const std::vector<OptionRule>& optionTable() {
    using V = OptionRule::Value;
    static const std::vector<OptionRule> table = {
        {"output", 'o', V::Required,
         [](CliOptions& o, const auto& v) {
             o.output = *v;
             return !v->empty();
         },
         "a page file name"},
        {"width", 0, V::Required,
         [](CliOptions& o, const auto& v) {
             int n = 0;
             if (!parseInt(*v, 1, kMaxFrameSide, n)) return false;
             o.width = n;
             return true;
         },
         "a width from 1 to 10000"},
        {"height", 0, V::Required,
         [](CliOptions& o, const auto& v) {
             int n = 0;
             if (!parseInt(*v, 1, kMaxFrameSide, n)) return false;
             o.height = n;
             return true;
         },
         "a height from 1 to 10000"},
        {"size", 0, V::Required,
         [](CliOptions& o, const auto& v) {
             std::vector<int> wh;
             if (!parseIntList(*v, 'x', wh, 1, kMaxFrameSide) || wh.size() != 2) return false;
             o.size = std::make_pair(wh[0], wh[1]);
             return true;
         },
         "WxH, each from 1 to 10000"},
        {"crop", 0, V::Required,
         [](CliOptions& o, const auto& v) {
             std::vector<int> c;
             if (!parseIntList(*v, ',', c, 0, kMaxCoordinate) || c.size() != 4) return false;
             if (c[2] <= c[0] || c[3] <= c[1]) return false;
             o.crop = Rect{c[0], c[1], c[2], c[3]};
             return true;
         },
         "L,T,R,B with R > L and B > T"},
        {"rotate", 0, V::Required,
         [](CliOptions& o, const auto& v) { return parseInt(*v, -1000000, 1000000, o.rotate); },
         "a whole number of quarter turns"},
        {"lightness", 0, V::Required,
         [](CliOptions& o, const auto& v) {
             return parseDouble(*v, o.lightness) && o.lightness > 0.0 && o.lightness <= 10.0;
         },
         "a gamma above 0 and at most 10"},
        {"remove-background", 0, V::Optional,
         [](CliOptions& o, const auto& v) {
             int t = 60;
             if (v && !parseInt(*v, 6, 180, t)) return false;
             o.removalStrength = t;
             return true;
         },
         "a strength from 6 to 180"},
        {"background-colour", 0, V::Required,
         [](CliOptions& o, const auto& v) { return parseColour(*v, o.backgroundColour); },
         "a colour as RRGGBB"},
        {"frame", 0, V::Required,
         [](CliOptions& o, const auto& v) {
             const std::size_t colon = v->find(':');
             if (!parseInt(v->substr(0, colon), 0, 1000, o.frameWidth)) return false;
             return colon == std::string::npos || parseColour(v->substr(colon + 1), o.frameColour);
         },
         "W or W:RRGGBB"},
        {"start", 0, V::Required,
         [](CliOptions& o, const auto& v) { return parseInt(*v, 1, 1000000, o.start); },
         "a photo number from 1"},
        {"reverse", 0, V::None, [](CliOptions& o, const auto&) { return o.reverse = true; }, ""},
        {"png", 0, V::None, [](CliOptions& o, const auto&) { return o.png = true; }, ""},
        {"auto-spin", 0, V::Required,
         [](CliOptions& o, const auto& v) { return parseInt(*v, -60000, 60000, o.autoSpin); },
         "milliseconds from -60000 to 60000"},
        {"quiet", 'q', V::None, [](CliOptions& o, const auto&) { return o.quiet = true; }, ""},
        {"help", 'h', V::None, [](CliOptions& o, const auto&) { return o.help = true; }, ""},
        {"version", 0, V::None, [](CliOptions& o, const auto&) { return o.version = true; }, ""},
        {"strict", 0, V::None, [](CliOptions& o, const auto&) { return o.strict = true; }, ""},
    };
    return table;
}

const OptionRule* findLong(const std::string& name) {
    for (const OptionRule& rule : optionTable())
        if (name == rule.longName) return &rule;
    return nullptr;
}

const OptionRule* findShort(char name) {
    for (const OptionRule& rule : optionTable())
        if (rule.shortName != 0 && name == rule.shortName) return &rule;
    return nullptr;
}

}  // namespace

bool parseCommandLine(const std::vector<std::string>& args, CliOptions& options,
                      std::string& error) {
    options = CliOptions{};
    bool onlyPhotos = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyPhotos || arg.size() < 2 || arg[0] != '-') {
            options.photos.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyPhotos = true;
            continue;
        }
        const OptionRule* rule = nullptr;
        std::optional<std::string> value;
        std::string shown = arg;
        if (arg.rfind("--", 0) == 0) {
            const std::size_t eq = arg.find('=');
            const std::string name = arg.substr(2, eq == std::string::npos ? eq : eq - 2);
            rule = findLong(name);
            shown = "--" + name;
            if (eq != std::string::npos) value = arg.substr(eq + 1);
        } else if (arg.size() == 2) {
            rule = findShort(arg[1]);
        }
        if (!rule) {
            error = "unknown option " + shown;
            return false;
        }
        using V = OptionRule::Value;
        if (rule->value == V::None && value) {
            error = shown + " takes no value";
            return false;
        }
        if (rule->value == V::Required && !value) {
            if (i + 1 >= args.size()) {
                error = shown + " needs " + rule->expects;
                return false;
            }
            value = args[++i];
        }
        if (!rule->apply(options, value)) {
            error = shown + " needs " + rule->expects + ", not \"" + value.value_or("") + "\"";
            return false;
        }
    }
    if (options.help || options.version) return true;
    const int sizeChoices =
        options.width.has_value() + options.height.has_value() + options.size.has_value();
    if (sizeChoices > 1) {
        error = "choose one of --width, --height and --size";
        return false;
    }
    if (options.output.empty()) {
        error = "no output page given (-o PAGE)";
        return false;
    }
    if (options.photos.empty()) {
        error = "no photos given";
        return false;
    }
    return true;
}

std::string usageText() {
    return "Usage: turnpixa-cli [options] PHOTO... -o PAGE\n"
           "Makes a rotatable image for the web from a turntable photo series.\n"
           "\n"
           "  -o, --output PAGE          the page file (\".htm\" added when missing); the script\n"
           "                             and the frame folder go beside it\n"
           "      --width N | --height N displayed frame width or height; the other follows from\n"
           "                             the first photo's aspect (default: width 400)\n"
           "      --size WxH             displayed frame size as given (after rotation)\n"
           "      --crop L,T,R,B         crop rectangle in source pixels of the unrotated photo\n"
           "                             (right and bottom exclusive); turns crop on\n"
           "      --rotate N             quarter turns clockwise (any integer)\n"
           "      --lightness G          gamma (default 1.0)\n"
           "      --remove-background[=T] background removal with strength T, 6 to 180\n"
           "                             (default 60)\n"
           "      --background-colour RRGGBB  replacement colour (default FFFFFF)\n"
           "      --frame W[:RRGGBB]     soft-edge frame width and colour (default white)\n"
           "      --start N              start image, 1-based\n"
           "      --reverse              reverse spin direction\n"
           "      --png                  PNG frames and still instead of JPEG\n"
           "      --auto-spin MS         auto-spin interval in ms, negative for the other\n"
           "                             direction, 0 = off (default)\n"
           "  -q, --quiet                no progress output (warnings are still shown)\n"
           "      --strict               fail (exit 1, nothing written) when any photo is\n"
           "                             skipped or damaged\n"
           "  -h, --help                 this text\n"
           "      --version              the program's version\n"
           "\n"
           "Photos are read in the order given, whatever their extension; unreadable ones are\n"
           "skipped with a warning, damaged ones taken with a warning. Exit status: 0 when the "
           "whole set was written, 1 when it\n"
           "could not be, 2 for a usage error.\n";
}

}  // namespace turnpixa
