#include "CTurnPixaDlg.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/CTurnPixaApp.h"
#include "app/DialogSeam.h"
#include "app/ProgramIcon.h"
#include "pages/CEditDlg.h"
#include "pages/CImportDlg.h"
#include "pages/CSaveDlg.h"
#include "pages/CSizeDlg.h"
#include "pages/CTakePhotosDlg.h"

namespace turnpixa {

CTurnPixaDlg::CTurnPixaDlg(CTurnPixaApp& app, QWidget* parent) : QDialog(parent), app_(app) {
    setWindowTitle(QStringLiteral("TurnPixa"));
    const QString special = QStringLiteral(TURNPIXA_SPECIAL_BUILD);
    if (!special.isEmpty()) setWindowTitle(QStringLiteral("TurnPixa v") + special);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    setWindowIcon(programIcon());

    tabs_ = new QTabWidget(this);
    pages_ = {new CTakePhotosDlg(app), new CImportDlg(app), new CSizeDlg(app), new CEditDlg(app),
              new CSaveDlg(app)};
    for (CWizardPage* p : pages_) tabs_->addTab(p, p->caption());

    auto* about = new QPushButton(QStringLiteral("About TurnPixa..."), this);
    back_ = new QPushButton(QStringLiteral("<< Back"), this);
    next_ = new QPushButton(QStringLiteral("Next >>"), this);
    finish_ = new QPushButton(QStringLiteral("Finish"), this);
    for (QPushButton* b : {about, back_, next_, finish_}) b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(about);
    buttons->addStretch(1);
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    buttons->addWidget(finish_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    connect(about, &QPushButton::clicked, this, [this] { DialogSeam::instance().about(this); });
    connect(back_, &QPushButton::clicked, this, &CTurnPixaDlg::back);
    connect(next_, &QPushButton::clicked, this, &CTurnPixaDlg::next);
    connect(finish_, &QPushButton::clicked, this, &CTurnPixaDlg::finish);
    connect(tabs_, &QTabWidget::currentChanged, this, &CTurnPixaDlg::tabChanged);

    timer_.setSingleShot(true);
    timer_.setInterval(kPreRenderDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        // A pass processes events between frames; a timer that fires inside
        // one waits for it to end instead of nesting a second pass.
        if (inPreRender_) {
            timer_.start();
            return;
        }
        inPreRender_ = true;
        app_.project().runPreRenderPass();
        inPreRender_ = false;
    });

    resize(960, 680);
    setMinimumSize(size());
}

void CTurnPixaDlg::initDialog() {
    tabChanged(activeIndex());
    CWizardPage* first = pages_.front();
    QMetaObject::invokeMethod(
        first, [first] { first->mainWindowReady(); }, Qt::QueuedConnection);
}

int CTurnPixaDlg::activeIndex() const {
    return tabs_->currentIndex();
}

CWizardPage* CTurnPixaDlg::page(int index) const {
    if (index < 0 || index >= pageCount()) return nullptr;
    return pages_[static_cast<std::size_t>(index)];
}

void CTurnPixaDlg::setActiveIndex(int index) {
    if (index >= 0 && index < pageCount()) tabs_->setCurrentIndex(index);
}

void CTurnPixaDlg::setEnabledButtons(int mask) {
    back_->setEnabled(mask & kBack);
    next_->setEnabled(mask & kNext);
    finish_->setEnabled(mask & kFinish);
    // Enter presses the way forward.
    finish_->setDefault(mask & kFinish);
    next_->setDefault(!(mask & kFinish) && (mask & kNext));
}

void CTurnPixaDlg::back() {
    if (activeIndex() > 0) setActiveIndex(activeIndex() - 1);
}

void CTurnPixaDlg::next() {
    if (activeIndex() <= 3) setActiveIndex(activeIndex() + 1);
}

void CTurnPixaDlg::finish() {
    CWizardPage* p = activePage();
    if (p && p->onWizardFinish()) accept();
}

void CTurnPixaDlg::help() {
    if (CWizardPage* p = activePage()) app_.help().openHelpTopic(this, p->helpTopic());
}

void CTurnPixaDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        help();
        return;
    }
    // Escape would close the wizard and lose the loaded photos; only the
    // close box ends it without asking.
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

void CTurnPixaDlg::tabChanged(int index) {
    if (CWizardPage* old = page(lastActive_); old && lastActive_ != index) old->onKillActive();
    lastActive_ = index;
    if (CWizardPage* p = page(index)) p->onSetActive();
}

void CTurnPixaDlg::postPhotoAdded(int number) {
    if (CWizardPage* p = activePage())
        QMetaObject::invokeMethod(
            p, [p, number] { p->photoAdded(number); }, Qt::QueuedConnection);
}

void CTurnPixaDlg::postRefreshCurrentFrame() {
    if (CWizardPage* p = activePage())
        QMetaObject::invokeMethod(
            p, [p] { p->refreshCurrentFrame(); }, Qt::QueuedConnection);
}

}  // namespace turnpixa
