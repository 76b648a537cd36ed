#pragma once
// Frames of a spin in rows that remember which positions were asked for:
// each frame a flat grey of its own, as wide as every photo allows.
#include <string>
#include <vector>

#include "process/FrameSource.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa::test {

class RecordingFrames : public FrameSource {
public:
    RecordingFrames(int count, int rows, int startFrame)
        : count_(count), rows_(rows), start_(startFrame) {
        settings_.setShownSize({16, 12});
        for (int k = 0; k < count; ++k) {
            const auto grey = static_cast<std::uint8_t>(10 + 20 * k);
            frames_.push_back(
                makeImage(16, 12, [grey](int, int) { return packColour(grey, grey, grey); }));
        }
    }
    int frameCount() const override { return count_; }
    int rows() const override { return rows_; }
    int startFrame() const override { return start_; }
    const RasterImage* frameAt(int position) override {
        asked.push_back(position);
        return &frames_[static_cast<std::size_t>(position)];
    }
    std::string frameLabel(int position) const override {
        return "frame " + std::to_string(position);
    }
    const ProcessingSettings& settings() const override { return settings_; }
    FrameSize shownSize() const override { return {16, 12}; }
    int largestShownWidth(int) const override { return 64; }
    bool renderLarge(int position, const ProcessingSettings& s, RasterImage& frame,
                     std::string& reason) override {
        return render(position, s, frame, reason);
    }
    bool renderWithoutLogo(int position, const ProcessingSettings& s, RasterImage& frame,
                           std::string& reason) override {
        return render(position, s, frame, reason);
    }

    // Every position asked for, in order (frameAt and the renders).
    std::vector<int> asked;

private:
    bool render(int position, const ProcessingSettings& s, RasterImage& frame, std::string&) {
        asked.push_back(position);
        const auto grey = static_cast<std::uint8_t>(10 + 20 * position);
        const FrameSize size = s.shownSize();
        frame = makeImage(size.width, size.height,
                          [grey](int, int) { return packColour(grey, grey, grey); });
        return true;
    }

    int count_, rows_, start_;
    ProcessingSettings settings_;
    std::vector<RasterImage> frames_;
};

}  // namespace turnpixa::test
