#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace turnpixa {

class SaneDevice;

// Scanning for turnpixa-cli: no windows, each device gives what it holds
// (a document feeder until it is empty, a flatbed one page). Pages are kept
// as PNG files in a temporary folder of the spool's own, removed with it, so
// that a long feeder run does not pile up in memory.
class ScanSpool {
public:
    ScanSpool();
    ~ScanSpool();
    ScanSpool(const ScanSpool&) = delete;
    ScanSpool& operator=(const ScanSpool&) = delete;

    // The devices SANE finds, one a line: name, a tab, vendor and model.
    static std::string listScanners();

    // Scans the device's pages with the SANE "source" option set to source
    // (unless empty) and appends their files to paths in the order scanned.
    // False with a message naming the device; pages before a failure stay
    // in paths and pages() tells how many came from this device.
    bool scan(const std::string& device, const std::string& source, std::vector<std::string>& paths,
              std::string& error);
    int pages() const { return pages_; }
    // Runs before each page of a device is scanned (tests make it jam).
    void setBeforePage(std::function<void(int, SaneDevice&)> hook) {
        beforePage_ = std::move(hook);
    }

private:
    std::function<void(int, SaneDevice&)> beforePage_;
    std::filesystem::path folder_;
    int written_ = 0;  // page files in the folder
    int pages_ = 0;    // from the last device
};

}  // namespace turnpixa
