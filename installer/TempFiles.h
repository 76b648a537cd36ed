#pragma once
// Temporary files and folders, made exclusively and readable by the owner
// only, in $TMPDIR (or /tmp).
#include <string>

namespace turnpixa::setup {

// A new, empty file "<tmp>/<prefix>XXXXXX" with mode 0600; "" on failure.
std::string makeTempFile(const std::string& prefix);
// The same with a suffix after the random part, such as ".exe".
std::string makeTempFile(const std::string& prefix, const std::string& suffix);
// A new folder "<tmp>/<prefix>XXXXXX" with mode 0700; "" on failure.
std::string makeTempFolder(const std::string& prefix);
// Removes a file or a folder with everything in it; links are removed, never
// followed.
void removeTree(const std::string& path);

}  // namespace turnpixa::setup
