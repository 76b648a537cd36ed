#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SaneDevice.h"
#include "SourceManager.h"

namespace turnpixa {

// What the source's own window does to the source: the window's Scan and
// Close buttons call these.
class SourceWindowEvents {
public:
    virtual ~SourceWindowEvents() = default;
    virtual void scanPressed() = 0;
    virtual void closePressed() = 0;
    // The device's SANE "source" choices (flatbed, document feeder...),
    // empty when it has none; choosing one sets it for the next Scan.
    virtual std::vector<std::string> sourceChoices() const = 0;
    virtual std::string currentSource() const = 0;
    virtual bool chooseSource(const std::string& source, std::string& reason) = 0;
};

// The dialogs the source manager and its sources show; the GUI hands in Qt
// windows, turnpixa-cli a choice made on its command line.
class ScanUi {
public:
    virtual ~ScanUi() = default;
    // The manager's source selection: an index into devices, -1 when cancelled.
    virtual int selectSource(const std::vector<SaneDeviceInfo>& devices, int defaultIndex) = 0;
    // The source's own window, modeless, until hideSourceWindow.
    virtual void showSourceWindow(const SaneDeviceInfo& device, SourceWindowEvents& events) = 0;
    virtual void hideSourceWindow() = 0;
};

// The TWAIN source manager of this platform: it answers the operations that
// CTwainSource makes, with the devices SANE finds as sources. A source whose
// SANE "source" option names a document feeder reports more pending transfers
// until the feeder is empty; any other source has one page per Scan.
class SaneSourceManager : public SourceManager, private SourceWindowEvents {
public:
    explicit SaneSourceManager(ScanUi& ui);
    ~SaneSourceManager() override;

    twain::TW_UINT16 entry(twain::TW_IDENTITY* origin, twain::TW_IDENTITY* dest,
                           twain::TW_UINT32 dg, twain::TW_UINT16 dat, twain::TW_UINT16 msg,
                           void* data) override;

    // Set on every source when it opens: the SANE "source" option (empty:
    // the device's own choice) and any further SANE options by name.
    void setSourceOption(std::string source) { sourceOption_ = std::move(source); }
    void addOption(std::string name, std::string value);
    // Runs before each page is scanned with the page number (1-based) and
    // the open device; tests use it to make the device fail part-way.
    void setBeforePage(std::function<void(int, SaneDevice&)> hook) {
        beforePage_ = std::move(hook);
    }
    // Sources the manager offers; empty unless the manager is open.
    const std::vector<SaneDeviceInfo>& sources() const { return devices_; }

private:
    using RC = twain::TW_UINT16;
    RC fail(twain::TW_UINT16 condition, std::string reason = {});
    RC openManager();
    RC closeManager();
    RC identity(twain::TW_UINT16 msg, twain::TW_IDENTITY* dest);
    RC openSource(twain::TW_IDENTITY* dest);
    RC closeSource();
    RC userInterface(twain::TW_UINT16 msg);
    RC processEvent(twain::TW_EVENT* event);
    RC nativeTransfer(twain::TW_NATIVEXFER* xfer);
    RC endTransfer(twain::TW_PENDINGXFERS* pending);
    void fillIdentity(const SaneDeviceInfo& device, twain::TW_IDENTITY& id) const;
    bool isFeeder() const;

    void scanPressed() override;
    void closePressed() override;
    std::vector<std::string> sourceChoices() const override;
    std::string currentSource() const override;
    bool chooseSource(const std::string& source, std::string& reason) override;

    ScanUi& ui_;
    std::unique_ptr<SaneSession> session_;
    std::vector<SaneDeviceInfo> devices_;
    std::string defaultSource_;  // the name last chosen
    SaneDevice device_;
    SaneDeviceInfo openDevice_;
    bool enabled_ = false;
    bool windowShown_ = false;
    std::deque<twain::TW_UINT16> events_;
    int pagesScanned_ = 0;
    // After a transfer: -1 when the feeder may hold more, 0 when done.
    int pending_ = 0;
    twain::TW_STATUS status_;
    std::string sourceOption_;
    std::vector<std::pair<std::string, std::string>> options_;
    std::function<void(int, SaneDevice&)> beforePage_;
};

}  // namespace turnpixa
