#include "installer/MainThreadCalls.h"

namespace turnpixa::setup {

MainThreadCalls::MainThreadCalls(std::function<void()> wake)
    : main_(std::this_thread::get_id()), wake_(std::move(wake)) {}

bool MainThreadCalls::call(const std::function<void()>& fn) {
    if (onMainThread()) {
        fn();
        return true;
    }
    Pending p;
    p.fn = fn;
    std::unique_lock<std::mutex> lock(mutex_);
    if (closed_) return false;
    queue_.push_back(&p);
    lock.unlock();
    if (wake_) wake_();
    lock.lock();
    finished_.wait(lock, [&p] { return p.finished; });
    return p.ran;
}

void MainThreadCalls::runPending() {
    for (;;) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (queue_.empty()) return;
        Pending* p = queue_.front();
        queue_.pop_front();
        lock.unlock();
        // The caller waits, so its Pending lives until finished is set.
        p->fn();
        lock.lock();
        p->ran = true;
        p->finished = true;
        finished_.notify_all();
    }
}

void MainThreadCalls::close() {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    for (Pending* p : queue_) p->finished = true;
    queue_.clear();
    finished_.notify_all();
}

}  // namespace turnpixa::setup
