#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace turnpixa {

// The JavaScript viewer that spins a saved frame set in a browser. One copy
// serves any number of images on a page; each registers itself with one call
// of AddTurnPixa. Held as an ordered list of lines so that the file beside
// the page and the inline copy in the snippets are the same text.
class ViewerScript {
public:
    static constexpr std::string_view kFileName = "turnpixa.js";
    static constexpr std::string_view kOpenLine =
        "<script language=\"JavaScript\" type=\"text/javascript\">";
    static constexpr std::string_view kCloseLine = "</script>";

    static const std::vector<std::string_view>& lines();
    // Every line followed by CR LF.
    static std::string fileForm();
    // The open line, the lines and the close line, each followed by CR LF.
    static std::string inlineForm();
};

}  // namespace turnpixa
