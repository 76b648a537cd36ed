#pragma once
#include <cstdint>

namespace turnpixa {

// The C runtime's linear congruential generator (srand / rand of the
// platform the settings file format comes from). The password scrambling
// depends on its exact sequence, so it is spelled out here instead of
// relying on the local rand().
class RuntimeRandom {
public:
    explicit RuntimeRandom(std::uint32_t seed = 1) : state_(seed) {}
    void seed(std::uint32_t seed) { state_ = seed; }
    // 0..32767
    int draw() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_;
};

}  // namespace turnpixa
