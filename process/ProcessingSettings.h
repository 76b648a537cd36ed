#pragma once
#include "image/PackedColour.h"
#include "image/Rect.h"

namespace turnpixa {

struct FrameSize {
    int width = 0;
    int height = 0;
    bool operator==(const FrameSize&) const = default;
};

// The project's render options. One record belongs to the project and is
// edited by the pages; every photo keeps a copy of the settings its cached
// output was made with.
struct ProcessingSettings {
    int outputWidth = 400;  // before rotation
    int outputHeight = 0;   // before rotation; 0 = not derived yet
    Rect crop;              // source pixels
    bool cropOn = false;
    int rotation = 0;        // quarter turns clockwise, 0..3; change through setRotation
    double lightness = 1.0;  // gamma; the photo's own offset is added
    int frameWidth = 0;      // soft-edge frame; 0 = none
    PackedColour frameColour = kWhite;
    int startImage = 0;      // copy of the project's start image
    bool logoStale = false;  // not compared: forces a new render
    bool quick = false;      // fast stretch, no colour steps, no logo
    bool removalOn = false;
    int removalStrength = 60;
    PackedColour replacementColour = kWhite;
    // The removed background becomes transparent instead of the
    // replacement colour (PNG and WebP frames carry it as alpha).
    bool transparentBackground = false;

    // n modulo 4, a negative remainder lifted into 0..3.
    void setRotation(int n);
    // The frame as the viewer shows it: width and height exchanged by a
    // quarter turn.
    FrameSize shownSize() const;
    // Sets the output size from a size as shown.
    void setShownSize(FrameSize shown);

    // The cache test: crop only when crop is on, strength, replacement
    // colour and transparency only when removal is on; the logo stale flag
    // never.
    bool operator==(const ProcessingSettings& other) const;
    // Whether rendered frames carry an alpha plane.
    bool transparent() const { return removalOn && transparentBackground; }
};

}  // namespace turnpixa
