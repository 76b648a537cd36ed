#include "CTakePhotosDlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

#include "app/DialogSeam.h"
#include "app/RasterImageQt.h"
#include "app/WizardNavigation.h"
#include "devices/CPrintPadDlg.h"
#include "image/Stretch.h"
#include "net/CUpdateCheck.h"
#include "resources/Resources.h"

namespace turnpixa {

namespace {

const char* const kInstructionsText = QT_TRANSLATE_NOOP(
    "turnpixa::CTakePhotosDlg",
    "Step 1: Take your photos.\r\n\r\nEither, 1. Rotate your object between each photo, keeping "
    "the camera still.\r\n\r\n Or, 2. Rotate your camera around the object, keeping the object "
    "still.\r\n\r\n Or, 3. Rotate your camera around on the spot to capture the entire scene.");

}  // namespace

const QString CTakePhotosDlg::kInstructions = QString::fromUtf8(kInstructionsText);

TakePhotosLayout takePhotosLayout(int w, int h, QSize button, QPoint picturePos) {
    const int mx = w / 50, my = h / 50;
    const int bw = button.width(), bh = button.height();
    const int g = h - 3 * my - bh;
    TakePhotosLayout l;
    const int rowLeft = (w - (2 * bw + mx)) / 2;
    l.start = QRect(rowLeft, h - my - bh, bw, bh);
    l.updates = QRect(rowLeft + bw + mx, h - my - bh, bw, bh);
    l.group = QRect(mx, my, w - 2 * mx, g);
    l.print = QRect(2 * mx, g - bh, bw, bh);
    l.help = QRect(w - 2 * mx - bw, g - bh, bw, bh);
    const int s = std::max(w, h) / 5;
    l.picture = QRect(picturePos, QSize(s, s));
    const int left = 2 * mx + std::max(bw, s);
    const int top = picturePos.y();
    l.text = QRect(left, top, w - 4 * mx - std::max(bw, s), g - top - bh);
    return l;
}

CTakePhotosDlg::CTakePhotosDlg(Project& project, WizardNavigation& navigation,
                               UploadSettings& uploadSettings, HelpOpener helpOpener,
                               QWidget* parent)
    : CWizardPage(project, navigation, tr("Step 1 : Take Photos"),
                  QStringLiteral("take-photos.htm"), parent),
      helpOpener_(std::move(helpOpener)) {
    loadResourceImage("take-photos.png", bitmap_);
    group_ = new QGroupBox(tr("Step 1 - Take Photos"), this);
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("takePhotosPicture"));
    text_ = new QLabel(this);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setContentsMargins(12, 0, 0, 0);  // clear of the picture beside it
    print_ = new QPushButton(tr("Print a TurnPixa Pad..."), this);
    help_ = new QPushButton(tr("Help..."), this);
    start_ = new QPushButton(tr("Start by Loading Photos"), this);
    updates_ = new QPushButton(tr("Updates..."), this);
    // All large buttons share the size of the widest text.
    QSize size = start_->sizeHint();
    for (QPushButton* b : {print_, help_, updates_}) size = size.expandedTo(b->sizeHint());
    size += QSize(24, 12);
    for (QPushButton* b : {print_, help_, start_, updates_}) {
        b->setAutoDefault(false);
        b->resize(size);
    }

    updateCheck_ = std::make_unique<CUpdateCheck>(
        uploadSettings, helpOpener_, this,
        CUpdateCheck::Hooks{[this](const QString& text) { updates_->setText(text); },
                            [this] {
                                // The installer replaces the program: end it.
                                this->navigation().closeWizard();
                            }});

    connect(print_, &QPushButton::clicked, this, &CTakePhotosDlg::printPad);
    connect(help_, &QPushButton::clicked, this,
            [this] { helpOpener_.openHelpTopic(this, helpTopic()); });
    connect(start_, &QPushButton::clicked, this, [this] { this->navigation().goToPage(2); });
    connect(updates_, &QPushButton::clicked, this, [this] { updateCheck_->manualCheck(); });
}

CTakePhotosDlg::~CTakePhotosDlg() = default;

void CTakePhotosDlg::onSetActive() {
    navigation().setEnabledButtons(WizardNavigation::kNext);
    if (!activated_) {
        activated_ = true;
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(18);
        text_->setFont(font);
        text_->setText(tr(kInstructionsText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    showPicture();
}

void CTakePhotosDlg::mainWindowReady() {
    if (checkedAtStart_) return;
    checkedAtStart_ = true;
    updateCheck_->automaticCheck();
}

void CTakePhotosDlg::resizeEvent(QResizeEvent* event) {
    CWizardPage::resizeEvent(event);
    layOut();
}

QPoint CTakePhotosDlg::picturePosition() const {
    const int mx = width() / 50, my = height() / 50;
    // Inside the group box, clear of the title drawn on its top line.
    const int belowTitle = 2 * my + group_->fontMetrics().height();
    return QPoint(2 * mx, std::max(2 * my, belowTitle));
}

void CTakePhotosDlg::layOut() {
    setUpdatesEnabled(false);
    const TakePhotosLayout l =
        takePhotosLayout(width(), height(), start_->size(), picturePosition());
    group_->setGeometry(l.group);
    picture_->setGeometry(l.picture);
    text_->setGeometry(l.text);
    print_->setGeometry(l.print);
    help_->setGeometry(l.help);
    start_->setGeometry(l.start);
    updates_->setGeometry(l.updates);
    group_->lower();
    showPicture();
    setUpdatesEnabled(true);
}

void CTakePhotosDlg::showPicture() {
    const QSize s = picture_->contentsRect().size();
    RasterImage shown;
    if (bitmap_.width() <= 0 || s.isEmpty() || !shown.create(s.width(), s.height(), 24)) return;
    if (!smoothStretch(bitmap_, Rect{0, 0, bitmap_.width(), bitmap_.height()}, shown)) return;
    picture_->setPixmap(QPixmap::fromImage(toQImage(shown)));
}

void CTakePhotosDlg::printPad() {
    CPrintPadDlg dialog(helpOpener_, this);
    DialogSeam::instance().runDialog(dialog);
}

}  // namespace turnpixa
