#pragma once
#include <vector>

#include "image/RasterImage.h"

namespace turnpixa::test {

// Photos of a mug turning on the spot before a plain backdrop: a body of
// 60 x 80 with a stripe that travels round it and a handle that swings out
// to either side and hides behind, in photos of kMugWidth x kMugHeight.
constexpr int kMugWidth = 240;
constexpr int kMugHeight = 180;

struct MugMove {
    int x = 0;
    int y = 0;
};

// Photo k of count: the whole mug shifted by `move`, every pixel scaled by
// `gain`.
RasterImage mugPhoto(int k, int count, MugMove move = {}, double gain = 1.0);
// Off the turntable's centre (20 across and 5 down, once round the turn)
// and shaken by up to 4 pixels each way, the same every time.
std::vector<MugMove> mugWobble(int count);
// A filled rectangle, right and bottom exclusive, 0-based.
void fillBox(RasterImage& image, int left, int top, int right, int bottom, int r, int g, int b);

}  // namespace turnpixa::test
