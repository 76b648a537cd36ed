#include "project/SourceRescaler.h"

#include <algorithm>
#include <functional>

#include "image/ImageFormats.h"
#include "project/Project.h"

namespace turnpixa {

namespace {

// Photos are told apart by address only; std::less orders any two.
bool before(const std::pair<const Photo*, int>& a, const std::pair<const Photo*, int>& b) {
    if (a.first != b.first) return std::less<const Photo*>{}(a.first, b.first);
    return a.second < b.second;
}

}  // namespace

SourceRescaler::SourceRescaler(int threads) : threadCount_(std::max(1, threads)) {}

SourceRescaler::~SourceRescaler() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    queued_.notify_all();
    for (std::thread& t : workers_) t.join();
}

bool SourceRescaler::start(const Project& project) {
    const ProcessingSettings& settings = project.settings();
    std::vector<Item> items;
    std::vector<Wanted> wanted;
    const int count = project.photoCount();
    for (int index : Project::preRenderOrder(count, project.currentImage)) {
        const Photo* photo = project.photoAt(index);
        if (!photo || photo->filePath().empty()) continue;
        const int eighths = photo->eighthsFor(settings);
        if (eighths == photo->eighths()) continue;
        if (photo->unreadableAt(eighths)) continue;
        items.push_back({photo, photo->filePath(), photo->width(), photo->height(), eighths});
        wanted.push_back({photo, eighths});
    }
    std::sort(wanted.begin(), wanted.end(), before);
    if (wanted.empty()) {
        if (running()) cancel();
        return false;
    }
    // Photos gone or matched by a render of their own meanwhile leave the
    // job; what is still wanted goes on without starting over.
    if (std::includes(outstanding_.begin(), outstanding_.end(), wanted.begin(), wanted.end(),
                      before)) {
        total_ -= static_cast<int>(outstanding_.size() - wanted.size());
        outstanding_ = std::move(wanted);
        return true;
    }

    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++generation_;
        queue_.assign(items.begin(), items.end());
        arrived_.clear();
    }
    outstanding_ = std::move(wanted);
    total_ = static_cast<int>(items.size());
    done_ = 0;
    failures_.clear();
    if (items.empty()) return false;
    // The workers start with the first job: a project that never needs
    // one (turnpixa-cli) never starts a thread.
    while (static_cast<int>(workers_.size()) < threadCount_)
        workers_.emplace_back([this] { work(); });
    queued_.notify_all();
    return true;
}

void SourceRescaler::cancel() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++generation_;
        queue_.clear();
        arrived_.clear();
    }
    outstanding_.clear();
    done_ = total_ = 0;
}

bool SourceRescaler::waiting(const Photo* photo) const {
    auto it = std::lower_bound(outstanding_.begin(), outstanding_.end(), Wanted{photo, 0}, before);
    return it != outstanding_.end() && it->first == photo;
}

void SourceRescaler::work() {
    for (;;) {
        Item item;
        unsigned generation = 0;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            queued_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_) return;
            item = std::move(queue_.front());
            queue_.pop_front();
            generation = generation_;
        }
        Arrival arrival = decode(item);
        std::lock_guard<std::mutex> lock(mutex_);
        // A job replaced meanwhile has no use for it.
        if (generation == generation_ && !stopping_) arrived_.push_back(std::move(arrival));
    }
}

SourceRescaler::Arrival SourceRescaler::decode(const Item& item) {
    Arrival arrival;
    arrival.item = item;
    RasterImage image;
    PictureScale scale;
    std::string damage;  // told once, when the photo was first loaded
    const int wanted = item.eighths;
    if (!loadPhotoFileScaled(
            item.path, [wanted](int, int) { return wanted; }, image, scale, &arrival.reason,
            &damage)) {
        if (arrival.reason.empty()) arrival.reason = "the file could not be read";
        return arrival;
    }
    if (scale.fullWidth != item.fullWidth || scale.fullHeight != item.fullHeight ||
        scale.eighths != wanted) {
        arrival.reason = "the file has changed since it was loaded";
        return arrival;
    }
    arrival.photo = std::make_unique<Photo>(std::move(image), item.path, scale, item.path);
    // Made here rather than when the ring is next painted.
    arrival.photo->smallPreview();
    arrival.photo->thumbnail();
    return arrival;
}

std::vector<int> SourceRescaler::takeArrived(Project& project) {
    std::vector<Arrival> arrived;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        arrived.swap(arrived_);
    }
    std::vector<int> swapped;
    for (Arrival& a : arrived) {
        const Wanted w{a.item.key, a.item.eighths};
        auto it = std::lower_bound(outstanding_.begin(), outstanding_.end(), w, before);
        if (it == outstanding_.end() || *it != w) continue;
        outstanding_.erase(it);
        ++done_;
        int index = -1;
        for (int i = 0; i < project.photoCount() && index < 0; ++i)
            if (project.photoAt(i) == a.item.key) index = i;
        Photo* old = project.photoAt(index);
        // Removed meanwhile; or another photo now at the same address.
        if (!old || old->filePath() != a.item.path || old->width() != a.item.fullWidth ||
            old->height() != a.item.fullHeight)
            continue;
        if (!a.photo) {
            old->markUnreadableAt(a.item.eighths);
            failures_.push_back(a.item.path + ": " + a.reason);
            continue;
        }
        // Already matched by a render of its own, or no longer needed.
        if (old->eighths() == a.item.eighths ||
            old->eighthsFor(project.settings()) != a.item.eighths)
            continue;
        Photo& fresh = *a.photo;
        fresh.lightnessOffset = old->lightnessOffset;
        fresh.panX = old->panX;
        fresh.panY = old->panY;
        fresh.cachedSettings() = old->cachedSettings();
        if (old->cachedOutput())
            fresh.setCachedOutput(std::make_unique<RasterImage>(*old->cachedOutput()));
        // The photo stays the same object: pages and the ring keep it.
        *old = std::move(fresh);
        swapped.push_back(index);
    }
    return swapped;
}

}  // namespace turnpixa
