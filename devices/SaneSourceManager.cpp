#include "SaneSourceManager.h"

#include <algorithm>
#include <cctype>

namespace turnpixa {

using namespace twain;

SaneSourceManager::SaneSourceManager(ScanUi& ui) : ui_(ui) {}

SaneSourceManager::~SaneSourceManager() {
    if (windowShown_) ui_.hideSourceWindow();
    device_.close();
}

void SaneSourceManager::addOption(std::string name, std::string value) {
    options_.emplace_back(std::move(name), std::move(value));
}

TW_UINT16 SaneSourceManager::entry(TW_IDENTITY*, TW_IDENTITY*, TW_UINT32 dg, TW_UINT16 dat,
                                   TW_UINT16 msg, void* data) {
    if (dg == DG_IMAGE && dat == DAT_IMAGENATIVEXFER && msg == MSG_GET)
        return nativeTransfer(static_cast<TW_NATIVEXFER*>(data));
    if (dg != DG_CONTROL) return fail(TWCC_BADVALUE);
    switch (dat) {
        case DAT_PARENT:
            if (msg == MSG_OPENDSM) return openManager();
            if (msg == MSG_CLOSEDSM) return closeManager();
            break;
        case DAT_IDENTITY:
            return identity(msg, static_cast<TW_IDENTITY*>(data));
        case DAT_CAPABILITY: {
            const auto* cap = static_cast<const TW_CAPABILITY*>(data);
            if (msg != MSG_SET || !cap || !device_.isOpen()) return fail(TWCC_SEQERROR);
            // Native transfer is the only mechanism this manager offers.
            if (cap->Cap == ICAP_XFERMECH && cap->ItemType == TWTY_UINT16 &&
                cap->Item == TWSX_NATIVE)
                return TWRC_SUCCESS;
            return fail(TWCC_BADCAP);
        }
        case DAT_USERINTERFACE:
            return userInterface(msg);
        case DAT_EVENT:
            if (msg == MSG_PROCESSEVENT) return processEvent(static_cast<TW_EVENT*>(data));
            break;
        case DAT_PENDINGXFERS:
            if (msg == MSG_ENDXFER) return endTransfer(static_cast<TW_PENDINGXFERS*>(data));
            break;
        case DAT_STATUS:
            if (msg == MSG_GET && data) {
                *static_cast<TW_STATUS*>(data) = status_;
                status_ = TW_STATUS{};
                return TWRC_SUCCESS;
            }
            break;
        default:
            break;
    }
    return fail(TWCC_BADVALUE);
}

TW_UINT16 SaneSourceManager::fail(TW_UINT16 condition, std::string reason) {
    status_.ConditionCode = condition;
    status_.Reason = std::move(reason);
    return TWRC_FAILURE;
}

TW_UINT16 SaneSourceManager::openManager() {
    if (session_) return fail(TWCC_SEQERROR);
    session_ = std::make_unique<SaneSession>();
    if (!session_->ok()) {
        session_.reset();
        return fail(TWCC_BUMMER, "the scanner library could not start");
    }
    devices_ = session_->devices();
    return TWRC_SUCCESS;
}

TW_UINT16 SaneSourceManager::closeManager() {
    if (!session_ || device_.isOpen()) return fail(TWCC_SEQERROR);
    session_.reset();
    devices_.clear();
    return TWRC_SUCCESS;
}

void SaneSourceManager::fillIdentity(const SaneDeviceInfo& device, TW_IDENTITY& id) const {
    id = TW_IDENTITY{};
    id.Id = 1;
    id.ProtocolMajor = 1;
    id.ProtocolMinor = 8;
    id.SupportedGroups = DG_CONTROL | DG_IMAGE;
    id.Manufacturer = device.vendor;
    id.ProductFamily = device.model;
    id.ProductName = device.name;
}

TW_UINT16 SaneSourceManager::identity(TW_UINT16 msg, TW_IDENTITY* id) {
    if (!session_ || !id) return fail(TWCC_SEQERROR);
    const auto it = std::find_if(devices_.begin(), devices_.end(),
                                 [&](const SaneDeviceInfo& d) { return d.name == defaultSource_; });
    const int defaultIndex = it == devices_.end() ? 0 : static_cast<int>(it - devices_.begin());
    switch (msg) {
        case MSG_GETDEFAULT:
            if (devices_.empty()) return fail(TWCC_NODS, "no scanner or camera was found");
            fillIdentity(devices_[static_cast<std::size_t>(defaultIndex)], *id);
            return TWRC_SUCCESS;
        case MSG_USERSELECT: {
            const int chosen = ui_.selectSource(devices_, devices_.empty() ? -1 : defaultIndex);
            if (chosen < 0 || chosen >= static_cast<int>(devices_.size())) return TWRC_CANCEL;
            defaultSource_ = devices_[static_cast<std::size_t>(chosen)].name;
            fillIdentity(devices_[static_cast<std::size_t>(chosen)], *id);
            return TWRC_SUCCESS;
        }
        case MSG_OPENDS:
            return openSource(id);
        case MSG_CLOSEDS:
            return closeSource();
        default:
            return fail(TWCC_BADVALUE);
    }
}

TW_UINT16 SaneSourceManager::openSource(TW_IDENTITY* dest) {
    if (device_.isOpen()) return fail(TWCC_SEQERROR);
    std::string name = dest->ProductName;
    if (name.empty()) name = defaultSource_;
    if (name.empty() && !devices_.empty()) name = devices_.front().name;
    if (name.empty()) return fail(TWCC_NODS, "no scanner or camera was found");
    std::string reason;
    if (!device_.open(name, reason)) return fail(TWCC_NODS, reason);
    bool ok = sourceOption_.empty() || device_.setOption("source", sourceOption_, reason);
    for (std::size_t i = 0; ok && i < options_.size(); ++i)
        ok = device_.setOption(options_[i].first, options_[i].second, reason);
    if (!ok) {
        device_.close();
        return fail(TWCC_BADVALUE, reason);
    }
    openDevice_ = SaneDeviceInfo{name, {}, {}, {}};
    for (const SaneDeviceInfo& d : devices_)
        if (d.name == name) openDevice_ = d;
    fillIdentity(openDevice_, *dest);
    pagesScanned_ = 0;
    pending_ = 0;
    events_.clear();
    return TWRC_SUCCESS;
}

TW_UINT16 SaneSourceManager::closeSource() {
    if (!device_.isOpen() || enabled_) return fail(TWCC_SEQERROR);
    device_.close();
    return TWRC_SUCCESS;
}

TW_UINT16 SaneSourceManager::userInterface(TW_UINT16 msg) {
    if (msg == MSG_ENABLEDS) {
        if (!device_.isOpen() || enabled_) return fail(TWCC_SEQERROR);
        enabled_ = true;
        windowShown_ = true;
        ui_.showSourceWindow(openDevice_, *this);
        return TWRC_SUCCESS;
    }
    if (msg == MSG_DISABLEDS) {
        if (!enabled_) return fail(TWCC_SEQERROR);
        enabled_ = false;
        events_.clear();
        pending_ = 0;
        device_.endBatch();
        if (windowShown_) {
            windowShown_ = false;
            ui_.hideSourceWindow();
        }
        return TWRC_SUCCESS;
    }
    return fail(TWCC_BADVALUE);
}

void SaneSourceManager::scanPressed() {
    // One scan at a time: a press while pages are still coming is ignored.
    if (!enabled_ || pending_ != 0) return;
    if (std::find(events_.begin(), events_.end(), MSG_XFERREADY) != events_.end()) return;
    events_.push_back(MSG_XFERREADY);
}

void SaneSourceManager::closePressed() {
    if (enabled_) events_.push_back(MSG_CLOSEDSREQ);
}

std::vector<std::string> SaneSourceManager::sourceChoices() const {
    return device_.optionChoices("source");
}

std::string SaneSourceManager::currentSource() const {
    return device_.optionText("source");
}

bool SaneSourceManager::chooseSource(const std::string& source, std::string& reason) {
    // Not while pages of a scan are still coming.
    if (!enabled_ || pending_ != 0) {
        reason = "the scanner is busy";
        return false;
    }
    return device_.setOption("source", source, reason);
}

TW_UINT16 SaneSourceManager::processEvent(TW_EVENT* event) {
    if (!event) return fail(TWCC_BADVALUE);
    event->TWMessage = MSG_NULL;
    if (!enabled_ || events_.empty()) return TWRC_NOTDSEVENT;
    event->TWMessage = events_.front();
    events_.pop_front();
    if (event->TWMessage == MSG_XFERREADY) pending_ = -1;
    return TWRC_DSEVENT;
}

bool SaneSourceManager::isFeeder() const {
    std::string source = device_.optionText("source");
    std::transform(source.begin(), source.end(), source.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return source.find("feeder") != std::string::npos || source.find("adf") != std::string::npos;
}

TW_UINT16 SaneSourceManager::nativeTransfer(TW_NATIVEXFER* xfer) {
    // Transfers follow a MSG_XFERREADY or a transfer that left more pending.
    if (!xfer || !enabled_ || pending_ == 0) return fail(TWCC_SEQERROR);
    xfer->dib.clear();
    if (beforePage_) beforePage_(pagesScanned_ + 1, device_);
    std::vector<SaneFrame> frames;
    std::string reason;
    pending_ = 0;
    switch (device_.scanPage(frames, reason)) {
        case SaneDevice::PageResult::Page:
            if (!saneFramesToDib(frames, xfer->dib, reason)) {
                device_.endBatch();
                return fail(TWCC_OPERATIONERROR, reason);
            }
            ++pagesScanned_;
            pending_ = isFeeder() ? -1 : 0;
            return TWRC_XFERDONE;
        case SaneDevice::PageResult::NoDocuments:
            return TWRC_CANCEL;
        case SaneDevice::PageResult::Cancelled:
            return TWRC_CANCEL;
        case SaneDevice::PageResult::Failed:
            break;
    }
    return fail(TWCC_OPERATIONERROR, reason);
}

TW_UINT16 SaneSourceManager::endTransfer(TW_PENDINGXFERS* pending) {
    if (!pending || !enabled_) return fail(TWCC_SEQERROR);
    pending->Count = static_cast<TW_INT16>(pending_);
    if (pending_ == 0) device_.endBatch();
    return TWRC_SUCCESS;
}

}  // namespace turnpixa
