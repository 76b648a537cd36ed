#pragma once
#include <string>

#include "SourceManager.h"

namespace turnpixa {

class RasterImage;

// What the acquisition needs from the program around it.
class TwainHost {
public:
    virtual ~TwainHost() = default;
    // Handles the window events that are waiting, waiting a little for one;
    // false when the program is ending.
    virtual bool pumpEvents() = 0;
    // The "not responding" question; true for Retry.
    virtual bool askRetryCancel(const std::string& text) = 0;
};

// One press of "Acquire...": the user picks a source, the source's own
// window takes the pictures and each one handed over by native transfer
// becomes a RasterImage. Caller pattern: SelectSource; when it succeeds,
// repeat AcquireImage into a new image while morePending(); then destroy
// the object, which closes whatever is still open.
class CTwainSource {
public:
    CTwainSource(SourceManager& manager, TwainHost& host, void* window = nullptr);
    ~CTwainSource();
    CTwainSource(const CTwainSource&) = delete;
    CTwainSource& operator=(const CTwainSource&) = delete;

    bool SelectSource();
    bool AcquireImage(RasterImage& image);
    bool morePending() const { return morePending_; }
    // The chosen source's name (SANE device name here).
    const std::string& sourceName() const { return source_.ProductName; }
    // The last failure the source reported, empty when none.
    const std::string& failure() const { return failure_; }

private:
    twain::TW_UINT16 call(twain::TW_IDENTITY* dest, twain::TW_UINT32 dg, twain::TW_UINT16 dat,
                          twain::TW_UINT16 msg, void* data);
    void fillIdentity();
    bool openManager();
    void closeManager();
    void closeAll();
    bool openAcquisition();
    bool nativeTransfer(RasterImage& image, bool& arrived);

    SourceManager& manager_;
    TwainHost& host_;
    void* window_ = nullptr;
    twain::TW_IDENTITY app_;
    twain::TW_IDENTITY source_;
    bool managerOpen_ = false;
    bool sourceOpen_ = false;
    bool sourceEnabled_ = false;
    bool transferExpected_ = false;
    bool acquisitionOpen_ = false;
    bool morePending_ = false;
    bool remaining_ = false;  // the last transfer left images pending
    std::string failure_;
};

}  // namespace turnpixa
