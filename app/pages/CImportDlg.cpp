#include "CImportDlg.h"

#include "app/ToolTips.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/DialogSeam.h"
#include "app/RasterImageQt.h"
#include "app/WizardNavigation.h"
#include "devices/CTwainSource.h"
#include "devices/QtScanHost.h"
#include "devices/SaneSourceManager.h"
#include "project/PhotoBatchLoader.h"
#include "project/Project.h"
#include "resources/Resources.h"

namespace turnpixa {

namespace {

QPushButton* bigButton(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setMinimumHeight(56);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

CImportDlg::CImportDlg(Project& project, WizardNavigation& navigation, HelpOpener helpOpener,
                       QWidget* parent)
    : CViewDlg(project, navigation, tr("Step 2: Load Photos"), QStringLiteral("load-photos.htm"),
               parent),
      helpOpener_(std::move(helpOpener)) {
    setAcceptDrops(true);
    browse_ = bigButton(tr("Browse..."), sidePanel());
    acquire_ = bigButton(tr("Acquire..."), sidePanel());
    addToolTip(acquire_, tr("Scan pages from a scanner or take them from a camera."));
    removeAll_ = bigButton(tr("Remove All Images..."), sidePanel());
    status_ = new QLabel(sidePanel());
    status_->setWordWrap(true);
    status_->setObjectName(QStringLiteral("statusLine"));
    panelLayout()->addWidget(browse_);
    panelLayout()->addWidget(acquire_);
    panelLayout()->addWidget(removeAll_);
    panelLayout()->addStretch(1);
    panelLayout()->addWidget(status_);

    instruction_ = new QLabel(this);
    instruction_->setAlignment(Qt::AlignCenter);
    instruction_->setWordWrap(true);
    instruction_->setAttribute(Qt::WA_TransparentForMouseEvents);
    help_ = new QPushButton(tr("Help..."), this);
    help_->setAutoDefault(false);

    RasterImage picture;
    if (loadResourceImage("empty-state.png", picture))
        faded_ = toQImage(ring::fadedOntoWhite(picture, 20));

    connect(browse_, &QPushButton::clicked, this, &CImportDlg::browse);
    connect(acquire_, &QPushButton::clicked, this, &CImportDlg::acquire);
    connect(removeAll_, &QPushButton::clicked, this, &CImportDlg::removeAll);
    connect(help_, &QPushButton::clicked, this,
            [this] { helpOpener_.openHelpTopic(this, helpTopic()); });
}

void CImportDlg::onSetActive() {
    navigation().setEnabledButtons(WizardNavigation::kBack | WizardNavigation::kNext);
    if (!activatedOnce_) {
        activatedOnce_ = true;
        QFont f(QStringLiteral("Arial"));
        f.setPointSize(18);
        instruction_->setFont(f);
        instruction_->setText(
            tr("Step 2: Load your photos.\r\n\r\n\r\n(Use the Browse or Acquire button\r\n\r\n "
               "or drag-and-drop files onto this window)"));
    }
    CViewDlg::onSetActive();
}

void CImportDlg::layOut(int width, int height) {
    CViewDlg::layOut(width, height);
    const bool empty = project().photoCount() == 0;
    if (empty) {
        const QRect r = ringRect();
        const QSize hs = help_->sizeHint();
        instruction_->setGeometry(r.adjusted(0, 0, 0, -(hs.height() + 6)));
        help_->setGeometry(width - 6 - hs.width(), height - 6 - hs.height(), hs.width(),
                           hs.height());
    }
    showEmptyState(empty);
}

void CImportDlg::showEmptyState(bool empty) {
    instruction_->setVisible(empty);
    help_->setVisible(empty);
    removeAll_->setEnabled(!empty && !loading_);
    setPreviewVisible(!empty);
}

void CImportDlg::paintOverRing(QPainter& painter) {
    if (project().photoCount() > 0 || faded_.isNull()) return;
    const QRect r = ringRect();
    const Rect target =
        ring::fadedPictureRect(Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()},
                               {faded_.width(), faded_.height()});
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(target.left, target.top, target.width(), target.height()), faded_);
}

void CImportDlg::photoAdded(int number) {
    Project& p = project();
    if (!p.photoAt(number - 1)) return;
    p.currentImage = number;
    setFrame(p.shownOutputImage(number - 1, p.settings()));
    layOut(width(), height());
}

int CImportDlg::loadFiles(const QStringList& paths) {
    if (!beginBatch()) return 0;
    Project& p = project();
    const int before = p.photoCount();
    // Two threads decode the batch; the photos come in in list order, the
    // first as soon as it alone is decoded.
    std::vector<std::string> files;
    for (const QString& path : paths) files.push_back(path.toStdString());
    PhotoBatchLoader loader(std::move(files), p.settings());
    QStringList failed;
    QStringList troubled;  // loaded, but damaged or of another shape
    int loaded = 0;
    for (int i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        status_->setText(tr("Loading %1 of %2: %3")
                             .arg(i + 1)
                             .arg(paths.size())
                             .arg(QFileInfo(path).fileName()));
        PhotoBatchLoader::Result in;
        while (window()->isVisible() && !loader.next(in, 20)) QCoreApplication::processEvents();
        // The window was closed meanwhile: the program is ending.
        if (!window()->isVisible()) break;
        const std::string& reason = in.reason;
        const std::string damage = in.damage;
        if (const Photo* photo = p.addPhoto(std::move(in.photo))) {
            ++loaded;
            if (!damage.empty())
                troubled
                    << tr("%1: loaded, but damaged: %2").arg(path, QString::fromStdString(damage));
            const Photo* first = p.photoAt(0);
            const std::string shape =
                shapeWarning(first->width(), first->height(), photo->width(), photo->height());
            if (!shape.empty())
                troubled << QStringLiteral("%1: %2").arg(path, QString::fromStdString(shape));
            photoLoaded();
        } else {
            failed << (reason.empty()
                           ? path
                           : QStringLiteral("%1 (%2)").arg(path, QString::fromStdString(reason)));
        }
        QCoreApplication::processEvents();
    }
    loader.cancel();
    endBatch(before);
    QString status = loaded == paths.size()
                         ? tr("%1 photos loaded.").arg(p.photoCount())
                         : tr("%1 of %2 files loaded.").arg(loaded).arg(paths.size());
    showStatus(status);
    layOut(width(), height());
    QStringList parts;
    if (!failed.isEmpty())
        parts << tr("These files could not be read as pictures and were left out:\n\n%1")
                     .arg(failed.join('\n'));
    if (!troubled.isEmpty())
        parts
            << tr("These photos were loaded, but not all is well:\n\n%1").arg(troubled.join('\n'));
    if (!parts.isEmpty()) DialogSeam::instance().warning(this, parts.join(QStringLiteral("\n\n")));
    return loaded;
}

void CImportDlg::browse() {
    const QStringList paths = DialogSeam::instance().openPhotoFiles(this);
    if (!paths.isEmpty()) loadFiles(paths);
}

bool CImportDlg::beginBatch() {
    // Events are processed between photos: a second batch started meanwhile
    // (a drop, Browse, Acquire) would end the first one's importing state early.
    if (loading_) {
        DialogSeam::instance().message(this,
                                       tr("Please wait until the photos being loaded are in."));
        return false;
    }
    loading_ = true;
    for (QPushButton* b : {browse_, acquire_, removeAll_}) b->setEnabled(false);
    project().beginImport();
    return true;
}

void CImportDlg::endBatch(int photosBefore) {
    project().endImport(photosBefore);
    loading_ = false;
    browse_->setEnabled(true);
    acquire_->setEnabled(true);
}

void CImportDlg::photoLoaded() {
    Project& p = project();
    if (p.currentImage != 0) return;
    showEmptyState(false);
    selectPhoto(1);
    p.deriveOutputSizeFromWidth(p.settings().outputWidth);
    showCurrentFrame(true);
    layOut(width(), height());
}

void CImportDlg::showStatus(QString status) {
    if (project().photoCount() > 0)
        status +=
            tr("\n\nDrag across the picture to turn it. Drag a thumbnail onto another photo's "
               "line to move it there; right-click a thumbnail for more.");
    status_->setText(status);
}

int CImportDlg::acquire() {
    if (!beginBatch()) return 0;
    Project& p = project();
    const int before = p.photoCount();
    // Until the scanner is done the page stays, the window stays open and
    // no second batch starts: the scanner's window runs in this call.
    navigation().setAcquiring(true);
    int scanned = 0;
    bool selected = false;
    QString failure;
    {
        QtScanHost host(window());
        SaneSourceManager manager(host);
        CTwainSource source(manager, host);
        selected = source.SelectSource();
        if (selected) {
            status_->setText(tr("Waiting for the scanner..."));
            do {
                RasterImage image;
                if (source.AcquireImage(image) && p.addPhotoFromImage(std::move(image))) {
                    ++scanned;
                    photoLoaded();
                    status_->setText(tr("Pages scanned: %1").arg(scanned));
                }
                QCoreApplication::processEvents();
            } while (source.morePending());
        }
        failure = QString::fromStdString(source.failure());
    }
    endBatch(before);
    if (selected) {
        QString status =
            scanned == 1 ? tr("1 page scanned.") : tr("%1 pages scanned.").arg(scanned);
        if (!failure.isEmpty()) status = tr("The scanner stopped: %1. %2").arg(failure, status);
        showStatus(status);
    }
    layOut(width(), height());
    navigation().setAcquiring(false);
    return scanned;
}

void CImportDlg::removeAll() {
    if (!DialogSeam::instance().askOkCancel(
            this, tr("Are you sure you want to remove all the imported images from TurnPixa?")))
        return;
    Project& p = project();
    while (p.photoCount() > 0) removePhoto(1);
    p.saved = false;
    status_->clear();
    layOut(width(), height());
}

void CImportDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CImportDlg::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CImportDlg::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    std::reverse(paths.begin(), paths.end());
    event->acceptProposedAction();
    // Loading runs after the drop has finished, so that the program the
    // files came from is not kept waiting.
    if (!paths.isEmpty())
        QMetaObject::invokeMethod(
            this, [this, paths] { loadFiles(paths); }, Qt::QueuedConnection);
}

}  // namespace turnpixa
