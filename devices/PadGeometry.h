#pragma once
#include <vector>

namespace turnpixa {

// The turntable pad: circles one centimetre apart and one line from the
// centre for every photo step. Pure geometry; the painters draw what it says.
struct PadCircle {
    int radius = 0;  // pixels
    bool dark = false;
};

struct PadLine {
    int x = 0, y = 0;  // end point; every line starts at the centre
    bool dark = false;
};

struct PadDrawing {
    int centreX = 0, centreY = 0;
    std::vector<PadCircle> circles;
    std::vector<PadLine> lines;
};

constexpr int kPadMinPhotos = 1;
constexpr int kPadMaxPhotos = 3600;
constexpr int kPadDefaultPhotos = 18;

// pageWidth / pageHeight: the full paper in tenths of a millimetre; the
// drawing fills an area of areaWidth x areaHeight pixels standing for that
// page. Circle i (from 1) has radius i cm; circles 1, 5, 9 ... are dark. Line
// k ends at angle k x 360 / photos, line 0 pointing down, the next ones
// turning right; even lines dark. photos is clamped to 1 ... 3600; an empty
// page or area gives no circles and no lines.
PadDrawing padDrawing(int pageWidth, int pageHeight, int areaWidth, int areaHeight, int photos);

}  // namespace turnpixa
