// The set's animated pictures, staged with its frames.
#include "OutputSetWriter.h"

namespace turnpixa {

bool OutputSetWriter::stageAnimations(FrameSource& frames, SetStaging& staging, std::string& reason,
                                      std::vector<std::string>& notes,
                                      std::vector<std::string>& names) {
    if (options_.animation.empty()) return true;
    std::vector<AnimationFile> files;
    std::string why;
    if (!makeSpinAnimations(frames, options_.animation, files, why, &notes)) {
        reason = "Could not make the animated image: " + why;
        return false;
    }
    for (const AnimationFile& file : files) {
        const std::string name = animationFileName(file.format);
        const auto fill = [&file](BufferedFile& out) {
            return out.write(file.bytes.data(), file.bytes.size());
        };
        if (!staging.stageFrameFile(name, fill, reason)) return false;
        names.push_back(name);
    }
    return true;
}

}  // namespace turnpixa
