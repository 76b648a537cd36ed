#pragma once
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "process/Photo.h"

namespace turnpixa {

class Project;

// Decodes again, on worker threads, the photos whose sources are not held at
// the scale their frames need (after the frame size or the crop changed), and
// swaps each new source in on the owner's thread, so that nothing ever sees a
// photo half changed. The workers only read files and never touch a photo of
// the project. A photo without a file holds every pixel and is never queued.
// Everything but the workers runs on the owner's thread.
class SourceRescaler {
public:
    explicit SourceRescaler(int threads = 2);
    // Stops the workers after the decodes in progress.
    ~SourceRescaler();
    SourceRescaler(const SourceRescaler&) = delete;
    SourceRescaler& operator=(const SourceRescaler&) = delete;

    // Queues every photo whose held scale differs from the one the project's
    // settings need, nearest the current image first, replacing a job for
    // other scales; a job for exactly these photos and scales goes on. A photo
    // that failed at a scale is not tried again at that scale. True when a
    // job is running afterwards.
    bool start(const Project& project);
    // Drops the job; decodes in progress are thrown away when they end.
    void cancel();

    // Swaps in the sources decoded since the last call for photos that are
    // still in the project and still need that scale. Each photo keeps its
    // pan, lightness offset and cached frame. Returns their 0-based indexes.
    std::vector<int> takeArrived(Project& project);

    bool running() const { return !outstanding_.empty(); }
    // Photos of the job whose decode has been taken in, and all of the job.
    int done() const { return done_; }
    int total() const { return total_; }
    // The photo's new source is queued, being decoded, or in but not taken.
    bool waiting(const Photo* photo) const;
    // "path: reason" for each photo of the job that could not be decoded
    // again; it keeps the source it has.
    const std::vector<std::string>& failures() const { return failures_; }

private:
    struct Item {
        const Photo* key = nullptr;  // identity only: never read by a worker
        std::string path;
        int fullWidth = 0;
        int fullHeight = 0;
        int eighths = 8;
    };
    struct Arrival {
        Item item;
        std::unique_ptr<Photo> photo;  // null when the file failed
        std::string reason;
    };
    using Wanted = std::pair<const Photo*, int>;

    void work();
    static Arrival decode(const Item& item);

    const int threadCount_;
    // Owner's thread only.
    std::vector<Wanted> outstanding_;  // sorted
    std::vector<std::string> failures_;
    int done_ = 0;
    int total_ = 0;
    // Shared with the workers, guarded by mutex_.
    std::mutex mutex_;
    std::condition_variable queued_;
    std::deque<Item> queue_;
    std::vector<Arrival> arrived_;
    unsigned generation_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace turnpixa
