// libwebp adapter: frames are encoded in memory and written in one piece;
// photos are read whole into memory, checked for size and decoded there.
#include <webp/decode.h>
#include <webp/encode.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "ImageFormats.h"
#include "ImageReport.h"

namespace turnpixa {

namespace {

constexpr const char* kWebpErrorTitle = "WebP Library Error";
// Larger than any WebP a size this program accepts can need.
constexpr std::size_t kMaxFileBytes = std::size_t{512} << 20;

struct PictureDeleter {
    void operator()(WebPPicture* p) const {
        WebPPictureFree(p);
        delete p;
    }
};

int writeToVector(const std::uint8_t* data, std::size_t size, const WebPPicture* picture) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(picture->custom_ptr);
    out->insert(out->end(), data, data + size);
    return 1;
}

// Top-down RGB(A) rows as libwebp imports them.
std::vector<std::uint8_t> interleaved(const RasterImage& image, bool withAlpha) {
    const int w = image.width();
    const int h = image.height();
    const int channels = withAlpha ? 4 : 3;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(w) * h * channels);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(w) * 4);
    for (int y = 0; y < h; ++y) {
        image.getRow(y, row.data());
        std::uint8_t* o = out.data() + static_cast<std::size_t>(y) * w * channels;
        const std::uint8_t* a =
            withAlpha ? image.alpha().data() + static_cast<std::size_t>(y) * w : nullptr;
        for (int x = 0; x < w; ++x) {
            o[0] = row[x * 4];
            o[1] = row[x * 4 + 1];
            o[2] = row[x * 4 + 2];
            if (a) o[3] = a[x];
            o += channels;
        }
    }
    return out;
}

bool readWhole(BufferedFile& file, std::vector<std::uint8_t>& data) {
    std::uint8_t chunk[65536];
    for (;;) {
        const std::size_t n = file.read(chunk, sizeof chunk);
        if (n == 0) return true;
        if (data.size() + n > kMaxFileBytes) return false;
        data.insert(data.end(), chunk, chunk + n);
    }
}

}  // namespace

bool writeWebp(const RasterImage& image, BufferedFile& file, int quality) {
    if (image.empty()) {
        report(kWebpErrorTitle, "No image to write");
        return false;
    }
    WebPConfig config;
    if (!WebPConfigInit(&config)) {
        report(kWebpErrorTitle, "library version mismatch");
        return false;
    }
    config.quality = static_cast<float>(quality);
    config.method = 4;
    std::unique_ptr<WebPPicture, PictureDeleter> picture(new WebPPicture);
    if (!WebPPictureInit(picture.get())) return false;
    picture->use_argb = 0;
    picture->width = image.width();
    picture->height = image.height();
    const bool withAlpha =
        image.hasAlpha() &&
        image.alpha().size() == static_cast<std::size_t>(image.width()) * image.height();
    const std::vector<std::uint8_t> pixels = interleaved(image, withAlpha);
    const int ok = withAlpha
                       ? WebPPictureImportRGBA(picture.get(), pixels.data(), image.width() * 4)
                       : WebPPictureImportRGB(picture.get(), pixels.data(), image.width() * 3);
    if (!ok) {
        report(kWebpErrorTitle, "not enough memory to encode the frame");
        return false;
    }
    std::vector<std::uint8_t> encoded;
    picture->writer = writeToVector;
    picture->custom_ptr = &encoded;
    if (!WebPEncode(&config, picture.get())) {
        report(kWebpErrorTitle, "the frame could not be encoded (error " +
                                    std::to_string(static_cast<int>(picture->error_code)) + ")");
        return false;
    }
    if (!file.write(encoded.data(), encoded.size()) || !file.flush()) {
        report(kWebpErrorTitle, file.error());
        return false;
    }
    return true;
}

bool readWebp(BufferedFile& file, RasterImage& image) {
    image.clear();
    std::uint8_t head[12] = {};
    if (file.read(head, sizeof head) != sizeof head || std::memcmp(head, "RIFF", 4) != 0 ||
        std::memcmp(head + 8, "WEBP", 4) != 0)
        return false;
    std::vector<std::uint8_t> data(head, head + sizeof head);
    if (!readWhole(file, data)) {
        noteRefusal("the file is larger than any photo this program takes");
        return false;
    }
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(data.data(), data.size(), &features) != VP8_STATUS_OK) {
        noteRefusal("its header cannot be read");
        return false;
    }
    if (features.has_animation) {
        noteRefusal("an animated WebP; only still pictures are taken");
        return false;
    }
    if (!RasterImage::sizeAllowed(features.width, features.height)) {
        noteTooLarge(features.width, features.height);
        return false;
    }
    const int w = features.width;
    const int h = features.height;
    std::vector<std::uint8_t> rgba;
    try {
        rgba.resize(static_cast<std::size_t>(w) * h * 4);
    } catch (const std::bad_alloc&) {
        noteRefusal("not enough memory to hold the picture");
        return false;
    }
    if (!WebPDecodeRGBAInto(data.data(), data.size(), rgba.data(), rgba.size(), w * 4)) {
        noteRefusal("its picture data are damaged");
        return false;
    }
    data.clear();
    data.shrink_to_fit();
    if (!image.create(w, h, 24)) {
        noteRefusal("not enough memory to hold the picture");
        return false;
    }
    // Transparent parts are shown on white, as a PNG's are.
    std::vector<std::uint8_t> row(static_cast<std::size_t>(w) * 4);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* p = rgba.data() + static_cast<std::size_t>(y) * w * 4;
        for (int x = 0; x < w; ++x, p += 4) {
            const int a = p[3];
            for (int c = 0; c < 3; ++c)
                row[x * 4 + c] =
                    static_cast<std::uint8_t>((p[c] * a + 255 * (255 - a) + 127) / 255);
            row[x * 4 + 3] = 0;
        }
        image.putRow(y, row.data());
    }
    return true;
}

}  // namespace turnpixa
