#include "Project.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "image/ImageFormats.h"

namespace turnpixa {

Photo* Project::photoAt(int index) {
    return index >= 0 && index < photoCount() ? photos_[static_cast<std::size_t>(index)].get()
                                              : nullptr;
}

const Photo* Project::photoAt(int index) const {
    return index >= 0 && index < photoCount() ? photos_[static_cast<std::size_t>(index)].get()
                                              : nullptr;
}

Photo* Project::addPhotoFromFile(const std::string& path, std::string* reason,
                                 std::string* damage) {
    return addPhoto(Photo::fromFile(path, settings_, reason, damage));
}

Photo* Project::addPhotoFromImage(RasterImage image, std::optional<std::string> name) {
    if (image.empty()) return nullptr;
    if (!name) {
        char generated[32];
        std::snprintf(generated, sizeof generated, "Image%03d", photoCount() + 1);
        name = generated;
    }
    return addPhoto(std::make_unique<Photo>(std::move(image), std::move(*name)));
}

Photo* Project::addPhoto(std::unique_ptr<Photo> photo) {
    if (!photo) return nullptr;
    photos_.push_back(std::move(photo));
    ++photoChanges_;
    Photo* added = photos_.back().get();
    if (host_) host_->postPhotoAdded(photoCount(), added);
    return added;
}

std::unique_ptr<Photo> Project::replacePhoto(int index, std::unique_ptr<Photo> photo) {
    if (index < 0 || index >= photoCount() || !photo) return photo;
    std::swap(photos_[static_cast<std::size_t>(index)], photo);
    ++photoChanges_;
    return photo;
}

std::unique_ptr<Photo> Project::removePhoto(int index) {
    if (index < 0 || index >= photoCount()) return nullptr;
    auto it = photos_.begin() + index;
    std::unique_ptr<Photo> removed = std::move(*it);
    photos_.erase(it);
    ++photoChanges_;
    return removed;
}

std::unique_ptr<Photo> Project::removePhotoNumber(int m) {
    if (m < 1 || m > photoCount()) return nullptr;
    if (m == currentImage) currentImage = m == 1 ? 2 : m - 1;
    if (m < currentImage) --currentImage;
    std::unique_ptr<Photo> removed = removePhoto(m - 1);
    if (currentImage > photoCount()) currentImage = photoCount();
    markAllPhotosLogoStale();
    return removed;
}

bool Project::movePhoto(int from, int to) {
    if (from < 0 || to < 0 || from >= photoCount() || to >= photoCount()) return false;
    if (from == to) return true;
    ++photoChanges_;
    auto first = photos_.begin();
    if (from < to) {
        std::rotate(first + from, first + from + 1, first + to + 1);
    } else {
        std::rotate(first + to, first + from, first + from + 1);
    }
    return true;
}

LogoPlacement Project::logoPlacement(int index) const {
    LogoPlacement placement;
    placement.logo = (logo_ && logo_->loaded()) ? logo_ : nullptr;
    placement.photoCount = std::max(1, photoCount());
    placement.index = index;
    placement.startImage = startImage_;
    // In rows the logo turns with the row: round once along each row, from
    // the start image's column.
    const SpinRows grid = spinRows();
    if (grid.rows() > 1) {
        placement.photoCount = grid.columns();
        placement.index = grid.columnOf(index);
        placement.startImage = grid.columnOf(std::max(startImage_, 1) - 1) + 1;
    }
    return placement;
}

const RasterImage* Project::processedOutputImage(int index, const ProcessingSettings& settings) {
    Photo* photo = photoAt(index);
    if (!photo) return nullptr;
    return turnpixa::processedOutputImage(*photo, settings, logoPlacement(index));
}

const RasterImage* Project::renderAnew(int index, const ProcessingSettings& settings) {
    Photo* photo = photoAt(index);
    if (!photo) return nullptr;
    return turnpixa::renderAnew(*photo, settings, logoPlacement(index));
}

const RasterImage* Project::shownOutputImage(int index, const ProcessingSettings& settings,
                                             bool anew) {
    Photo* photo = photoAt(index);
    if (!photo) return nullptr;
    const bool needsOtherScale = !settings.quick && photo->eighthsFor(settings) != photo->eighths();
    if (needsOtherScale && settings == settings_) rescaleSources();
    if (!needsOtherScale || !rescaler_.waiting(photo))
        return anew ? renderAnew(index, settings) : processedOutputImage(index, settings);
    // Meanwhile the whole frame, lightness, removal and all, from the source
    // held. Cached as quick, it is never taken for the final frame: that is
    // made again once the source is in.
    ProcessingSettings interim = settings;
    interim.quick = true;
    if (!anew && photo->cachedOutput() && photo->cachedSettings() == interim &&
        !photo->cachedSettings().logoStale)
        return photo->cachedOutput();
    RasterImage frame = render(*photo, settings);
    if (frame.empty()) return nullptr;
    layInSpinLogo(frame, logoPlacement(index));
    photo->setCachedOutput(std::make_unique<RasterImage>(std::move(frame)));
    photo->cachedSettings() = interim;
    photo->cachedSettings().logoStale = false;
    return photo->cachedOutput();
}

bool Project::rescaleSources() {
    const bool running = rescaler_.start(*this);
    if (running && host_) host_->sourcesRescaling();
    return running;
}

void Project::markAllPhotosLogoStale() {
    for (auto& photo : photos_) photo->cachedSettings().logoStale = true;
    schedulePreRender();
}

int Project::beginImport() {
    importing = true;
    settings_.quick = true;
    return photoCount();
}

void Project::endImport(int countBefore) {
    importing = false;
    settings_.quick = false;
    if (photoCount() != countBefore) markAllPhotosLogoStale();
}

void Project::schedulePreRender() {
    stopPreRender = true;
    if (!importing && host_) host_->restartPreRenderTimer();
}

std::vector<int> Project::preRenderOrder(int photoCount, int currentImage) {
    std::vector<int> order;
    for (int s = 0; s < photoCount; ++s)
        order.push_back(preRenderIndex(photoCount, currentImage, s));
    return order;
}

int Project::preRenderIndex(int photoCount, int currentImage, int step) {
    const int offset = (step % 2 == 0) ? step / 2 : photoCount - 1 - step / 2;
    const int index = (offset + currentImage - 1) % photoCount;
    return index < 0 ? index + photoCount : index;
}

void Project::runPreRenderPass() {
    stopPreRender = false;
    const int current = currentImage;
    // Rendered now, a photo whose source is at another scale would be
    // decoded again on this thread.
    rescaleSources();
    if (host_) host_->processPendingEvents();
    // The count is read again at every step: photos may go while events run.
    for (int step = 0; step < photoCount() && !stopPreRender; ++step) {
        const int index = preRenderIndex(photoCount(), current, step);
        Photo* photo = photoAt(index);
        if (rescaler_.waiting(photo)) {
            if (host_) host_->processPendingEvents();
            continue;
        }
        const bool stale = !photo->cachedOutput() || !(photo->cachedSettings() == settings_) ||
                           photo->cachedSettings().logoStale;
        if (stale) {
            if (index == currentImage - 1) {
                // The page shows the current photo; it renders and shows it itself.
                if (host_) host_->postRefreshCurrentFrame();
            } else {
                renderAnew(index, settings_);
            }
        }
        if (host_) host_->processPendingEvents();
    }
}

double Project::currentAspect() const {
    const Photo* photo = photoAt(currentImage - 1);
    if (!photo) photo = photoAt(0);
    if (!photo) return 0.0;
    if (settings_.cropOn && settings_.crop.width() > 0 && settings_.crop.height() > 0) {
        return static_cast<double>(settings_.crop.height()) / settings_.crop.width();
    }
    return static_cast<double>(photo->height()) / photo->width();
}

namespace {

int roundHalfUp(double v) {
    return std::max(1, static_cast<int>(std::floor(v + 0.5)));
}

}  // namespace

void Project::deriveOutputSizeFromWidth(int width) {
    const double aspect = currentAspect();
    if (aspect <= 0.0) return;
    if (width <= 0) width = 400;
    const bool quarterTurn = settings_.rotation % 2 != 0;
    settings_.setShownSize({width, roundHalfUp(quarterTurn ? width / aspect : width * aspect)});
}

void Project::deriveOutputSizeFromHeight(int height) {
    const double aspect = currentAspect();
    if (aspect <= 0.0) return;
    if (height <= 0) height = 400;
    const bool quarterTurn = settings_.rotation % 2 != 0;
    settings_.setShownSize({roundHalfUp(quarterTurn ? height * aspect : height / aspect), height});
}

std::string shapeWarning(int firstWidth, int firstHeight, int width, int height) {
    if (firstWidth <= 0 || firstHeight <= 0 || width <= 0 || height <= 0) return {};
    const double first = static_cast<double>(firstWidth) / firstHeight;
    const double other = static_cast<double>(width) / height;
    if (std::abs(other / first - 1.0) <= 0.01) return {};
    return std::to_string(width) + " x " + std::to_string(height) +
           " pixels, another shape than the first photo's " + std::to_string(firstWidth) + " x " +
           std::to_string(firstHeight) + "; it is stretched to the frame size";
}

}  // namespace turnpixa
