#include "process/FrameSource.h"

#include <algorithm>

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

TurnPositions startTurn(const FrameSource& frames) {
    const int count = frames.frameCount();
    const int rows = frames.rows();
    if (rows <= 1 || count <= 0 || count % rows != 0) return {0, std::max(count, 0)};
    const int columns = count / rows;
    const int start = std::clamp(frames.startFrame(), 0, count - 1);
    return {start / columns * columns, columns};
}

}  // namespace turnpixa
