#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ReplaceFile.h"
#include "process/FrameSource.h"
#include "process/ProcessingSettings.h"

namespace turnpixa {

// A frame pack: the frames of one turn at equal angle steps, rendered anew
// from the photos as numbered JPEG files (01.jpg ...) in a zip file, for
// shops and marketplaces that take a spin as a set of frames.
struct FramePackOptions {
    int frames = 36;  // one of kPackFrameCounts
    int width = 0;    // as shown; 0 = defaultPackWidth
};

inline constexpr int kPackFrameCounts[] = {24, 36, 48, 72};
inline constexpr int kDefaultPackFrames = 36;
inline constexpr int kPackJpegQuality = 90;
// What the larger marketplaces ask for to let buyers zoom in.
inline constexpr int kPreferredPackWidth = 1600;
inline constexpr int kMaxPackWidth = 10000;

bool isPackFrameCount(int frames);

// The spin position (0-based, 0 = the start image) whose photo is nearest
// to each of the pack's steps. Photo i of photoCount sits at i * 360 /
// photoCount degrees from the start image, step k of packCount at k * 360 /
// packCount; the nearer photo is taken, the earlier one on a tie, and a
// step past the last photo's half-way to the full turn takes the start
// image again.
std::vector<int> packPicks(int photoCount, int packCount);

// "01.jpg" ... : step k (0-based) of count, zero-padded to the count's width.
std::string packEntryName(int step, int count);

// The default width: kPreferredPackWidth, or the narrowest photo's own
// width when that is less, so that no photo is enlarged.
int defaultPackWidth(FrameSource& frames);
// The pack's frame size: the width, and the height in the proportion the
// settings give the frames.
FrameSize packFrameSize(FrameSource& frames, int width);

class FramePackWriter {
public:
    // After each frame: frames written so far and the pack's count.
    using Progress = std::function<void(int written, int count)>;

    // Renders the picked photos at the width with every setting of the
    // frames (a transparent background becomes the replacement colour: JPEG
    // has no alpha), without the spin logo, and puts the zip at path whole
    // or not at all. False with a reason that names the file.
    bool write(FrameSource& frames, const std::string& path, const FramePackOptions& options,
               std::string& reason, const Progress& progress = {});

    // Photos that had to be enlarged for the width asked, by the last write.
    const std::vector<std::string>& warnings() const { return warnings_; }
    // The frame size of the last successful write.
    FrameSize lastSize() const { return lastSize_; }

    void setStreamOpener(FileStreamOpener opener) { opener_ = std::move(opener); }

private:
    FileStreamOpener opener_;
    std::vector<std::string> warnings_;
    FrameSize lastSize_;
};

}  // namespace turnpixa
