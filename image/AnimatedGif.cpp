// Animated GIF: libimagequant makes the palette and dithers, giflib writes.
#include <gif_lib.h>
#include <libimagequant.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "AnimationEncoder.h"
#include "AnimationEncoderParts.h"

namespace turnpixa {

namespace {

// The index no palette colour takes: pixels that stay as the frame before
// showed them, or that are clear.
constexpr int kClearIndex = 255;

struct Liq {
    liq_attr* attr = liq_attr_create();
    liq_histogram* histogram = nullptr;
    liq_result* result = nullptr;
    ~Liq() {
        if (result) liq_result_destroy(result);
        if (histogram) liq_histogram_destroy(histogram);
        if (attr) liq_attr_destroy(attr);
    }
};

struct LiqImage {
    liq_image* image;
    ~LiqImage() {
        if (image) liq_image_destroy(image);
    }
};

std::string gifError(int code) {
    const char* text = GifErrorString(code);
    return std::string("giflib: ") + (text ? text : "error " + std::to_string(code));
}

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

// The part of a frame that differs from the one before it.
struct Box {
    int left = 0, top = 0, width = 0, height = 0;
};

Box changedBox(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& now,
               int width, int height) {
    int left = width, right = -1, top = height, bottom = -1;
    const auto* a = reinterpret_cast<const std::uint32_t*>(before.data());
    const auto* b = reinterpret_cast<const std::uint32_t*>(now.data());
    for (int y = 0; y < height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            if (a[row + x] == b[row + x]) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {0, 0, 1, 1};  // the same picture: one clear pixel
    return {left, top, right - left + 1, bottom - top + 1};
}

class GifEncoder : public AnimationEncoder {
public:
    GifEncoder(int width, int height, int frameMs)
        : width_(width), height_(height), delay_(std::max(2, (frameMs + 5) / 10)) {}

    bool add(const RasterImage& frame, std::string& reason) override {
        if (!animation::checkFrame(frame, width_, height_, failed_, reason)) return false;
        std::vector<std::uint8_t> rgba = rgbaPixels(frame);
        if (frame.hasAlpha()) {
            alpha_ = true;
            // GIF has clear and opaque only.
            for (std::size_t i = 0; i < rgba.size(); i += 4) {
                if (rgba[i + 3] >= 128) {
                    rgba[i + 3] = 255;
                } else {
                    std::memset(&rgba[i], 0, 4);
                }
            }
        }
        frames_.push_back(std::move(rgba));
        return true;
    }

    bool finish(std::vector<std::uint8_t>& file, std::string& reason) override {
        file.clear();
        if (failed_ || frames_.empty()) {
            reason = failed_ ? "an earlier frame failed" : "there are no frames";
            return false;
        }
        Liq liq;
        if (!liq.attr || liq_set_max_colors(liq.attr, kClearIndex) != LIQ_OK ||
            !(liq.histogram = liq_histogram_create(liq.attr))) {
            reason = "the colour quantiser could not start";
            return false;
        }
        for (const auto& rgba : frames_) {
            LiqImage image{liq_image_create_rgba(liq.attr, rgba.data(), width_, height_, 0)};
            if (!image.image ||
                liq_histogram_add_image(liq.histogram, liq.attr, image.image) != LIQ_OK) {
                reason = "the colour quantiser could not read a frame";
                return false;
            }
        }
        if (liq_histogram_quantize(liq.histogram, liq.attr, &liq.result) != LIQ_OK ||
            liq_set_dithering_level(liq.result, 1.0f) != LIQ_OK) {
            reason = "the colour quantiser found no palette";
            return false;
        }

        int error = 0;
        GifFileType* gif = EGifOpen(&file, appendBytes, &error);
        if (!gif) {
            reason = gifError(error);
            return false;
        }
        EGifSetGifVersion(gif, true);
        bool ok = EGifPutScreenDesc(gif, width_, height_, 8, 0, nullptr) == GIF_OK;
        // NETSCAPE2.0, loop count 0: for ever.
        static const GifByteType kLoop[3] = {1, 0, 0};
        ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
             EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK &&
             EGifPutExtensionBlock(gif, 3, kLoop) == GIF_OK &&
             EGifPutExtensionTrailer(gif) == GIF_OK;

        std::vector<std::uint8_t> indexes(static_cast<std::size_t>(width_) * height_);
        std::vector<GifPixelType> box;
        for (std::size_t k = 0; ok && k < frames_.size(); ++k) {
            LiqImage image{liq_image_create_rgba(liq.attr, frames_[k].data(), width_, height_, 0)};
            ok = image.image && liq_write_remapped_image(liq.result, image.image, indexes.data(),
                                                         indexes.size()) == LIQ_OK;
            if (!ok) {
                reason = "the colour quantiser could not remap a frame";
                break;
            }
            // Remapping tunes the palette to the frame: the frame carries
            // the tuned palette it was remapped to.
            const liq_palette* palette = liq_get_palette(liq.result);
            ColorMapObject* map = GifMakeMapObject(256, nullptr);
            if (!map) {
                reason = "not enough memory for a palette";
                ok = false;
                break;
            }
            for (unsigned i = 0; i < palette->count && i < kClearIndex; ++i) {
                map->Colors[i] = {palette->entries[i].r, palette->entries[i].g,
                                  palette->entries[i].b};
                if (palette->entries[i].a < 128) clearEntries_[i] = true;
            }
            // Opaque frames store the changed part over the frame before;
            // frames with clear parts are whole, on a cleared canvas.
            const Box b = alpha_ || k == 0
                              ? Box{0, 0, width_, height_}
                              : changedBox(frames_[k - 1], frames_[k], width_, height_);
            box.assign(static_cast<std::size_t>(b.width) * b.height, kClearIndex);
            const auto* now = reinterpret_cast<const std::uint32_t*>(frames_[k].data());
            const auto* before =
                k == 0 ? nullptr : reinterpret_cast<const std::uint32_t*>(frames_[k - 1].data());
            for (int y = 0; y < b.height; ++y)
                for (int x = 0; x < b.width; ++x) {
                    const std::size_t at =
                        static_cast<std::size_t>(b.top + y) * width_ + b.left + x;
                    const std::uint8_t index = indexes[at];
                    const bool same = !alpha_ && before && before[at] == now[at];
                    if (!same && !clearEntries_[index])
                        box[static_cast<std::size_t>(y) * b.width + x] = index;
                }
            clearEntries_.fill(false);

            GraphicsControlBlock control{};
            control.DisposalMode = alpha_ ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
            control.DelayTime = delay_;
            control.TransparentColor = kClearIndex;
            GifByteType extension[4];
            EGifGCBToExtension(&control, extension);
            ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK &&
                 EGifPutImageDesc(gif, b.left, b.top, b.width, b.height, false, map) == GIF_OK &&
                 EGifPutLine(gif, box.data(), b.width * b.height) == GIF_OK;
            GifFreeMapObject(map);
            if (!ok) reason = gifError(gif->Error);
        }
        const int written = EGifCloseFile(gif, &error);
        if (ok && written != GIF_OK) {
            reason = gifError(error);
            ok = false;
        }
        frames_.clear();
        if (!ok) file.clear();
        return ok;
    }

private:
    int width_, height_;
    int delay_;  // hundredths of a second
    bool alpha_ = false;
    bool failed_ = false;
    std::vector<std::vector<std::uint8_t>> frames_;
    std::array<bool, 256> clearEntries_{};
};

}  // namespace

std::unique_ptr<AnimationEncoder> animation::makeGifEncoder(int width, int height, int frameMs) {
    return std::make_unique<GifEncoder>(width, height, frameMs);
}

}  // namespace turnpixa
