#include "CWebspaceSettingsDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "net/WebspaceFields.h"
#include "project/UploadSettings.h"

namespace turnpixa {

namespace {

QLineEdit* fieldIn(const QString& title, const QString& caption, QVBoxLayout* layout,
                   QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* row = new QHBoxLayout(group);
    auto* label = new QLabel(caption, group);
    auto* edit = new QLineEdit(group);
    label->setBuddy(edit);
    row->addWidget(label);
    row->addWidget(edit, 1);
    layout->addWidget(group);
    return edit;
}

}  // namespace

CWebspaceSettingsDlg::CWebspaceSettingsDlg(UploadSettings& settings, HelpOpener help,
                                           QWidget* parent)
    : QDialog(parent), settings_(settings), help_(std::move(help)) {
    setWindowTitle(tr("Webspace Upload Settings"));
    auto* layout = new QVBoxLayout(this);

    auto* account = new QFormLayout;
    server_ = new QLineEdit(this);
    server_->setPlaceholderText(
        tr("ftp.example.com, ftps://ftp.example.com or sftp://example.com"));
    server_->setToolTip(
        tr("The name of your webspace's FTP server. Write it as "
           "ftps://name for a secure connection, or as sftp://name (sftp://name:port "
           "for a port other than 22) for SFTP over SSH; with SFTP an empty password "
           "logs on with your SSH agent or your key in ~/.ssh."));
    user_ = new QLineEdit(this);
    password_ = new QLineEdit(this);
    password_->setEchoMode(QLineEdit::Password);
    account->addRow(tr("Webspace FTP Server"), server_);
    account->addRow(tr("Username"), user_);
    account->addRow(tr("Password"), password_);
    layout->addLayout(account);

    websiteFolder_ = fieldIn(tr("Sub Folder for your website"), tr("Website Folder"), layout, this);
    websiteFolder_->setPlaceholderText(tr("empty: htdocs or public_html"));
    subFolder_ =
        fieldIn(tr("Folder to store in on your webspace"), tr("TurnPixa Folder"), layout, this);

    auto* where = new QGroupBox(tr("Your webspace location"), this);
    auto* whereRow = new QHBoxLayout(where);
    whereRow->addWidget(new QLabel(QStringLiteral("http://"), where));
    location_ = new QLineEdit(where);
    whereRow->addWidget(location_, 1);
    layout->addWidget(where);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* helpButton = buttons->addButton(tr("Help..."), QDialogButtonBox::HelpRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this,
            [this] { help_.openHelpTopic(this, QStringLiteral("ftp-settings.htm")); });

    server_->setText(QString::fromStdString(settings.ftpServer));
    user_->setText(QString::fromStdString(settings.ftpUser));
    password_->setText(QString::fromStdString(settings.ftpPass));
    websiteFolder_->setText(QString::fromStdString(settings.websiteFolder));
    subFolder_->setText(QString::fromStdString(settings.webspaceSubFolder));
    location_->setText(
        QString::fromStdString(WebspaceFields::locationForEdit(settings.webspaceUrl)));
    // The settings file has room for a password of so many bytes.
    connect(password_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const std::string capped = WebspaceFields::capPassword(text.toStdString());
        if (capped.size() != static_cast<std::size_t>(text.toUtf8().size()))
            password_->setText(QString::fromStdString(capped));
    });
    setMinimumWidth(420);
}

void CWebspaceSettingsDlg::accept() {
    settings_.ftpServer = server_->text().trimmed().toStdString();
    settings_.ftpUser = user_->text().toStdString();
    settings_.ftpPass = WebspaceFields::capPassword(password_->text().toStdString());
    settings_.websiteFolder = websiteFolder_->text().toStdString();
    settings_.webspaceSubFolder = subFolder_->text().toStdString();
    settings_.webspaceUrl =
        WebspaceFields::locationFromEdit(location_->text().trimmed().toStdString());
    QDialog::accept();
}

}  // namespace turnpixa
