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
// Each edge of the outline (a row's left or right end, a column's top or
// bottom end) follows its own smooth course over the turn as the object's
// shape comes round; what every edge shares is movement: an object off the
// turntable's centre swings once per turn (the part of the shared course
// that goes once round), a shaking camera or turntable moves every edge of
// one photo alike. Shape changes that only some edges see (a handle coming
// round) do not move the median of all edges, so they are not taken for
// movement.
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
