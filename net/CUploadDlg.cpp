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
#include "project/SettingsFile.h"
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
    setWindowTitle(tr("Upload to Your Webspace"));
    auto* layout = new QVBoxLayout(this);
    target_ = new QLabel(this);
    target_->setWordWrap(true);
    layout->addWidget(target_);

    auto* group = new QGroupBox(tr("Progress"), this);
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
    upload_ = new QPushButton(tr("Upload"), this);
    upload_->setDefault(true);
    cancel_ = new QPushButton(tr("Cancel"), this);
    settings_button_ = new QPushButton(tr("Settings..."), this);
    helpButton_ = new QPushButton(tr("Help..."), this);
    buttons->addWidget(upload_);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    buttons->addWidget(settings_button_);
    buttons->addWidget(helpButton_);
    layout->addLayout(buttons);

    connect(upload_, &QPushButton::clicked, this, [this] { upload(); });
    connect(cancel_, &QPushButton::clicked, this, &CUploadDlg::reject);
    connect(settings_button_, &QPushButton::clicked, this, &CUploadDlg::openSettings);
    connect(helpButton_, &QPushButton::clicked, this,
            [this] { help_.openHelpTopic(this, QStringLiteral("upload.htm")); });
    showTarget();
    setMinimumWidth(460);
}

void CUploadDlg::showTarget() {
    const QString server = settings_.ftpServer.empty()
                               ? tr("(no server set: see Settings...)")
                               : QString::fromStdString(settings_.ftpServer);
    target_->setText(tr("%1 and its %2 frames go to the folder \"%3\" on %4.")
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
    busy_ = busy;
    cancelRequested_ = false;
    for (QPushButton* b : {upload_, cancel_, settings_button_, helpButton_}) b->setEnabled(!busy);
    // An SFTP upload looks at Cancel while it waits.
    if (busy && SftpClient::isSftpServer(settings_.ftpServer)) cancel_->setEnabled(true);
}

void CUploadDlg::reject() {
    if (busy_) {
        cancelRequested_ = true;
        return;
    }
    QDialog::reject();
}

SftpOptions CUploadDlg::sftpOptions() {
    SftpOptions options = sftpOptions_;
    if (options.ownKnownHosts.empty())
        options.ownKnownHosts =
            knownHostsBeside(settingsPathFor(help_.programFolder().toStdString()));
    options.askHostKey = [this](const SshHostKeyQuestion& key) {
        const QString server =
            key.port == 22 ? QString::fromStdString(key.host)
                           : tr("%1 port %2").arg(QString::fromStdString(key.host)).arg(key.port);
        return DialogSeam::instance().askTrustHostKey(
            this, tr("TurnPixa has not met the webspace server %1 before, and cannot "
                     "tell whether it is the server you mean.\n\n"
                     "Its %2 key fingerprint is\n%3\n\n"
                     "Compare it with the fingerprint your host publishes. If they "
                     "are the same, trust the key: it is remembered, and the next "
                     "upload goes ahead without asking.")
                      .arg(server, QString::fromStdString(key.keyType),
                           QString::fromStdString(key.fingerprint)));
    };
    options.askPassphrase = [this](const std::string& file, std::string& passphrase) {
        QString answer;
        if (!DialogSeam::instance().askPassphrase(
                this,
                tr("The SSH key %1 is protected by a passphrase.\n\nPassphrase:")
                    .arg(QString::fromStdString(file)),
                answer))
            return false;
        passphrase = answer.toStdString();
        return true;
    };
    options.keepGoing = [this] {
        QCoreApplication::processEvents();
        return !cancelRequested_;
    };
    return options;
}

bool CUploadDlg::upload() {
    setBusy(true);
    status_->setText(tr("Uploading..."));
    Uploader uploader(settings_, set_, ftpOptions_);
    if (SftpClient::isSftpServer(settings_.ftpServer)) uploader.setSftpOptions(sftpOptions());
    const bool ok =
        uploader.run({[this](int position) {
                          progress_->setValue(position);
                          paintPending();
                      },
                      [this](const std::string& text) {
                          DialogSeam::instance().message(this, QString::fromStdString(text));
                      }});
    if (!ok) {
        status_->setText(uploader.cancelled() ? tr("The upload was cancelled.")
                                              : tr("The upload did not work."));
        setBusy(false);
        return false;
    }
    status_->setText(tr("Uploaded. Checking that the files are online..."));
    paintPending();
    LiveCheck check;
    check.run(settings_, set_, LiveCheck::httpProbe(httpOptions_));
    status_->setText(QString::fromStdString(check.text()));
    DialogSeam::instance().message(
        this, tr("The upload is complete.\n\n%1").arg(QString::fromStdString(check.text())));
    setBusy(false);
    accept();
    return true;
}

}  // namespace turnpixa
