#include "QtScanHost.h"

#include <QCoreApplication>
#include <QStringList>

#include "app/DialogSeam.h"
#include "devices/CScanSourceDlg.h"

namespace turnpixa {

QtScanHost::QtScanHost(QWidget* parent) : parent_(parent) {
    wake_.setInterval(50);
    wake_.start();
}

QtScanHost::~QtScanHost() {
    hideSourceWindow();
}

int QtScanHost::selectSource(const std::vector<SaneDeviceInfo>& devices, int defaultIndex) {
    QStringList names;
    for (const SaneDeviceInfo& d : devices) {
        const QString model = QString::fromStdString(d.vendor + " " + d.model).trimmed();
        names << (model.isEmpty()
                      ? QString::fromStdString(d.name)
                      : QStringLiteral("%1 (%2)").arg(model, QString::fromStdString(d.name)));
    }
    return DialogSeam::instance().selectScanner(parent_, names, defaultIndex);
}

void QtScanHost::showSourceWindow(const SaneDeviceInfo& device, SourceWindowEvents& events) {
    hideSourceWindow();
    window_ = new CScanSourceDlg(device, events, parent_);
    window_->show();
    window_->raise();
}

void QtScanHost::hideSourceWindow() {
    delete window_.data();
}

bool QtScanHost::pumpEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return !QCoreApplication::closingDown();
}

bool QtScanHost::askRetryCancel(const std::string& text) {
    return DialogSeam::instance().askRetryCancel(parent_, QString::fromStdString(text));
}

}  // namespace turnpixa
