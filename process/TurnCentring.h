#pragma once
#include <string>
#include <vector>

#include "image/Rect.h"
#include "process/ObjectOutline.h"

namespace turnpixa {

// How far the object of each photo of one turn stands from where it would
// stand if it turned in place, in full-size pixels.
//
// The photos are taken to be evenly spread over one whole turn, in order.
// The object's outline is read line by line (each row's two ends, each
// column's two ends). An object off the turntable's centre swings once per
// turn: the once-round part of the middle of its outline's extent, read
// from most lines' ends, so that a part sticking out on a few (a handle
// coming round) does not move it. A shaking camera or turntable moves every
// line of one photo alike: what is left, photo by photo, once each line's
// own smooth course over the turn (its shape coming round) is taken out,
// by the median of all lines.
struct TurnMovement {
    std::vector<double> x;  // to the right
    std::vector<double> y;  // down
};

// False, with the reason, when the outlines give too little to go on.
bool measureTurnMovement(const std::vector<ObjectOutline>& outlines, TurnMovement& movement,
                         std::string& reason);

struct PanOffset {
    int x = 0;
    int y = 0;
    bool operator==(const PanOffset&) const = default;
};

// The pan offsets that take each photo's movement out, so that the object
// turns in place where it stands on average over the turn (where the
// photographer framed it: a middle found from the outline would follow the
// turntable and the shadow, which stand still), and the crop they fit in:
// the given crop (the whole photo when crop is off), made smaller about its
// middle, with its shape kept, where a moved crop would reach outside its
// photo.
struct CentringPlan {
    std::vector<PanOffset> pans;
    Rect crop;
    bool cropShrunk = false;
    int largest = 0;  // the largest correction, full-size pixels
};

// False, with the reason, when the crop would have to lose more than half
// its width or height.
bool planCentring(const TurnMovement& movement, const std::vector<int>& widths,
                  const std::vector<int>& heights, const Rect& crop, CentringPlan& plan,
                  std::string& reason);

}  // namespace turnpixa
