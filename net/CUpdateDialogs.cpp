#include "CUpdateDialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "net/UpdateCheck.h"

namespace turnpixa {

namespace {

const QString kHelpTopic = QStringLiteral("auto-updates.htm");

QPushButton* button(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

CCheckUpdatesDlg::CCheckUpdatesDlg(bool ticked, HelpOpener help, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Check for Updates"));
    auto* text = new QLabel(tr("TurnPixa can automatically detect when a new version "
                               "is available.\n\nIs it OK to access the internet to "
                               "check for updates?"),
                            this);
    text->setWordWrap(true);
    box_ = new QCheckBox(tr("Yes, automatically check for updates?"), this);
    box_->setChecked(ticked);
    ok_ = button(tr("OK"), this);
    ok_->setDefault(true);
    auto* cancel = button(tr("Cancel"), this);
    checkNow_ = button(tr("Check now"), this);
    auto* helpButton = button(tr("Help..."), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ok_, cancel, checkNow_, helpButton}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(box_);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(checkNow_, &QPushButton::clicked, this, [this] { done(kCheckNow); });
    connect(helpButton, &QPushButton::clicked, this,
            [this, help] { help.openHelpTopic(this, kHelpTopic); });
}

bool CCheckUpdatesDlg::ticked() const {
    return box_->isChecked();
}

CUpToDateDlg::CUpToDateDlg(double current, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("TurnPixa"));
    auto* heading = new QLabel(tr("Up To Date"), this);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(30);
    font.setWeight(QFont::Normal);
    heading->setFont(font);
    text_ = new QLabel(tr("This is already the latest version.\n(ver %1)")
                           .arg(QString::fromStdString(formatVersion(current))),
                       this);
    auto* ok = button(tr("OK"), this);
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(text_);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString CUpToDateDlg::text() const {
    return text_->text();
}

CUpdateOfferDlg::CUpdateOfferDlg(double latest, HelpOpener help, Download download, QWidget* parent)
    : QDialog(parent), download_(std::move(download)) {
    setWindowTitle(tr("New TurnPixa Version Available"));
    first_ = new QLabel(
        tr("Version %1 is now available").arg(QString::fromStdString(formatVersion(latest))), this);
    QFont bigger = first_->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.4);
    first_->setFont(bigger);
    yes_ = button(tr("Yes, download and install"), this);
    yes_->setDefault(true);
    notNow_ = button(tr("Not now"), this);
    options_ = button(tr("Options..."), this);
    auto* helpButton = button(tr("Help..."), this);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {yes_, notNow_, options_, helpButton}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(first_);
    layout->addWidget(new QLabel(tr("Would you like to upgrade?"), this));
    layout->addWidget(progress_);
    layout->addLayout(buttons);
    connect(yes_, &QPushButton::clicked, this, &CUpdateOfferDlg::start);
    connect(notNow_, &QPushButton::clicked, this, &CUpdateOfferDlg::reject);
    connect(options_, &QPushButton::clicked, this, [this] { done(kOptions); });
    connect(helpButton, &QPushButton::clicked, this,
            [this, help] { help.openHelpTopic(this, kHelpTopic); });
}

QString CUpdateOfferDlg::firstLine() const {
    return first_->text();
}

void CUpdateOfferDlg::reject() {
    if (downloading_) {
        stopAsked_ = true;
        return;
    }
    QDialog::reject();
}

void CUpdateOfferDlg::start() {
    if (downloading_) return;
    downloading_ = true;
    stopAsked_ = false;
    yes_->setEnabled(false);
    options_->setEnabled(false);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    const bool ready = download_([this](int percent) {
        if (percent < 0) {
            progress_->setRange(0, 0);  // busy: the length is unknown
        } else if (percent != progress_->value()) {
            progress_->setRange(0, 100);
            progress_->setValue(percent);
        }
        QCoreApplication::processEvents();
        return !stopAsked_;
    });
    downloading_ = false;
    if (ready) {
        accept();
    } else {
        QDialog::reject();
    }
}

}  // namespace turnpixa
