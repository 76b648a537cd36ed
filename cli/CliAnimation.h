#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "CliOptionTable.h"
#include "CliOptions.h"
#include "web/SaveTarget.h"
#include "web/SpinAnimation.h"

namespace turnpixa {

class FrameSource;

// The table with --animation, --animation-width and --animation-ms after
// its other options.
std::vector<CliOption> withAnimationOptions(std::vector<CliOption> table);

// A usage error in the animation options, or empty.
std::string animationOptionsError(const CliOptions& options);

// What --animation asks for: the animations that go into the set's frame
// folder (bare names, written as spin.gif / spin.webp with the set), and
// the ones written to a path of their own after it.
struct CliAnimations {
    AnimationRequest inSet;
    std::vector<std::pair<std::string, AnimationFormat>> elsewhere;
    AnimationRequest elsewhereRequest() const;
};
CliAnimations animationsFor(const CliOptions& options);

// Says which animations the set's frame folder got (names as the writer
// reports them).
void reportAnimationsInSet(const std::vector<std::string>& names, const SaveTarget& target,
                           std::FILE* out);

// Writes the animations that have paths of their own, each whole or not at
// all. False when one could not be written (said on err).
bool writeAnimationsElsewhere(const CliAnimations& animations, FrameSource& frames, bool quiet,
                              std::FILE* out, std::FILE* err);

}  // namespace turnpixa
