#pragma once
#include <optional>
#include <string>

#include "image/Rect.h"

namespace turnpixa {

// The geometry of the rubber-band crop rectangle on the size page's preview:
// kept inside the preview with a 1-pixel margin, at least a minimum size,
// optionally locked to a width / height ratio. Drawing and mouse capture
// belong to the page.
class CropTracker {
public:
    enum class Handle {
        None,
        TopLeft,
        Top,
        TopRight,
        Right,
        BottomRight,
        Bottom,
        BottomLeft,
        Left,
        Inside
    };
    static constexpr int kHandleSize = 10;

    // Covers the middle half of the preview.
    CropTracker(int previewWidth, int previewHeight);
    CropTracker(int previewWidth, int previewHeight, const Rect& rect);

    const Rect& rect() const { return rect_; }
    void setRect(const Rect& rect);
    // Ratio = width / height, or none for a free aspect. Re-applies the rules.
    void setRatio(std::optional<double> ratio);
    std::optional<double> ratio() const { return ratio_; }
    void setMinimumSize(int width, int height);

    // Which handle (or the inside) a point hits; None when it misses.
    Handle hitTest(int x, int y) const;
    // Starts a drag of `handle` at (x, y); moveTo follows the mouse.
    void beginDrag(Handle handle, int x, int y);
    void moveTo(int x, int y);
    void endDrag();
    bool dragging() const { return dragHandle_ != Handle::None; }

    // "%d,%d (%d x %d)": left, top, width and height of the outer rectangle
    // (border and handles included), in preview pixels.
    std::string label() const;
    Rect outerRect() const;

private:
    void applyRules(Handle handle);
    // The margins: one pixel in from every side of the preview.
    int minX() const;
    int maxX() const;
    int minY() const;
    int maxY() const;
    void keepInside(Rect& r) const;

    int previewWidth_;
    int previewHeight_;
    Rect rect_;
    std::optional<double> ratio_;
    int minWidth_ = 2 * kHandleSize;
    int minHeight_ = 2 * kHandleSize;
    Handle dragHandle_ = Handle::None;
    int dragStartX_ = 0;
    int dragStartY_ = 0;
    Rect dragStartRect_;
};

}  // namespace turnpixa
