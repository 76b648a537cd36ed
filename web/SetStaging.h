#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "SaveTarget.h"
#include "image/BufferedFile.h"

namespace turnpixa {

// Puts a whole output set in place or none of it. The frames and the still
// are written into a private sibling of the frame folder, the script and the
// page under temporary names beside their places, every name unique to this
// save so that saves running side by side into one folder never meet. Only
// when every file is written and closed are they swapped in: the frame
// folder first and the page last, so that a browser never finds a page whose
// frames are not all there. A failure at any point, the swap included,
// leaves the old set as it was and nothing of the new one behind.
class SetStaging {
public:
    // Turns the descriptor of a freshly made file into a stream to write;
    // tests pass one that fails part-way, as a filling disk does.
    using StreamOpener = std::function<std::FILE*(int fd)>;
    using Fill = std::function<bool(BufferedFile&)>;

    explicit SetStaging(SaveTarget target, StreamOpener opener = {});
    ~SetStaging();  // removes whatever is still staged
    SetStaging(const SetStaging&) = delete;
    SetStaging& operator=(const SetStaging&) = delete;

    // Refuses when the file system says the set cannot fit (bytesNeeded is
    // a lower bound), then makes the staging folder.
    bool begin(std::uint64_t bytesNeeded, std::string& reason);

    // A file of the frame folder, by name ("image_000.jpg", or "zoom/image_000.jpg"
    // in a sub-folder, made when missing); fill writes it.
    bool stageFrameFile(const std::string& name, const Fill& fill, std::string& reason);
    bool stageScript(const std::string& text, std::string& reason);
    bool stagePage(const std::string& text, std::string& reason);

    // Swaps the staged set in. Files of other names in an old frame folder
    // stay in the new one.
    bool commit(std::string& reason);

    // Where the new frames wait until the swap.
    const std::string& stagingFolder() const { return staging_; }

private:
    struct Temp {
        std::string path;
        bool live = false;
    };
    bool writeFile(const std::string& path, const std::string& shownPath, const Fill& fill,
                   std::string& reason, bool* created = nullptr);
    bool makeTemp(const std::string& finalPath, Temp& temp, std::string& reason);
    bool stageText(const std::string& text, const std::string& finalPath, Temp& temp,
                   std::string& reason);
    bool keepOtherFiles(std::string& reason);
    bool swapFolder(std::string& reason);
    void undoFolder();

    SaveTarget target_;
    StreamOpener opener_;
    std::string staging_;         // the new frame folder until the swap
    std::string folder_;          // the frame folder, without its final "/"
    std::string oldFolder_;       // where the old frame folder went in the swap
    bool folderSwapped_ = false;  // the new frame folder is in place
    bool hadFolder_ = false;
    std::vector<std::string> movedFolders_;  // sub-folders carried into the new frame folder
    Temp script_, page_, scriptBackup_;
    bool committed_ = false;
};

}  // namespace turnpixa
