#pragma once
#include <functional>
#include <string>
#include <vector>

#include "OutputPage.h"
#include "SaveTarget.h"
#include "SetStaging.h"
#include "SpinAnimation.h"
#include "image/FrameFormat.h"
#include "image/ImageFormats.h"
#include "image/RasterImage.h"
#include "process/FrameSource.h"
#include "process/ProcessingSettings.h"

namespace turnpixa {

// The Save page's choices that the written set depends on.
struct SaveOptions {
    FrameFormat format = FrameFormat::Jpeg;
    int jpegQuality = 75;                   // the wizard always writes 75
    int webpQuality = kDefaultWebpQuality;  // likewise its default
    bool autoSpinOn = false;
    int autoSpinInterval = 100;  // ms; negative spins the other way
    int zoomWidth = 0;           // large frames this wide as shown, in zoom/; 0 = none
    AnimationRequest animation;  // spin.gif / spin.webp in the frame folder; none by default

    // What the page passes to the viewer: the interval, or 0 for no auto spin.
    int autoSpinValue() const { return autoSpinOn ? autoSpinInterval : 0; }
};

// Writes an output set: the frames of a frame source in spin order, the
// still image, the viewer script and the page, in that order, stopping at
// the first file that cannot be written. The whole set is staged and swapped
// in at the end (SetStaging), so a failed save leaves the old set as it was.
// Keeps the still image (also shown by the Save page) and the settings it
// was composed with.
class OutputSetWriter {
public:
    // After each frame: frames written so far and the frame count.
    using Progress = std::function<void(int written, int count)>;

    // Loads the right-pointing arrow from the built-in pictures.
    OutputSetWriter();
    // For callers (and tests) with their own arrow picture.
    explicit OutputSetWriter(RasterImage arrowRight);

    // True only when every file was written; otherwise reason names the
    // file and why. The caller sets the project's saved flag on success.
    bool write(FrameSource& frames, const SaveTarget& target, const SaveOptions& options,
               std::string& reason, const Progress& progress = {});

    // How files are opened for writing; tests pass one that fails part-way.
    void setStreamOpener(SetStaging::StreamOpener opener) { opener_ = std::move(opener); }

    // Composes the still image anew when there is none, when the settings
    // changed since, or when the start frame is no longer the one it was
    // made from. Drops it (and returns false) when there is no start photo.
    bool updateStillImage(FrameSource& frames);
    const RasterImage* stillImage() const { return hasStill_ ? &still_ : nullptr; }
    // What the page of the last complete write says (names, format, count,
    // size); an empty folder name before any.
    const OutputPageInfo& lastPage() const { return lastPage_; }
    // What the user should know of the last write although it succeeded:
    // photos too small for the large frames asked for.
    const std::vector<std::string>& warnings() const { return warnings_; }
    // The animations the last complete write put in the frame folder
    // ("spin.webp", ...), in the order asked for.
    const std::vector<std::string>& animationsWritten() const { return animations_; }

    // The size of the large frames as shown: the width asked for, or the
    // width of the narrowest photo when that is less (never enlarged), and
    // the height in the proportion of the frames. Notes the photos that
    // were too small.
    FrameSize zoomSize(FrameSource& frames, int width, std::vector<std::string>* notes) const;

    // Photo indexes (0-based) in frame order: from the start image (1-based)
    // onwards, backwards when the spin is reversed.
    static std::vector<int> frameOrder(int photoCount, int startImage, bool reverseSpin) {
        return spinOrder(photoCount, startImage, reverseSpin);
    }

private:
    bool writeFrames(FrameSource& frames, const SaveTarget& target, SetStaging& staging,
                     std::string& reason, const Progress& progress);
    SetStaging::Fill imageFill(const RasterImage& image) const;
    bool writeZoomFrames(FrameSource& frames, const SaveTarget& target, SetStaging& staging,
                         FrameSize size, std::string& reason, const Progress& progress);
    bool stageAnimations(FrameSource& frames, SetStaging& staging, std::string& reason,
                         std::vector<std::string>& notes, std::vector<std::string>& names);

    RasterImage arrowRight_;
    RasterImage still_;
    RasterImage stillSource_;  // the start frame the still was made from
    ProcessingSettings stillSettings_;
    bool hasStill_ = false;
    OutputPageInfo lastPage_;
    SetStaging::StreamOpener opener_;
    SaveOptions options_;  // of the write under way
    std::vector<std::string> warnings_;
    std::vector<std::string> animations_;
};

}  // namespace turnpixa
