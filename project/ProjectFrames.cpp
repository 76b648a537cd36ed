#include "project/ProjectFrames.h"

#include "process/FrameRenderer.h"
#include "process/Photo.h"
#include "project/Project.h"

namespace turnpixa {

ProjectFrames::ProjectFrames(Project& project) : project_(project) {
    const SpinRows grid = project.spinRows();
    order_ = grid.frameOrder(project.startImage(), project.reverseSpin);
    rows_ = grid.rows();
    startFrame_ = grid.startFrame(project.startImage());
}

int ProjectFrames::photoIndex(int position) const {
    return position >= 0 && position < frameCount() ? order_[static_cast<std::size_t>(position)]
                                                    : -1;
}

const RasterImage* ProjectFrames::frameAt(int position) {
    const int index = photoIndex(position);
    return project_.photoAt(index) ? project_.processedOutputImage(index, project_.settings())
                                   : nullptr;
}

std::string ProjectFrames::frameLabel(int position) const {
    const int index = photoIndex(position);
    std::string label = "photo " + std::to_string(index + 1);
    if (const Photo* photo = project_.photoAt(index); photo && !photo->name().empty())
        label += " (" + photo->name() + ")";
    return label;
}

const ProcessingSettings& ProjectFrames::settings() const {
    return project_.settings();
}

FrameSize ProjectFrames::shownSize() const {
    const Photo* first = project_.photoAt(0);
    return first ? first->cachedSettings().shownSize() : project_.settings().shownSize();
}

int ProjectFrames::largestShownWidth(int position) const {
    const Photo* photo = project_.photoAt(photoIndex(position));
    if (!photo) return 0;
    const ProcessingSettings& s = project_.settings();
    const bool quarterTurn = s.rotation % 2 != 0;
    int across = photo->width(), down = photo->height();
    if (s.cropOn) {
        across = s.crop.right - s.crop.left;
        down = s.crop.bottom - s.crop.top;
    }
    return quarterTurn ? down : across;
}

bool ProjectFrames::renderLarge(int position, const ProcessingSettings& settings,
                                RasterImage& frame, std::string& reason) {
    if (!renderWithoutLogo(position, settings, frame, reason)) return false;
    layInSpinLogo(frame, project_.logoPlacement(photoIndex(position)));
    return true;
}

bool ProjectFrames::renderWithoutLogo(int position, const ProcessingSettings& settings,
                                      RasterImage& frame, std::string& reason) {
    const int index = photoIndex(position);
    const Photo* photo = project_.photoAt(index);
    if (!photo) {
        reason = "there is no such photo";
        return false;
    }
    std::unique_ptr<Photo> decoded;
    if (!photo->filePath().empty()) {
        decoded = Photo::fromFile(photo->filePath(), settings, &reason);
        if (!decoded) return false;
        if (decoded->width() != photo->width() || decoded->height() != photo->height()) {
            reason = "the file has changed since it was loaded";
            return false;
        }
        decoded->panX = photo->panX;
        decoded->panY = photo->panY;
        decoded->lightnessOffset = photo->lightnessOffset;
        decoded->balance = photo->balance;
    }
    frame = render(decoded ? *decoded : *photo, settings);
    if (frame.empty()) {
        reason = "the frame could not be rendered (out of memory?)";
        return false;
    }
    return true;
}

}  // namespace turnpixa
