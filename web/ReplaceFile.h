#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace turnpixa {

// Turns the descriptor of a freshly made file into a stream to write; tests
// pass one that fails part-way, as a filling disk does.
using FileStreamOpener = std::function<std::FILE*(int fd)>;

// Puts the bytes at path whole or not at all: they are written to a hidden
// file beside it, flushed to the disk and renamed over the old file, which
// stays as it was when anything fails. False with a reason naming path.
bool replaceFileWith(const std::string& path, const std::vector<std::uint8_t>& bytes,
                     std::string& reason, const FileStreamOpener& opener = {});

}  // namespace turnpixa
