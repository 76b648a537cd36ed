#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ProjectHost.h"
#include "SourceRescaler.h"
#include "SpinRows.h"
#include "process/FrameRenderer.h"
#include "process/Photo.h"
#include "process/ProcessingSettings.h"
#include "process/SpinLogo.h"

namespace turnpixa {

// The project of one run: the photos in frame order, the one processing
// settings record and the numbers and flags that every page shares. Photos
// are numbered from 1 wherever the user sees them; indexes count from 0.
class Project {
public:
    Project() = default;
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    // Neither is owned; both must outlive the project.
    void setHost(ProjectHost* host) { host_ = host; }
    void setSpinLogo(const SpinLogo* logo) { logo_ = logo; }

    int photoCount() const { return static_cast<int>(photos_.size()); }
    Photo* photoAt(int index);  // null outside 0..count-1
    const Photo* photoAt(int index) const;

    // Decodes the file whatever its extension says and appends it; null when
    // no reader takes it (reason says why).
    // damage: set when the photo was loaded only in part (see loadPhotoFile).
    Photo* addPhotoFromFile(const std::string& path, std::string* reason = nullptr,
                            std::string* damage = nullptr);
    // Appends a photo owning the image; without a name it is "Image%03d".
    // Posts PhotoAdded to the active page.
    Photo* addPhotoFromImage(RasterImage image, std::optional<std::string> name = std::nullopt);
    // Appends a photo made elsewhere; posts PhotoAdded like the others.
    Photo* addPhoto(std::unique_ptr<Photo> photo);
    // Puts a photo at an index and hands back the one that was there.
    std::unique_ptr<Photo> replacePhoto(int index, std::unique_ptr<Photo> photo);
    // Takes a photo out; the later ones move down. Null outside the list.
    std::unique_ptr<Photo> removePhoto(int index);
    // The user's removal of photo m (1-based): the current image stays on
    // its photo, or moves to a neighbour (the one before; the next for the
    // first) when it was m, and every frame's logo goes stale.
    std::unique_ptr<Photo> removePhotoNumber(int m);
    // Moves the photo at `from` to `to`, the photos between shifting by one.
    bool movePhoto(int from, int to);
    // Counts every change to the list of photos (added, replaced, removed,
    // moved), so that a page can tell whether what it showed is still true.
    unsigned photoChanges() const { return photoChanges_; }

    ProcessingSettings& settings() { return settings_; }
    const ProcessingSettings& settings() const { return settings_; }

    int startImage() const { return startImage_; }
    // The settings' copy of the start image is the caller's to change.
    void setStartImage(int n) { startImage_ = n; }
    // The user's choice of start image: the settings' copy follows, so that
    // every cached output goes stale.
    void chooseStartImage(int n) {
        startImage_ = n;
        settings_.startImage = n;
    }
    int currentImage = 0;  // 1-based; 0 = none
    bool reverseSpin = false;
    // Rows the photos were shot in (at several camera heights), row 1's
    // first; kept as chosen while the photo count changes, and used only
    // while it fits the count (spinRows).
    int rows = 1;
    // The layout the rows give the photos now: one row when they do not fit.
    SpinRows spinRows() const { return SpinRows(photoCount(), rows); }
    bool saved = false;
    bool importing = false;
    bool stopPreRender = false;

    // The photo's processed output with the spin logo for its place.
    const RasterImage* processedOutputImage(int index, const ProcessingSettings& settings);
    const RasterImage* renderAnew(int index, const ProcessingSettings& settings);
    // The frame a page shows (anew: without the cache test). While the
    // photo's source is decoded again at the scale the project's settings
    // need (started here when it is not yet), a full-quality request gets the
    // frame rendered from the source held, cached as a quick one; the final
    // frame follows once the source is in.
    const RasterImage* shownOutputImage(int index, const ProcessingSettings& settings,
                                        bool anew = false);

    // Starts decoding again, in the background, the sources not held at the
    // scale the settings need, and tells the host; true while a job runs.
    // The host swaps them in with sourceRescaler().takeArrived(*this).
    bool rescaleSources();
    SourceRescaler& sourceRescaler() { return rescaler_; }
    const SourceRescaler& sourceRescaler() const { return rescaler_; }
    LogoPlacement logoPlacement(int index) const;

    // Sets the logo stale flag of every cached settings, then schedules.
    void markAllPhotosLogoStale();

    // Around a batch of photos coming in: frames are quick and no pre-render
    // pass runs meanwhile; afterwards every logo goes stale when the count
    // changed. beginImport returns the count to give endImport.
    int beginImport();
    void endImport(int countBefore);
    // Asks a running pass to stop and, unless importing, restarts the timer.
    void schedulePreRender();
    // The pass that runs when the timer fires. Photos whose sources are
    // being decoded again are left for when they are in.
    void runPreRenderPass();
    // Photo indexes in visiting order: current, one before, one after, ...
    static std::vector<int> preRenderOrder(int photoCount, int currentImage);
    static int preRenderIndex(int photoCount, int currentImage, int step);

    // Output size from a desired width (0 = 400) or height, using the
    // current photo's aspect; both describe the frame after rotation.
    void deriveOutputSizeFromWidth(int width);
    void deriveOutputSizeFromHeight(int height);

private:
    double currentAspect() const;

    ProjectHost* host_ = nullptr;
    const SpinLogo* logo_ = nullptr;
    std::vector<std::unique_ptr<Photo>> photos_;
    ProcessingSettings settings_;
    int startImage_ = 1;
    unsigned photoChanges_ = 0;
    // Last, so that its workers stop first.
    SourceRescaler rescaler_;
};

// Every photo is stretched to the series' frame size, which the first photo's
// shape decides. Empty when a photo of width x height has that shape (within
// 1 %), otherwise a warning saying how it differs.
std::string shapeWarning(int firstWidth, int firstHeight, int width, int height);

}  // namespace turnpixa
