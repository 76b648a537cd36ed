#include "project/PhotoBatchLoader.h"

#include <chrono>

namespace turnpixa {

PhotoBatchLoader::PhotoBatchLoader(std::vector<std::string> paths,
                                   const ProcessingSettings& settings, int threads)
    : settings_(settings), slots_(paths.size()) {
    for (std::size_t i = 0; i < paths.size(); ++i) slots_[i].result.path = std::move(paths[i]);
    const int n = std::max(1, std::min<int>(threads, static_cast<int>(slots_.size())));
    for (int t = 0; t < n && !slots_.empty(); ++t) workers_.emplace_back([this] { work(); });
}

PhotoBatchLoader::~PhotoBatchLoader() {
    cancel();
    for (std::thread& t : workers_) t.join();
}

void PhotoBatchLoader::work() {
    for (;;) {
        std::size_t i = 0;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_ || nextToDecode_ >= slots_.size()) return;
            i = nextToDecode_++;
        }
        // Only this worker touches slot i until it is marked ready.
        Result& r = slots_[i].result;
        r.photo = Photo::fromFile(r.path, settings_, &r.reason, &r.damage);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            slots_[i].ready = true;
        }
        arrived_.notify_all();
    }
}

bool PhotoBatchLoader::next(Result& result, int waitMs) {
    if (finished()) return false;
    std::unique_lock<std::mutex> lock(mutex_);
    Slot& slot = slots_[taken_];
    if (!arrived_.wait_for(lock, std::chrono::milliseconds(std::max(0, waitMs)),
                           [&] { return slot.ready || stopping_; }) ||
        !slot.ready)
        return false;
    result = std::move(slot.result);
    ++taken_;
    return true;
}

void PhotoBatchLoader::cancel() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    arrived_.notify_all();
}

}  // namespace turnpixa
