#include "RingLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace turnpixa::ring {

namespace {

int floorHalf(int v) {
    return v >= 0 ? v / 2 : -((-v + 1) / 2);
}

}  // namespace

Point ringCentre(const Rect& ring) {
    return {(ring.left + ring.right) / 2, (ring.top + ring.bottom) / 2};
}

Point thumbnailCentre(const Rect& ring, int count, int index, Size thumb) {
    const int n = std::max(1, (count + 1) / 4);
    const int spanX = ring.right - ring.left - thumb.width;
    const int spanY = ring.bottom - ring.top - thumb.height;
    const int h = spanX / n;
    const int v = spanY / n;
    int x = -floorHalf(spanX);
    int y = -floorHalf(spanY);
    if (index <= n) {
        y += index * v;
    } else if (index <= 2 * n) {
        y += n * v;
        x += (index - n) * h;
    } else if (index <= 3 * n) {
        x += n * h;
        y += n * v - (index - 2 * n) * v;
    } else {
        const int topCount = std::max(1, count - 3 * n);
        x += n * h - (index - 3 * n) * (spanX / topCount);
    }
    const Point c = ringCentre(ring);
    return {x + c.x, y + c.y};
}

Rect thumbnailRect(Point centre, Size thumb) {
    const int left = centre.x - static_cast<int>(std::lround(thumb.width / 2.0));
    const int top = centre.y - static_cast<int>(std::lround(thumb.height / 2.0));
    return {left, top, left + thumb.width, top + thumb.height};
}

std::vector<Slot> layout(const Rect& ring, const std::vector<Size>& thumbs) {
    std::vector<Slot> slots;
    const int count = static_cast<int>(thumbs.size());
    slots.reserve(thumbs.size());
    for (int i = 0; i < count; ++i)
        slots.push_back({thumbnailCentre(ring, count, i, thumbs[static_cast<std::size_t>(i)]),
                         thumbs[static_cast<std::size_t>(i)]});
    return slots;
}

int hitTest(const std::vector<Slot>& slots, Point p) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const Rect r = thumbnailRect(slots[i].centre, slots[i].size);
        if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)
            return static_cast<int>(i);
    }
    return -1;
}

double distanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = 0.0;
    if (length2 > 0.0) t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
    const double nx = a.x + t * dx - p.x;
    const double ny = a.y + t * dy - p.y;
    return std::sqrt(nx * nx + ny * ny);
}

int dropTarget(const std::vector<Slot>& slots, Point centre, Point p) {
    int q = -1;
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const double d = distanceToSegment(p, centre, slots[i].centre);
        if (d < best) {
            best = d;
            q = static_cast<int>(i);
        }
    }
    // The gap before photo q is its own place: the spoke's photo and the one
    // before it are neighbours, and the place between them is q's index.
    return q;
}

bool highlightColour(bool current, bool drop, bool start, PackedColour& colour) {
    bool any = false;
    int r = 0, g = 0, b = 0;
    const auto mix = [&](int cr, int cg, int cb) {
        if (!any) {
            r = cr, g = cg, b = cb;
            any = true;
        } else {
            r = (r + cr) / 2, g = (g + cg) / 2, b = (b + cb) / 2;
        }
    };
    if (current) mix(255, 64, 64);
    if (drop) mix(64, 64, 255);
    if (start) mix(64, 255, 64);
    if (any) colour = packColour(r, g, b);
    return any;
}

PackedColour shadedColour(PackedColour c) {
    return packColour(redOf(c) * 4 / 5, greenOf(c) * 4 / 5, blueOf(c) * 4 / 5);
}

int turned(int current, int steps, int count, bool reverse) {
    if (count <= 0) return current;
    const int s = reverse ? -steps : steps;
    int f = ((current + s - 1) % count) + 1;
    while (f < 1) f += count;
    return f;
}

int TurnAccumulator::move(int dx, int current, int count, bool reverse) {
    pixels_ += dx;
    if (count <= 0) return 0;
    const int f = turned(current, pixels_ / 4, count, reverse);
    if (f == current) return 0;
    pixels_ = 0;
    return f;
}

Point previewOrigin(int panelRight, int pageWidth, int pageHeight, Size frame) {
    const int x = panelRight + (pageWidth - panelRight - frame.width) / 2;
    const int y = (pageHeight - frame.height) / 2;
    return {std::max(x, panelRight), std::max(y, 0)};
}

Rect fadedPictureRect(const Rect& ring, Size picture) {
    if (picture.width < 2 || picture.height < 2 || ring.width() <= 0 || ring.height() <= 0)
        return {};
    const double scale = std::min(0.8 * ring.height() / (picture.height - 1),
                                  0.8 * ring.width() / (picture.width - 1));
    const int w = static_cast<int>(std::lround(scale * (picture.width - 1)));
    const int h = static_cast<int>(std::lround(scale * (picture.height - 1)));
    const int left = ring.left + (ring.width() - w) / 2;
    const int top = ring.top + (ring.height() - h) / 2;
    return {left, top, left + w, top + h};
}

RasterImage fadedOntoWhite(const RasterImage& picture, int opacity) {
    RasterImage out;
    if (picture.empty() || !out.create(picture.width(), picture.height(), 24)) return out;
    opacity = std::clamp(opacity, 0, 100);
    for (int y = 1; y <= picture.height(); ++y)
        for (int x = 1; x <= picture.width(); ++x) {
            std::uint8_t r = 255, g = 255, b = 255;
            picture.getPixel(x, y, r, g, b);
            const auto blend = [opacity](int c) {
                return static_cast<std::uint8_t>((opacity * c + (100 - opacity) * 255) / 100);
            };
            out.putPixel(x, y, blend(r), blend(g), blend(b));
        }
    return out;
}

RasterImage dragCursorPicture(const RasterImage& thumbnail) {
    RasterImage out;
    if (thumbnail.empty() || !out.create(thumbnail.width(), thumbnail.height(), 24)) return out;
    const int w = thumbnail.width();
    const int h = thumbnail.height();
    for (int y = 1; y <= h; ++y)
        for (int x = 1; x <= w; ++x) {
            if (x == 1 || y == 1 || x == w || y == h) {
                out.putPixel(x, y, 0, 0, 255);
                continue;
            }
            std::uint8_t r = 255, g = 255, b = 255;
            thumbnail.getPixel(x, y, r, g, b);
            const auto lighten = [](int c) {
                return static_cast<std::uint8_t>(192.0 - (192 - c) * 0.8);
            };
            out.putPixel(x, y, lighten(r), lighten(g), lighten(b));
        }
    return out;
}

}  // namespace turnpixa::ring
