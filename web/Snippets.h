#pragma once
#include <string>
#include <string_view>

namespace turnpixa {

// What a snippet says about one uploaded rotatable image.
struct SnippetImage {
    std::string folder;  // frame folder name F, "stem-turnpixa"; also the element id
    bool png = false;
    bool webp = false;  // before png: ".webp"
    int autoSpin = 0;   // the fourth argument of AddTurnPixa
    int frames = 0;
    int width = 0, height = 0;
    // What the registration's options object carries: the size of the
    // large frames in zoom/ (0 = none) and the number of rows (1 = one).
    int zoomWidth = 0, zoomHeight = 0;
    int rows = 1;
    // The animated picture uploaded in the frame folder ("spin.webp" or
    // "spin.gif"), empty when none is known.
    std::string animation;
    int startFrame = 0;  // the fifth argument, with rows: the frame shown first
};

// The HTML fragments of the "Copy To Clipboard" dialog. base is the cleaned
// webspace address (snippetBase). Names and the base are escaped for each
// place they stand in (HTML attribute, script string, address); ordinary
// names come out byte for byte as written.
class Snippets {
public:
    static constexpr std::string_view kSuffix = "-turnpixa";

    // The auction form carries the whole viewer inline (without its
    // parameter comment) when first is set.
    static std::string ebay(const SnippetImage& image, const std::string& base,
                            const std::string& inlineScript, bool first);
    // The web page form loads turnpixa.js from the base when first is set.
    static std::string webpage(const SnippetImage& image, const std::string& base, bool first);
    static std::string iframe(const SnippetImage& image, const std::string& base);
    // For listings that take no script: the animated picture, at the page's
    // size, linked to the uploaded page. Nothing in it runs.
    static std::string listing(const SnippetImage& image, const std::string& base);

    // The inline viewer less its parameter documentation: from the line
    // after the first empty line up to and including the next empty line.
    static std::string withoutParameterComment(const std::string& script);

    // Backslashes to "/", trailing "/" gone unless the text is just one
    // character.
    static std::string cleanLocation(std::string location);
    // Backslashes to "/", no "/" at either end, a leading "htdocs" folder gone.
    static std::string cleanFolder(std::string folder);
    // cleaned location + "/" + cleaned folder.
    static std::string base(const std::string& location, const std::string& folder);
    // The stem: F cut before its "-turnpixa" (all of F when it has none).
    static std::string stemOf(const std::string& folder);

    // The options argument of the registration call, "{zoomWidth:W,
    // zoomHeight:H,rows:R}" with only the keys that differ from no large
    // frames and one row; empty when none does.
    static std::string options(const SnippetImage& image);

    // Reads an uploaded page (its first 1023 bytes are enough): the frame
    // count, auto-spin value, format and options from the AddTurnPixa call,
    // the size from the img tag with the same id. W and H are set whenever
    // the tag is found; the rest only when the frame count could be read,
    // which is what the result says.
    static bool parseUploadedPage(std::string_view page, SnippetImage& image);

    // The escapes, one per context.
    static std::string htmlAttribute(std::string_view text);  // inside '...'
    static std::string scriptString(std::string_view text);   // inside '...' in a script
    static std::string addressPart(std::string_view name);    // one path segment
};

}  // namespace turnpixa
