#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "image/Rect.h"
#include "process/ObjectOutline.h"

namespace turnpixa {

class Photo;
class Project;

// What an automatic adjustment of the whole series changed, so that it can
// be taken back as a whole.
struct SeriesUndo {
    bool valid = false;
    bool geometry = false;      // pans and crop; otherwise lightness and balance
    unsigned photoChanges = 0;  // the project's count when it was made
    std::vector<Photo*> photos;
    std::vector<int> panX, panY;
    std::vector<double> lightnessOffset;
    std::vector<std::array<double, 3>> balance;
    bool cropOn = false;
    Rect crop;
};

struct SeriesResult {
    bool ok = false;      // false: nothing was changed, the message says why
    std::string message;  // one line for the user
    SeriesUndo undo;      // valid when something was changed
};

using SeriesProgress = std::function<void(int done, int total)>;

// The photos as the adjustments look at them (their objects' outlines),
// kept so that adjustments made one after the other look only once: they
// read the photos' sources alone, which neither changes. Looked at again
// when photos were added, removed, moved or decoded anew since.
class SeriesLook {
public:
    bool holds(const Project& project) const;
    void keep(const Project& project, const std::vector<ObjectOutline>& outlines);
    const std::vector<ObjectOutline>& outlines() const { return outlines_; }

private:
    unsigned photoChanges_ = 0;
    std::vector<const Photo*> photos_;
    std::vector<const std::uint8_t*> pixels_;
    std::vector<std::array<int, 4>> sizes_;  // source and full width and height
    std::vector<ObjectOutline> outlines_;
};

// Sets every photo's pan offset so that the object turns in place, where
// it stands on average, without swinging round or shaking; makes the
// crop smaller (and turns it on) where a moved crop would reach outside its
// photo.
// `look`, when given, is used and kept for the next adjustment.
SeriesResult autoCentre(Project& project, const SeriesProgress& progress = {},
                        SeriesLook* look = nullptr);
// Sets every photo's lightness offset and balance so that its backdrop and
// object are as bright as the median photo's.
SeriesResult evenLightness(Project& project, const SeriesProgress& progress = {},
                           SeriesLook* look = nullptr);
// Puts back what the adjustment changed; false (nothing done) when photos
// were added, removed or moved since.
bool undoSeries(Project& project, const SeriesUndo& undo);

}  // namespace turnpixa
