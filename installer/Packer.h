#pragma once
// Packing mode: adds one file to a package, compressed by the lzma program.
#include <string>

#include "installer/Ui.h"

namespace turnpixa::setup {

// Compresses source with `encoder` ("lzma e SOURCE TARGET") and appends it
// to the package under its file name. The package is only touched once the
// compressed block is known good: the encoder ended with status 0 and wrote
// a header giving the source's size.
bool packFile(const std::string& source, const std::string& package, const std::string& encoder,
              Ui& ui, std::string& reason);

}  // namespace turnpixa::setup
