#pragma once
#include <QDialog>

#include "app/HelpOpener.h"

class QLineEdit;

namespace turnpixa {

struct UploadSettings;

// "Webspace Upload Settings": the FTP account and where the website lives.
// OK stores every field into the settings; Cancel stores nothing.
class CWebspaceSettingsDlg : public QDialog {
    Q_OBJECT
public:
    CWebspaceSettingsDlg(UploadSettings& settings, HelpOpener help, QWidget* parent = nullptr);

    void accept() override;

    QLineEdit* serverEdit() const { return server_; }
    QLineEdit* userEdit() const { return user_; }
    QLineEdit* passwordEdit() const { return password_; }
    QLineEdit* websiteFolderEdit() const { return websiteFolder_; }
    QLineEdit* subFolderEdit() const { return subFolder_; }
    QLineEdit* locationEdit() const { return location_; }

private:
    UploadSettings& settings_;
    HelpOpener help_;
    QLineEdit* server_ = nullptr;
    QLineEdit* user_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* websiteFolder_ = nullptr;
    QLineEdit* subFolder_ = nullptr;
    QLineEdit* location_ = nullptr;
};

}  // namespace turnpixa
