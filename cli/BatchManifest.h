#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace turnpixa {

// What a set was made from, kept beside its page so that a later run can
// tell in a few stats that nothing changed.
struct SetManifest {
    struct Photo {
        std::string path;
        bool present = false;  // false: the file was not there
        std::uint64_t size = 0;
        std::int64_t modifiedNs = 0;
        std::string sha256;  // hex
    };
    struct Output {
        std::string path;  // relative to the page's folder
        std::uint64_t size = 0;
    };
    std::string version;               // the program's
    std::vector<std::string> options;  // the option words it was made with
    std::vector<Photo> photos;         // in the order given
    int frames = 0;                    // photos in the set
    std::vector<Output> outputs;       // the page and the frame folder's files

    // The text kept in the file; empty when a name or value holds a line
    // break (such a set is simply made again each time).
    std::string text() const;
    // False when the text is not a whole manifest.
    static bool parse(std::string_view text, SetManifest& manifest);
};

// "folder/stem-turnpixa.manifest" for the page "folder/stem.htm".
std::string manifestPath(const std::string& pagePath);

// How the manifest of pagePath names a photo: from the page's folder, so
// that a set and its photos can be reached by other paths (another working
// folder, another machine's mount) and still be current.
std::string photoName(const std::string& photo, const std::string& pagePath);

// The size, time and (with hash) content of a photo; present is false when
// it cannot be read.
SetManifest::Photo stampPhoto(const std::string& path, bool hash);

// The page and every file under the frame folder of the set, with sizes,
// their sum and the number of frame files.
bool stampOutputs(const std::string& pagePath, std::vector<SetManifest::Output>& outputs,
                  std::uint64_t& bytes, int& frames);

// Whether the set recorded is still what the options and photos make:
// the same version, options and photos (a photo whose time changed but
// whose content did not counts as the same, and then refreshed is set and
// the photo's stamp in recorded is brought up to date) and every output
// file there with its size.
bool setIsCurrent(SetManifest& recorded, const std::string& version,
                  const std::vector<std::string>& options, const std::vector<std::string>& photos,
                  const std::string& pagePath, bool& refreshed);

// What a save of this page killed part-way left beside it (the staged
// frame folder, the page under its temporary name): removed when the
// process that made it is gone and it has not changed for ten minutes.
void removeLeftovers(const std::string& pagePath);

// Written under a temporary name and renamed over the old one.
bool writeManifest(const std::string& path, const std::string& text, std::string& reason);

}  // namespace turnpixa
