#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ImageFormats.h"
#include "ImageReport.h"
#include "Stretch.h"

namespace turnpixa {

namespace {

enum class Format { Unknown, Bmp, Png, Gif, Tiff, Jpeg, WebP };

// What the first bytes say the file is, so that a refusal by its own reader
// reads "damaged" rather than "not a picture".
Format sniff(BufferedFile& file, std::int64_t start) {
    unsigned char head[104] = {};
    const std::size_t n = file.read(head, sizeof head);
    file.seek(start, SEEK_SET);
    auto starts = [&](const char* magic, std::size_t length) {
        return n >= length && std::memcmp(head, magic, length) == 0;
    };
    if (starts("BM", 2)) return Format::Bmp;
    if (starts("\x89PNG\r\n\x1A\n", 8)) return Format::Png;
    if (starts("GIF87a", 6) || starts("GIF89a", 6)) return Format::Gif;
    if (starts("II*\0", 4) || starts("MM\0*", 4)) return Format::Tiff;
    if (starts("RIFF", 4) && n >= 12 && std::memcmp(head + 8, "WEBP", 4) == 0) return Format::WebP;
    for (std::size_t i = 0; i + 3 <= n && i < 100; ++i)  // the JPEG reader's own search
        if (head[i] == 0xFF && head[i + 1] == 0xD8 && head[i + 2] == 0xFF) return Format::Jpeg;
    return Format::Unknown;
}

const char* formatName(Format f) {
    switch (f) {
        case Format::Bmp:
            return "BMP";
        case Format::Png:
            return "PNG";
        case Format::Gif:
            return "GIF";
        case Format::Tiff:
            return "TIFF";
        case Format::Jpeg:
            return "JPEG";
        case Format::WebP:
            return "WebP";
        case Format::Unknown:
            break;
    }
    return "";
}

// What the file's own reader said when it refused it.
struct Refusal {
    std::string message;
    std::int64_t width = 0, height = 0;  // set when refused for its size
};

std::string describe(Format format, const Refusal& refused) {
    if (refused.width > 0) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "too large: %lld x %lld pixels (photos of up to %lld million pixels are "
                      "taken)",
                      static_cast<long long>(refused.width), static_cast<long long>(refused.height),
                      static_cast<long long>(RasterImage::kMaxPixels / 1000000));
        return text;
    }
    if (format == Format::Unknown)
        return "not a picture in a known format (BMP, PNG, GIF, TIFF, JPEG or WebP)";
    std::string text = std::string("a damaged ") + formatName(format) + " file";
    if (!refused.message.empty()) text += " (" + refused.message + ")";
    return text;
}

// Tries the readers in the documented order, WebP last; a JPEG is decoded at the
// chosen scale when there is a choice, any other picture whole.
bool tryEach(BufferedFile& file, const std::string& fileName, RasterImage& image,
             std::int64_t start, const ScaleChoice* choose, PictureScale& scale,
             ReportCapture* capture, Format format, Refusal* refused) {
    using Reader = bool (*)(BufferedFile&, RasterImage&, const std::string&);
    const struct {
        Format format;
        Reader read;
    } readers[] = {
        {Format::Bmp,
         [](BufferedFile& f, RasterImage& i, const std::string&) { return readBmp(f, i); }},
        {Format::Png,
         [](BufferedFile& f, RasterImage& i, const std::string&) { return readPng(f, i); }},
        {Format::Gif,
         [](BufferedFile& f, RasterImage& i, const std::string&) { return readGif(f, i); }},
        {Format::Tiff, readTiff},
    };
    scale = PictureScale{};
    for (const auto& r : readers) {
        if (capture) capture->clear();
        if (file.seek(start, SEEK_SET) && r.read(file, image, fileName)) {
            scale.fullWidth = image.width();
            scale.fullHeight = image.height();
            return true;
        }
        // The refusal that explains the file is its own reader's.
        if (capture && refused && r.format == format)
            *refused = {capture->first(), capture->refusedWidth(), capture->refusedHeight()};
    }
    if (capture) capture->clear();
    if (file.seek(start, SEEK_SET) &&
        (choose ? readJpegScaled(file, image, *choose, scale) : readJpeg(file, image))) {
        if (!choose) {
            scale.fullWidth = image.width();
            scale.fullHeight = image.height();
        }
        return true;
    }
    if (capture && refused && format == Format::Jpeg)
        *refused = {capture->first(), capture->refusedWidth(), capture->refusedHeight()};
    if (capture) capture->clear();
    if (file.seek(start, SEEK_SET) && readWebp(file, image)) {
        scale.fullWidth = image.width();
        scale.fullHeight = image.height();
        return true;
    }
    if (capture && refused && format == Format::WebP)
        *refused = {capture->first(), capture->refusedWidth(), capture->refusedHeight()};
    return false;
}

// Loads from an open file; notes, when given, gather the readers' messages.
bool loadWithNotes(BufferedFile& file, const std::string& fileName, const ScaleChoice* choose,
                   RasterImage& image, PictureScale& scale, LoadNotes* notes) {
    image.clear();
    if (notes) *notes = {};
    const std::int64_t start = file.position();
    if (start < 0) {
        if (notes) notes->reason = "could not be read";
        return false;
    }
    const Format format = sniff(file, start);
    bool loaded = false;
    if (!notes) {
        loaded = tryEach(file, fileName, image, start, choose, scale, nullptr, format, nullptr);
    } else {
        ReportCapture capture;
        Refusal refused;
        loaded = tryEach(file, fileName, image, start, choose, scale, &capture, format, &refused);
        if (loaded)
            notes->damage = capture.first();
        else
            notes->reason = describe(format, refused);
    }
    if (!loaded) image.clear();
    return loaded;
}

bool openAndLoad(const std::string& path, const ScaleChoice* choose, RasterImage& image,
                 PictureScale& scale, std::string* reason, std::string* damage) {
    image.clear();
    if (reason) reason->clear();
    if (damage) damage->clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        if (reason) *reason = "a folder, not a photo";
        return false;
    }
    BufferedFile file(BufferedFile::kDefaultBufferSize);
    if (!file.open(path, BufferedFile::Mode::Read)) {
        if (reason) *reason = "could not be read (" + file.error() + ")";
        return false;
    }
    LoadNotes notes;
    if (!loadWithNotes(file, path, choose, image, scale, &notes)) {
        if (reason) *reason = notes.reason;
        return false;
    }
    if (damage)
        *damage = notes.damage;
    else if (!notes.damage.empty())
        report("Damaged photo", path + " was loaded only in part: " + notes.damage);
    return true;
}

}  // namespace

bool loadPhoto(BufferedFile& file, const std::string& fileName, RasterImage& image,
               LoadNotes* notes) {
    PictureScale scale;
    return loadWithNotes(file, fileName, nullptr, image, scale, notes);
}

bool loadPhotoFile(const std::string& path, RasterImage& image, std::string* reason,
                   std::string* damage) {
    PictureScale scale;
    return openAndLoad(path, nullptr, image, scale, reason, damage);
}

bool loadPhotoFileScaled(const std::string& path, const ScaleChoice& choose, RasterImage& image,
                         PictureScale& scale, std::string* reason, std::string* damage) {
    if (!openAndLoad(path, &choose, image, scale, reason, damage)) return false;
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
