#pragma once
#include <string>
#include <vector>

#include "ProcessingSettings.h"
#include "image/RasterImage.h"

namespace turnpixa {

// The frames of a spin, as whoever writes them needs them: how many, and
// the frame at each position in spin order (position 0 is the start frame
// of one row).
class FrameSource {
public:
    virtual ~FrameSource() = default;
    virtual int frameCount() const = 0;
    // The frame at a position, rendered when needed and owned by the source;
    // null when it cannot be rendered.
    virtual const RasterImage* frameAt(int position) = 0;
    // Names the photo behind a position in messages: "photo 3 (shoe.jpg)".
    virtual std::string frameLabel(int position) const = 0;
    // The settings the frames are rendered with.
    virtual const ProcessingSettings& settings() const = 0;
    // The frame size the page announces, after rotation.
    virtual FrameSize shownSize() const = 0;
    // Frames shot in rows at several camera heights: how many rows (the
    // positions run row by row, each row the same length), and the position
    // the viewer shows first, which picks its start row.
    virtual int rows() const { return 1; }
    virtual int startFrame() const { return 0; }

    // Large frames, made one at a time from the photos themselves.
    // The widest frame, as shown, the photo behind a position gives without
    // enlarging it; 0 when it cannot give one at all.
    virtual int largestShownWidth(int /*position*/) const { return 0; }
    // The frame at a position rendered anew with other settings (a larger
    // size), logo included, into frame; the source is not kept. False with a
    // reason.
    virtual bool renderLarge(int /*position*/, const ProcessingSettings& /*settings*/,
                             RasterImage& /*frame*/, std::string& reason) {
        reason = "large frames cannot be made from these frames";
        return false;
    }
    // The same without the spin logo, for frames that leave the program's
    // own pages (shops take no marks on their pictures).
    virtual bool renderWithoutLogo(int /*position*/, const ProcessingSettings& /*settings*/,
                                   RasterImage& /*frame*/, std::string& reason) {
        reason = "frames cannot be made anew from these frames";
        return false;
    }
};

// The positions of one turn of the spin: the row the viewer starts in (every
// position with one row), from that row's first position on.
struct TurnPositions {
    int first = 0;
    int count = 0;
};
TurnPositions startTurn(const FrameSource& frames);

// Photo indexes (0-based) in spin order: from the start image (1-based)
// onwards, backwards when the spin is reversed.
std::vector<int> spinOrder(int photoCount, int startImage, bool reverseSpin);

}  // namespace turnpixa
