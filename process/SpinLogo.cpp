#include "process/SpinLogo.h"

#include <cstdio>

#include "resources/Resources.h"

namespace turnpixa {

bool SpinLogo::load() {
    loaded_ = false;
    bool all = true;
    for (int i = 0; i < kCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "spin-logo-%02d.png", i);
        RasterImage& picture = pictures_[static_cast<std::size_t>(i)];
        if (!loadResourceImage(name, picture) || picture.empty()) {
            picture.clear();
            all = false;
        }
    }
    loaded_ = all;
    return all;
}

const RasterImage& SpinLogo::picture(int index) const {
    static const RasterImage none;
    if (index < 0 || index >= kCount) return none;
    return pictures_[static_cast<std::size_t>(index)];
}

int SpinLogo::indexFor(int photoCount, int index, int startImage) {
    if (photoCount <= 0) return 0;
    // Position in spin order: the photo after the start image comes first.
    // A start image beyond the list still gives a position inside it.
    const long long n = photoCount;
    long long p = (n + index - startImage) % n;
    if (p < 0) p += n;
    // trunc(45 * p / n + 0.5), exactly.
    const long long logo = (2 * kCount * p + n) / (2 * n);
    return logo < 1 || logo >= kCount ? 0 : static_cast<int>(logo);
}

}  // namespace turnpixa
