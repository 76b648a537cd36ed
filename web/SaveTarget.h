#pragma once
#include <string>

#include "image/FrameFormat.h"

namespace turnpixa {

// The names of an output set, from the page path the user chose:
//   folder/stem.htm                 the page
//   folder/turnpixa.js              the viewer script, shared by every page there
//   folder/stem-turnpixa/image_000.jpg ...  the frames, and image.jpg, the still
//   folder/stem-turnpixa/zoom/image_000.jpg ...  the large frames, when made
class SaveTarget {
public:
    // ".htm" is appended unless the name already ends in it (any case), so
    // "shoe" and "shoe.html" become "shoe.htm" and "shoe.html.htm". A path
    // without a folder is taken in the current folder.
    static SaveTarget fromChosenPath(const std::string& path);

    const std::string& pageFileName() const { return pageFileName_; }
    const std::string& outputFolder() const { return outputFolder_; }  // ends in "/"
    std::string stem() const;             // page file name less its last four characters
    std::string frameFolderName() const;  // "stem-turnpixa"
    std::string frameFolderPath() const;  // output folder + name + "/"
    std::string pagePath() const;
    std::string scriptPath() const;
    // "image_%03d.%s" in the frame folder; four digits from frame 1000 on.
    std::string framePath(int frame, FrameFormat format) const;
    std::string stillPath(FrameFormat format) const;  // "image.%s" in the frame folder
    // The same name in the frame folder's zoom/ sub-folder.
    std::string zoomFramePath(int frame, FrameFormat format) const;
    // "image_007.jpg": a frame's name inside its folder.
    static std::string frameName(int frame, FrameFormat format);

    static constexpr const char* kZoomFolder = "zoom";
    static const char* extension(FrameFormat format) { return frameExtension(format); }

private:
    std::string pageFileName_;
    std::string outputFolder_;
};

}  // namespace turnpixa
