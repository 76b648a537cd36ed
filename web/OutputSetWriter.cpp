#include "OutputSetWriter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "OutputPage.h"
#include "StillImage.h"
#include "ViewerScript.h"
#include "image/BufferedFile.h"
#include "image/ImageFormats.h"
#include "project/Project.h"
#include "resources/Resources.h"

namespace turnpixa {
namespace {

bool sameImage(const RasterImage& a, const RasterImage& b) {
    return a.header() == b.header() && a.pixelLength() == b.pixelLength() &&
           (a.pixelLength() == 0 || std::memcmp(a.pixels(), b.pixels(), a.pixelLength()) == 0);
}

// The least the set can take on disk: a frame holds at least a bit a pixel
// (two for PNG). A first check only; a disk filling up is still handled.
std::uint64_t leastBytes(int frames, int width, int height, FrameFormat format) {
    const std::uint64_t pixels = static_cast<std::uint64_t>(std::max(width, 0)) *
                                 static_cast<std::uint64_t>(std::max(height, 0));
    const std::uint64_t per = format == FrameFormat::Png ? 4 : format == FrameFormat::WebP ? 16 : 8;
    return static_cast<std::uint64_t>(frames + 1) * pixels / per;
}

std::string fileName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

}  // namespace

OutputSetWriter::OutputSetWriter() {
    loadResourceImage("arrow-right.png", arrowRight_);
}

OutputSetWriter::OutputSetWriter(RasterImage arrowRight) : arrowRight_(std::move(arrowRight)) {}

bool OutputSetWriter::updateStillImage(FrameSource& frames) {
    const int start = frames.startFrame();
    const RasterImage* frame =
        start >= 0 && start < frames.frameCount() ? frames.frameAt(start) : nullptr;
    if (!frame) {
        hasStill_ = false;
        still_.clear();
        stillSource_.clear();
        return false;
    }
    if (hasStill_ && stillSettings_ == frames.settings() && sameImage(stillSource_, *frame))
        return true;
    stillSettings_ = frames.settings();
    stillSource_ = *frame;
    hasStill_ = StillImage::compose(*frame, arrowRight_, still_);
    return hasStill_;
}

SetStaging::Fill OutputSetWriter::imageFill(const RasterImage& image) const {
    const SaveOptions o = options_;
    return [&image, o](BufferedFile& file) {
        switch (o.format) {
            case FrameFormat::Png:
                return writePng(image, file);
            case FrameFormat::WebP:
                return writeWebp(image, file, o.webpQuality);
            case FrameFormat::Jpeg:
                break;
        }
        return writeJpegAtQuality(image, file, o.jpegQuality);
    };
}

bool OutputSetWriter::writeFrames(FrameSource& frames, const SaveTarget& target,
                                  SetStaging& staging, std::string& reason,
                                  const Progress& progress) {
    const int count = frames.frameCount();
    for (int k = 0; k < count; ++k) {
        const std::string path = target.framePath(k, options_.format);
        const RasterImage* frame = frames.frameAt(k);
        if (!frame) {
            reason =
                "Could not write " + path + ": " + frames.frameLabel(k) + " could not be rendered";
            return false;
        }
        if (!staging.stageFrameFile(fileName(path), imageFill(*frame), reason)) return false;
        if (progress) progress(k + 1, count);
    }
    return true;
}

FrameSize OutputSetWriter::zoomSize(FrameSource& frames, int width,
                                    std::vector<std::string>* notes) const {
    const FrameSize shown = frames.shownSize();
    if (width <= 0 || shown.width <= 0 || shown.height <= 0) return {};
    int across = width;
    for (int k = 0; k < frames.frameCount(); ++k) {
        const int largest = frames.largestShownWidth(k);
        if (largest >= width) continue;
        if (notes)
            notes->push_back(frames.frameLabel(k) + " is only " + std::to_string(largest) +
                             " pixels wide, so the zoom frames are not " + std::to_string(width) +
                             " pixels wide (photos are never enlarged)");
        across = std::min(across, largest);
    }
    if (across <= shown.width) {
        if (notes)
            notes->push_back(
                "no zoom frames were written: they would be no larger than the "
                "frames");
        return {};
    }
    const auto down = static_cast<int>(
        (static_cast<std::int64_t>(across) * shown.height + shown.width / 2) / shown.width);
    return {across, std::max(down, 1)};
}

bool OutputSetWriter::writeZoomFrames(FrameSource& frames, const SaveTarget& target,
                                      SetStaging& staging, FrameSize size, std::string& reason,
                                      const Progress& progress) {
    const FrameSize shown = frames.shownSize();
    ProcessingSettings large = frames.settings();
    large.quick = false;
    large.setShownSize(size);
    // The soft edge keeps its share of the frame.
    large.frameWidth = static_cast<int>(
        (static_cast<std::int64_t>(large.frameWidth) * size.width + shown.width / 2) / shown.width);
    const int count = frames.frameCount();
    for (int k = 0; k < count; ++k) {
        RasterImage frame;  // one at a time: only this frame is held
        std::string why;
        const std::string path = target.zoomFramePath(k, options_.format);
        if (!frames.renderLarge(k, large, frame, why)) {
            reason = "Could not write " + path + ": " + frames.frameLabel(k) + ": " + why;
            return false;
        }
        if (!staging.stageFrameFile(std::string(SaveTarget::kZoomFolder) + "/" +
                                        SaveTarget::frameName(k, options_.format),
                                    imageFill(frame), reason))
            return false;
        if (progress) progress(count + k + 1, 2 * count);
    }
    return true;
}

bool OutputSetWriter::write(FrameSource& frames, const SaveTarget& target,
                            const SaveOptions& options, std::string& reason,
                            const Progress& progress) {
    reason.clear();
    if (frames.frameCount() == 0) {
        reason = "There are no photos to save.";
        return false;
    }
    if (frames.settings().transparent() && !carriesAlpha(options.format)) {
        reason = "JPEG frames cannot carry a transparent background; choose PNG or WebP.";
        return false;
    }
    options_ = options;
    warnings_.clear();
    animations_.clear();
    const FrameFormat format = options.format;
    const int count = frames.frameCount();
    // With large frames asked for, the bar runs over both sets.
    const bool zoomAsked = options.zoomWidth > 0;
    const Progress firstHalf =
        !progress || !zoomAsked
            ? progress
            : Progress([&progress, count](int done, int) { progress(done, 2 * count); });
    SetStaging staging(target, opener_);
    const ProcessingSettings& s = frames.settings();
    if (!staging.begin(leastBytes(frames.frameCount(), s.outputWidth, s.outputHeight, format),
                       reason) ||
        !writeFrames(frames, target, staging, reason, firstHalf))
        return false;
    // Sized after the frames, whose size the page announces.
    std::vector<std::string> notes;
    const FrameSize zoom = zoomSize(frames, options.zoomWidth, &notes);
    if (zoom.width > 0 && !writeZoomFrames(frames, target, staging, zoom, reason, progress))
        return false;
    if (zoomAsked && zoom.width == 0 && progress) progress(2 * count, 2 * count);

    const std::string stillPath = target.stillPath(format);
    if (!updateStillImage(frames)) {
        reason = "Could not write " + stillPath + ": there is no start photo";
        return false;
    }
    std::vector<std::string> animations;
    if (!staging.stageFrameFile(fileName(stillPath), imageFill(still_), reason) ||
        !stageAnimations(frames, staging, reason, notes, animations) ||
        !staging.stageScript(ViewerScript::fileForm(), reason))
        return false;

    const FrameSize shown = frames.shownSize();
    OutputPageInfo page;
    page.frameFolderName = target.frameFolderName();
    page.extension = std::string(".") + SaveTarget::extension(format);
    page.width = shown.width;
    page.height = shown.height;
    page.frameCount = frames.frameCount();
    page.autoSpinValue = options.autoSpinValue();
    page.zoomWidth = zoom.width;
    page.zoomHeight = zoom.height;
    page.rows = frames.rows();
    page.startFrame = frames.startFrame();
    if (!staging.stagePage(OutputPage::text(page), reason) || !staging.commit(reason)) return false;
    lastPage_ = page;
    warnings_ = std::move(notes);
    animations_ = std::move(animations);
    return true;
}

}  // namespace turnpixa
