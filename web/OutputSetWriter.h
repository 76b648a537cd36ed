#pragma once
#include <functional>
#include <string>
#include <vector>

#include "OutputPage.h"
#include "SaveTarget.h"
#include "SetStaging.h"
#include "image/RasterImage.h"
#include "process/FrameSource.h"
#include "process/ProcessingSettings.h"

namespace turnpixa {

// The Save page's choices that the written set depends on.
struct SaveOptions {
    bool pngChosen = false;
    int jpegQuality = 75;  // the wizard always writes 75
    bool autoSpinOn = false;
    int autoSpinInterval = 100;  // ms; negative spins the other way

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

    // Photo indexes (0-based) in frame order: from the start image (1-based)
    // onwards, backwards when the spin is reversed.
    static std::vector<int> frameOrder(int photoCount, int startImage, bool reverseSpin) {
        return spinOrder(photoCount, startImage, reverseSpin);
    }

private:
    bool writeFrames(FrameSource& frames, const SaveTarget& target, SetStaging& staging, bool png,
                     std::string& reason, const Progress& progress);

    RasterImage arrowRight_;
    RasterImage still_;
    RasterImage stillSource_;  // the start frame the still was made from
    ProcessingSettings stillSettings_;
    bool hasStill_ = false;
    OutputPageInfo lastPage_;
    SetStaging::StreamOpener opener_;
    int jpegQuality_ = 75;  // of the write under way
};

}  // namespace turnpixa
