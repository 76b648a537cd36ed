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

bool writeImageFile(const RasterImage& image, const std::string& path, bool png,
                    std::string& reason) {
    const std::string temp = partPath(path);
    BufferedFile file(BufferedFile::kDefaultBufferSize);
    if (!file.open(temp, BufferedFile::Mode::Write)) {
        reason = "Could not write " + path + ": " + file.error();
        return false;
    }
    const bool written = png ? writePng(image, file) : writeJpeg(image, file);
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

bool OutputSetWriter::writeFrames(Project& project, const SaveTarget& target, bool png,
                                  std::string& reason, const Progress& progress) {
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
        if (!writeImageFile(*frame, path, png, reason)) return false;
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
    // An existing frame folder is reused; files of other names in it stay.
    const std::string folder = target.frameFolderPath();
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
        reason = "Could not create the folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    const bool png = options.pngChosen;
    if (!writeFrames(project, target, png, reason, progress)) return false;

    const std::string stillPath = target.stillPath(png);
    if (!updateStillImage(project)) {
        reason = "Could not write " + stillPath + ": there is no start photo";
        return false;
    }
    if (!writeImageFile(still_, stillPath, png, reason)) return false;
    if (!writeTextFile(ViewerScript::fileForm(), target.scriptPath(), reason)) return false;

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
    if (!writeTextFile(OutputPage::text(page), target.pagePath(), reason)) return false;
    lastPage_ = page;
    return true;
}

}  // namespace turnpixa
