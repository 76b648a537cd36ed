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

SetStaging::Fill imageFill(const RasterImage& image, bool png) {
    return [&image, png](BufferedFile& file) {
        return png ? writePng(image, file) : writeJpeg(image, file);
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

std::string photoLabel(const Project& project, int index) {
    std::string label = "photo " + std::to_string(index + 1);
    if (const Photo* photo = project.photoAt(index); photo && !photo->name().empty())
        label += " (" + photo->name() + ")";
    return label;
}

}  // namespace

OutputSetWriter::OutputSetWriter() {
    loadResourceImage("arrow-right.png", arrowRight_);
}

OutputSetWriter::OutputSetWriter(RasterImage arrowRight) : arrowRight_(std::move(arrowRight)) {}

std::vector<int> OutputSetWriter::frameOrder(int photoCount, int startImage, bool reverseSpin) {
    std::vector<int> order;
    if (photoCount <= 0) return order;
    const int d = reverseSpin ? -1 : 1;
    int p = startImage - 1;
    for (int k = 0; k < photoCount; ++k) {
        order.push_back(p);
        p = (p + d + photoCount) % photoCount;
    }
    return order;
}

bool OutputSetWriter::updateStillImage(Project& project) {
    const int start = project.startImage() - 1;
    const RasterImage* frame =
        project.photoAt(start) ? project.processedOutputImage(start, project.settings()) : nullptr;
    if (!frame) {
        hasStill_ = false;
        still_.clear();
        stillSource_.clear();
        return false;
    }
    if (hasStill_ && stillSettings_ == project.settings() && sameImage(stillSource_, *frame))
        return true;
    stillSettings_ = project.settings();
    stillSource_ = *frame;
    hasStill_ = StillImage::compose(*frame, arrowRight_, still_);
    return hasStill_;
}

bool OutputSetWriter::writeFrames(Project& project, const SaveTarget& target, SetStaging& staging,
                                  bool png, std::string& reason, const Progress& progress) {
    const int count = project.photoCount();
    const std::vector<int> order = frameOrder(count, project.startImage(), project.reverseSpin);
    for (int k = 0; k < count; ++k) {
        const int p = order[static_cast<std::size_t>(k)];
        const std::string path = target.framePath(k, png);
        const RasterImage* frame =
            project.photoAt(p) ? project.processedOutputImage(p, project.settings()) : nullptr;
        if (!frame) {
            reason = "Could not write " + path + ": " + photoLabel(project, p) +
                     " could not be rendered";
            return false;
        }
        if (!staging.stageFrameFile(fileName(path), imageFill(*frame, png), reason)) return false;
        if (progress) progress(k + 1, count);
    }
    return true;
}

bool OutputSetWriter::write(Project& project, const SaveTarget& target, const SaveOptions& options,
                            std::string& reason, const Progress& progress) {
    reason.clear();
    if (project.photoCount() == 0) {
        reason = "There are no photos to save.";
        return false;
    }
    const bool png = options.pngChosen;
    SetStaging staging(target, opener_);
    const ProcessingSettings& s = project.settings();
    if (!staging.begin(leastBytes(project.photoCount(), s.outputWidth, s.outputHeight, png),
                       reason) ||
        !writeFrames(project, target, staging, png, reason, progress))
        return false;

    const std::string stillPath = target.stillPath(png);
    if (!updateStillImage(project)) {
        reason = "Could not write " + stillPath + ": there is no start photo";
        return false;
    }
    if (!staging.stageFrameFile(fileName(stillPath), imageFill(still_, png), reason) ||
        !staging.stageScript(ViewerScript::fileForm(), reason))
        return false;

    // The frame size as last rendered for the first photo, as shown.
    const ProcessingSettings& shown = project.photoAt(0)->cachedSettings();
    OutputPageInfo page;
    page.frameFolderName = target.frameFolderName();
    page.extension = std::string(".") + SaveTarget::extension(png);
    const bool quarterTurn = shown.rotation == 1 || shown.rotation == 3;
    page.width = quarterTurn ? shown.outputHeight : shown.outputWidth;
    page.height = quarterTurn ? shown.outputWidth : shown.outputHeight;
    page.frameCount = project.photoCount();
    page.autoSpinValue = options.autoSpinValue();
    return staging.stagePage(OutputPage::text(page), reason) && staging.commit(reason);
}

}  // namespace turnpixa
