#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace turnpixa {

// The JavaScript viewer that spins a saved frame set in a browser. One copy
// serves any number of images on a page; each registers itself with one call
// of AddTurnPixa, whose optional seventh argument, an options object, may
// carry zoomWidth and zoomHeight (large frames in the frame folder's zoom/)
// and rows (the frames are that many rows of a turn each, row 1 first). The
// text is resources/viewer/turnpixa.js, held as an ordered list of lines so
// that the file beside the page and the inline copy in the snippets are the
// same text.
class ViewerScript {
public:
    static constexpr std::string_view kFileName = "turnpixa.js";
    static constexpr std::string_view kOpenLine =
        "<script language=\"JavaScript\" type=\"text/javascript\">";
    static constexpr std::string_view kCloseLine = "</script>";
    // The section of the viewer's own lines (beyond the plain mouse drag)
    // starts with a comment line beginning so, and ends before Dummy.
    static constexpr std::string_view kOwnSectionStart = "// The viewer's own lines";
    static constexpr std::string_view kOwnSectionEnd = "function Dummy(e)";

    static const std::vector<std::string_view>& lines();
    // Every line followed by CR LF.
    static std::string fileForm();
    // The open line, the lines and the close line, each followed by CR LF.
    static std::string inlineForm();
};

}  // namespace turnpixa
