#pragma once
#include <optional>
#include <string_view>

#include "ProcessingSettings.h"
#include "image/Rect.h"

namespace turnpixa {

// What the size page's crop button needs to know of the current photo.
struct CropPhoto {
    int width = 1;  // source pixels
    int height = 1;
    double sourceScale = 1.0;  // source pixels per output pixel (cached settings)
};

// "Apply Crop": the rectangle drawn on the displayed (rotated) frame, in
// preview pixels, becomes the output size and, with a photo, the crop in
// the photo's own pixels. Without a photo only the size changes.
ProcessingSettings appliedCrop(ProcessingSettings settings, const Rect& drawn,
                               const CropPhoto* photo);

// "Undo Crop": crop off and a 400 pixel wide output of the whole photo;
// without a photo the size stays.
ProcessingSettings undoneCrop(ProcessingSettings settings, const CropPhoto* photo);

// A drag of (dx, dy) pointer pixels over the displayed frame while panning,
// as a move of the crop in the photo's own pixels: the picture follows the
// pointer, and `crop` moved by it stays inside the photo.
struct PanStep {
    int dx = 0;
    int dy = 0;
};
PanStep panStep(int dx, int dy, int rotation, double scale, const Rect& crop, int photoWidth,
                int photoHeight);

// Entries of the aspect list such as "10:15" or "1.5:1" as width / height,
// read the same in every language; none for "Manual" or a bad entry.
std::optional<double> aspectRatioOf(std::string_view entry);

// A whole number as typed into a field, blanks round it allowed; none for
// anything else.
std::optional<long long> typedInteger(std::string_view text);

}  // namespace turnpixa
