#include "CliFramePack.h"

#include <filesystem>
#include <system_error>

#include "CliRun.h"
#include "CliValues.h"
#include "ProgressBar.h"
#include "project/Project.h"
#include "project/ProjectFrames.h"
#include "web/FramePack.h"

namespace turnpixa {

bool applyFramePack(CliOptions& options, const std::optional<std::string>& value) {
    options.framePack = *value;
    return !value->empty();
}

bool applyPackFrames(CliOptions& options, const std::optional<std::string>& value) {
    int frames = 0;
    if (!parseInt(*value, 1, 1000, frames) || !isPackFrameCount(frames)) return false;
    options.packFrames = frames;
    return true;
}

bool applyPackWidth(CliOptions& options, const std::optional<std::string>& value) {
    int width = 0;
    if (!parseInt(*value, 1, kMaxPackWidth, width)) return false;
    options.packWidth = width;
    return true;
}

std::string framePackUsageError(const CliOptions& options) {
    if (options.output.empty() && options.upload && !options.framePack.empty())
        return "--upload sends a set, and the frame pack is not one: give -o PAGE too";
    if (!options.framePack.empty()) return {};
    if (options.packFrames) return "--pack-frames goes with --frame-pack";
    if (options.packWidth) return "--pack-width goes with --frame-pack";
    return {};
}

int writeFramePack(const CliOptions& options, Project& project, ProgressBar& bar, std::FILE* out,
                   std::FILE* err) {
    // Like the page, the pack may go into a folder that does not exist yet.
    const std::filesystem::path parent = std::filesystem::path(options.framePack).parent_path();
    std::error_code ignored;
    if (!parent.empty()) std::filesystem::create_directories(parent, ignored);

    FramePackOptions pack;
    pack.frames = options.packFrames.value_or(kDefaultPackFrames);
    pack.width = options.packWidth.value_or(0);
    FramePackWriter writer;
    ProjectFrames frames(project);
    std::string reason;
    const bool written =
        writer.write(frames, options.framePack, pack, reason,
                     [&](int done, int count) { bar.show("Packing", done, count); });
    bar.finish();
    for (const std::string& warning : writer.warnings())
        std::fprintf(err, "turnpixa-cli: warning: %s\n", warning.c_str());
    if (!written) {
        std::fprintf(err, "turnpixa-cli: %s\n", reason.c_str());
        return kCliFailed;
    }
    // Shot in rows, the pack is made from one row's photos.
    if (!options.quiet)
        std::fprintf(out, "Wrote a pack of %d frames (%d x %d) from %d photos: %s\n", pack.frames,
                     writer.lastSize().width, writer.lastSize().height,
                     project.spinRows().columns(), options.framePack.c_str());
    return kCliDone;
}

}  // namespace turnpixa
