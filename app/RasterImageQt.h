#pragma once
#include <QImage>

#include "image/RasterImage.h"

namespace turnpixa {

// A copy of the picture as a QImage, for drawing; a null QImage for an
// empty picture. Rows are stored bottom-up here and top-down in QImage.
QImage toQImage(const RasterImage& image);

}  // namespace turnpixa
