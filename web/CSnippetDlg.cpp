#include "CSnippetDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <chrono>
#include <future>

#include "app/DialogSeam.h"
#include "project/UploadSettings.h"
#include "web/ViewerScript.h"

namespace turnpixa {

namespace {

QPushButton* button(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

CSnippetDlg::CSnippetDlg(const SnippetImage& known, UploadSettings& settings, HelpOpener help,
                         QWidget* parent)
    : QDialog(parent), image_(known), settings_(settings), help_(std::move(help)) {
    setWindowTitle(tr("Copy To Clipboard"));
    location_ = new QLineEdit(QString::fromStdString(settings.webspaceUrl), this);
    folder_ = new QLineEdit(QString::fromStdString(settings.webspaceSubFolder), this);
    name_ = new QLineEdit(QString::fromStdString(Snippets::stemOf(known.folder)), this);
    for (QLineEdit* e : {location_, folder_, name_}) e->setMinimumWidth(320);
    first_ = new QCheckBox(tr("First TurnPixa on page"), this);
    first_->setChecked(true);
    ebay_ = button(tr("Copy for Ebay"), this);
    webpage_ = button(tr("Copy for Webpage"), this);
    iframe_ = button(tr("Copy for IFrame"), this);
    listing_ = button(tr("Auction listing, no scripts"), this);
    listing_->setToolTip(
        tr("The uploaded animated image, linked to the uploaded page: for listings "
           "that take no scripts"));
    auto* picture =
        new QPushButton(style()->standardIcon(QStyle::SP_MessageBoxQuestion), QString(), this);
    picture->setIconSize(QSize(32, 32));
    picture->setFlat(true);
    picture->setToolTip(tr("How the snippets work"));

    auto* form = new QFormLayout;
    form->addRow(tr("Your webspace location"), location_);
    form->addRow(tr("TurnPixa folder in your webspace"), folder_);
    form->addRow(tr("TurnPixa Image Name"), name_);
    form->addRow(QString(), first_);
    auto* copies = new QGridLayout;
    const struct {
        QPushButton* copy;
        const char* topic;
        Kind kind;
    } rows[] = {{ebay_, "copy-for-ebay.htm", Kind::Ebay},
                {webpage_, "copy-for-web.htm", Kind::Webpage},
                {iframe_, "copy-for-iframe.htm", Kind::IFrame},
                {listing_, "copy-for-listing.htm", Kind::Listing}};
    int row = 0;
    for (const auto& r : rows) {
        auto* helpButton = button(tr("Help..."), this);
        copies->addWidget(r.copy, row, 0);
        copies->addWidget(helpButton, row, 1);
        const QString topic = QString::fromLatin1(r.topic);
        connect(helpButton, &QPushButton::clicked, this,
                [this, topic] { help_.openHelpTopic(this, topic); });
        const Kind kind = r.kind;
        connect(r.copy, &QPushButton::clicked, this, [this, kind] { copy(kind); });
        ++row;
    }
    copies->addWidget(picture, 0, 2, row, 1, Qt::AlignCenter);
    connect(picture, &QPushButton::clicked, this,
            [this] { help_.openHelpTopic(this, QStringLiteral("clipboard.htm")); });
    auto* cancel = button(tr("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(copies);
    layout->addWidget(cancel, 0, Qt::AlignRight);
}

SnippetCheck CSnippetDlg::checkEntries() {
    const std::string location = location_->text().toStdString();
    const std::string folder = folder_->text().toStdString();
    const std::string name = name_->text().trimmed().toStdString();
    // The window keeps painting while an earlier upload is fetched.
    SnippetImage image = image_;
    auto pending = std::async(std::launch::async, [&] {
        return checkSnippetEntries(location, folder, name, image, http_);
    });
    while (pending.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const SnippetCheck check = pending.get();
    image_ = image;
    return check;
}

bool CSnippetDlg::findAnimation(const SnippetCheck& check) {
    const std::string name = name_->text().trimmed().toStdString();
    std::string file, reason;
    auto pending = std::async(std::launch::async, [&] {
        return findUploadedAnimation(check.location, check.folder, name, file, reason, http_);
    });
    while (pending.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const UploadedAnimation answer = pending.get();
    image_.animation = file;
    if (answer == UploadedAnimation::Found) return true;
    DialogSeam::instance().message(
        this, QString::fromStdString(listingRefusal(name, check.base, answer, reason)));
    return false;
}

bool CSnippetDlg::copy(Kind kind) {
    const SnippetCheck check = checkEntries();
    if (check.nameMissing) {
        DialogSeam::instance().message(
            this, tr("Please enter the name of a previously uploaded TurnPixa image"));
        name_->setFocus();
        return false;
    }
    if (check.fetched && !check.found) {
        DialogSeam::instance().message(
            this, tr("Can't find a TurnPixa image called \"%1\" at\n%2\n\nPlease "
                     "check the name you have entered.\nRemember to upload your "
                     "TurnPixa image before using\nthis Copy To Clipboard facility")
                      .arg(name_->text().trimmed(), location_->text()));
    }
    if (kind == Kind::Listing && !findAnimation(check)) return false;
    switch (kind) {
        case Kind::Listing:
            fragment_ = Snippets::listing(image_, check.base);
            break;
        case Kind::Ebay:
            fragment_ =
                Snippets::ebay(image_, check.base, ViewerScript::inlineForm(), first_->isChecked());
            break;
        case Kind::Webpage:
            fragment_ = Snippets::webpage(image_, check.base, first_->isChecked());
            break;
        case Kind::IFrame:
            fragment_ = Snippets::iframe(image_, check.base);
            break;
    }
    if (QClipboard* clipboard = QApplication::clipboard())
        clipboard->setText(QString::fromStdString(fragment_));
    settings_.webspaceUrl = check.location;
    settings_.webspaceSubFolder = check.folder;
    accept();
    return true;
}

}  // namespace turnpixa
