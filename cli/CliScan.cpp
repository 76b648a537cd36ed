#include "CliScan.h"

#include <stdlib.h>

#include <cstdio>
#include <system_error>

#include "devices/CTwainSource.h"
#include "devices/SaneSourceManager.h"
#include "image/BufferedFile.h"
#include "image/ImageFormats.h"
#include "image/RasterImage.h"

namespace turnpixa {

namespace {

// Plays the user for the source manager: picks the device named on the
// command line and presses Scan as soon as the source's window would show.
class CommandLineUser : public ScanUi, public TwainHost {
public:
    explicit CommandLineUser(std::string device) : device_(std::move(device)) {}

    int selectSource(const std::vector<SaneDeviceInfo>& devices, int) override {
        for (std::size_t i = 0; i < devices.size(); ++i)
            if (devices[i].name == device_) return static_cast<int>(i);
        notFound_ = true;
        return -1;
    }
    void showSourceWindow(const SaneDeviceInfo&, SourceWindowEvents& events) override {
        events.scanPressed();
    }
    void hideSourceWindow() override {}
    // The source answers at once; the bound only guards against one that
    // never does.
    bool pumpEvents() override { return ++pumps_ < 1000; }
    bool askRetryCancel(const std::string&) override { return false; }

    bool notFound() const { return notFound_; }

private:
    std::string device_;
    bool notFound_ = false;
    int pumps_ = 0;
};

}  // namespace

ScanSpool::ScanSpool() {
    std::error_code ec;
    std::string pattern =
        (std::filesystem::temp_directory_path(ec) / "turnpixa-scan-XXXXXX").string();
    if (!ec && mkdtemp(pattern.data())) folder_ = pattern;
}

ScanSpool::~ScanSpool() {
    std::error_code ec;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
}

std::string ScanSpool::listScanners() {
    SaneSession session;
    std::string list;
    for (const SaneDeviceInfo& d : session.devices())
        list += d.name + "\t" + d.vendor + " " + d.model + "\n";
    return list;
}

bool ScanSpool::scan(const std::string& device, const std::string& source,
                     std::vector<std::string>& paths, std::string& error) {
    pages_ = 0;
    const std::string named = "scanner \"" + device + "\"";
    if (folder_.empty()) {
        error = named + ": no temporary folder for the pages";
        return false;
    }
    CommandLineUser user(device);
    SaneSourceManager manager(user);
    manager.setSourceOption(source);
    if (beforePage_) manager.setBeforePage(beforePage_);
    CTwainSource twain(manager, user);
    if (!twain.SelectSource()) {
        error = user.notFound() ? named +
                                      " was not found (turnpixa-cli --scan list shows the "
                                      "scanners there are)"
                                : named + " could not be used: " + twain.failure();
        return false;
    }
    std::string failure;
    do {
        RasterImage image;
        if (!twain.AcquireImage(image)) continue;
        char name[32];
        std::snprintf(name, sizeof name, "page%04d.png", ++written_);
        const std::string path = (folder_ / name).string();
        BufferedFile file;
        if (!file.open(path, BufferedFile::Mode::Write) || !writePng(image, file) ||
            !file.close()) {
            failure = "the page could not be kept in " + folder_.string();
            break;
        }
        paths.push_back(path);
        ++pages_;
    } while (twain.morePending());
    if (failure.empty()) failure = twain.failure();
    if (!failure.empty()) {
        error = named + " stopped after " + std::to_string(pages_) + " pages: " + failure;
        return false;
    }
    if (pages_ == 0) {
        error = named + " gave no pages";
        return false;
    }
    return true;
}

}  // namespace turnpixa
