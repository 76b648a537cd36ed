#include "BatchRenderer.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include "image/ImageFormats.h"
#include "process/FrameRenderer.h"

namespace turnpixa {

namespace {

// One photo's way through the batch.
struct Slot {
    std::unique_ptr<Photo> photo;
    std::string reason;
    std::string damage;  // loaded only in part: what was wrong
    int width = 0, height = 0;
};

// Decodes one photo at the scale the settings need; the reason says why
// when it cannot be read.
bool decode(const std::string& path, const ProcessingSettings& settings, Slot& slot) {
    slot.photo = Photo::fromFile(path, settings, &slot.reason, &slot.damage);
    if (!slot.photo) return false;
    slot.width = slot.photo->width();  // full size, whatever the working scale
    slot.height = slot.photo->height();
    return true;
}

}  // namespace

bool BatchRenderer::run(const std::vector<std::string>& paths, const Configure& configure,
                        const Progress& progress) {
    skipped_.clear();
    damaged_.clear();
    misshapen_.clear();
    const int total = static_cast<int>(paths.size());
    std::vector<Slot> slots(paths.size());

    // The first readable photo decides the frame size, so it goes alone.
    std::size_t first = 0;
    for (; first < paths.size(); ++first) {
        Slot& slot = slots[first];
        const bool decoded = decode(paths[first], project_.settings(), slot);
        if (decoded) {
            Photo* photo = project_.addPhoto(std::move(slot.photo));
            project_.currentImage = 1;
            if (configure && !configure(project_)) return false;
            if (!adjust_ && !renderAndRelease(*photo, project_.settings(), slot.reason)) {
                project_.removePhoto(0);
                project_.currentImage = 0;
            }
        }
        if (progress) progress(static_cast<int>(first) + 1, total, paths[first]);
        if (decoded) break;
    }
    if (project_.photoCount() == 0) {
        for (std::size_t i = 0; i < paths.size() && i <= first; ++i)
            skipped_.push_back({paths[i], slots[i].reason});
        return false;
    }

    const ProcessingSettings settings = project_.settings();
    std::atomic<std::size_t> next{first + 1};
    std::atomic<int> done{static_cast<int>(first) + 1};
    std::mutex progressMutex;
    auto worker = [&] {
        for (std::size_t i = next++; i < paths.size(); i = next++) {
            Slot& slot = slots[i];
            if (decode(paths[i], settings, slot) && !adjust_ &&
                !renderAndRelease(*slot.photo, settings, slot.reason))
                slot.photo.reset();
            const int finished = ++done;
            if (progress) {
                std::lock_guard<std::mutex> lock(progressMutex);
                progress(finished, total, paths[i]);
            }
        }
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < threads_; ++t) workers.emplace_back(worker);
    worker();
    for (std::thread& t : workers) t.join();

    const Slot& firstSlot = slots[first];
    if (!firstSlot.damage.empty()) damaged_.push_back({paths[first], firstSlot.damage});
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (i == first) continue;
        Slot& slot = slots[i];
        if (i < first || !slot.photo) {
            skipped_.push_back({paths[i], slot.reason});
            continue;
        }
        project_.addPhoto(std::move(slot.photo));
        if (!slot.damage.empty()) damaged_.push_back({paths[i], slot.damage});
        const std::string shape =
            shapeWarning(firstSlot.width, firstSlot.height, slot.width, slot.height);
        if (!shape.empty()) misshapen_.push_back({paths[i], shape});
    }

    if (adjust_ && (!adjust_(project_) || !renderHeld(progress))) return false;

    // Now that the count is known every frame gets its logo, as the wizard's
    // render lays it in.
    for (int i = 0; i < project_.photoCount(); ++i)
        finishWithLogo(*project_.photoAt(i), project_.logoPlacement(i));
    return true;
}

bool BatchRenderer::renderHeld(const Progress& progress) {
    const ProcessingSettings settings = project_.settings();
    const int count = project_.photoCount();
    std::vector<std::string> reasons(static_cast<std::size_t>(count));
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::mutex progressMutex;
    auto worker = [&] {
        for (int i = next++; i < count; i = next++) {
            Photo& photo = *project_.photoAt(i);
            if (!renderAndRelease(photo, settings, reasons[static_cast<std::size_t>(i)]) &&
                reasons[static_cast<std::size_t>(i)].empty())
                reasons[static_cast<std::size_t>(i)] = "the frame could not be rendered";
            const int finished = ++done;
            if (progress) {
                std::lock_guard<std::mutex> lock(progressMutex);
                progress(finished, count, photo.name());
            }
        }
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < threads_; ++t) workers.emplace_back(worker);
    worker();
    for (std::thread& t : workers) t.join();
    for (int i = count - 1; i >= 0; --i) {
        if (reasons[static_cast<std::size_t>(i)].empty()) continue;
        skipped_.push_back({project_.photoAt(i)->name(), reasons[static_cast<std::size_t>(i)]});
        project_.removePhoto(i);
    }
    return project_.photoCount() > 0;
}

}  // namespace turnpixa
