#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "RasterImage.h"

namespace turnpixa {

// The formats of an animated picture that plays a spin by itself.
enum class AnimationFormat { Gif, WebP };

// "gif" or "webp".
inline const char* animationExtension(AnimationFormat format) {
    return format == AnimationFormat::Gif ? "gif" : "webp";
}

// Shorter frame times are slowed to 100 ms by browsers (and a GIF keeps
// whole hundredths of a second), so no animation plays faster than this.
inline constexpr int kMinAnimationFrameMs = 20;
// Lossy WebP animation quality unless told.
inline constexpr int kDefaultAnimationWebpQuality = 70;

// Encodes equal-sized frames into an animation that loops for ever, each
// frame shown for the same time, in memory. Frames with an alpha plane keep
// it (a GIF: pixels at least half covered are opaque, the rest clear).
//
// GIF: giflib, with one palette of 255 colours made by libimagequant from
// all frames together and every frame remapped to it with Floyd-Steinberg
// dithering. A shared palette keeps an even background the same colour in
// every frame (palettes of their own drift from frame to frame, and the
// background flickers); a frame stores only the rectangle that changed, the
// unchanged pixels in it clear. The frames are held until finish().
// WebP: libwebp's animation encoder, lossy, frames given to it as they come.
class AnimationEncoder {
public:
    virtual ~AnimationEncoder() = default;
    // frameMs is taken at kMinAnimationFrameMs at least.
    static std::unique_ptr<AnimationEncoder> create(AnimationFormat format, int width, int height,
                                                    int frameMs,
                                                    int webpQuality = kDefaultAnimationWebpQuality);

    // False with a reason for a frame of another size or a library failure;
    // after a failure the encoder takes nothing more.
    virtual bool add(const RasterImage& frame, std::string& reason) = 0;
    // The whole file; false with a reason when there is no frame or the
    // library fails.
    virtual bool finish(std::vector<std::uint8_t>& file, std::string& reason) = 0;
};

// Top-down RGBA rows of a frame: alpha 255 without an alpha plane.
std::vector<std::uint8_t> rgbaPixels(const RasterImage& image);

}  // namespace turnpixa
