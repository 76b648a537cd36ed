#pragma once
#include <optional>
#include <string>
#include <vector>

#include "image/FrameFormat.h"
#include "image/PackedColour.h"
#include "image/Rect.h"

namespace turnpixa {

// What turnpixa-cli was asked to do, as read from its command line.
struct CliOptions {
    std::vector<std::string> photos;
    std::string output;                       // the page file; ".htm" added when missing
    std::optional<int> width;                 // displayed frame width
    std::optional<int> height;                // displayed frame height
    std::optional<std::pair<int, int>> size;  // displayed width x height
    std::optional<Rect> crop;                 // source pixels of the unrotated photo
    int rotate = 0;                           // quarter turns clockwise
    double lightness = 1.0;
    std::optional<int> removalStrength;  // set: background removal on
    PackedColour backgroundColour = kWhite;
    bool transparent = false;  // --background-colour=transparent
    int frameWidth = 0;
    bool autoCentre = false;     // pans found from the photos themselves
    bool evenLightness = false;  // lightness and balance matched across the photos
    PackedColour frameColour = kWhite;
    int start = 1;
    int rows = 1;  // rows shot at several camera heights; the photo count a multiple
    bool reverse = false;
    FrameFormat format = FrameFormat::Jpeg;  // --format, or --png
    std::optional<int> quality;              // unset: the format's default, as the wizard writes
    int zoom = 0;                            // width of the large frames; 0 = none
    int autoSpin = 0;
    std::vector<std::string> animations;  // --animation files, .gif or .webp
    std::optional<int> animationWidth;    // unset: the frame width
    std::optional<int> animationMs;       // unset: the auto-spin interval, else 100
    bool quiet = false;
    bool strict = false;  // a skipped or damaged photo fails the run before anything is written
    bool help = false;
    bool version = false;
    bool printMan = false;                 // the manual page, made from the option table
    bool printCompletion = false;          // the bash completion script, likewise
    bool upload = false;                   // to the webspace once written
    std::string settingsFile;              // the upload settings; the wizard's file when empty
    std::string trustHostKey;              // "SHA256:..." of an SFTP server's key to trust
    std::vector<std::string> scanDevices;  // SANE device names, pages after the photos
    std::string scanSource;                // their SANE "source" option; empty: as they are
    bool scanList = false;                 // print the devices there are

    std::string printPad;      // the pad as a PDF file, instead of a set
    int padPhotos = 18;        // lines on the pad
    std::string paper = "A4";  // a Qt page size name
    std::string snippet;       // "ebay", "webpage", "iframe" or "listing"; the name is the operand
    bool notFirst = false;     // the snippet leaves the viewer script out

    std::string framePack;          // a zip file of the frames of one turn, also written
    std::optional<int> packFrames;  // unset: 36
    std::optional<int> packWidth;   // unset: the pack's default width

    std::string batch;   // a catalogue: one set per row, these options as defaults
    std::string report;  // the batch's JSON lines, one per row
    std::string shard;   // "K/N", "auto" or "auto/N": the rows this process makes

    // Asked for a text about the program (or its scanners) rather than a run.
    bool printsOnly() const { return help || version || printMan || printCompletion || scanList; }
};

// Reads the arguments (without the program name) as GNU getopt_long does:
// "-oFILE", "--output=FILE", unambiguous abbreviations, options anywhere
// among the photos and "--" before photos that start with a dash. False
// with a message naming the offending argument on a usage error.
bool parseCommandLine(const std::vector<std::string>& args, CliOptions& options,
                      std::string& error);

// The text that --help prints, the manual page (roff) and the bash
// completion script, all made from the option table.
std::string usageText();
std::string manPage(const std::string& version);
std::string bashCompletion();

}  // namespace turnpixa
