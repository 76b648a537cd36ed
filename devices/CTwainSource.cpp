#include "CTwainSource.h"

#include "image/RasterImage.h"

namespace turnpixa {

using namespace twain;

CTwainSource::CTwainSource(SourceManager& manager, TwainHost& host, void* window)
    : manager_(manager), host_(host), window_(window) {}

CTwainSource::~CTwainSource() {
    closeAll();
}

TW_UINT16 CTwainSource::call(TW_IDENTITY* dest, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                             void* data) {
    const TW_UINT16 rc = manager_.entry(&app_, dest, dg, dat, msg, data);
    if (rc != TWRC_SUCCESS && rc != TWRC_XFERDONE && dat != DAT_EVENT) {
        TW_STATUS status;
        manager_.entry(&app_, dest, DG_CONTROL, DAT_STATUS, MSG_GET, &status);
        if (!status.Reason.empty()) failure_ = status.Reason;
    }
    return rc;
}

void CTwainSource::fillIdentity() {
    app_ = TW_IDENTITY{};
    app_.Version.MajorNum = 1;
    app_.Version.MinorNum = 0;
    app_.Version.Language = TWLG_USA;
    app_.Version.Country = TWCY_USA;
    app_.Version.Info = "TurnPixa Twain 1.0.0.0";
    app_.ProtocolMajor = 1;
    app_.ProtocolMinor = 8;
    app_.SupportedGroups = DG_CONTROL | DG_IMAGE;
    app_.Manufacturer = "TurnPixa developers";
    app_.ProductFamily = "TurnPixa";
    app_.ProductName = "TurnPixa";
}

bool CTwainSource::openManager() {
    if (managerOpen_) return true;
    managerOpen_ = call(nullptr, DG_CONTROL, DAT_PARENT, MSG_OPENDSM, &window_) == TWRC_SUCCESS;
    return managerOpen_;
}

void CTwainSource::closeManager() {
    if (!managerOpen_ || sourceOpen_) return;
    if (call(nullptr, DG_CONTROL, DAT_PARENT, MSG_CLOSEDSM, &window_) == TWRC_SUCCESS)
        managerOpen_ = false;
}

void CTwainSource::closeAll() {
    if (sourceEnabled_) {
        TW_USERINTERFACE ui;
        ui.hParent = window_;
        call(&source_, DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui);
        sourceEnabled_ = false;
    }
    if (sourceOpen_) {
        call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &source_);
        sourceOpen_ = false;
    }
    closeManager();
    acquisitionOpen_ = false;
}

bool CTwainSource::SelectSource() {
    fillIdentity();
    if (!openManager()) return false;
    bool result = false;
    for (;;) {
        call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETDEFAULT, &source_);
        // Having no default is no failure: the selection still shows.
        failure_.clear();
        if (call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_USERSELECT, &source_) != TWRC_SUCCESS)
            break;
        if (call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &source_) == TWRC_SUCCESS) {
            call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &source_);
            result = true;
            break;
        }
        const std::string name = source_.ProductName.empty() ? "device" : source_.ProductName;
        if (!host_.askRetryCancel("The " + name +
                                  " is not responding\nCheck that it is connected and turned on."))
            break;
    }
    closeManager();
    return result;
}

bool CTwainSource::openAcquisition() {
    fillIdentity();
    // The manager's default source is the one just selected.
    if (!sourceOpen_) source_.ProductName.clear();
    transferExpected_ = false;
    if (!openManager()) return false;
    if (call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &source_) != TWRC_SUCCESS) {
        closeManager();
        return false;
    }
    sourceOpen_ = true;
    TW_CAPABILITY cap;
    cap.Cap = ICAP_XFERMECH;
    cap.ConType = TWON_ONEVALUE;
    cap.ItemType = TWTY_UINT16;
    cap.Item = TWSX_NATIVE;
    if (call(&source_, DG_CONTROL, DAT_CAPABILITY, MSG_SET, &cap) != TWRC_SUCCESS) {
        closeAll();
        return false;
    }
    TW_USERINTERFACE ui;
    ui.ShowUI = true;
    ui.ModalUI = false;
    ui.hParent = window_;
    if (call(&source_, DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui) != TWRC_SUCCESS) {
        closeAll();
        return false;
    }
    sourceEnabled_ = true;
    acquisitionOpen_ = true;
    return true;
}

bool CTwainSource::nativeTransfer(RasterImage& image, bool& arrived) {
    TW_NATIVEXFER xfer;
    const TW_UINT16 rc = call(&source_, DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &xfer);
    transferExpected_ = false;
    TW_PENDINGXFERS pending;
    if (call(&source_, DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending) != TWRC_SUCCESS)
        pending.Count = 0;
    remaining_ = pending.Count != 0;
    if (!remaining_) closeAll();
    arrived = rc == TWRC_XFERDONE && !xfer.dib.empty();
    if (!arrived) return false;
    if (!image.importPackedDib(xfer.dib.data(), xfer.dib.size())) {
        failure_ = "the scanned picture could not be read";
        return false;
    }
    return true;
}

bool CTwainSource::AcquireImage(RasterImage& image) {
    if (!acquisitionOpen_ && !openAcquisition()) {
        morePending_ = false;
        return false;
    }
    bool arrived = false;
    bool result = false;
    if (morePending_) {
        result = nativeTransfer(image, arrived);
        morePending_ = arrived && remaining_;
        return result;
    }
    transferExpected_ = true;
    bool transferred = false;
    while (acquisitionOpen_ && !transferred) {
        if (!host_.pumpEvents()) {
            closeAll();
            break;
        }
        TW_EVENT event;
        if (call(&source_, DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event) != TWRC_DSEVENT)
            continue;
        if (event.TWMessage == MSG_XFERREADY && transferExpected_) {
            result = nativeTransfer(image, arrived);
            transferred = true;
        } else if (event.TWMessage == MSG_CLOSEDSREQ || event.TWMessage == MSG_CLOSEDSOK) {
            closeAll();
        }
    }
    transferExpected_ = false;
    morePending_ = acquisitionOpen_;
    return result;
}

}  // namespace turnpixa
