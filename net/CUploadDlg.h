#pragma once
#include <QDialog>

#include "app/HelpOpener.h"
#include "net/CFtpClient.h"
#include "net/Uploader.h"
#include "web/HttpGetText.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace turnpixa {

struct UploadSettings;

// "Upload to Your Webspace": uploads the last saved set with the progress
// bar, then checks that it is online. Closes itself when the upload worked;
// stays open for another try when it did not.
class CUploadDlg : public QDialog {
    Q_OBJECT
public:
    CUploadDlg(UploadSettings& settings, UploadSet set, HelpOpener help, QWidget* parent = nullptr);

    // The "Upload" button. True when every file was stored.
    bool upload();
    void openSettings();

    // Tests shorten the waits and trust their own certificate.
    void setFtpOptions(const FtpOptions& options) { ftpOptions_ = options; }
    void setHttpOptions(const HttpOptions& options) { httpOptions_ = options; }
    // For sftp:// servers; the questions and the cancel are the dialog's own.
    void setSftpOptions(const SftpOptions& options) { sftpOptions_ = options; }

    // While an SFTP upload runs, Cancel and Escape stop it instead of closing.
    void reject() override;

    QProgressBar* progressBar() const { return progress_; }
    QPushButton* uploadButton() const { return upload_; }
    QPushButton* settingsButton() const { return settings_button_; }
    QLabel* statusLine() const { return status_; }

private:
    void setBusy(bool busy);
    void showTarget();
    SftpOptions sftpOptions();

    UploadSettings& settings_;
    UploadSet set_;
    HelpOpener help_;
    FtpOptions ftpOptions_;
    HttpOptions httpOptions_;
    SftpOptions sftpOptions_;
    bool busy_ = false;
    bool cancelRequested_ = false;
    QLabel* target_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* upload_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* settings_button_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

}  // namespace turnpixa
