#pragma once
#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace turnpixa {

// Runs work(0) to work(count - 1) side by side on the processors, and
// returns once all have run. Each call must be its own (reading shared
// data only and writing only its own results), so that what comes out does
// not depend on how the calls were shared out.
template <typename Work>
void sideBySide(int count, const Work& work) {
    const unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::atomic<int> next{0};
    auto run = [&] {
        for (int i = next++; i < count; i = next++) work(i);
    };
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < cores && static_cast<int>(t) < count; ++t) {
        try {
            helpers.emplace_back(run);
        } catch (const std::system_error&) {
            break;  // no more threads to be had: those running do the rest
        }
    }
    run();
    for (std::thread& t : helpers) t.join();
}

}  // namespace turnpixa
