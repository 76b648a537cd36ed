#include "OutputSetWriter.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
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

std::string partPath(const std::string& path) {
    return path + ".part";
}

// Moves a finished file into place; the old one stays until this succeeds.
bool putInPlace(const std::string& path, std::string& reason) {
    const std::string temp = partPath(path);
    if (std::rename(temp.c_str(), path.c_str()) == 0) return true;
    reason = "Could not write " + path + ": " + std::strerror(errno);
    std::remove(temp.c_str());
    return false;
}

bool writeImageFile(const RasterImage& image, const std::string& path, bool png, int jpegQuality,
                    std::string& reason) {
    const std::string temp = partPath(path);
    BufferedFile file(BufferedFile::kDefaultBufferSize);
    if (!file.open(temp, BufferedFile::Mode::Write)) {
        reason = "Could not write " + path + ": " + file.error();
        return false;
    }
    const bool written = png ? writePng(image, file) : writeJpegAtQuality(image, file, jpegQuality);
    const bool closed = file.close();
    if (!written || !closed) {
        reason =
            "Could not write " + path + ": " +
            (file.error().empty() ? std::string("the image could not be encoded") : file.error());
        std::remove(temp.c_str());
        return false;
    }
    return putInPlace(path, reason);
}

bool writeTextFile(const std::string& text, const std::string& path, std::string& reason) {
    const std::string temp = partPath(path);
    BufferedFile file(BufferedFile::kDefaultBufferSize);
    const bool ok = file.open(temp, BufferedFile::Mode::Write) &&
                    file.write(text.data(), text.size()) && file.close();
    if (!ok) {
        reason = "Could not write " + path + ": " + file.error();
        file.close();
        std::remove(temp.c_str());
        return false;
    }
    return putInPlace(path, reason);
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

bool OutputSetWriter::writeFrames(FrameSource& frames, const SaveTarget& target, bool png,
                                  std::string& reason, const Progress& progress) {
    const int count = frames.frameCount();
    for (int k = 0; k < count; ++k) {
        const std::string path = target.framePath(k, png);
        const RasterImage* frame = frames.frameAt(k);
        if (!frame) {
            reason =
                "Could not write " + path + ": " + frames.frameLabel(k) + " could not be rendered";
            return false;
        }
        if (!writeImageFile(*frame, path, png, jpegQuality_, reason)) return false;
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
    // An existing frame folder is reused; files of other names in it stay.
    const std::string folder = target.frameFolderPath();
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
        reason = "Could not create the folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    const bool png = options.pngChosen;
    jpegQuality_ = options.jpegQuality;
    if (!writeFrames(frames, target, png, reason, progress)) return false;

    const std::string stillPath = target.stillPath(png);
    if (!updateStillImage(frames)) {
        reason = "Could not write " + stillPath + ": there is no start photo";
        return false;
    }
    if (!writeImageFile(still_, stillPath, png, jpegQuality_, reason)) return false;
    if (!writeTextFile(ViewerScript::fileForm(), target.scriptPath(), reason)) return false;

    const FrameSize shown = frames.shownSize();
    OutputPageInfo page;
    page.frameFolderName = target.frameFolderName();
    page.extension = std::string(".") + SaveTarget::extension(png);
    page.width = shown.width;
    page.height = shown.height;
    page.frameCount = frames.frameCount();
    page.autoSpinValue = options.autoSpinValue();
    if (!writeTextFile(OutputPage::text(page), target.pagePath(), reason)) return false;
    lastPage_ = page;
    return true;
}

}  // namespace turnpixa
