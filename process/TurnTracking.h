#pragma once
#include <vector>

#include "process/ObjectOutline.h"

namespace turnpixa {

// How far each photo of one turn stands below where it stands on average,
// in full-size pixels, found by matching its picture against its
// neighbours' in the turn: two views a step apart differ little, so the
// shift that best lines them up is the photo's own movement, not the
// object's shape coming round, and an object reaching the top or bottom
// of some photos does not mislead it. The steps are joined round the
// closed turn by least squares (a turn ends where it began). False when
// too many neighbours do not match well enough to be trusted.
bool trackHeights(const std::vector<ObjectOutline>& outlines, std::vector<double>& down);

}  // namespace turnpixa
