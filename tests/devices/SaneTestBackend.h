#pragma once
#include <deque>
#include <string>
#include <vector>

#include "devices/CTwainSource.h"
#include "devices/SaneSourceManager.h"
#include "image/RasterImage.h"
#include "tests/support/TempDir.h"

namespace turnpixa::test {

// SANE's test backend for the life of a test (see useSaneTestBackend).
struct SaneTestConfig {
    explicit SaneTestConfig(bool withTestBackend = true);
};

// Plays the user: picks a device in the selection (or cancels) and presses
// the source window's buttons in the order given, one per event pump.
class ScriptedUser : public ScanUi, public TwainHost {
public:
    int selectSource(const std::vector<SaneDeviceInfo>& devices, int defaultIndex) override;
    void showSourceWindow(const SaneDeviceInfo& device, SourceWindowEvents& events) override;
    void hideSourceWindow() override;
    bool pumpEvents() override;
    bool askRetryCancel(const std::string& text) override;

    std::string choose = "test:0";  // empty: cancel the selection
    std::deque<std::string> presses{"Scan"};
    std::deque<bool> retryAnswers;

    std::vector<std::string> offered;
    std::vector<std::string> questions;
    int windowsShown = 0;
    bool windowOpen = false;
    int pumps = 0;

private:
    SourceWindowEvents* events_ = nullptr;
};

struct Acquired {
    bool selected = false;
    std::vector<RasterImage> images;
    int calls = 0;
    std::string failure;
};

// The Load page's caller pattern over a fresh source manager.
Acquired acquire(ScriptedUser& user, SaneSourceManager& manager);

// The same page as scanimage writes it (PNM), for comparison; empty when
// scanimage is not there.
std::string scanimagePnm(const std::vector<std::string>& args);
// Decodes P4 / P5 / P6 (8 or 16 bits) into 24-bit colour rows top-down.
bool pnmToRgb(const std::string& pnm, int& width, int& height, std::vector<std::uint8_t>& rgb);
// 24-bit colour rows top-down from any RasterImage.
std::vector<std::uint8_t> imageRgb(const RasterImage& image);

}  // namespace turnpixa::test
