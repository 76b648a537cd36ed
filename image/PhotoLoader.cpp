#include <cstdio>

#include "ImageFormats.h"

namespace turnpixa {

bool loadPhoto(BufferedFile& file, const std::string& fileName, RasterImage& image) {
    image.clear();
    const std::int64_t start = file.position();
    if (start < 0) return false;
    if (readBmp(file, image)) return true;
    if (file.seek(start, SEEK_SET) && readPng(file, image)) return true;
    if (file.seek(start, SEEK_SET) && readGif(file, image)) return true;
    if (file.seek(start, SEEK_SET) && readTiff(file, image, fileName)) return true;
    if (file.seek(start, SEEK_SET) && readJpeg(file, image)) return true;
    image.clear();
    return false;
}

bool loadPhotoFile(const std::string& path, RasterImage& image, std::string* reason) {
    image.clear();
    BufferedFile file(BufferedFile::kDefaultBufferSize);
    if (!file.open(path, BufferedFile::Mode::Read)) {
        if (reason) *reason = file.error().empty() ? "cannot open the file" : file.error();
        return false;
    }
    if (!loadPhoto(file, path, image)) {
        if (reason) *reason = "not a picture in a known format (BMP, PNG, GIF, TIFF or JPEG)";
        return false;
    }
    if (reason) reason->clear();
    return true;
}

}  // namespace turnpixa
