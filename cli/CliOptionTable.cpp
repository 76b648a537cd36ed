#include "CliOptionTable.h"

#include "CliAnimation.h"
#include "CliFramePack.h"
#include "CliValues.h"

namespace turnpixa {

namespace {

constexpr int kMaxFrameSide = 10000;
constexpr int kMaxCoordinate = 1'000'000;
constexpr int kFrameSizeChoice = 1;  // --width, --height and --size

using V = CliOption::Value;
using Value = std::optional<std::string>;

bool setFlag(bool& flag) {
    flag = true;
    return true;
}

}  // namespace

const char* const kCliClosingNotes =
    "Photos are read in the order given, whatever their extension; unreadable ones are skipped "
    "and damaged ones taken, each with a warning naming it. Exit status: 0 when the whole set was "
    "written, 1 when it could not be or a scanner failed (pages it gave before are kept), 2 for "
    "a usage error.";

const std::vector<CliOptionGroup>& cliOptionGroups() {
    static const std::vector<CliOptionGroup> groups = {
        {OptionGroup::Input, "Input", "PHOTO...",
         "the photos of one turn, in spin order; \"--\" before a name that starts with a dash"},
        {OptionGroup::Frame, "Frame", nullptr, nullptr},
        {OptionGroup::Processing, "Processing", nullptr, nullptr},
        {OptionGroup::Output, "Output", nullptr, nullptr},
        {OptionGroup::Publishing, "Publishing", nullptr, nullptr},
        {OptionGroup::Program, "Program", nullptr, nullptr},
    };
    return groups;
}

const std::vector<CliOption>& cliOptionTable() {
    static const std::vector<CliOption> table = withAnimationOptions({
        // Frame
        {.longName = "width",
         .value = V::Required,
         .valueName = "N",
         .group = OptionGroup::Frame,
         .help = "displayed frame width; the height follows from the first photo's aspect "
                 "(default: width 400)",
         .expects = "a width from 1 to 10000",
         .apply =
             [](CliOptions& o, const Value& v) {
                 int n = 0;
                 if (!parseInt(*v, 1, kMaxFrameSide, n)) return false;
                 o.width = n;
                 return true;
             },
         .exclusive = kFrameSizeChoice},
        {.longName = "height",
         .value = V::Required,
         .valueName = "N",
         .group = OptionGroup::Frame,
         .help = "displayed frame height; the width follows from the first photo's aspect",
         .expects = "a height from 1 to 10000",
         .apply =
             [](CliOptions& o, const Value& v) {
                 int n = 0;
                 if (!parseInt(*v, 1, kMaxFrameSide, n)) return false;
                 o.height = n;
                 return true;
             },
         .exclusive = kFrameSizeChoice},
        {.longName = "size",
         .value = V::Required,
         .valueName = "WxH",
         .group = OptionGroup::Frame,
         .help = "displayed frame size as given (after rotation); \"Wx\" or \"xH\" gives one "
                 "side and the other follows from the first photo's aspect",
         .expects = "WxH, Wx or xH, each side from 1 to 10000",
         .apply =
             [](CliOptions& o, const Value& v) {
                 std::optional<int> w, h;
                 if (!parseFrameSize(*v, kMaxFrameSide, w, h)) return false;
                 o.width.reset();
                 o.height.reset();
                 o.size.reset();
                 if (w && h) {
                     o.size = std::make_pair(*w, *h);
                 } else {
                     o.width = w;
                     o.height = h;
                 }
                 return true;
             },
         .exclusive = kFrameSizeChoice},
        {.longName = "crop",
         .value = V::Required,
         .valueName = "L,T,R,B|WxH+X+Y",
         .group = OptionGroup::Frame,
         .help = "crop rectangle in source pixels of the unrotated photo: left, top, right and "
                 "bottom (right and bottom exclusive), or width x height + left + top; turns "
                 "crop on",
         .expects = "L,T,R,B with R > L and B > T, or WxH+X+Y",
         .apply =
             [](CliOptions& o, const Value& v) {
                 Rect r;
                 if (!parseCropRect(*v, kMaxCoordinate, r)) return false;
                 o.crop = r;
                 return true;
             }},
        {.longName = "rotate",
         .value = V::Required,
         .valueName = "N",
         .group = OptionGroup::Frame,
         .help = "quarter turns clockwise (any integer)",
         .expects = "a whole number of quarter turns",
         .apply = [](CliOptions& o,
                     const Value& v) { return parseInt(*v, -1000000, 1000000, o.rotate); }},
        {.longName = "start",
         .value = V::Required,
         .valueName = "N",
         .group = OptionGroup::Frame,
         .help = "start image, 1-based, counting all photos (with rows: row 1's, then row "
                 "2's...); it also picks the row the viewer starts in",
         .expects = "a photo number from 1",
         .apply = [](CliOptions& o, const Value& v) { return parseInt(*v, 1, 1000000, o.start); }},
        {.longName = "rows",
         .value = V::Required,
         .valueName = "R",
         .group = OptionGroup::Frame,
         .help = "the photos were shot in R rows at different camera heights, row 1's photos "
                 "first, every row the same number: the viewer turns within a row and tilts "
                 "between rows; the photo count must be a multiple of R (default 1)",
         .expects = "a number of rows from 1 to 36",
         .apply = [](CliOptions& o, const Value& v) { return parseInt(*v, 1, 36, o.rows); }},
        {.longName = "reverse",
         .group = OptionGroup::Frame,
         .help = "reverse spin direction",
         .apply = [](CliOptions& o, const Value&) { return setFlag(o.reverse); }},

        // Processing
        {.longName = "lightness",
         .value = V::Required,
         .valueName = "G",
         .group = OptionGroup::Processing,
         .help = "gamma (default 1.0)",
         .expects = "a gamma above 0 and at most 10",
         .apply =
             [](CliOptions& o, const Value& v) {
                 return parseDouble(*v, o.lightness) && o.lightness > 0.0 && o.lightness <= 10.0;
             }},
        {.longName = "remove-background",
         .value = V::Optional,
         .valueName = "T",
         .group = OptionGroup::Processing,
         .help = "background removal with strength T, 6 to 180 (default 60)",
         .expects = "a strength from 6 to 180",
         .apply =
             [](CliOptions& o, const Value& v) {
                 int t = 60;
                 if (v && !parseInt(*v, 6, 180, t)) return false;
                 o.removalStrength = t;
                 return true;
             }},
        {.longName = "background-colour",
         .value = V::Required,
         .valueName = "RRGGBB",
         .group = OptionGroup::Processing,
         .help = "colour that replaces the removed background (default FFFFFF), or "
                 "\"transparent\" for PNG and WebP frames without one",
         .expects = "a colour as RRGGBB, or transparent",
         .apply =
             [](CliOptions& o, const Value& v) {
                 o.transparent = *v == "transparent";
                 return o.transparent || parseColour(*v, o.backgroundColour);
             },
         .alias = "background-color"},
        {.longName = "frame",
         .value = V::Required,
         .valueName = "W[:RRGGBB]",
         .group = OptionGroup::Processing,
         .help = "soft-edge frame width and colour (default white)",
         .expects = "W or W:RRGGBB",
         .apply =
             [](CliOptions& o, const Value& v) {
                 const std::size_t colon = v->find(':');
                 if (!parseInt(std::string_view(*v).substr(0, colon), 0, 1000, o.frameWidth))
                     return false;
                 return colon == std::string::npos ||
                        parseColour(std::string_view(*v).substr(colon + 1), o.frameColour);
             }},
        {.longName = "auto-centre",
         .group = OptionGroup::Processing,
         .help = "pan every photo so that the object turns in place where it stands on average "
                 "(no swinging round, no shake); the crop is made smaller when it must be",
         .apply = [](CliOptions& o, const Value&) { return setFlag(o.autoCentre); },
         .alias = "auto-center"},
        {.longName = "even-lightness",
         .group = OptionGroup::Processing,
         .help = "match every photo's lightness and colour balance to the median photo's, so "
                 "that the frames do not flicker",
         .apply = [](CliOptions& o, const Value&) { return setFlag(o.evenLightness); }},

        // Output
        {.longName = "output",
         .shortName = 'o',
         .value = V::Required,
         .valueName = "PAGE",
         .group = OptionGroup::Output,
         .help = "the page file (\".htm\" added when missing); the script and the frame folder "
                 "go beside it",
         .expects = "a page file name",
         .apply =
             [](CliOptions& o, const Value& v) {
                 o.output = *v;
                 return !v->empty();
             },
         .pathValue = true},
        {
            .longName = "format",
            .value = V::Required,
            .valueName = "FORMAT",
            .group = OptionGroup::Output,
            .help = "file format of the frames and the still: jpeg (default), png or webp",
            .expects = "jpeg, png or webp",
            .apply =
                [](CliOptions& o, const Value& v) {
                    if (*v == "jpeg" || *v == "jpg")
                        o.format = FrameFormat::Jpeg;
                    else if (*v == "png")
                        o.format = FrameFormat::Png;
                    else if (*v == "webp")
                        o.format = FrameFormat::WebP;
                    else
                        return false;
                    return true;
                },
        },
        {.longName = "png",
         .group = OptionGroup::Output,
         .help = "the same as --format=png",
         .apply =
             [](CliOptions& o, const Value&) {
                 o.format = FrameFormat::Png;
                 return true;
             }},
        {.longName = "quality",
         .value = V::Required,
         .valueName = "N",
         .group = OptionGroup::Output,
         .help = "JPEG or WebP quality of the frames and the still, 1 to 100 (default 75 for "
                 "JPEG and 60 for WebP, as the wizard writes them)",
         .expects = "a quality from 1 to 100",
         .apply =
             [](CliOptions& o, const Value& v) {
                 int q = 0;
                 if (!parseInt(*v, 1, 100, q)) return false;
                 o.quality = q;
                 return true;
             }},
        {.longName = "zoom",
         .value = V::Required,
         .valueName = "W",
         .group = OptionGroup::Output,
         .help = "also large frames W pixels wide, rendered from the photos, in the frame "
                 "folder's zoom/ (0 = none, the default)",
         .expects = "a width from 0 to 10000",
         .apply = [](CliOptions& o,
                     const Value& v) { return parseInt(*v, 0, kMaxFrameSide, o.zoom); }},
        {.longName = "auto-spin",
         .value = V::Required,
         .valueName = "MS",
         .group = OptionGroup::Output,
         .help = "auto-spin interval in ms, negative for the other direction, 0 = off (default)",
         .expects = "milliseconds from -60000 to 60000",
         .apply = [](CliOptions& o,
                     const Value& v) { return parseInt(*v, -60000, 60000, o.autoSpin); }},

        // Program
        {.longName = "quiet",
         .shortName = 'q',
         .help = "no progress output (warnings are still shown)",
         .apply = [](CliOptions& o, const Value&) { return setFlag(o.quiet); }},
        {.longName = "help",
         .shortName = 'h',
         .help = "this text",
         .apply = [](CliOptions& o, const Value&) { return setFlag(o.help); }},
        {.longName = "version",
         .help = "the program's version",
         .apply = [](CliOptions& o, const Value&) { return setFlag(o.version); }},
        {.longName = "strict",
         .help = "fail (exit 1, nothing written) when any photo is skipped or damaged",
         .apply = [](CliOptions& o, const Value&) { return setFlag(o.strict); }},
        {.longName = "print-man",
         .apply = [](CliOptions& o, const Value&) { return setFlag(o.printMan); },
         .hidden = true},
        {.longName = "print-completion",
         .apply = [](CliOptions& o, const Value&) { return setFlag(o.printCompletion); },
         .hidden = true},

        // Input from scanners and cameras
        {.longName = "scan",
         .value = V::Required,
         .valueName = "DEVICE",
         .group = OptionGroup::Input,
         .help = "the pages a scanner or camera holds (its SANE name, e.g. \"test:0\"), added "
                 "as photos after the files in the order scanned; repeatable. \"--scan list\" "
                 "prints the devices there are",
         .expects = "a scanner's SANE name, or \"list\"",
         .apply =
             [](CliOptions& o, const Value& v) {
                 if (*v == "list")
                     o.scanList = true;
                 else
                     o.scanDevices.push_back(*v);
                 return !v->empty();
             }},
        {.longName = "scan-source",
         .value = V::Required,
         .valueName = "NAME",
         .group = OptionGroup::Input,
         .help = "where the scanners take the paper from (their SANE \"source\" option), e.g. "
                 "\"Automatic Document Feeder\", which gives every page in the feeder",
         .expects = "a source name",
         .apply =
             [](CliOptions& o, const Value& v) {
                 o.scanSource = *v;
                 return !v->empty();
             }},

        // Catalogues
        {.longName = "batch",
         .value = V::Required,
         .valueName = "CATALOGUE.csv",
         .group = OptionGroup::Input,
         .help = "make one set per row of a CSV catalogue whose header names the columns: "
                 "output, photos (a glob or a \";\"-separated list, in spin order) and any "
                 "long option; the other options given are defaults for every row. A set whose "
                 "manifest (beside its page) shows nothing changed is skipped; a bad row is "
                 "named and skipped",
         .expects = "a catalogue file",
         .apply =
             [](CliOptions& o, const Value& v) {
                 o.batch = *v;
                 return !v->empty();
             },
         .pathValue = true},
        {.longName = "report",
         .value = V::Required,
         .valueName = "FILE.jsonl",
         .group = OptionGroup::Input,
         .help = "with --batch: one JSON line per row (output, status made, skipped or failed, "
                 "reason, photos, seconds, bytes)",
         .expects = "a report file name",
         .apply =
             [](CliOptions& o, const Value& v) {
                 o.report = *v;
                 return !v->empty();
             },
         .pathValue = true},
        {.longName = "shard",
         .value = V::Required,
         .valueName = "K/N|auto[/N]",
         .group = OptionGroup::Input,
         .help = "with --batch: make only the rows whose number (from 0) modulo N is K - 1; "
                 "\"auto\" takes K from PARALLEL_SEQ or JOB_COMPLETION_INDEX (with /N) or from "
                 "SLURM_ARRAY_TASK_ID and SLURM_ARRAY_TASK_COUNT",
         .expects = "K/N, auto or auto/N",
         .apply =
             [](CliOptions& o, const Value& v) {
                 o.shard = *v;
                 return !v->empty();
             }},

        // Publishing
        {.longName = "upload",
         .group = OptionGroup::Publishing,
         .help = "after writing, upload the set to your webspace by FTP, FTPS or SFTP with "
                 "the wizard's upload settings, then check that every file is online",
         .apply = [](CliOptions& o, const Value&) { return setFlag(o.upload); }},
        {.longName = "trust-host-key",
         .value = V::Required,
         .valueName = "SHA256:...",
         .group = OptionGroup::Publishing,
         .help = "trust the SFTP server's host key that has this fingerprint (as --upload "
                 "prints it for a server it does not know yet) and remember it",
         .expects = "a key fingerprint SHA256:... (43 more characters)",
         .apply =
             [](CliOptions& o, const Value& v) {
                 o.trustHostKey = *v;
                 return v->size() == 50 && v->rfind("SHA256:", 0) == 0 &&
                        v->find_first_not_of(
                            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                            "0123456789+/",
                            7) == std::string::npos;
             }},

        // The pad and the snippets
        {.longName = "print-pad",
         .value = V::Required,
         .valueName = "FILE.pdf",
         .group = OptionGroup::Output,
         .help = "write the turntable pad as a one-page PDF instead of a set (no photos)",
         .expects = "a PDF file name",
         .apply =
             [](CliOptions& o, const Value& v) {
                 o.printPad = *v;
                 return !v->empty();
             },
         .pathValue = true},
        {.longName = "pad-photos",
         .value = V::Required,
         .valueName = "N",
         .group = OptionGroup::Output,
         .help = "lines on the pad, one per photo, 1 to 3600 (default 18)",
         .expects = "a number of photos from 1 to 3600",
         .apply = [](CliOptions& o, const Value& v) { return parseInt(*v, 1, 3600, o.padPhotos); }},
        {.longName = "paper",
         .value = V::Required,
         .valueName = "NAME",
         .group = OptionGroup::Output,
         .help = "paper of the pad: A4 (default), Letter, Legal, A3, A5 ...",
         .expects = "a paper name",
         .apply =
             [](CliOptions& o, const Value& v) {
                 o.paper = *v;
                 return !v->empty();
             }},
        {.longName = "snippet",
         .value = V::Required,
         .valueName = "KIND",
         .group = OptionGroup::Publishing,
         .help = "print the HTML fragment (ebay, webpage or iframe) for the image uploaded "
                 "earlier under the one name given, read from its page in your webspace; "
                 "listing gives its uploaded animated picture linked to its page, with no "
                 "script, for listings that take none",
         .expects = "ebay, webpage, iframe or listing",
         .apply =
             [](CliOptions& o, const Value& v) {
                 o.snippet = *v;
                 return *v == "ebay" || *v == "webpage" || *v == "iframe" || *v == "listing";
             }},
        {.longName = "not-first",
         .group = OptionGroup::Publishing,
         .help = "the snippet is for a further image on a page: no viewer script in it",
         .apply = [](CliOptions& o, const Value&) { return setFlag(o.notFirst); }},
        {.longName = "settings",
         .value = V::Required,
         .valueName = "FILE",
         .group = OptionGroup::Publishing,
         .help = "the settings file with the webspace account, instead of the wizard's own "
                 "TurnPixa.ini",
         .expects = "a settings file",
         .apply =
             [](CliOptions& o, const Value& v) {
                 o.settingsFile = *v;
                 return !v->empty();
             },
         .pathValue = true},

        // Frame packs
        {.longName = "frame-pack",
         .value = V::Required,
         .valueName = "FILE.zip",
         .group = OptionGroup::Output,
         .help = "also write a zip file of the frames of one turn at equal angle steps, "
                 "01.jpg ... (JPEG quality 90, without the spin logo, a transparent background "
                 "in its replacement colour), rendered from the photos, for shops that take a "
                 "spin as numbered frames. Each step takes the photo nearest its angle: photo i "
                 "of N stands at i x 360 / N degrees from the start image, step k of M at "
                 "k x 360 / M, and a tie goes to the earlier photo. Without -o only the pack is "
                 "written",
         .expects = "a zip file name",
         .apply = applyFramePack,
         .pathValue = true},
        {.longName = "pack-frames",
         .value = V::Required,
         .valueName = "N",
         .group = OptionGroup::Output,
         .help = "frames in the pack: 24, 36 (default), 48 or 72",
         .expects = "24, 36, 48 or 72",
         .apply = applyPackFrames},
        {.longName = "pack-width",
         .value = V::Required,
         .valueName = "N",
         .group = OptionGroup::Output,
         .help = "width of the pack's frames, the height in the frames' proportion (default "
                 "1600, or the narrowest photo's own width when that is less, so that no photo "
                 "is enlarged; a width given is made, enlarging with a warning)",
         .expects = "a width from 1 to 10000",
         .apply = applyPackWidth},
    });
    return table;
}

GetoptTable getoptTable() {
    const std::vector<CliOption>& table = cliOptionTable();
    GetoptTable t{"-:", {}};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const CliOption& o = table[i];
        const int hasArg = o.value == CliOption::Value::None       ? no_argument
                           : o.value == CliOption::Value::Required ? required_argument
                                                                   : optional_argument;
        if (o.shortName) {
            t.shorts += o.shortName;
            if (hasArg != no_argument) t.shorts += hasArg == required_argument ? ":" : "::";
        }
        const int code = kGetoptLongBase + static_cast<int>(i);
        t.longs.push_back({o.longName, hasArg, nullptr, code});
        if (o.alias) t.longs.push_back({o.alias, hasArg, nullptr, code});
    }
    t.longs.push_back({nullptr, 0, nullptr, 0});
    return t;
}

}  // namespace turnpixa
