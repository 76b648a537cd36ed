#include "SpinAnimation.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>

namespace turnpixa {

std::string animationFileName(AnimationFormat format) {
    return std::string("spin.") + animationExtension(format);
}

std::vector<int> animationOrder(int frameCount, bool otherWay) {
    std::vector<int> order;
    for (int k = 0; k < frameCount; ++k) order.push_back(otherWay && k > 0 ? frameCount - k : k);
    return order;
}

namespace {

// The size the animation's frames have, and the settings that render them
// when that is not the frames' own.
struct Sizing {
    FrameSize size;
    bool render = false;
    ProcessingSettings settings;
};

bool sizing(FrameSource& frames, int width, Sizing& out, std::string& reason,
            std::vector<std::string>* notes) {
    // The size is the one the start frame was rendered at.
    if (!frames.frameAt(0)) {
        reason = frames.frameLabel(0) + ": it could not be rendered";
        return false;
    }
    const FrameSize shown = frames.shownSize();
    if (shown.width <= 0 || shown.height <= 0) {
        reason = "the frames have no size";
        return false;
    }
    out.size = shown;
    if (width <= 0) width = shown.width;
    if (width > kMaxAnimationWidth) {
        if (notes)
            notes->push_back("the animated image is " + std::to_string(kMaxAnimationWidth) +
                             " pixels wide, the most it can be");
        width = kMaxAnimationWidth;
    }
    if (width == shown.width) return true;
    int across = width;
    for (int k = 0; k < frames.frameCount(); ++k) {
        const int largest = frames.largestShownWidth(k);
        if (largest >= width) continue;
        across = std::min(across, std::max(largest, 1));
    }
    if (across < width && notes)
        notes->push_back("the photos give no animation wider than " + std::to_string(across) +
                         " pixels, so it is not " + std::to_string(width) +
                         " pixels wide (photos are never enlarged)");
    if (across == shown.width) return true;
    const auto down = static_cast<int>(
        (static_cast<std::int64_t>(across) * shown.height + shown.width / 2) / shown.width);
    out.size = {across, std::max(down, 1)};
    out.render = true;
    out.settings = frames.settings();
    out.settings.quick = false;
    out.settings.setShownSize(out.size);
    // The soft edge keeps its share of the frame.
    out.settings.frameWidth = static_cast<int>(
        (static_cast<std::int64_t>(out.settings.frameWidth) * across + shown.width / 2) /
        shown.width);
    return true;
}

}  // namespace

bool makeSpinAnimations(FrameSource& frames, const AnimationRequest& request,
                        std::vector<AnimationFile>& files, std::string& reason,
                        std::vector<std::string>* notes,
                        const std::function<void(int, int)>& progress) {
    files.clear();
    // Shot in rows, the animation turns the row the viewer starts in.
    const TurnPositions turn = startTurn(frames);
    const int count = turn.count;
    if (request.empty()) return true;
    if (count == 0) {
        reason = "there are no photos";
        return false;
    }
    Sizing s;
    if (!sizing(frames, request.width, s, reason, notes)) return false;
    const int ms = std::abs(request.frameMs);
    std::vector<std::unique_ptr<AnimationEncoder>> encoders;
    for (AnimationFormat format : request.formats)
        encoders.push_back(
            AnimationEncoder::create(format, s.size.width, s.size.height, ms, request.webpQuality));
    const std::vector<int> order = animationOrder(count, request.frameMs < 0);
    for (int k = 0; k < count; ++k) {
        const int position = turn.first + order[k];
        RasterImage rendered;
        const RasterImage* frame = nullptr;
        std::string why;
        if (s.render) {
            if (frames.renderLarge(position, s.settings, rendered, why)) frame = &rendered;
        } else {
            frame = frames.frameAt(position);
            if (!frame) why = "it could not be rendered";
        }
        if (!frame) {
            reason = frames.frameLabel(position) + ": " + why;
            return false;
        }
        for (auto& encoder : encoders)
            if (!encoder->add(*frame, why)) {
                reason = frames.frameLabel(position) + ": " + why;
                return false;
            }
        if (progress) progress(k + 1, count);
    }
    for (std::size_t i = 0; i < encoders.size(); ++i) {
        AnimationFile file{request.formats[i], {}};
        std::string why;
        if (!encoders[i]->finish(file.bytes, why)) {
            reason = animationFileName(file.format) + ": " + why;
            files.clear();
            return false;
        }
        files.push_back(std::move(file));
    }
    return true;
}

bool writeWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                    std::string& reason) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    static const unsigned seed = std::random_device{}();
    std::string temp;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        char suffix[48];
        std::snprintf(suffix, sizeof suffix, "%ld-%08x", static_cast<long>(::getpid()),
                      seed + attempt * 2654435761u);
        temp = folder + "." + name + "." + suffix;
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        reason = "Could not write " + path + ": " + std::strerror(errno);
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    const int writeError = done == bytes.size() ? 0 : (errno ? errno : EIO);
    const bool closed = ::close(fd) == 0;
    if (writeError || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
        const int code = writeError ? writeError : errno;
        ::unlink(temp.c_str());
        reason = "Could not write " + path + ": " + std::strerror(code);
        return false;
    }
    return true;
}

}  // namespace turnpixa
