#include "SaveTarget.h"

#include <cctype>
#include <cstdio>

#include "ViewerScript.h"

namespace turnpixa {
namespace {

bool endsWithHtm(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".htm";
}

}  // namespace

SaveTarget SaveTarget::fromChosenPath(const std::string& path) {
    SaveTarget t;
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        t.outputFolder_ = "./";
        t.pageFileName_ = path;
    } else {
        t.outputFolder_ = path.substr(0, slash + 1);
        t.pageFileName_ = path.substr(slash + 1);
    }
    if (!endsWithHtm(t.pageFileName_)) t.pageFileName_ += ".htm";
    return t;
}

std::string SaveTarget::stem() const {
    return pageFileName_.substr(0, pageFileName_.size() - 4);
}

std::string SaveTarget::frameFolderName() const {
    return stem() + "-turnpixa";
}

std::string SaveTarget::frameFolderPath() const {
    return outputFolder_ + frameFolderName() + "/";
}

std::string SaveTarget::pagePath() const {
    return outputFolder_ + pageFileName_;
}

std::string SaveTarget::scriptPath() const {
    return outputFolder_ + std::string(ViewerScript::kFileName);
}

std::string SaveTarget::frameName(int frame, FrameFormat format) {
    char name[32];
    std::snprintf(name, sizeof name, "image_%03d.%s", frame, extension(format));
    return name;
}

std::string SaveTarget::framePath(int frame, FrameFormat format) const {
    return frameFolderPath() + frameName(frame, format);
}

std::string SaveTarget::zoomFramePath(int frame, FrameFormat format) const {
    return frameFolderPath() + kZoomFolder + "/" + frameName(frame, format);
}

std::string SaveTarget::stillPath(FrameFormat format) const {
    return frameFolderPath() + "image." + extension(format);
}

}  // namespace turnpixa
