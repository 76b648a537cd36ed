#include "project/ProjectFrames.h"

#include "project/Project.h"

namespace turnpixa {

ProjectFrames::ProjectFrames(Project& project)
    : project_(project),
      order_(spinOrder(project.photoCount(), project.startImage(), project.reverseSpin)) {}

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

}  // namespace turnpixa
