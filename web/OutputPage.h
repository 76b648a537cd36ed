#pragma once
#include <string>

namespace turnpixa {

// What the page of an output set shows: the still image first, then the
// viewer swaps in the frames as the visitor drags.
struct OutputPageInfo {
    std::string frameFolderName;  // "stem-turnpixa", relative to the page
    std::string extension;        // ".jpg", ".png" or ".webp"
    int width = 0;                // of the frames as shown (after rotation)
    int height = 0;
    int frameCount = 0;
    int autoSpinValue = 0;  // ms between frames, negative = reverse, 0 = none
    int zoomWidth = 0;      // of the large frames in zoom/; 0 = none
    int zoomHeight = 0;
    int rows = 1;        // the frames run row by row, each row the same length
    int startFrame = 0;  // shown first, in its row; 0 with one row
};

// The HTML page of an output set; every line ends in CR LF, the last too.
// With large frames or several rows the viewer learns their size and the
// row count from an options object after the six arguments of its
// registration call; with rows the start index names the start frame.
class OutputPage {
public:
    static std::string text(const OutputPageInfo& info);

    // A file or folder name as it may stand in a relative address inside a
    // quoted attribute or script string: characters that would end the
    // string, start a query or fragment, or read as an escape are
    // percent-encoded ("a#1" -> "a%231"); every other name stays as it is.
    static std::string addressOf(const std::string& name);
};

}  // namespace turnpixa
