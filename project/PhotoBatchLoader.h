#pragma once
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "process/Photo.h"
#include "process/ProcessingSettings.h"

namespace turnpixa {

// Decodes a batch of photo files on worker threads, each at the working
// scale for the settings, and hands them out in the order of the list as
// they come in: the first photo is ready as soon as it alone is decoded.
// The destructor stops the workers after the photos they are decoding.
class PhotoBatchLoader {
public:
    struct Result {
        std::string path;
        std::unique_ptr<Photo> photo;  // null when the file could not be read
        std::string reason;
        std::string damage;  // taken only in part: what was wrong
    };

    PhotoBatchLoader(std::vector<std::string> paths, const ProcessingSettings& settings,
                     int threads = 2);
    ~PhotoBatchLoader();
    PhotoBatchLoader(const PhotoBatchLoader&) = delete;
    PhotoBatchLoader& operator=(const PhotoBatchLoader&) = delete;

    int count() const { return static_cast<int>(slots_.size()); }
    // Takes the next photo in list order, waiting up to waitMs for it.
    // False when it is not in yet, or when every photo has been taken.
    bool next(Result& result, int waitMs);
    bool finished() const { return taken_ >= slots_.size(); }
    // Decodes nothing more; photos not yet taken are dropped.
    void cancel();

private:
    struct Slot {
        Result result;
        bool ready = false;
    };
    void work();

    const ProcessingSettings settings_;
    std::vector<Slot> slots_;
    std::size_t taken_ = 0;
    std::size_t nextToDecode_ = 0;  // guarded by mutex_
    bool stopping_ = false;         // guarded by mutex_
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::thread> workers_;
};

}  // namespace turnpixa
