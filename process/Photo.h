#pragma once
#include <memory>
#include <string>

#include "ProcessingSettings.h"
#include "image/RasterImage.h"

namespace turnpixa {

// One loaded photo. Owns its source image, its cached processed output with
// the settings it was made with, its small preview and its thumbnail.
class Photo {
public:
    // Takes the source. The thumbnail is made on first request, which the
    // wizard makes as the photo arrives; batch work never pays for it.
    Photo(RasterImage source, std::string name);

    const RasterImage& source() const { return source_; }
    const std::string& name() const { return name_; }
    // Width and height of the source; 1 when there is none.
    int width() const { return width_; }
    int height() const { return height_; }
    // Lets the source go once every frame it is needed for is made (batch
    // work); the size is kept. Later renders give an empty image.
    void releaseSource();

    double lightnessOffset = 0.0;
    int panX = 0;  // source pixels
    int panY = 0;

    // Last processed output, or null when there is none.
    const RasterImage* cachedOutput() const { return cachedOutput_.get(); }
    void setCachedOutput(std::unique_ptr<RasterImage> output) { cachedOutput_ = std::move(output); }
    ProcessingSettings& cachedSettings() { return cachedSettings_; }
    const ProcessingSettings& cachedSettings() const { return cachedSettings_; }

    // Long side 64 pixels, rendered with default settings on first request.
    const RasterImage& smallPreview();
    // 100 x 100, white, the source centred with its aspect kept.
    const RasterImage& thumbnail();

    // Pan offset clamped so that the crop of the cached settings, moved by
    // it, stays inside the source.
    void setPan(int dx, int dy);
    void movePan(int ddx, int ddy);  // setPan(panX + ddx, panY + ddy)
    // Source pixels per output pixel across, for the given settings or, when
    // null, the cached settings.
    double sourceScale(const ProcessingSettings* settings = nullptr) const;

private:
    RasterImage source_;
    int width_ = 1;
    int height_ = 1;
    std::string name_;
    std::unique_ptr<RasterImage> cachedOutput_;
    ProcessingSettings cachedSettings_;
    RasterImage smallPreview_;
    RasterImage thumbnail_;
};

}  // namespace turnpixa
