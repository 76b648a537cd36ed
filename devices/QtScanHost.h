#pragma once
#include <QPointer>
#include <QTimer>

#include "devices/CScanSourceDlg.h"
#include "devices/CTwainSource.h"
#include "devices/SaneSourceManager.h"

class QWidget;

namespace turnpixa {

// The wizard's side of an acquisition: the selection through the dialog
// seam, the source's window as a modeless CScanSourceDlg over parent, and
// Qt's event processing as the message loop.
class QtScanHost : public ScanUi, public TwainHost {
public:
    explicit QtScanHost(QWidget* parent);
    ~QtScanHost() override;

    int selectSource(const std::vector<SaneDeviceInfo>& devices, int defaultIndex) override;
    void showSourceWindow(const SaneDeviceInfo& device, SourceWindowEvents& events) override;
    void hideSourceWindow() override;
    bool pumpEvents() override;
    bool askRetryCancel(const std::string& text) override;

    CScanSourceDlg* sourceWindow() const { return window_; }

private:
    QPointer<QWidget> parent_;
    QPointer<CScanSourceDlg> window_;  // owned by parent_ until hidden
    QTimer wake_;                      // so that waiting for events never waits long
};

}  // namespace turnpixa
