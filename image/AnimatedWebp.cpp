// Animated WebP through libwebp's animation encoder (libwebpmux).
#include <webp/encode.h>
#include <webp/mux.h>

#include "AnimationEncoder.h"
#include "AnimationEncoderParts.h"

namespace turnpixa {

namespace {

class WebpEncoder : public AnimationEncoder {
public:
    WebpEncoder(int width, int height, int frameMs, int quality)
        : width_(width), height_(height), frameMs_(frameMs), quality_(quality) {
        WebPAnimEncoderOptions options;
        if (!WebPAnimEncoderOptionsInit(&options)) return;
        options.anim_params.loop_count = 0;  // for ever
        options.anim_params.bgcolor = 0xFFFFFFFF;
        encoder_ = WebPAnimEncoderNew(width, height, &options);
    }
    ~WebpEncoder() override {
        if (encoder_) WebPAnimEncoderDelete(encoder_);
    }
    WebpEncoder(const WebpEncoder&) = delete;
    WebpEncoder& operator=(const WebpEncoder&) = delete;

    bool add(const RasterImage& frame, std::string& reason) override {
        if (!animation::checkFrame(frame, width_, height_, failed_, reason)) return false;
        if (!start(reason)) return false;
        WebPConfig config;
        WebPPicture picture;
        if (!WebPConfigInit(&config) || !WebPPictureInit(&picture)) {
            reason = "libwebp: library version mismatch";
            failed_ = true;
            return false;
        }
        config.quality = static_cast<float>(quality_);
        config.method = 4;
        picture.use_argb = 1;
        picture.width = width_;
        picture.height = height_;
        const std::vector<std::uint8_t> rgba = rgbaPixels(frame);
        bool ok = WebPPictureImportRGBA(&picture, rgba.data(), width_ * 4) != 0;
        ok = ok && WebPAnimEncoderAdd(encoder_, &picture, timestamp_, &config) != 0;
        WebPPictureFree(&picture);
        if (!ok) {
            reason = failure();
            failed_ = true;
            return false;
        }
        timestamp_ += frameMs_;
        ++frames_;
        return true;
    }

    bool finish(std::vector<std::uint8_t>& file, std::string& reason) override {
        file.clear();
        if (failed_ || frames_ == 0) {
            reason = failed_ ? "an earlier frame failed" : "there are no frames";
            return false;
        }
        WebPData data;
        WebPDataInit(&data);
        // The end time gives the last frame its duration.
        const bool ok = WebPAnimEncoderAdd(encoder_, nullptr, timestamp_, nullptr) != 0 &&
                        WebPAnimEncoderAssemble(encoder_, &data) != 0;
        if (ok)
            file.assign(data.bytes, data.bytes + data.size);
        else
            reason = failure();
        WebPDataClear(&data);
        failed_ = true;  // assembled: nothing more can be added
        return ok;
    }

private:
    bool start(std::string& reason) {
        if (encoder_) return true;
        reason = "libwebp: the animation encoder could not start";
        failed_ = true;
        return false;
    }
    std::string failure() const {
        const char* text = encoder_ ? WebPAnimEncoderGetError(encoder_) : nullptr;
        return std::string("libwebp: ") +
               (text && *text ? text : "the animation could not be encoded");
    }

    int width_, height_, frameMs_, quality_;
    WebPAnimEncoder* encoder_ = nullptr;
    int timestamp_ = 0;
    int frames_ = 0;
    bool failed_ = false;
};

}  // namespace

std::unique_ptr<AnimationEncoder> animation::makeWebpEncoder(int width, int height, int frameMs,
                                                             int quality) {
    return std::make_unique<WebpEncoder>(width, height, frameMs, quality);
}

}  // namespace turnpixa
