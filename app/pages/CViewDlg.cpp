#include "CViewDlg.h"

#include <QCoreApplication>

#include <QCursor>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/DialogSeam.h"
#include "app/RasterImageQt.h"
#include "app/TextFit.h"
#include "process/CropEdit.h"
#include "project/Project.h"
#include "resources/Resources.h"

namespace turnpixa {

namespace {

ring::Point toPoint(QPoint p) {
    return {p.x(), p.y()};
}
QColor toQColor(PackedColour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

// Each row of photos in its own colour, repeating after six rows.
QColor rowColour(int row) {
    static const QColor kColours[] = {{30, 90, 200},  {215, 110, 0}, {0, 135, 120},
                                      {150, 60, 175}, {110, 125, 0}, {195, 35, 110}};
    return kColours[row % 6];
}

// A light tint of the row's colour for its spokes.
QColor spokeColour(int row) {
    const QColor c = rowColour(row);
    const auto tint = [](int v) { return v + (255 - v) * 3 / 5; };
    return QColor(tint(c.red()), tint(c.green()), tint(c.blue()));
}

// The row's number in a small label inside the thumbnail's top-left
// corner; the first photo of a row says "Row n".
void paintRowLabel(QPainter& painter, const Rect& thumb, int row, bool first) {
    const QString text =
        first ? QCoreApplication::translate("turnpixa::CViewDlg", "Row %1").arg(row + 1)
              : QString::number(row + 1);
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QRect box(thumb.left, thumb.top,
                    std::min(metrics.horizontalAdvance(text) + 6, thumb.right - thumb.left),
                    std::min(metrics.height() + 2, thumb.bottom - thumb.top));
    painter.fillRect(box, rowColour(row));
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

}  // namespace

CViewDlg::CViewDlg(Project& project, WizardNavigation& navigation, QString caption,
                   QString helpTopic, QWidget* parent)
    : CWizardPage(project, navigation, std::move(caption), std::move(helpTopic), parent) {
    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("sidePanel"));
    panelLayout_ = new QVBoxLayout(panel_);
    setMouseTracking(true);
}

void CViewDlg::onSetActive() {
    Project& p = project();
    frame_ = QImage();
    if (p.photoCount() > 0) {
        setPreviewVisible(true);
        if (p.currentImage == 0) p.currentImage = p.startImage();
    } else {
        p.currentImage = 0;
        setPreviewVisible(false);
    }
    if (p.settings().outputHeight == 0) p.deriveOutputSizeFromWidth(p.settings().outputWidth);
    showCurrentFrame(true);
    layOut(width(), height());
}

void CViewDlg::photoAdded(int /*number*/) {
    update();
}

void CViewDlg::refreshCurrentFrame() {
    Project& p = project();
    setFrame(p.shownOutputImage(p.currentImage - 1, p.settings(), true));
    placePreview();
    update();
    p.schedulePreRender();
}

void CViewDlg::layOut(int width, int height) {
    // The panel's English texts fit its width; longer translations widen it.
    panelWidth_ = widthForTexts(panel_, kPanelWidth, height, 2 * kPanelWidth);
    (void)width;
    placePreview();
    update();
}

void CViewDlg::selectPhoto(int m) {
    Project& p = project();
    if (m < 0) m = p.currentImage;
    p.schedulePreRender();
    p.currentImage = m;
    if (p.photoAt(m - 1)) setFrame(p.shownOutputImage(m - 1, p.settings()));
    placePreview();
    update();
    showImageNumber();
}

void CViewDlg::addImageNumberGroup() {
    auto* group = new QGroupBox(tr("Image Number"), panel_);
    imageText_ = new QLabel(group);
    imageText_->setAlignment(Qt::AlignCenter);
    imageSlider_ = new QSlider(Qt::Horizontal, group);
    imageSlider_->setPageStep(1);
    previous_ = new QToolButton(group);
    next_ = new QToolButton(group);
    // One arrow picture and its mirror image.
    RasterImage arrow;
    loadResourceImage("arrow-left.png", arrow);
    const QImage left = toQImage(arrow);
    previous_->setIcon(QIcon(QPixmap::fromImage(left)));
    next_->setIcon(QIcon(QPixmap::fromImage(left.mirrored(true, false))));
    for (QToolButton* b : {previous_, next_}) {
        b->setIconSize(QSize(32, 18));
        b->setAutoRaise(false);
    }
    auto* row = new QHBoxLayout;
    row->addWidget(previous_);
    row->addWidget(imageText_, 1);
    row->addWidget(next_);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(row);
    layout->addWidget(imageSlider_);
    panelLayout_->addWidget(group);
    connect(previous_, &QToolButton::clicked, this, [this] { turn(-1); });
    connect(next_, &QToolButton::clicked, this, [this] { turn(1); });
    connect(imageSlider_, &QSlider::valueChanged, this, [this](int v) { selectPhoto(v); });
}

void CViewDlg::showImageNumber() {
    if (!imageSlider_) return;
    const Project& p = project();
    imageText_->setText(tr("%1 of %2").arg(p.currentImage).arg(p.photoCount()));
    const QSignalBlocker quiet(imageSlider_);
    imageSlider_->setRange(1, std::max(1, p.photoCount()));
    imageSlider_->setValue(p.currentImage);
    imageSlider_->setEnabled(p.photoCount() > 1);
}

void CViewDlg::showCurrentFrame(bool full) {
    Project& p = project();
    if (p.photoAt(p.currentImage - 1)) {
        ProcessingSettings s = p.settings();
        if (!full) s.quick = true;
        setFrame(p.shownOutputImage(p.currentImage - 1, s));
    } else {
        setFrame(nullptr);
    }
    placePreview();
    update();
    p.schedulePreRender();
}

void CViewDlg::turn(int n) {
    Project& p = project();
    if (p.photoCount() == 0) return;
    const int f = ring::turned(p.currentImage, n, p.photoCount(), p.reverseSpin);
    if (f != p.currentImage) selectPhoto(f);
}

void CViewDlg::setStartImage(int m) {
    Project& p = project();
    if (m == p.startImage()) return;
    p.chooseStartImage(m);
    setFrame(p.shownOutputImage(p.currentImage - 1, p.settings(), true));
    placePreview();
    update();
    p.schedulePreRender();
}

void CViewDlg::removePhoto(int m) {
    Project& p = project();
    if (m < 1 || m > p.photoCount()) return;
    // The frame shown belongs to the project's photo: let it go first.
    setFrame(nullptr);
    p.removePhotoNumber(m);
    if (p.photoCount() == 0) {
        setPreviewVisible(false);
        placePreview();
        update();
    } else {
        selectPhoto(p.currentImage);
    }
}

int CViewDlg::panelWidth() const {
    return panelWidth_;
}

QRect CViewDlg::ringRect() const {
    const int left = panelWidth();
    return QRect(left, 0, std::max(0, width() - left), height());
}

QRect CViewDlg::previewRect() const {
    return QRect(previewOrigin_, frame_.size());
}

QPoint CViewDlg::thumbnailCentre(int number) {
    const auto s = ringSlots();
    if (number < 1 || number > static_cast<int>(s.size())) return {};
    const ring::Point c = s[static_cast<std::size_t>(number - 1)].centre;
    return {c.x, c.y};
}

void CViewDlg::setFrame(const RasterImage* image) {
    frame_ = image ? toQImage(*image) : QImage();
}

void CViewDlg::setPreviewVisible(bool visible) {
    previewVisible_ = visible;
    update();
}

std::vector<ring::Slot> CViewDlg::ringSlots() {
    Project& p = project();
    std::vector<ring::Size> sizes;
    sizes.reserve(static_cast<std::size_t>(p.photoCount()));
    for (int i = 0; i < p.photoCount(); ++i) {
        const RasterImage& small = p.photoAt(i)->smallPreview();
        sizes.push_back({small.width(), small.height()});
    }
    // Inset so that the highlight frames round the outer thumbnails show.
    const QRect r = ringRect().adjusted(kRingInset, kRingInset, -kRingInset, -kRingInset);
    return ring::layout(Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}, sizes);
}

void CViewDlg::placePreview() {
    const ring::Point o =
        ring::previewOrigin(panelWidth(), width(), height(), {frame_.width(), frame_.height()});
    previewOrigin_ = QPoint(o.x, o.y);
}

void CViewDlg::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect r = ringRect();
    painter.fillRect(r, Qt::white);
    Project& p = project();
    const auto s = ringSlots();
    const QPoint centre(r.left() + r.width() / 2, r.top() + r.height() / 2);
    // Photos in rows: each row's spokes and labels in its own colour.
    const SpinRows grid = p.spinRows();
    const bool inRows = grid.rows() > 1;
    painter.setPen(QColor(224, 224, 224));
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        const ring::Slot& slot = s[static_cast<std::size_t>(i)];
        if (inRows) painter.setPen(spokeColour(grid.rowOf(i)));
        painter.drawLine(centre, QPoint(slot.centre.x, slot.centre.y));
    }
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        const ring::Slot& slot = s[static_cast<std::size_t>(i)];
        const Rect tr = ring::thumbnailRect(slot.centre, slot.size);
        painter.drawImage(QPoint(tr.left, tr.top), toQImage(p.photoAt(i)->smallPreview()));
        if (inRows) paintRowLabel(painter, tr, grid.rowOf(i), grid.columnOf(i) == 0);
        PackedColour colour = 0;
        if (!ring::highlightColour(i + 1 == p.currentImage, i == dropTarget_,
                                   i + 1 == p.startImage(), colour))
            continue;
        const QColor light = toQColor(colour);
        const QColor dark = toQColor(ring::shadedColour(colour));
        for (int k = 1; k <= 2; ++k) {
            const int left = tr.left - k, top = tr.top - k, right = tr.right - 1 + k,
                      bottom = tr.bottom - 1 + k;
            painter.setPen(light);
            painter.drawLine(left, top, right, top);
            painter.drawLine(left, top, left, bottom);
            painter.setPen(dark);
            painter.drawLine(left, bottom, right, bottom);
            painter.drawLine(right, top, right, bottom);
        }
    }
    paintOverRing(painter);
    if (previewVisible_ && !frame_.isNull()) {
        painter.drawImage(previewOrigin_, frame_);
        paintOverFrame(painter);
    }
}

void CViewDlg::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    lastPos_ = pos;
    if (event->button() == Qt::RightButton) {
        showContextMenu(pos);
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    drag_.reset();
    const int hit = ring::hitTest(ringSlots(), toPoint(pos));
    if (hit >= 0) {
        dragSource_ = hit;
        dragging_ = false;
        selectPhoto(hit + 1);
    }
}

void CViewDlg::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const int dx = pos.x() - lastPos_.x();
    const int dy = pos.y() - lastPos_.y();
    lastPos_ = pos;
    const bool leftHeld = event->buttons() & Qt::LeftButton;
    Project& p = project();
    if (leftHeld && dragSource_ >= 0) {
        if (!dragging_) {
            dragging_ = true;
            Photo* photo = p.photoAt(dragSource_);
            if (photo) {
                const QImage cursorImage = toQImage(ring::dragCursorPicture(photo->thumbnail()));
                setCursor(QCursor(QPixmap::fromImage(cursorImage), cursorImage.width() / 2,
                                  cursorImage.height() / 2));
            }
        }
        const QRect r = ringRect();
        const int target = ring::dropTarget(
            ringSlots(), {r.left() + r.width() / 2, r.top() + r.height() / 2}, toPoint(pos));
        if (target != dropTarget_) {
            dropTarget_ = target;
            update();
        }
        return;
    }
    const bool overPreview = previewVisible_ && previewRect().contains(pos);
    const SpinRows grid = p.spinRows();
    if (overPreview)
        setCursor(panMode_ || grid.rows() > 1 ? Qt::SizeAllCursor : Qt::SizeHorCursor);
    else if (!dragging_)
        unsetCursor();
    if (!overPreview) return;
    if (!leftHeld) {
        drag_.reset();
        return;
    }
    if (panMode_) {
        pan(dx, dy);
        return;
    }
    const int f = drag_.move(dx, dy, p.currentImage, grid, p.reverseSpin);
    if (f != 0) selectPhoto(f);
}

void CViewDlg::pan(int dx, int dy) {
    Project& p = project();
    Photo* photo = p.photoAt(p.currentImage - 1);
    if (!photo || !photo->cachedSettings().cropOn) return;
    const ProcessingSettings& cached = photo->cachedSettings();
    // The crop as this photo shows it: the global one moved by its own pan.
    Rect crop = cached.crop;
    if (std::abs(photo->panX) < crop.width() && std::abs(photo->panY) < crop.height())
        crop = Rect{crop.left + photo->panX, crop.top + photo->panY, crop.right + photo->panX,
                    crop.bottom + photo->panY};
    const PanStep step = panStep(dx, dy, cached.rotation, photo->sourceScale(), crop,
                                 photo->width(), photo->height());
    if (step.dx == 0 && step.dy == 0) return;
    if (panAll_) {
        // The drag alone: the photo's own pan stays on top of the global crop.
        Rect& global = p.settings().crop;
        global = Rect{global.left + step.dx, global.top + step.dy, global.right + step.dx,
                      global.bottom + step.dy};
    } else {
        photo->movePan(step.dx, step.dy);
    }
    ProcessingSettings quick = p.settings();
    quick.quick = true;
    setFrame(p.renderAnew(p.currentImage - 1, quick));
    placePreview();
    update();
    p.schedulePreRender();
}

void CViewDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (dragging_ && dropTarget_ >= 0 && dragSource_ >= 0 && dropTarget_ != dragSource_)
        project().movePhoto(dragSource_, dropTarget_);
    endDrag();
}

void CViewDlg::endDrag() {
    dragging_ = false;
    dragSource_ = -1;
    dropTarget_ = -1;
    unsetCursor();
    update();
}

void CViewDlg::showContextMenu(QPoint pos) {
    Project& p = project();
    const int hit = ring::hitTest(ringSlots(), toPoint(pos));
    int number = 0;
    QStringList items;
    if (hit >= 0) {
        number = hit + 1;
        items = {tr("Set Start Image"), tr("Remove this Image")};
    } else if (previewVisible_ && previewRect().contains(pos) && p.photoAt(p.currentImage - 1)) {
        number = p.currentImage;
        items = {tr("Set Start Image")};
    } else {
        return;
    }
    const int chosen = DialogSeam::instance().popupMenu(this, mapToGlobal(pos), items);
    if (chosen == 0)
        setStartImage(number);
    else if (chosen == 1)
        removePhoto(number);
}

void CViewDlg::resizeEvent(QResizeEvent* event) {
    CWizardPage::resizeEvent(event);
    layOut(width(), height());
}

}  // namespace turnpixa
