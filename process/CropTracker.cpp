#include "process/CropTracker.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace turnpixa {

namespace {

bool movesLeft(CropTracker::Handle h) {
    using H = CropTracker::Handle;
    return h == H::TopLeft || h == H::Left || h == H::BottomLeft;
}
bool movesRight(CropTracker::Handle h) {
    using H = CropTracker::Handle;
    return h == H::TopRight || h == H::Right || h == H::BottomRight;
}
bool movesTop(CropTracker::Handle h) {
    using H = CropTracker::Handle;
    return h == H::TopLeft || h == H::Top || h == H::TopRight;
}
bool movesBottom(CropTracker::Handle h) {
    using H = CropTracker::Handle;
    return h == H::BottomLeft || h == H::Bottom || h == H::BottomRight;
}

// trunc(v), kept inside the int range for absurd ratios.
int truncated(double v) {
    return static_cast<int>(std::clamp(v, -1.0e9, 1.0e9));
}

}  // namespace

CropTracker::CropTracker(int previewWidth, int previewHeight)
    : CropTracker(
          previewWidth, previewHeight,
          Rect{previewWidth / 4, previewHeight / 4, previewWidth * 3 / 4, previewHeight * 3 / 4}) {}

CropTracker::CropTracker(int previewWidth, int previewHeight, const Rect& rect)
    : previewWidth_(std::max(previewWidth, 0)), previewHeight_(std::max(previewHeight, 0)) {
    setRect(rect);
}

int CropTracker::minX() const {
    return std::min(1, maxX());
}
int CropTracker::maxX() const {
    return std::max(previewWidth_ - 1, 0);
}
int CropTracker::minY() const {
    return std::min(1, maxY());
}
int CropTracker::maxY() const {
    return std::max(previewHeight_ - 1, 0);
}

void CropTracker::keepInside(Rect& r) const {
    r.left = std::clamp(r.left, minX(), maxX());
    r.right = std::clamp(r.right, r.left, maxX());
    r.top = std::clamp(r.top, minY(), maxY());
    r.bottom = std::clamp(r.bottom, r.top, maxY());
}

void CropTracker::setRect(const Rect& rect) {
    rect_ = rect;
    if (rect_.right < rect_.left) std::swap(rect_.left, rect_.right);
    if (rect_.bottom < rect_.top) std::swap(rect_.top, rect_.bottom);
    keepInside(rect_);
}

void CropTracker::setRatio(std::optional<double> ratio) {
    if (ratio && (!std::isfinite(*ratio) || *ratio <= 0)) ratio.reset();
    ratio_ = ratio;
    applyRules(Handle::BottomRight);
}

void CropTracker::setMinimumSize(int width, int height) {
    minWidth_ = std::max(width, 0);
    minHeight_ = std::max(height, 0);
}

Rect CropTracker::outerRect() const {
    return Rect{rect_.left - kHandleSize, rect_.top - kHandleSize, rect_.right + kHandleSize,
                rect_.bottom + kHandleSize};
}

std::string CropTracker::label() const {
    const Rect o = outerRect();
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d (%d x %d)", o.left, o.top, o.width(), o.height());
    return text;
}

CropTracker::Handle CropTracker::hitTest(int x, int y) const {
    const Rect o = outerRect();
    if (x < o.left || x >= o.right || y < o.top || y >= o.bottom) return Handle::None;
    const Rect& r = rect_;
    const int midX = (r.left + r.right) / 2;
    const int midY = (r.top + r.bottom) / 2;
    const int half = kHandleSize / 2;
    const bool left = x < r.left, right = x >= r.right;
    const bool top = y < r.top, bottom = y >= r.bottom;
    const bool centreX = x >= midX - half && x < midX + half;
    const bool centreY = y >= midY - half && y < midY + half;
    if (top && left) return Handle::TopLeft;
    if (top && right) return Handle::TopRight;
    if (bottom && left) return Handle::BottomLeft;
    if (bottom && right) return Handle::BottomRight;
    if (top && centreX) return Handle::Top;
    if (bottom && centreX) return Handle::Bottom;
    if (left && centreY) return Handle::Left;
    if (right && centreY) return Handle::Right;
    return Handle::Inside;  // the rectangle or its border: moves it
}

void CropTracker::beginDrag(Handle handle, int x, int y) {
    dragHandle_ = handle;
    dragStartX_ = x;
    dragStartY_ = y;
    dragStartRect_ = rect_;
}

void CropTracker::endDrag() {
    dragHandle_ = Handle::None;
}

void CropTracker::moveTo(int x, int y) {
    if (dragHandle_ == Handle::None) return;
    const int dx = x - dragStartX_;
    const int dy = y - dragStartY_;
    Rect r = dragStartRect_;
    if (dragHandle_ == Handle::Inside) {
        // Moves keep the size; the rectangle stops at the margins.
        const int w = r.width(), h = r.height();
        r.left = std::clamp(r.left + dx, minX(), std::max(minX(), maxX() - w));
        r.top = std::clamp(r.top + dy, minY(), std::max(minY(), maxY() - h));
        r.right = r.left + w;
        r.bottom = r.top + h;
        keepInside(r);
        rect_ = r;
        return;
    }
    if (movesLeft(dragHandle_))
        r.left = std::clamp(r.left + dx, minX(), std::max(minX(), r.right - minWidth_));
    if (movesRight(dragHandle_))
        r.right = std::clamp(r.right + dx, std::min(maxX(), r.left + minWidth_), maxX());
    if (movesTop(dragHandle_))
        r.top = std::clamp(r.top + dy, minY(), std::max(minY(), r.bottom - minHeight_));
    if (movesBottom(dragHandle_))
        r.bottom = std::clamp(r.bottom + dy, std::min(maxY(), r.top + minHeight_), maxY());
    keepInside(r);
    rect_ = r;
    applyRules(dragHandle_);
}

void CropTracker::applyRules(Handle handle) {
    if (!ratio_) return;
    const double ratio = *ratio_;
    Rect& r = rect_;
    switch (handle) {
        case Handle::Top:
        case Handle::Bottom:
        case Handle::TopRight:
        case Handle::BottomRight:
            r.right = r.left + truncated(ratio * r.height());
            break;
        case Handle::Left:
        case Handle::Right:
            r.bottom = r.top + truncated(r.width() / ratio);
            break;
        case Handle::TopLeft:
        case Handle::BottomLeft:
            r.left = r.right - truncated(ratio * r.height());
            break;
        default:
            return;
    }
    // Cut at the margins, keeping the ratio: a cut side recomputes the
    // height (from the top for the top handles), a cut bottom the width.
    auto heightFromWidth = [&] {
        const int h = truncated(r.width() / ratio);
        if (movesTop(handle))
            r.top = r.bottom - h;
        else
            r.bottom = r.top + h;
    };
    if (r.right > maxX()) {
        r.right = maxX();
        heightFromWidth();
    }
    if (r.left < minX()) {
        r.left = minX();
        heightFromWidth();
    }
    if (r.bottom > maxY()) {
        r.bottom = maxY();
        r.right = r.left + truncated(ratio * r.height());
    }
    keepInside(r);
}

}  // namespace turnpixa
