#include "CUploadDlg.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogSeam.h"
#include "net/CWebspaceSettingsDlg.h"
#include "net/LiveCheck.h"
#include "project/UploadSettings.h"

namespace turnpixa {

namespace {

// Repaints the progress while the transfer blocks; the dialog takes no
// input meanwhile.
void paintPending() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

CUploadDlg::CUploadDlg(UploadSettings& settings, UploadSet set, HelpOpener help, QWidget* parent)
    : QDialog(parent), settings_(settings), set_(std::move(set)), help_(std::move(help)) {
    setWindowTitle(QStringLiteral("Upload to Your Webspace"));
    auto* layout = new QVBoxLayout(this);
    target_ = new QLabel(this);
    target_->setWordWrap(true);
    layout->addWidget(target_);

    auto* group = new QGroupBox(QStringLiteral("Progress"), this);
    auto* groupLayout = new QVBoxLayout(group);
    progress_ = new QProgressBar(group);
    progress_->setRange(0, set_.frameCount * (set_.zoom ? 2 : 1) + 5);
    progress_->setValue(0);
    status_ = new QLabel(group);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    groupLayout->addWidget(progress_);
    groupLayout->addWidget(status_);
    layout->addWidget(group);

    auto* buttons = new QHBoxLayout;
    upload_ = new QPushButton(QStringLiteral("Upload"), this);
    upload_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    settings_button_ = new QPushButton(QStringLiteral("Settings..."), this);
    helpButton_ = new QPushButton(QStringLiteral("Help..."), this);
    buttons->addWidget(upload_);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    buttons->addWidget(settings_button_);
    buttons->addWidget(helpButton_);
    layout->addLayout(buttons);

    connect(upload_, &QPushButton::clicked, this, [this] { upload(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(settings_button_, &QPushButton::clicked, this, &CUploadDlg::openSettings);
    connect(helpButton_, &QPushButton::clicked, this,
            [this] { help_.openHelpTopic(this, QStringLiteral("upload.htm")); });
    showTarget();
    setMinimumWidth(460);
}

void CUploadDlg::showTarget() {
    const QString server = settings_.ftpServer.empty()
                               ? QStringLiteral("(no server set: see Settings...)")
                               : QString::fromStdString(settings_.ftpServer);
    target_->setText(QStringLiteral("%1 and its %2 frames go to the folder \"%3\" on %4.")
                         .arg(QString::fromStdString(set_.stem + ".htm"))
                         .arg(set_.frameCount)
                         .arg(QString::fromStdString(settings_.webspaceSubFolder))
                         .arg(server));
}

void CUploadDlg::openSettings() {
    CWebspaceSettingsDlg dialog(settings_, help_, this);
    DialogSeam::instance().runDialog(dialog);
    showTarget();
}

void CUploadDlg::setBusy(bool busy) {
    for (QPushButton* b : {upload_, cancel_, settings_button_, helpButton_}) b->setEnabled(!busy);
}

bool CUploadDlg::upload() {
    setBusy(true);
    status_->setText(QStringLiteral("Uploading..."));
    Uploader uploader(settings_, set_, ftpOptions_);
    const bool ok =
        uploader.run({[this](int position) {
                          progress_->setValue(position);
                          paintPending();
                      },
                      [this](const std::string& text) {
                          DialogSeam::instance().message(this, QString::fromStdString(text));
                      }});
    if (!ok) {
        status_->setText(QStringLiteral("The upload did not work."));
        setBusy(false);
        return false;
    }
    status_->setText(QStringLiteral("Uploaded. Checking that the files are online..."));
    paintPending();
    LiveCheck check;
    check.run(settings_, set_, LiveCheck::httpProbe(httpOptions_));
    status_->setText(QString::fromStdString(check.text()));
    DialogSeam::instance().message(
        this,
        QStringLiteral("The upload is complete.\n\n%1").arg(QString::fromStdString(check.text())));
    setBusy(false);
    accept();
    return true;
}

}  // namespace turnpixa
