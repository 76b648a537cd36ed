#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "image/AnimationEncoder.h"
#include "process/FrameSource.h"

namespace turnpixa {

// No animated picture is wider: it is held whole while it is made, and
// pages show them far smaller.
inline constexpr int kMaxAnimationWidth = 2000;

// An animated picture of the spin, for places that take no script: it turns
// by itself, for ever, from the start image on.
struct AnimationRequest {
    std::vector<AnimationFormat> formats;  // none: no animation
    int width = 0;                         // 0: the frame width
    int frameMs = 100;                     // time a frame is shown; negative turns the other way
    int webpQuality = kDefaultAnimationWebpQuality;

    bool empty() const { return formats.empty(); }
};

// The animation's name in a set's frame folder: "spin.gif" or "spin.webp".
std::string animationFileName(AnimationFormat format);

struct AnimationFile {
    AnimationFormat format;
    std::vector<std::uint8_t> bytes;
};

// Makes one file per format asked for from one pass over the frames: the
// frames as they are at the frame width, otherwise rendered anew from the
// photos at the width asked for (never larger than the smallest photo
// gives, nor than kMaxAnimationWidth; notes then says so). After each frame: frames done and the
// count.
bool makeSpinAnimations(FrameSource& frames, const AnimationRequest& request,
                        std::vector<AnimationFile>& files, std::string& reason,
                        std::vector<std::string>* notes = nullptr,
                        const std::function<void(int, int)>& progress = {});

// The positions in the order the animation shows them: 0, 1, ... or, when
// it turns the other way, 0, N-1, ..., 1.
std::vector<int> animationOrder(int frameCount, bool otherWay);

// Writes a file whole or not at all: into a temporary name beside it, then
// renamed over it. False with a reason naming the file.
bool writeWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                    std::string& reason);

}  // namespace turnpixa
