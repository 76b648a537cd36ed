#pragma once

namespace turnpixa {

// The file format of an output set's frames and still image.
enum class FrameFormat { Jpeg, Png, WebP };

// The file name extension without its dot: "jpg", "png" or "webp".
inline const char* frameExtension(FrameFormat format) {
    switch (format) {
        case FrameFormat::Png:
            return "png";
        case FrameFormat::WebP:
            return "webp";
        case FrameFormat::Jpeg:
            break;
    }
    return "jpg";
}

// Whether frames of the format can carry an alpha channel.
inline bool carriesAlpha(FrameFormat format) {
    return format != FrameFormat::Jpeg;
}

}  // namespace turnpixa
