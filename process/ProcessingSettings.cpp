#include "process/ProcessingSettings.h"

namespace turnpixa {

void ProcessingSettings::setRotation(int n) {
    rotation = n % 4;
    if (rotation < 0) rotation += 4;
}

FrameSize ProcessingSettings::shownSize() const {
    if (rotation % 2 != 0) return {outputHeight, outputWidth};
    return {outputWidth, outputHeight};
}

void ProcessingSettings::setShownSize(FrameSize shown) {
    const bool quarterTurn = rotation % 2 != 0;
    outputWidth = quarterTurn ? shown.height : shown.width;
    outputHeight = quarterTurn ? shown.width : shown.height;
}

bool ProcessingSettings::operator==(const ProcessingSettings& other) const {
    if (outputWidth != other.outputWidth || outputHeight != other.outputHeight ||
        cropOn != other.cropOn || rotation != other.rotation || lightness != other.lightness ||
        frameWidth != other.frameWidth || frameColour != other.frameColour ||
        startImage != other.startImage || quick != other.quick || removalOn != other.removalOn)
        return false;
    if (cropOn && !(crop == other.crop)) return false;
    if (removalOn &&
        (removalStrength != other.removalStrength || replacementColour != other.replacementColour ||
         transparentBackground != other.transparentBackground))
        return false;
    return true;
}

}  // namespace turnpixa
