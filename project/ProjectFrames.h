#pragma once
#include <string>
#include <vector>

#include "process/FrameSource.h"

namespace turnpixa {

class Project;

// A project's photos as the frames of its spin: from the start image
// onwards (backwards when the spin is reversed), row by row when the photos
// are in rows, each the photo's processed output with the spin logo for its
// place. The spin order is taken when it is made; the project must outlive
// it.
class ProjectFrames : public FrameSource {
public:
    explicit ProjectFrames(Project& project);

    int frameCount() const override { return static_cast<int>(order_.size()); }
    const RasterImage* frameAt(int position) override;
    std::string frameLabel(int position) const override;
    const ProcessingSettings& settings() const override;
    int rows() const override { return rows_; }
    int startFrame() const override { return startFrame_; }
    // The size the first photo was last rendered at, as the page shows it.
    FrameSize shownSize() const override;
    // The crop (or the whole photo) at full size, as shown after rotation.
    int largestShownWidth(int position) const override;
    // From the photo's file decoded again at the scale the size needs, or
    // from the pixels held for a photo without a file.
    bool renderLarge(int position, const ProcessingSettings& settings, RasterImage& frame,
                     std::string& reason) override;
    bool renderWithoutLogo(int position, const ProcessingSettings& settings, RasterImage& frame,
                           std::string& reason) override;

private:
    int photoIndex(int position) const;

    Project& project_;
    std::vector<int> order_;
    int rows_ = 1;
    int startFrame_ = 0;
};

}  // namespace turnpixa
