#pragma once
#include <array>
#include <memory>
#include <string>

#include "ProcessingSettings.h"
#include "image/ImageFormats.h"
#include "image/RasterImage.h"

namespace turnpixa {

// The eighths (1..8) a picture of the given full size is held at for these
// settings: the largest reduction that still leaves the crop (or the whole
// picture) at least twice as many pixels as the frame in each direction.
int workingEighths(int fullWidth, int fullHeight, const ProcessingSettings& settings);

// One loaded photo. Owns its source image, its cached processed output with
// the settings it was made with, its small preview and its thumbnail.
//
// A photo from a file holds its source at the working scale its frames need
// (eighths / 8 of the full size); one without a file (a scanned page, an
// image made in memory) holds every pixel. Crop, pan and every size the
// user sees are in full-size pixels whatever the scale.
class Photo {
public:
    // Takes the source at full size. The thumbnail is made on first
    // request, which the wizard makes as the photo arrives; batch work never
    // pays for it.
    Photo(RasterImage source, std::string name);
    // Takes a source loaded from a file at a scale; the file is kept to
    // decode it again when another scale is needed.
    Photo(RasterImage source, std::string name, const PictureScale& scale, std::string filePath);
    // Decodes a file at the working scale for the settings; null (reason
    // set) when no reader takes it. The photo is named after the path. A
    // photo taken only in part sets damage (reported, naming the file,
    // when damage is null).
    static std::unique_ptr<Photo> fromFile(const std::string& path,
                                           const ProcessingSettings& settings,
                                           std::string* reason = nullptr,
                                           std::string* damage = nullptr);

    // The source at the working scale.
    const RasterImage& source() const { return source_; }
    const std::string& name() const { return name_; }
    // Full-size width and height; 1 when there is no source.
    int width() const { return width_; }
    int height() const { return height_; }
    // The working scale: the source is eighths / 8 of the full size.
    int eighths() const { return eighths_; }
    PictureScale scale() const { return {width_, height_, eighths_}; }
    const std::string& filePath() const { return filePath_; }
    // The eighths a full-quality frame with these settings is rendered
    // from: the working rule for a photo from a file, 8 otherwise.
    int eighthsFor(const ProcessingSettings& settings) const;
    // Decodes the file again when the source is not at the eighths the
    // settings need (frames are always rendered from exactly that scale, so
    // that every way of making them gives the same bytes). False, with the
    // source kept, when the file cannot be read or is no longer the same
    // size.
    bool matchScale(const ProcessingSettings& settings, std::string* reason = nullptr);
    // The scale at which the file could not be decoded again: neither
    // matchScale nor a background decode tries it again at that scale, so
    // that every render does not read the file anew.
    bool unreadableAt(int eighths) const { return eighths == unreadableEighths_; }
    void markUnreadableAt(int eighths) { unreadableEighths_ = eighths; }
    // Lets the source go once every frame it is needed for is made (batch
    // work); the size is kept. Later renders give an empty image.
    void releaseSource();

    double lightnessOffset = 0.0;
    // Red, green and blue gains after the lightness step; all 1 (the
    // default) skips the step.
    std::array<double, 3> balance{1.0, 1.0, 1.0};
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
    int eighths_ = 8;
    std::string filePath_;
    int unreadableEighths_ = 0;  // see markUnreadableAt
    std::string name_;
    std::unique_ptr<RasterImage> cachedOutput_;
    ProcessingSettings cachedSettings_;
    RasterImage smallPreview_;
    RasterImage thumbnail_;
};

}  // namespace turnpixa
