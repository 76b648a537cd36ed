#include "CliAnimation.h"

#include <filesystem>
#include <system_error>

#include "CliValues.h"

namespace turnpixa {

namespace {

using V = CliOption::Value;
using Value = std::optional<std::string>;

bool endsWithNoCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        char c = text[text.size() - suffix.size() + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != suffix[i]) return false;
    }
    return true;
}

bool formatOf(const std::string& file, AnimationFormat& format) {
    if (endsWithNoCase(file, ".gif") && file.size() > 4) {
        format = AnimationFormat::Gif;
        return true;
    }
    if (endsWithNoCase(file, ".webp") && file.size() > 5) {
        format = AnimationFormat::WebP;
        return true;
    }
    return false;
}

bool isBareName(const std::string& file) {
    return file.find('/') == std::string::npos;
}

AnimationRequest baseRequest(const CliOptions& o) {
    AnimationRequest r;
    r.width = o.animationWidth.value_or(0);
    r.frameMs = o.animationMs.value_or(o.autoSpin != 0 ? o.autoSpin : 100);
    return r;
}

}  // namespace

std::vector<CliOption> withAnimationOptions(std::vector<CliOption> table) {
    table.push_back(
        {.longName = "animation",
         .value = V::Required,
         .valueName = "FILE.gif|FILE.webp",
         .group = OptionGroup::Output,
         .help = "also an animated picture of the spin (GIF or lossy WebP, by the extension) "
                 "that turns by itself for ever from the start image, for pages that take no "
                 "script; repeatable. A bare name puts it in the set's frame folder as spin.gif "
                 "or spin.webp, where --upload and --snippet=listing find it; a path writes it "
                 "there",
         .expects = "a file name ending in .gif or .webp",
         .apply =
             [](CliOptions& o, const Value& v) {
                 AnimationFormat format;
                 if (!formatOf(*v, format)) return false;
                 o.animations.push_back(*v);
                 return true;
             },
         .pathValue = true});
    table.push_back({.longName = "animation-width",
                     .value = V::Required,
                     .valueName = "N",
                     .group = OptionGroup::Output,
                     .help = "width of the animated picture (default: the frame width), rendered "
                             "from the photos",
                     .expects = "a width from 16 to 2000",
                     .apply = [](CliOptions& o, const Value& v) {
                         int n = 0;
                         if (!parseInt(*v, 16, kMaxAnimationWidth, n)) return false;
                         o.animationWidth = n;
                         return true;
                     }});
    table.push_back(
        {.longName = "animation-ms",
         .value = V::Required,
         .valueName = "MS",
         .group = OptionGroup::Output,
         .help = "time each frame of the animated picture is shown, negative to turn the other "
                 "way (default: the --auto-spin interval, else 100); at least 20 ms, and a GIF "
                 "keeps whole hundredths of a second",
         .expects = "milliseconds from -60000 to 60000, not 0",
         .apply = [](CliOptions& o, const Value& v) {
             int n = 0;
             if (!parseInt(*v, -60000, 60000, n) || n == 0) return false;
             o.animationMs = n;
             return true;
         }});
    return table;
}

std::string animationOptionsError(const CliOptions& o) {
    if (o.animations.empty()) {
        if (o.animationWidth || o.animationMs)
            return std::string(o.animationWidth ? "--animation-width" : "--animation-ms") +
                   " goes with --animation";
        return {};
    }
    bool gif = false, webp = false;
    for (const std::string& file : o.animations) {
        AnimationFormat format;
        formatOf(file, format);
        if (!isBareName(file)) continue;
        bool& seen = format == AnimationFormat::Gif ? gif : webp;
        if (seen)
            return "--animation " + file + ": the frame folder holds one " +
                   animationExtension(format) + " animation (spin." + animationExtension(format) +
                   "); give a path for another";
        seen = true;
    }
    return {};
}

AnimationRequest CliAnimations::elsewhereRequest() const {
    AnimationRequest r = inSet;
    r.formats.clear();
    for (const auto& [path, format] : elsewhere) r.formats.push_back(format);
    return r;
}

CliAnimations animationsFor(const CliOptions& o) {
    CliAnimations a;
    a.inSet = baseRequest(o);
    for (const std::string& file : o.animations) {
        AnimationFormat format;
        if (!formatOf(file, format)) continue;
        if (isBareName(file))
            a.inSet.formats.push_back(format);
        else
            a.elsewhere.emplace_back(file, format);
    }
    return a;
}

void reportAnimationsInSet(const std::vector<std::string>& names, const SaveTarget& target,
                           std::FILE* out) {
    for (const std::string& name : names) {
        const std::string path = target.frameFolderPath() + name;
        std::error_code ec;
        const auto bytes = std::filesystem::file_size(path, ec);
        std::fprintf(out, "Wrote an animation of %llu bytes: %s\n",
                     static_cast<unsigned long long>(ec ? 0 : bytes), path.c_str());
    }
}

bool writeAnimationsElsewhere(const CliAnimations& animations, FrameSource& frames, bool quiet,
                              std::FILE* out, std::FILE* err) {
    if (animations.elsewhere.empty()) return true;
    std::vector<AnimationFile> files;
    std::string reason;
    std::vector<std::string> notes;
    if (!makeSpinAnimations(frames, animations.elsewhereRequest(), files, reason, &notes)) {
        std::fprintf(err, "turnpixa-cli: could not make the animated picture: %s\n",
                     reason.c_str());
        return false;
    }
    for (const std::string& note : notes)
        std::fprintf(err, "turnpixa-cli: warning: %s\n", note.c_str());
    bool ok = true;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& path = animations.elsewhere[i].first;
        std::error_code ignored;
        const std::filesystem::path parent = std::filesystem::path(path).parent_path();
        if (!parent.empty()) std::filesystem::create_directories(parent, ignored);
        if (!writeWholeFile(path, files[i].bytes, reason)) {
            std::fprintf(err, "turnpixa-cli: %s\n", reason.c_str());
            ok = false;
        } else if (!quiet) {
            std::fprintf(out, "Wrote an animation of %zu bytes: %s\n", files[i].bytes.size(),
                         path.c_str());
        }
    }
    return ok;
}

}  // namespace turnpixa
