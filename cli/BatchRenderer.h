#pragma once
#include <functional>
#include <string>
#include <vector>

#include "project/Project.h"

namespace turnpixa {

// Loads photos into a project and renders their frames, for batch work:
// two photos are decoded and rendered at a time, and each source is let go
// as soon as its frame is made, so memory stays bounded whatever the number
// of photos. The frames are exactly those the wizard renders for the same
// settings.
class BatchRenderer {
public:
    struct Skipped {
        std::string path;
        std::string reason;
    };
    // Called once the first readable photo is in the project, before any
    // frame is rendered: the place to fix the settings. False stops the
    // batch there (run() returns false).
    using Configure = std::function<bool(Project&)>;
    using Progress = std::function<void(int done, int total, const std::string& path)>;

    // Called once every photo is in, sources held, before any frame is
    // rendered: corrections that need the whole series. False stops the batch.
    using Adjust = std::function<bool(Project&)>;

    BatchRenderer(Project& project, int threads = 2) : project_(project), threads_(threads) {}
    // With an adjustment every source is held until it has run, so memory
    // grows with the photo count.
    void setAdjust(Adjust adjust) { adjust_ = std::move(adjust); }

    // False when no photo could be read. Unreadable photos are listed in
    // skipped() and left out; photos loaded only in part are in damaged(),
    // photos of another shape than the first (stretched to the frame) in
    // misshapen(), each with what is wrong.
    bool run(const std::vector<std::string>& paths, const Configure& configure,
             const Progress& progress);
    const std::vector<Skipped>& skipped() const { return skipped_; }
    const std::vector<Skipped>& damaged() const { return damaged_; }
    const std::vector<Skipped>& misshapen() const { return misshapen_; }

private:
    bool renderHeld(const Progress& progress);

    Project& project_;
    int threads_;
    Adjust adjust_;
    std::vector<Skipped> skipped_;
    std::vector<Skipped> damaged_;
    std::vector<Skipped> misshapen_;
};

}  // namespace turnpixa
