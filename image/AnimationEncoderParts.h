#pragma once
#include <memory>
#include <string>

#include "AnimationEncoder.h"

// Shared by the two animation encoders.
namespace turnpixa::animation {

// False with a reason (and failed set) for a frame that is not width x height.
bool checkFrame(const RasterImage& frame, int width, int height, bool& failed, std::string& reason);

std::unique_ptr<AnimationEncoder> makeGifEncoder(int width, int height, int frameMs);
std::unique_ptr<AnimationEncoder> makeWebpEncoder(int width, int height, int frameMs, int quality);

}  // namespace turnpixa::animation
