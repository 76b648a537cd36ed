#pragma once
// Runs calls from other threads on the main thread and lets the caller wait
// for them: the install worker's questions must be asked by the thread that
// owns the windows. The toolkit only supplies the wake-up.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace turnpixa::setup {

class MainThreadCalls {
public:
    // wake() is called (from the calling thread) after a call is queued, so
    // that the main thread's event loop comes round to runPending().
    explicit MainThreadCalls(std::function<void()> wake = {});

    bool onMainThread() const { return std::this_thread::get_id() == main_; }
    // Runs fn on the main thread and returns when it has run: at once when
    // called there, else queued. False when the queue was closed before fn
    // could run (fn then never runs).
    bool call(const std::function<void()>& fn);
    // Main thread: runs the queued calls in order.
    void runPending();
    // Main thread, before the windows go: waiting callers return false.
    void close();

private:
    struct Pending {
        std::function<void()> fn;
        bool finished = false;
        bool ran = false;
    };
    std::thread::id main_;
    std::function<void()> wake_;
    std::mutex mutex_;
    std::condition_variable finished_;
    std::deque<Pending*> queue_;
    bool closed_ = false;
};

}  // namespace turnpixa::setup
