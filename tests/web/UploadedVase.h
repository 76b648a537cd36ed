#pragma once
// A webspace on loopback holding the page of a spin uploaded earlier:
// gallery/vase.htm with "vase-turnpixa", 24 PNG frames of 320 x 200 and
// auto spin -150, as the snippet tests read it back.
#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/LocalWebServer.h"
#include "tests/support/TempDir.h"
#include "web/OutputPage.h"

namespace turnpixa::test {

inline OutputPageInfo uploadedVaseInfo() {
    OutputPageInfo info;
    info.frameFolderName = "vase-turnpixa";
    info.extension = ".png";
    info.width = 320;
    info.height = 200;
    info.frameCount = 24;
    info.autoSpinValue = -150;
    return info;
}

// Writes the page under site and serves site over plain http.
inline std::unique_ptr<LocalWebServer> serveUploadedVase(const TempDir& site) {
    std::filesystem::create_directories(site.path() / "gallery");
    writeWholeFile(site.file("gallery/vase.htm"), OutputPage::text(uploadedVaseInfo()));
    return std::make_unique<LocalWebServer>(site.path().string(), false);
}

}  // namespace turnpixa::test
