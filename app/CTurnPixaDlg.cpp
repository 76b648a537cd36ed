#include "CTurnPixaDlg.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

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
    Project& project = app.project();
    pages_ = {new CTakePhotosDlg(project, *this, app.uploadSettings(), app.help()),
              new CImportDlg(project, *this, app.help()), new CSizeDlg(project, *this),
              new CEditDlg(project, *this),
              new CSaveDlg(project, *this, app.uploadSettings(), app.help())};
    for (CWizardPage* p : pages_) tabs_->addTab(p, p->caption());

    auto* about = new QPushButton(tr("About TurnPixa..."), this);
    back_ = new QPushButton(tr("<< Back"), this);
    next_ = new QPushButton(tr("Next >>"), this);
    finish_ = new QPushButton(tr("Finish"), this);
    for (QPushButton* b : {about, back_, next_, finish_}) b->setAutoDefault(false);

    sourceText_ = new QLabel(this);
    sourceText_->setObjectName(QStringLiteral("sourceProgress"));
    sourceBar_ = new QProgressBar(this);
    sourceBar_->setMaximumWidth(160);
    sourceBar_->setTextVisible(false);
    sourceText_->hide();
    sourceBar_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(about);
    buttons->addSpacing(12);
    // The bar first: the count's changing width does not move it.
    buttons->addWidget(sourceBar_);
    buttons->addWidget(sourceText_);
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

    sourceTimer_.setInterval(kSourcePollMs);
    connect(&sourceTimer_, &QTimer::timeout, this, &CTurnPixaDlg::takeRescaledSources);

    // No smaller than the pages' controls need (the Save page's panel).
    resize(QSize(960, 680).expandedTo(layout->minimumSize()));
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
    if (acquiring_) return;
    if (index >= 0 && index < pageCount()) tabs_->setCurrentIndex(index);
}

void CTurnPixaDlg::setEnabledButtons(int mask) {
    if (acquiring_) {
        buttonsBeforeAcquiring_ = mask;
        mask = 0;
    }
    back_->setEnabled(mask & kBack);
    next_->setEnabled(mask & kNext);
    finish_->setEnabled(mask & kFinish);
    // Enter presses the way forward.
    finish_->setDefault(mask & kFinish);
    next_->setDefault(!(mask & kFinish) && (mask & kNext));
}

void CTurnPixaDlg::goToPage(int n) {
    if (n >= 1 && n <= pageCount()) setActiveIndex(n - 1);
}

void CTurnPixaDlg::back() {
    if (activeIndex() > 0) setActiveIndex(activeIndex() - 1);
}

void CTurnPixaDlg::next() {
    if (activeIndex() <= 3) setActiveIndex(activeIndex() + 1);
}

void CTurnPixaDlg::finish() {
    if (acquiring_) return;
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

void CTurnPixaDlg::setAcquiring(bool on) {
    if (on == acquiring_) return;
    if (on) {
        buttonsBeforeAcquiring_ = (back_->isEnabled() ? kBack : 0) |
                                  (next_->isEnabled() ? kNext : 0) |
                                  (finish_->isEnabled() ? kFinish : 0);
        setEnabledButtons(0);
        acquiring_ = true;
        tabs_->tabBar()->setEnabled(false);
        return;
    }
    acquiring_ = false;
    tabs_->tabBar()->setEnabled(true);
    setEnabledButtons(buttonsBeforeAcquiring_);
    if (closeAfterAcquiring_) {
        closeAfterAcquiring_ = false;
        close();
    }
}

void CTurnPixaDlg::closeEvent(QCloseEvent* event) {
    // The scanner's window and the nested event loop still need this one.
    if (acquiring_) {
        closeAfterAcquiring_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
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

void CTurnPixaDlg::watchSourceRescale() {
    if (!sourceTimer_.isActive()) sourceTimer_.start();
    showSourceProgress();
}

void CTurnPixaDlg::takeRescaledSources() {
    Project& p = app_.project();
    SourceRescaler& rescaler = p.sourceRescaler();
    const std::vector<int> swapped = rescaler.takeArrived(p);
    if (std::find(swapped.begin(), swapped.end(), p.currentImage - 1) != swapped.end())
        postRefreshCurrentFrame();
    if (CWizardPage* page = activePage(); page && !swapped.empty()) page->update();  // the ring
    showSourceProgress();
    if (rescaler.running()) return;
    sourceTimer_.stop();
    // The frames of the photos that were waiting follow.
    p.schedulePreRender();
}

void CTurnPixaDlg::showSourceProgress() {
    const SourceRescaler& rescaler = app_.project().sourceRescaler();
    if (rescaler.running()) {
        sourceText_->setText(tr("Preparing the photos for the new size: %1 of %2")
                                 .arg(rescaler.done())
                                 .arg(rescaler.total()));
        sourceText_->setToolTip(QString());
        sourceBar_->setRange(0, rescaler.total());
        sourceBar_->setValue(rescaler.done());
        sourceText_->show();
        sourceBar_->show();
        return;
    }
    sourceBar_->hide();
    const std::vector<std::string>& failures = rescaler.failures();
    if (failures.empty()) {
        sourceText_->hide();
        return;
    }
    // Said where the work was shown, without stopping the user: those
    // frames are made from the source the photo already has.
    QStringList lines;
    for (const std::string& f : failures) lines << QString::fromStdString(f);
    sourceText_->setText(failures.size() == 1
                             ? tr("1 photo could not be read again; its frame may "
                                  "look less sharp.")
                             : tr("%1 photos could not be read again; their frames "
                                  "may look less sharp.")
                                   .arg(failures.size()));
    sourceText_->setToolTip(lines.join('\n'));
    sourceText_->show();
}

void CTurnPixaDlg::postRefreshCurrentFrame() {
    if (CWizardPage* p = activePage())
        QMetaObject::invokeMethod(
            p, [p] { p->refreshCurrentFrame(); }, Qt::QueuedConnection);
}

}  // namespace turnpixa
