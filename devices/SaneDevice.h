#pragma once
#include <memory>
#include <string>
#include <vector>

#include "SaneFrame.h"

namespace turnpixa {

struct SaneDeviceInfo {
    std::string name;  // what sane_open takes, e.g. "test:0"
    std::string vendor;
    std::string model;
    std::string type;
};

// The SANE library between sane_init and sane_exit. One at a time per
// process; devices opened through it must be closed before it ends.
class SaneSession {
public:
    SaneSession();
    ~SaneSession();
    SaneSession(const SaneSession&) = delete;
    SaneSession& operator=(const SaneSession&) = delete;

    bool ok() const { return ok_; }
    // Every device SANE finds, local and on the network.
    std::vector<SaneDeviceInfo> devices() const;

private:
    bool ok_ = false;
};

// One open scanner. Pages are read whole; a batch from a document feeder
// runs from the first scanPage until noDocuments or endBatch.
class SaneDevice {
public:
    enum class PageResult { Page, NoDocuments, Cancelled, Failed };

    SaneDevice() = default;
    ~SaneDevice();
    SaneDevice(const SaneDevice&) = delete;
    SaneDevice& operator=(const SaneDevice&) = delete;

    bool open(const std::string& name, std::string& reason);
    void close();
    bool isOpen() const { return handle_ != nullptr; }

    // Sets an option by its SANE name from text: a string option takes it as
    // it is, a number option a decimal number, a bool option yes/no/true/false.
    bool setOption(const std::string& name, const std::string& value, std::string& reason);
    // The current text of a string option, and its list of allowed values.
    std::string optionText(const std::string& name) const;
    std::vector<std::string> optionChoices(const std::string& name) const;

    // Reads all frames of the next page. The device's own failure texts go
    // into reason.
    PageResult scanPage(std::vector<SaneFrame>& frames, std::string& reason);
    // Ends a batch (the scanner stops feeding).
    void endBatch();

private:
    int findOption(const std::string& name) const;
    bool readFrame(SaneFrame& frame, std::string& reason);

    void* handle_ = nullptr;
    bool scanning_ = false;
};

}  // namespace turnpixa
