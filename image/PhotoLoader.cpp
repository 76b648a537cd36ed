#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ImageFormats.h"
#include "ImageReport.h"

namespace turnpixa {

namespace {

enum class Format { Unknown, Bmp, Png, Gif, Tiff, Jpeg };

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
        return "not a picture in a known format (BMP, PNG, GIF, TIFF or JPEG)";
    std::string text = std::string("a damaged ") + formatName(format) + " file";
    if (!refused.message.empty()) text += " (" + refused.message + ")";
    return text;
}

bool tryEach(BufferedFile& file, const std::string& fileName, RasterImage& image,
             std::int64_t start, ReportCapture* capture, Format format, Refusal* refused) {
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
        {Format::Jpeg,
         [](BufferedFile& f, RasterImage& i, const std::string&) { return readJpeg(f, i); }},
    };
    for (const auto& r : readers) {
        if (capture) capture->clear();
        if (file.seek(start, SEEK_SET) && r.read(file, image, fileName)) return true;
        // The refusal that explains the file is its own reader's.
        if (capture && refused && r.format == format)
            *refused = {capture->first(), capture->refusedWidth(), capture->refusedHeight()};
    }
    return false;
}

}  // namespace

bool loadPhoto(BufferedFile& file, const std::string& fileName, RasterImage& image,
               LoadNotes* notes) {
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
        loaded = tryEach(file, fileName, image, start, nullptr, format, nullptr);
    } else {
        ReportCapture capture;
        Refusal refused;
        loaded = tryEach(file, fileName, image, start, &capture, format, &refused);
        if (loaded)
            notes->damage = capture.first();
        else
            notes->reason = describe(format, refused);
    }
    if (!loaded) image.clear();
    return loaded;
}

bool loadPhotoFile(const std::string& path, RasterImage& image, std::string* reason,
                   std::string* damage) {
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
    if (!loadPhoto(file, path, image, &notes)) {
        if (reason) *reason = notes.reason;
        return false;
    }
    if (damage)
        *damage = notes.damage;
    else if (!notes.damage.empty())
        report("Damaged photo", path + " was loaded only in part: " + notes.damage);
    return true;
}

}  // namespace turnpixa
