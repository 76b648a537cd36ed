#include "FramePack.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "StoredZip.h"
#include "image/BufferedFile.h"
#include "image/ImageFormats.h"

namespace turnpixa {

namespace {

// Baseline JPEG with optimised tables: every reader a shop runs takes it.
bool jpegBytes(const RasterImage& frame, std::vector<std::uint8_t>& bytes) {
    char* data = nullptr;
    std::size_t size = 0;
    std::FILE* memory = ::open_memstream(&data, &size);
    if (!memory) return false;
    bool ok = false;
    {
        BufferedFile file;
        file.attach(memory, false);
        ok = writeJpegCoded(frame, file, kPackJpegQuality, JpegCoding::Optimised);
    }
    ok = std::fclose(memory) == 0 && ok;
    if (ok) bytes.assign(data, data + size);
    std::free(data);
    return ok;
}

}  // namespace

bool isPackFrameCount(int frames) {
    return std::find(std::begin(kPackFrameCounts), std::end(kPackFrameCounts), frames) !=
           std::end(kPackFrameCounts);
}

std::vector<int> packPicks(int photoCount, int packCount) {
    std::vector<int> picks;
    if (photoCount <= 0 || packCount <= 0) return picks;
    const std::int64_t n = photoCount, m = packCount;
    for (std::int64_t k = 0; k < m; ++k) {
        // round(k * n / m) with halves taken down: the earlier photo.
        const std::int64_t nearest = (2 * k * n + m - 1) / (2 * m);
        picks.push_back(static_cast<int>(nearest % n));
    }
    return picks;
}

std::string packEntryName(int step, int count) {
    std::string number = std::to_string(step + 1);
    const std::size_t width = std::to_string(std::max(count, 1)).size();
    if (number.size() < width) number.insert(0, width - number.size(), '0');
    return number + ".jpg";
}

int defaultPackWidth(FrameSource& frames) {
    int width = kPreferredPackWidth;
    for (int k = 0; k < frames.frameCount(); ++k) {
        const int own = frames.largestShownWidth(k);
        if (own > 0) width = std::min(width, own);
    }
    return std::max(width, 1);
}

FrameSize packFrameSize(FrameSource& frames, int width) {
    const FrameSize shown = frames.settings().shownSize();
    if (width <= 0 || shown.width <= 0 || shown.height <= 0) return {};
    const auto height = static_cast<int>(
        (static_cast<std::int64_t>(width) * shown.height + shown.width / 2) / shown.width);
    return {width, std::max(height, 1)};
}

bool FramePackWriter::write(FrameSource& frames, const std::string& path,
                            const FramePackOptions& options, std::string& reason,
                            const Progress& progress) {
    reason.clear();
    warnings_.clear();
    const std::string fail = "Could not write " + path + ": ";
    if (!isPackFrameCount(options.frames)) {
        reason = fail + "a frame pack has 24, 36, 48 or 72 frames, not " +
                 std::to_string(options.frames);
        return false;
    }
    if (frames.frameCount() == 0) {
        reason = fail + "there are no photos to take the frames from";
        return false;
    }
    const int width = options.width > 0 ? options.width : defaultPackWidth(frames);
    const FrameSize size = packFrameSize(frames, width);
    if (size.width <= 0 || size.width > kMaxPackWidth || size.height > kMaxPackWidth) {
        reason = fail + "frames " + std::to_string(size.width) + " x " +
                 std::to_string(size.height) + " pixels cannot be made (at most " +
                 std::to_string(kMaxPackWidth) + " a side)";
        return false;
    }

    const FrameSize shown = frames.settings().shownSize();
    ProcessingSettings settings = frames.settings();
    settings.quick = false;
    // JPEG has no alpha: the removed background takes the replacement colour.
    settings.transparentBackground = false;
    settings.setShownSize(size);
    // The soft edge keeps its share of the frame.
    settings.frameWidth = static_cast<int>(
        (static_cast<std::int64_t>(settings.frameWidth) * size.width + shown.width / 2) /
        shown.width);

    StoredZip zip;
    // Shot in rows, the pack turns the row the viewer starts in.
    const TurnPositions turn = startTurn(frames);
    const std::vector<int> picks = packPicks(turn.count, options.frames);
    std::vector<std::uint8_t> bytes;
    int coded = -1;  // the position whose frame bytes holds
    for (int k = 0; k < options.frames; ++k) {
        const int position = turn.first + picks[static_cast<std::size_t>(k)];
        if (position != coded) {
            RasterImage frame;
            std::string why;
            if (!frames.renderWithoutLogo(position, settings, frame, why)) {
                reason = fail + frames.frameLabel(position) + ": " + why;
                return false;
            }
            if (!jpegBytes(frame, bytes)) {
                reason = fail + "the frame from " + frames.frameLabel(position) +
                         " could not be coded as JPEG";
                return false;
            }
            coded = position;
            const int own = frames.largestShownWidth(position);
            if (own > 0 && own < size.width)
                warnings_.push_back(frames.frameLabel(position) + " is only " +
                                    std::to_string(own) +
                                    " pixels wide, so its frame is enlarged "
                                    "to " +
                                    std::to_string(size.width));
        }
        zip.add(packEntryName(k, options.frames), bytes);
        if (progress) progress(k + 1, options.frames);
    }
    std::vector<std::uint8_t> archive;
    std::string why;
    if (!zip.make(archive, why)) {
        reason = fail + why;
        return false;
    }
    if (!replaceFileWith(path, archive, reason, opener_)) return false;
    lastSize_ = size;
    return true;
}

}  // namespace turnpixa
