#pragma once
#include <vector>

#include "image/PackedColour.h"
#include "image/RasterImage.h"
#include "image/Rect.h"

namespace turnpixa {

// Geometry and arithmetic of the spin preview and its photo ring, kept out
// of the widgets so that it is tested without a window. Indexes count from
// 0; photo numbers from 1.
namespace ring {

struct Point {
    int x = 0;
    int y = 0;
    constexpr bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
};

// Centre of thumbnail `index` among `count` photos in the ring rectangle,
// for a thumbnail of `thumb` size. Photo 0 sits at the top-left corner and
// the ring runs anticlockwise on screen.
Point thumbnailCentre(const Rect& ring, int count, int index, Size thumb);
// That centre with the thumbnail's size around it.
Rect thumbnailRect(Point centre, Size thumb);
Point ringCentre(const Rect& ring);

// One laid-out thumbnail; the page keeps one per photo in list order.
struct Slot {
    Point centre;
    Size size;
};
std::vector<Slot> layout(const Rect& ring, const std::vector<Size>& thumbs);
// The first slot whose rectangle holds the point; -1 for none.
int hitTest(const std::vector<Slot>& slots, Point p);

// Distance from p to the segment a-b.
double distanceToSegment(Point p, Point a, Point b);
// The photo whose spoke (ring centre to thumbnail centre) is nearest to p,
// the first one on ties; -1 without photos. Dropping a dragged photo there
// puts it at that index.
int dropTarget(const std::vector<Slot>& slots, Point ringCentre, Point p);

// Highlight of a thumbnail: the running average of red (current), blue
// (drop target) and green (start image), in that order. False when the
// photo has none of the roles.
bool highlightColour(bool current, bool dropTarget, bool start, PackedColour& colour);
// The darker edge colour: four fifths of every channel.
PackedColour shadedColour(PackedColour colour);

// The photo number reached by turning `steps` from `current` among `count`
// photos, reversed when `reverse` is set; `current` when there are none.
int turned(int current, int steps, int count, bool reverse);

// Turning by mouse: horizontal travel is gathered until it reaches a whole
// step (4 pixels), which turns to a different photo and empties it.
class TurnAccumulator {
public:
    // Adds dx; returns the photo number to select, or 0 when nothing turns.
    int move(int dx, int current, int count, bool reverse);
    void reset() { pixels_ = 0; }
    int pixels() const { return pixels_; }

private:
    int pixels_ = 0;
};

// Where a frame of `frame` size is shown in a page whose area right of
// `panelRight` is `pageWidth` wide: centred, never left of the panel nor
// above the top.
Point previewOrigin(int panelRight, int pageWidth, int pageHeight, Size frame);

// The rectangle in which the empty-state picture is drawn: 80 % of the ring
// rectangle's limiting side, aspect kept, centred.
Rect fadedPictureRect(const Rect& ring, Size picture);

// The picture blended at `opacity` percent onto white (24 bits).
RasterImage fadedOntoWhite(const RasterImage& picture, int opacity);

// The drag cursor picture: the thumbnail with a blue border and its inside
// lightened towards grey 192.
RasterImage dragCursorPicture(const RasterImage& thumbnail);

}  // namespace ring
}  // namespace turnpixa
