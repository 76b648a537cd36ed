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

SetStaging::Fill imageFill(const RasterImage& image, bool png, int jpegQuality) {
    return [&image, png, jpegQuality](BufferedFile& file) {
        return png ? writePng(image, file) : writeJpegAtQuality(image, file, jpegQuality);
    };
}

// The least the set can take on disk: a frame holds at least a bit a pixel
// (two for PNG). A first check only; a disk filling up is still handled.
std::uint64_t leastBytes(int frames, int width, int height, bool png) {
    const std::uint64_t pixels = static_cast<std::uint64_t>(std::max(width, 0)) *
                                 static_cast<std::uint64_t>(std::max(height, 0));
    return static_cast<std::uint64_t>(frames + 1) * pixels / (png ? 4 : 8);
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
    const RasterImage* frame = frames.frameCount() > 0 ? frames.frameAt(0) : nullptr;
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

bool OutputSetWriter::writeFrames(FrameSource& frames, const SaveTarget& target,
                                  SetStaging& staging, bool png, std::string& reason,
                                  const Progress& progress) {
    const int count = frames.frameCount();
    for (int k = 0; k < count; ++k) {
        const std::string path = target.framePath(k, png);
        const RasterImage* frame = frames.frameAt(k);
        if (!frame) {
            reason =
                "Could not write " + path + ": " + frames.frameLabel(k) + " could not be rendered";
            return false;
        }
        if (!staging.stageFrameFile(fileName(path), imageFill(*frame, png, jpegQuality_), reason))
            return false;
        if (progress) progress(k + 1, count);
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
    const bool png = options.pngChosen;
    jpegQuality_ = options.jpegQuality;
    SetStaging staging(target, opener_);
    const ProcessingSettings& s = frames.settings();
    if (!staging.begin(leastBytes(frames.frameCount(), s.outputWidth, s.outputHeight, png),
                       reason) ||
        !writeFrames(frames, target, staging, png, reason, progress))
        return false;

    const std::string stillPath = target.stillPath(png);
    if (!updateStillImage(frames)) {
        reason = "Could not write " + stillPath + ": there is no start photo";
        return false;
    }
    if (!staging.stageFrameFile(fileName(stillPath), imageFill(still_, png, jpegQuality_),
                                reason) ||
        !staging.stageScript(ViewerScript::fileForm(), reason))
        return false;

    const FrameSize shown = frames.shownSize();
    OutputPageInfo page;
    page.frameFolderName = target.frameFolderName();
    page.extension = std::string(".") + SaveTarget::extension(png);
    page.width = shown.width;
    page.height = shown.height;
    page.frameCount = frames.frameCount();
    page.autoSpinValue = options.autoSpinValue();
    if (!staging.stagePage(OutputPage::text(page), reason) || !staging.commit(reason)) return false;
    lastPage_ = page;
    return true;
}

}  // namespace turnpixa
