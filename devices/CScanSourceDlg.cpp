#include "CScanSourceDlg.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace turnpixa {

CScanSourceDlg::CScanSourceDlg(const SaneDeviceInfo& device, SourceWindowEvents& events,
                               QWidget* parent)
    : QDialog(parent), events_(events) {
    setObjectName(QStringLiteral("scanSourceWindow"));
    setWindowTitle(tr("Scan - %1").arg(QString::fromStdString(device.name)));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    QString model = QString::fromStdString(device.vendor + " " + device.model).trimmed();
    form->addRow(tr("Scanner:"),
                 new QLabel(model.isEmpty() ? QString::fromStdString(device.name) : model, this));
    source_ = new QComboBox(this);
    const QString current = QString::fromStdString(events.currentSource());
    for (const std::string& s : events.sourceChoices()) source_->addItem(QString::fromStdString(s));
    source_->setCurrentText(current);
    if (source_->count() > 0) form->addRow(tr("Paper from:"), source_);
    source_->setVisible(source_->count() > 0);
    layout->addLayout(form);
    status_ = new QLabel(tr("Put the page on the scanner and press Scan."), this);
    status_->setWordWrap(true);
    layout->addWidget(status_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    scan_ = new QPushButton(tr("Scan"), this);
    scan_->setDefault(true);
    close_ = new QPushButton(tr("Close"), this);
    close_->setAutoDefault(false);
    buttons->addWidget(scan_);
    buttons->addWidget(close_);
    layout->addLayout(buttons);

    connect(scan_, &QPushButton::clicked, this, [this] {
        scan_->setEnabled(false);
        source_->setEnabled(false);
        status_->setText(tr("Scanning..."));
        events_.scanPressed();
    });
    connect(close_, &QPushButton::clicked, this, [this] { events_.closePressed(); });
    connect(source_, &QComboBox::activated, this, &CScanSourceDlg::sourceChosen);
    setMinimumWidth(340);
}

void CScanSourceDlg::sourceChosen(int index) {
    std::string reason;
    if (!events_.chooseSource(source_->itemText(index).toStdString(), reason)) {
        status_->setText(QString::fromStdString(reason));
        const QSignalBlocker block(source_);
        source_->setCurrentText(QString::fromStdString(events_.currentSource()));
    }
}

// Escape and the close box ask the source to close; it hides this window.
void CScanSourceDlg::reject() {
    events_.closePressed();
}

void CScanSourceDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    events_.closePressed();
}

}  // namespace turnpixa
