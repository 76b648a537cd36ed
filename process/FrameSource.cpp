#include "process/FrameSource.h"

namespace turnpixa {

std::vector<int> spinOrder(int photoCount, int startImage, bool reverseSpin) {
    std::vector<int> order;
    if (photoCount <= 0) return order;
    const int d = reverseSpin ? -1 : 1;
    int p = startImage - 1;
    for (int k = 0; k < photoCount; ++k) {
        order.push_back(p);
        p = (p + d + photoCount) % photoCount;
    }
    return order;
}

}  // namespace turnpixa
