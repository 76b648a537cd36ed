#include <cstdio>

#include "ImageFormats.h"
#include "Stretch.h"

namespace turnpixa {

namespace {

// Tries the readers in the documented order; a JPEG is decoded at the
// chosen scale, any other picture whole.
bool loadAny(BufferedFile& file, const std::string& fileName, const ScaleChoice* choose,
             RasterImage& image, PictureScale& scale) {
    image.clear();
    scale = PictureScale{};
    const std::int64_t start = file.position();
    if (start < 0) return false;
    const bool whole = readBmp(file, image) ||
                       (file.seek(start, SEEK_SET) && readPng(file, image)) ||
                       (file.seek(start, SEEK_SET) && readGif(file, image)) ||
                       (file.seek(start, SEEK_SET) && readTiff(file, image, fileName));
    if (whole) {
        scale.fullWidth = image.width();
        scale.fullHeight = image.height();
        return true;
    }
    const bool jpeg =
        file.seek(start, SEEK_SET) &&
        (choose ? readJpegScaled(file, image, *choose, scale) : readJpeg(file, image));
    if (jpeg && !choose) {
        scale.fullWidth = image.width();
        scale.fullHeight = image.height();
    }
    if (!jpeg) image.clear();
    return jpeg;
}

bool openAndLoad(const std::string& path, const ScaleChoice* choose, RasterImage& image,
                 PictureScale& scale, std::string* reason) {
    image.clear();
    BufferedFile file(BufferedFile::kDefaultBufferSize);
    if (!file.open(path, BufferedFile::Mode::Read)) {
        if (reason) *reason = file.error().empty() ? "cannot open the file" : file.error();
        return false;
    }
    if (!loadAny(file, path, choose, image, scale)) {
        if (reason) *reason = "not a picture in a known format (BMP, PNG, GIF, TIFF or JPEG)";
        return false;
    }
    if (reason) reason->clear();
    return true;
}

}  // namespace

bool loadPhoto(BufferedFile& file, const std::string& fileName, RasterImage& image) {
    PictureScale scale;
    return loadAny(file, fileName, nullptr, image, scale);
}

bool loadPhotoFile(const std::string& path, RasterImage& image, std::string* reason) {
    PictureScale scale;
    return openAndLoad(path, nullptr, image, scale, reason);
}

bool loadPhotoFileScaled(const std::string& path, const ScaleChoice& choose, RasterImage& image,
                         PictureScale& scale, std::string* reason) {
    if (!openAndLoad(path, &choose, image, scale, reason)) return false;
    if (scale.eighths != 8) return true;  // a JPEG decoded at its scale
    const int eighths = choose ? choose(scale.fullWidth, scale.fullHeight) : 8;
    if (eighths < 1 || eighths >= 8) return true;
    RasterImage reduced;
    if (!reduceToEighths(image, eighths, reduced)) {
        if (reason) *reason = "not enough memory to hold the picture";
        image.clear();
        return false;
    }
    image = std::move(reduced);
    scale.eighths = eighths;
    return true;
}

}  // namespace turnpixa
