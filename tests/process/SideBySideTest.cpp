#include "process/SideBySide.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace turnpixa {
namespace {

// Some work to share, longer for later calls.
long workOf(int i) {
    long sum = 0;
    for (int k = 0; k <= i * 1000; ++k) sum += k % 7;
    return sum;
}

TEST(SideBySide, EveryCallRunsOnceWithItsOwnIndexAndAllHaveRunOnReturn) {
    for (const int count : {0, 1, 2, 7, 200}) {
        std::vector<int> ran(static_cast<std::size_t>(count), 0);
        std::vector<long> out(ran.size(), -1);
        std::atomic<int> calls{0};
        sideBySide(count, [&](int i) {
            ++ran[static_cast<std::size_t>(i)];
            out[static_cast<std::size_t>(i)] = workOf(i);
            ++calls;
        });
        EXPECT_EQ(calls.load(), count);
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(ran[static_cast<std::size_t>(i)], 1) << i;
            EXPECT_EQ(out[static_cast<std::size_t>(i)], workOf(i)) << i;
        }
    }
}

}  // namespace
}  // namespace turnpixa
